// The engine's one stepping search.
//
// It inverts a relation by adding a decimal step to a trial value until the
// relation's result overshoots, then withdraws the step and refines it
// tenfold, until the step is no longer greater than the end threshold. At
// most 100000 upward steps are accepted over the whole search.
#pragma once

#include "FaultGuard.h"

namespace vapcore {

enum class SearchEnd {
    Found,          // x is the result
    RelationFailed, // the relation returned a negative result code
    StepLimit,      // the 100001st upward step was reached
    Fault,          // a floating-point fault; x is the trial value reached
};

struct SearchResult {
    SearchEnd end;
    double x;
};

inline constexpr long kMaxUpwardSteps = 100000;

// `trial(x, value)` evaluates the relation at x into value and returns its
// result code; `overshoots(value)` is the overshoot test, whose comparisons
// go through the guard.
template <class Trial, class Overshoots>
SearchResult steppingSearch(FaultGuard& guard, double start, double firstStep, double threshold,
                            Trial trial, Overshoots overshoots)
{
    double x = start;
    double h = firstStep;
    long upwardSteps = 0;
    while (guard.greater(h, threshold)) {
        x = x + h;
        double value = 0.0;
        if (trial(x, value) < 0)
            return {SearchEnd::RelationFailed, x};
        const bool over = overshoots(value);
        if (guard.faulted(value))
            return {SearchEnd::Fault, x};
        if (over) {
            x = x - h;
            h = h * 0.1;
            continue;
        }
        if (++upwardSteps > kMaxUpwardSteps)
            return {SearchEnd::StepLimit, x};
    }
    return {SearchEnd::Found, x};
}

} // namespace vapcore

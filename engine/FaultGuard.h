// The engine's floating-point fault guard.
//
// A guarded method creates one FaultGuard on entry: it saves the caller's
// floating-point status flags and clears them, and on exit it puts the
// caller's flags back. In between the method asks whether a division by
// zero, an overflow or an invalid operation has happened.
//
// GCC does not honour FENV_ACCESS, so a value is pinned to memory (an empty
// asm that takes it as an in-out operand) before the flags are read; that
// keeps the arithmetic producing it from being scheduled after the test.
// Ordered comparisons go through the guard too: a comparison with a NaN is
// an invalid operation whatever instruction the compiler picks for it.
#pragma once

#include <cfenv>
#include <cmath>

namespace vapcore {

class FaultGuard {
public:
    FaultGuard() noexcept
    {
        std::fegetexceptflag(&callerFlags_, FE_ALL_EXCEPT);
        std::feclearexcept(FE_ALL_EXCEPT);
    }
    ~FaultGuard() { std::fesetexceptflag(&callerFlags_, FE_ALL_EXCEPT); }
    FaultGuard(const FaultGuard&) = delete;
    FaultGuard& operator=(const FaultGuard&) = delete;

    // True when a fault has happened so far or `value` is not a finite
    // number (a NaN or an infinity can only come from a fault or from a
    // non-finite input, and neither may pass as a result).
    bool faulted(double& value) noexcept
    {
        pin(value);
        return faulted() || !std::isfinite(value);
    }

    bool faulted() noexcept
    {
        return unordered_ || std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID) != 0;
    }

    bool greater(double a, double b) noexcept { return ordered(a, b) && a > b; }
    bool greaterEqual(double a, double b) noexcept { return ordered(a, b) && a >= b; }
    bool less(double a, double b) noexcept { return ordered(a, b) && a < b; }

private:
    static void pin(double& value) noexcept { asm volatile("" : "+m"(value)); }

    bool ordered(double a, double b) noexcept
    {
        pin(a);
        pin(b);
        if (std::isunordered(a, b)) {
            unordered_ = true;
            return false;
        }
        return true;
    }

    std::fexcept_t callerFlags_;
    bool unordered_ = false;
};

} // namespace vapcore

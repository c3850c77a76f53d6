// Helpers shared by the engine's source files; not part of the interface.
#pragma once

#include "EvaluationCounter.h"
#include "FaultGuard.h"
#include "HygrelClass.h"
#include "SteppingSearch.h"

#include <cstdint>

namespace vapcore {

inline constexpr std::int32_t kModeSI = 1;

// Sets Mode for the length of one call and puts the caller's value back on
// every path out of it.
class ModeOverride {
public:
    ModeOverride(HygrelClass& engine, std::int32_t mode) : engine_(engine), saved_(engine.Mode)
    {
        engine_.Mode = mode;
    }
    ~ModeOverride() { engine_.Mode = saved_; }
    ModeOverride(const ModeOverride&) = delete;
    ModeOverride& operator=(const ModeOverride&) = delete;

private:
    HygrelClass& engine_;
    std::int32_t saved_;
};

// Absolute humidity from total and vapour pressure, both in mmHg. Returns
// false when the total pressure does not exceed the vapour pressure.
bool humidityFromPressures(const HygrelClass& e, double pa, double pw, double& ah, FaultGuard& guard);

} // namespace vapcore

// Construction of the engine object: the unit mode and the constants.
#include "EngineInternal.h"

#ifdef VAPCORE_COUNT_EVALUATIONS
namespace vapcore::counting {
std::uint64_t calls[MethodCount];
}
#endif

namespace {
// Ten constants are kept as the single-precision value of their decimal
// figure, widened to double: the stored value is that of the float.
constexpr double single(float value) { return static_cast<double>(value); }
} // namespace

HygrelClass::HygrelClass()
    : Mode(0),
      MmHgPerAt(single(735.5593f)),
      T0(single(273.15f)),
      MolarMassAir(single(28.966f)),
      MolarMassWater(single(18.015f)),
      GasConstAir(single(29.27f)),
      GasConstVapour(single(47.06f)),
      CpAir(single(0.24f)),
      CpVapour(single(0.441f)),
      CWater(1.0),
      CIce(0.5),
      LatentVap0(597.5),
      LatentFusion(single(79.7f)),
      PStandard(760.0),
      PTotal(760.0),
      KJPerKcal(single(4.1868f)),
      MmHgPerHPa(0.75006168),
      TolFine(1e-8),
      TolCoarse(2.5e-6)
{
}

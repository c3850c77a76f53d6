// The engine object: its members, their stored values and order, the unit
// mode after construction, and copying.
#include "core_engine_cases.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

namespace {

using core_test::matchesFigure;
using core_test::sameMembers;

struct StoredConstant {
    const char* name;
    double HygrelClass::*member;
    double exact;         // the stored value, exactly
    std::size_t offset;   // where the member sits in the object
};

const StoredConstant kConstants[] = {
    {"MmHgPerAt", &HygrelClass::MmHgPerAt, 735.559326171875, offsetof(HygrelClass, MmHgPerAt)},
    {"T0", &HygrelClass::T0, 273.149993896484375, offsetof(HygrelClass, T0)},
    {"MolarMassAir", &HygrelClass::MolarMassAir, 28.965999603271484375, offsetof(HygrelClass, MolarMassAir)},
    {"MolarMassWater", &HygrelClass::MolarMassWater, 18.0149993896484375, offsetof(HygrelClass, MolarMassWater)},
    {"GasConstAir", &HygrelClass::GasConstAir, 29.270000457763671875, offsetof(HygrelClass, GasConstAir)},
    {"GasConstVapour", &HygrelClass::GasConstVapour, 47.060001373291015625, offsetof(HygrelClass, GasConstVapour)},
    {"CpAir", &HygrelClass::CpAir, 0.23999999463558197021484375, offsetof(HygrelClass, CpAir)},
    {"CpVapour", &HygrelClass::CpVapour, 0.4410000145435333251953125, offsetof(HygrelClass, CpVapour)},
    {"CWater", &HygrelClass::CWater, 1.0, offsetof(HygrelClass, CWater)},
    {"CIce", &HygrelClass::CIce, 0.5, offsetof(HygrelClass, CIce)},
    {"LatentVap0", &HygrelClass::LatentVap0, 597.5, offsetof(HygrelClass, LatentVap0)},
    {"LatentFusion", &HygrelClass::LatentFusion, 79.6999969482421875, offsetof(HygrelClass, LatentFusion)},
    {"PStandard", &HygrelClass::PStandard, 760.0, offsetof(HygrelClass, PStandard)},
    {"PTotal", &HygrelClass::PTotal, 760.0, offsetof(HygrelClass, PTotal)},
    {"KJPerKcal", &HygrelClass::KJPerKcal, 4.1868000030517578125, offsetof(HygrelClass, KJPerKcal)},
    {"MmHgPerHPa", &HygrelClass::MmHgPerHPa, 0.75006168, offsetof(HygrelClass, MmHgPerHPa)},
    {"TolFine", &HygrelClass::TolFine, 1e-8, offsetof(HygrelClass, TolFine)},
    {"TolCoarse", &HygrelClass::TolCoarse, 2.5e-6, offsetof(HygrelClass, TolCoarse)},
};

TEST(EngineConstants, ConstructorStoresEveryConstantExactly)
{
    const HygrelClass engine;
    for (const StoredConstant& c : kConstants) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(engine.*c.member, c.exact);
    }
}

TEST(EngineConstants, TenConstantsAreSinglePrecisionFiguresWidened)
{
    const HygrelClass engine;
    EXPECT_EQ(engine.MmHgPerAt, static_cast<double>(735.5593f));
    EXPECT_EQ(engine.T0, static_cast<double>(273.15f));
    EXPECT_EQ(engine.MolarMassAir, static_cast<double>(28.966f));
    EXPECT_EQ(engine.MolarMassWater, static_cast<double>(18.015f));
    EXPECT_EQ(engine.GasConstAir, static_cast<double>(29.27f));
    EXPECT_EQ(engine.GasConstVapour, static_cast<double>(47.06f));
    EXPECT_EQ(engine.CpAir, static_cast<double>(0.24f));
    EXPECT_EQ(engine.CpVapour, static_cast<double>(0.441f));
    EXPECT_EQ(engine.LatentFusion, static_cast<double>(79.7f));
    EXPECT_EQ(engine.KJPerKcal, static_cast<double>(4.1868f));
    // ... and not the nearest double of the figure.
    EXPECT_NE(engine.T0, 273.15);
    EXPECT_NE(engine.KJPerKcal, 4.1868);
    EXPECT_NE(engine.CpAir, 0.24);
}

TEST(EngineConstants, ModeIsFirstThenTheEighteenDoublesInTableOrder)
{
    static_assert(std::is_standard_layout_v<HygrelClass>);
    static_assert(std::is_same_v<decltype(HygrelClass::Mode), std::int32_t>);
    EXPECT_EQ(offsetof(HygrelClass, Mode), 0u);
    std::size_t previous = offsetof(HygrelClass, Mode) + sizeof(std::int32_t);
    for (const StoredConstant& c : kConstants) {
        SCOPED_TRACE(c.name);
        EXPECT_GE(c.offset, previous);
        EXPECT_EQ(c.offset % alignof(double), 0u);
        previous = c.offset + sizeof(double);
    }
    // The doubles follow one another without gaps, after the padded Mode.
    EXPECT_EQ(kConstants[0].offset, alignof(double));
    EXPECT_EQ(kConstants[std::size(kConstants) - 1].offset, alignof(double) + 17 * sizeof(double));
    EXPECT_EQ(sizeof(HygrelClass), alignof(double) + 18 * sizeof(double));
}

TEST(EngineConstants, NewObjectIsInMksModeWithTheMolarMassRatioToEightDigits)
{
    const HygrelClass engine;
    EXPECT_EQ(engine.Mode, 0);
    EXPECT_PRED_FORMAT2(matchesFigure, engine.MolarMassWater / engine.MolarMassAir, "0.62193605");
}

TEST(EngineConstants, ObjectCopiesFreelyAndCopiesAreIndependent)
{
    static_assert(std::is_copy_constructible_v<HygrelClass>);
    static_assert(std::is_copy_assignable_v<HygrelClass>);
    static_assert(std::is_trivially_destructible_v<HygrelClass>);

    HygrelClass original;
    original.Mode = 1;
    HygrelClass copy = original;
    EXPECT_TRUE(sameMembers(copy, original));

    copy.Mode = 0;
    EXPECT_EQ(original.Mode, 1);
    double db = 20.0;
    double inOriginal = 0.0;
    double inCopy = 0.0;
    ASSERT_EQ(original.F_DB2PWS(db, inOriginal), 1);
    ASSERT_EQ(copy.F_DB2PWS(db, inCopy), 1);
    EXPECT_PRED_FORMAT2(matchesFigure, inOriginal, "23.3925"); // hPa
    EXPECT_PRED_FORMAT2(matchesFigure, inCopy, "17.5458");     // mmHg

    HygrelClass assigned;
    assigned = original;
    EXPECT_TRUE(sameMembers(assigned, original));
}

TEST(UnitMode, EveryModeOtherThanOneIsMks)
{
    for (const core_test::CoreRelation& r : core_test::kCoreRelations) {
        HygrelClass mks;
        double expected = 0.0;
        const int expectedCode = r.relation(mks, r.ordinaryA, r.ordinaryB, expected);
        ASSERT_EQ(expectedCode, 1) << r.relation.name;
        for (const std::int32_t mode : {2, -1, INT32_MAX, INT32_MIN}) {
            SCOPED_TRACE(std::string(r.relation.name) + ", Mode " + std::to_string(mode));
            HygrelClass engine;
            engine.Mode = mode;
            double out = 0.0;
            EXPECT_EQ(r.relation(engine, r.ordinaryA, r.ordinaryB, out), expectedCode);
            EXPECT_EQ(out, expected);
            EXPECT_EQ(engine.Mode, mode);
        }
    }
}

TEST(UnitMode, SiModeChangesResultsOnlyWherePressureOrEnthalpyIsConverted)
{
    for (const core_test::CoreRelation& r : core_test::kCoreRelations) {
        SCOPED_TRACE(r.relation.name);
        HygrelClass mks;
        HygrelClass si;
        si.Mode = core_test::kSI;
        double inMks = 0.0;
        double inSi = 0.0;
        ASSERT_EQ(r.relation(mks, r.ordinaryA, r.ordinaryB, inMks), 1);
        ASSERT_EQ(r.relation(si, r.ordinaryA, r.ordinaryB, inSi), 1);
        if (r.siChangesResult)
            EXPECT_GT(std::fabs(inSi - inMks), 1e-3 * std::fabs(inMks));
        else // the same quantity, at most rounded differently through hPa
            EXPECT_NEAR(inSi, inMks, 1e-14 * std::fabs(inMks));
    }
}

} // namespace

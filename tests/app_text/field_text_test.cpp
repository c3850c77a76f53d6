#include "FieldText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace hygrel;

namespace {

struct NumberTextCase {
    const char* text;
    bool number;
};

class IsNumberTextTest : public ::testing::TestWithParam<NumberTextCase> {};

TEST_P(IsNumberTextTest, AcceptsOnlyPlainDecimalNumbers)
{
    EXPECT_EQ(IsNumberText(GetParam().text), GetParam().number) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, IsNumberTextTest,
    ::testing::Values(NumberTextCase{"5", true}, NumberTextCase{"-5.", true}, NumberTextCase{".5", true},
                      NumberTextCase{"+2.5e-3", true}, NumberTextCase{"1e", true}, NumberTextCase{"1e+", true},
                      NumberTextCase{".e5", true}, NumberTextCase{"1e3", true}, NumberTextCase{"5.", true},
                      NumberTextCase{"100", true}, NumberTextCase{"-0", true}, NumberTextCase{"1e-400", true}));

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, IsNumberTextTest,
    ::testing::Values(NumberTextCase{"", false}, NumberTextCase{".", false}, NumberTextCase{"-", false},
                      NumberTextCase{"+.", false}, NumberTextCase{"e", false}, NumberTextCase{"e5", false},
                      NumberTextCase{"1.2.3", false}, NumberTextCase{"--1", false}, NumberTextCase{"1-", false},
                      NumberTextCase{"1e3.5", false}, NumberTextCase{"1E3", false}, NumberTextCase{" 5", false},
                      NumberTextCase{"5 ", false}, NumberTextCase{"1,5", false}, NumberTextCase{"1e400", false},
                      NumberTextCase{"-1e400", false}, NumberTextCase{"NAN", false}, NumberTextCase{"INF", false},
                      NumberTextCase{"0x1", false}, NumberTextCase{"１", false}));

TEST(DecimalComma, ConvertsOnlyTheFirstSeparatorAndOnlyInACommaLocale)
{
    EXPECT_EQ(CommaToPoint("1,5", true), "1.5");
    EXPECT_EQ(CommaToPoint("1,5,0", true), "1.5,0");
    EXPECT_EQ(CommaToPoint("1.5", true), "1.5");
    EXPECT_EQ(CommaToPoint("1,5", false), "1,5");
    EXPECT_EQ(PointToComma("25.00", true), "25,00");
    EXPECT_EQ(PointToComma("1.2e-06", true), "1,2e-06");
    EXPECT_EQ(PointToComma("25.00", false), "25.00");
    EXPECT_EQ(PointToComma("1.2.3", true), "1,2.3");
}

TEST(ReadFieldNumber, ReadsCommaAndPointAlikeInACommaLocale)
{
    double value = 0.0;
    ASSERT_TRUE(ReadFieldNumber("1,5", true, value));
    EXPECT_EQ(value, 1.5);
    ASSERT_TRUE(ReadFieldNumber("1.5", true, value));
    EXPECT_EQ(value, 1.5);
    value = 7.0;
    EXPECT_FALSE(ReadFieldNumber("1,000.5", true, value));
    EXPECT_FALSE(ReadFieldNumber("1,5,0", true, value));
    EXPECT_FALSE(ReadFieldNumber("1,5", false, value));
    EXPECT_FALSE(ReadFieldNumber("1e400", false, value));
    EXPECT_EQ(value, 7.0);
}

TEST(TypedEnthalpy, IsDividedByTheSinglePrecisionFactor)
{
    const double kcal = KcalFromTypedKJ(41.868);
    EXPECT_NEAR(kcal, 9.99999999271, 5e-12);
    EXPECT_LT(kcal, 10.0);
    EXPECT_EQ(FormatEnthalpy(kcal, true, "0.00", "0.0e+00"), "41.87");
    EXPECT_EQ(KcalFromTypedKJ(0.0), 0.0);
}

struct DisplayCase {
    double value;
    const char* shown;
};

class HumidityDisplayTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(HumidityDisplayTest, SwitchesToExponentFormAtTheThresholds)
{
    EXPECT_EQ(FormatHumidity(GetParam().value, "0.00000", "0.0e+00"), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, HumidityDisplayTest,
    ::testing::Values(DisplayCase{0.0, "0.00000"}, DisplayCase{1e-5, "1.0e-05"}, DisplayCase{0.000010001, "0.00001"},
                      DisplayCase{9.99999, "9.99999"}, DisplayCase{9.999996, "10.00000"}, DisplayCase{10.0, "1.0e+01"},
                      DisplayCase{-0.000005, "-5.0e-06"}, DisplayCase{-12.0, "-12.00000"},
                      DisplayCase{-1e-5, "-1.0e-05"}, DisplayCase{0.000001234, "1.2e-06"},
                      DisplayCase{0.0072630318, "0.00726"}));

TEST(EnthalpyDisplay, UsesTheShownValueForTheThreshold)
{
    EXPECT_EQ(FormatEnthalpy(2388.5, true, "0.00", "0.0e+00"), "1.0e+04");
    EXPECT_EQ(FormatEnthalpy(2388.5, false, "0.00", "0.0e+00"), "2388.50");
    EXPECT_EQ(FormatEnthalpy(9999.99, false, "0.00", "0.0e+00"), "9999.99");
    EXPECT_EQ(FormatEnthalpy(10000.0, false, "0.00", "0.0e+00"), "1.0e+04");
    EXPECT_EQ(FormatEnthalpy(-2.5, false, "0.00", "0.0e+00"), "-2.50");
    EXPECT_EQ(FormatEnthalpy(-30000.0, false, "0.00", "0.0e+00"), "-30000.00");
    EXPECT_EQ(FormatEnthalpy(9.2037213, true, "0.00", "0.0e+00"), "38.53");
}

TEST(VolumeDisplay, SwitchesToExponentFormFrom10000)
{
    EXPECT_EQ(FormatVolume(0.8612345, "0.0000", "0.0e+00"), "0.8612");
    EXPECT_EQ(FormatVolume(10000.0, "0.0000", "0.0e+00"), "1.0e+04");
    EXPECT_EQ(FormatVolume(9999.99, "0.0000", "0.0e+00"), "9999.9900");
}

TEST(Display, ShowsNonFiniteValuesAsTextThatDoesNotCount)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(IsNumberText(FormatHumidity(nan, "0.00000", "0.0e+00")));
    EXPECT_FALSE(IsNumberText(FormatEnthalpy(inf, false, "0.00", "0.0e+00")));
    EXPECT_FALSE(IsNumberText(FormatVolume(-inf, "0.0000", "0.0e+00")));
}

} // namespace

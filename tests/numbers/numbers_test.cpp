#include "Numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace {

struct FormatCase {
    const char* picture;
    double value;
    const char* shown;
};

class FormatFloatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFloatTest, RoundsToTheDigitsOfThePicture)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatFloat(c.picture, c.value), c.shown) << c.picture << " " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Plain, FormatFloatTest,
    ::testing::Values(FormatCase{"0.00", 25.0, "25.00"}, FormatCase{"0.00", -3.5, "-3.50"},
                      FormatCase{"0.00", 0.0, "0.00"}, FormatCase{"0.00", 9999.99, "9999.99"},
                      FormatCase{"0.00", 9999.995, "10000.00"}, FormatCase{"0.00", 51.6884, "51.69"},
                      FormatCase{"0.00000", 0.0, "0.00000"}, FormatCase{"0.00000", 0.000010001, "0.00001"},
                      FormatCase{"0.00000", 9.99999, "9.99999"}, FormatCase{"0.00000", 9.999996, "10.00000"},
                      FormatCase{"0.00000", -12.0, "-12.00000"}, FormatCase{"0.0000", 0.8612345, "0.8612"},
                      FormatCase{"0.00000", 0.007263031823, "0.00726"}, FormatCase{"0.00", 1e22, "10000000000000000000000.00"}));

INSTANTIATE_TEST_SUITE_P(
    Exponent, FormatFloatTest,
    ::testing::Values(FormatCase{"0.0e+00", 0.00001, "1.0e-05"}, FormatCase{"0.0e+00", 10.0, "1.0e+01"},
                      FormatCase{"0.0e+00", -0.000005, "-5.0e-06"}, FormatCase{"0.0e+00", 0.000004567, "4.6e-06"},
                      FormatCase{"0.0e+00", 12345.6, "1.2e+04"}, FormatCase{"0.0e+00", 10000.17, "1.0e+04"},
                      FormatCase{"0.0e+00", 0.000001234, "1.2e-06"}, FormatCase{"0.0e+00", 9.96, "1.0e+01"},
                      FormatCase{"0.0e+00", 0.0, "0.0e+00"}, FormatCase{"0.0e+00", 1e100, "1.0e+100"},
                      FormatCase{"0.0e+00", 4.9e-324, "5.0e-324"}, FormatCase{"0.0e+00", 1.7976931348623157e308, "1.8e+308"},
                      FormatCase{"0.0e-00", 12345.6, "1.2e04"}));

// An exact half rounds away from zero, and so does a double whose shortest
// text ends in a half (0.105 is stored slightly below 0.105).
INSTANTIATE_TEST_SUITE_P(
    Halves, FormatFloatTest,
    ::testing::Values(FormatCase{"0.00", 0.125, "0.13"}, FormatCase{"0.00", -0.125, "-0.13"},
                      FormatCase{"0.00", 0.105, "0.11"}, FormatCase{"0.00", 2.675, "2.68"},
                      FormatCase{"0.0e+00", 0.000025, "2.5e-05"}, FormatCase{"0.0e+00", 1.25, "1.3e+00"}));

// A value that rounds to zero is shown without a minus sign.
INSTANTIATE_TEST_SUITE_P(
    NegativeZero, FormatFloatTest,
    ::testing::Values(FormatCase{"0.00", -0.0, "0.00"}, FormatCase{"0.00", -0.001, "0.00"},
                      FormatCase{"0.0e+00", -0.0, "0.0e+00"}, FormatCase{"0.00", -0.005, "-0.01"}));

TEST(FormatFloat, ShowsNonFiniteValuesAsWords)
{
    EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatFloat("0.0e+00", std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatFloat("0.00", -std::numeric_limits<double>::infinity()), "-INF");
}

struct ParseCase {
    const char* text;
    bool reads;
    double value;
};

class TryStrToFloatTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(TryStrToFloatTest, FollowsTheNumberGrammar)
{
    const ParseCase& c = GetParam();
    double value = -777.0;
    EXPECT_EQ(TryStrToFloat(c.text, value), c.reads) << '"' << c.text << '"';
    if (c.reads)
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    else
        EXPECT_EQ(value, -777.0) << "value touched for \"" << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, TryStrToFloatTest,
    ::testing::Values(ParseCase{"5", true, 5.0}, ParseCase{"-5.", true, -5.0}, ParseCase{".5", true, 0.5},
                      ParseCase{"+2.5e-3", true, 2.5e-3}, ParseCase{"1e", true, 1.0}, ParseCase{"1e+", true, 1.0},
                      ParseCase{".e5", true, 0.0}, ParseCase{".", true, 0.0}, ParseCase{"1e3", true, 1000.0},
                      ParseCase{"1E3", true, 1000.0}, ParseCase{"25.00", true, 25.0},
                      ParseCase{"0.1", true, 0.1}, ParseCase{"1.7976931348623157e308", true, 1.7976931348623157e308},
                      ParseCase{"4.9e-324", true, 4.9e-324}, ParseCase{"1e-400", true, 0.0},
                      ParseCase{"0.0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                                "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                                "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                                "0000000000000000000000000000000000000000000000000000000000001",
                                true, 0.0},
                      ParseCase{"1e0000000000000000000000003", true, 1000.0}));

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, TryStrToFloatTest,
    ::testing::Values(ParseCase{"", false, 0}, ParseCase{"e5", false, 0}, ParseCase{"1.2.3", false, 0},
                      ParseCase{"--1", false, 0}, ParseCase{"1-", false, 0}, ParseCase{"1e3.5", false, 0},
                      ParseCase{" 5", false, 0}, ParseCase{"5 ", false, 0}, ParseCase{"1,5", false, 0},
                      ParseCase{"1e400", false, 0}, ParseCase{"-1e400", false, 0},
                      ParseCase{"1.7976931348623159e308", false, 0}, ParseCase{"+", false, 0},
                      ParseCase{"nan", false, 0}, ParseCase{"inf", false, 0}, ParseCase{"0x10", false, 0},
                      ParseCase{"1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                                "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                                "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                                "000000000000000000000000000000000000000000000000000000000000e-1",
                                false, 0}));

TEST(TryStrToFloat, KeepsTheSignOfAZeroThatIsTooSmall)
{
    double value = 1.0;
    ASSERT_TRUE(TryStrToFloat("-1e-400", value));
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(std::signbit(value));
}

// The C library's locale may use a comma; neither side may follow it.
TEST(Numbers, IgnoreTheCLibraryLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE"))
        GTEST_SKIP() << "no decimal-comma locale installed";
    double value = 0.0;
    EXPECT_TRUE(TryStrToFloat("1.5", value));
    EXPECT_EQ(value, 1.5);
    EXPECT_FALSE(TryStrToFloat("1,5", value));
    EXPECT_EQ(FormatFloat("0.00", 25.0), "25.00");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace

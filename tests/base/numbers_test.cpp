// SPDX-License-Identifier: MIT
#include "base/numbers.h"
#include "base/settings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

// Restores the process-wide settings a test changes.
class SettingsGuard {
public:
    ~SettingsGuard()
    {
        DecimalSeparator = m_separator;
        CalcPrecision = m_precision;
    }

private:
    QChar m_separator = DecimalSeparator;
    int m_precision = CalcPrecision;
};

struct DecimalCase {
    const char* text;
    char separator;
    bool accepted;
    double value;
};

const DecimalCase DecimalCases[] = {
    {"2.5", '.', true, 2.5},
    {"2,5", ',', true, 2.5},
    {"2,5", '.', false, 0},
    {"2.5", ',', false, 0},
    {"-7", '.', true, -7},
    {"-7", ',', true, -7},
    {"+7", '.', true, 7},
    {"1e3", '.', true, 1000},
    {"1e3", ',', true, 1000},
    {"1E-2", '.', true, 0.01},
    {"-1,5e+2", ',', true, -150},
    {".5", '.', true, 0.5},
    {"5.", '.', true, 5},
    {"  3.25 \t", '.', true, 3.25},
    {"\t-0.125", '.', true, -0.125},
    {"", '.', false, 0},
    {"   ", '.', false, 0},
    {".", '.', false, 0},
    {"-", '.', false, 0},
    {"e3", '.', false, 0},
    {"1e", '.', false, 0},
    {"1e+", '.', false, 0},
    {"1 5", '.', false, 0},
    {"1. 5", '.', false, 0},
    {"- 1", '.', false, 0},
    {"1.2.3", '.', false, 0},
    {"1,000.5", '.', false, 0},
    {"1 000", '.', false, 0},
    {"12a", '.', false, 0},
    {"0x10", '.', false, 0},
    {"inf", '.', false, 0},
    {"nan", '.', false, 0},
    {"infinity", '.', false, 0},
    {"\xE2\x88\x92" "1", '.', false, 0},     // Unicode minus sign
    {"\xD9\xA3", '.', false, 0},             // Arabic-Indic digit three
    {"1e999", '.', false, 0},
    {"-1e999", '.', false, 0},
    {"1e-999", '.', true, 0},
    {"1e308", '.', true, 1e308},
    {"1e99999999999999999999", '.', false, 0},
    {"++1", '.', false, 0},
};

TEST(ReadDecimal, TakesExactlyTheGrammar)
{
    for (const DecimalCase& c : DecimalCases) {
        const std::optional<double> value = readDecimal(QString::fromUtf8(c.text), QLatin1Char(c.separator));
        EXPECT_EQ(value.has_value(), c.accepted) << "'" << c.text << "' with '" << c.separator << "'";
        if (value && c.accepted) {
            EXPECT_TRUE(std::isfinite(*value)) << c.text;
            EXPECT_NEAR(*value, c.value, std::abs(c.value) * 1e-15) << c.text;
        }
    }
}

TEST(ReadDecimal, AVeryLongNumberIsRead)
{
    const QString digits = QStringLiteral("1") + QString(400, QLatin1Char('0'));
    EXPECT_FALSE(readDecimal(digits, QLatin1Char('.')));
    const QString small = QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1");
    EXPECT_EQ(readDecimal(small, QLatin1Char('.')), 0.0);
    const QString third = QStringLiteral("0.") + QString(40, QLatin1Char('3'));
    ASSERT_TRUE(readDecimal(third, QLatin1Char('.')));
    EXPECT_NEAR(*readDecimal(third, QLatin1Char('.')), 1.0 / 3.0, 1e-16);
}

TEST(ReadWholeNumber, TakesDecimalAndHexadecimal)
{
    struct Case {
        const char* text;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"3", 3},
        {"  3", 3},
        {"-12", -12},
        {"+5", 5},
        {"0", 0},
        {"007", 7},
        {"$1F", 31},
        {"x10", 16},
        {"0x10", 16},
        {"0XfF", 255},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"$7FFFFFFF", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$80000000", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"3.0", std::nullopt},
        {"3,5", std::nullopt},
        {"3 ", std::nullopt},
        {"3a", std::nullopt},
        {"1e3", std::nullopt},
        {"$G", std::nullopt},
        {"\xD9\xA3", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readWholeNumber(QString::fromUtf8(c.text)), c.expected) << "'" << c.text << "'";
}

TEST(FormatResult, FixedPointWithThePrecisionAndSeparatorInForce)
{
    SettingsGuard guard;
    struct Case {
        double value;
        int precision;
        char separator;
        const char* expected;
    };
    const Case cases[] = {
        {3.14159, 2, '.', "3.14"},
        {3.14159, 2, ',', "3,14"},
        {2.0, 2, '.', "2.00"},
        {-0.5, 2, '.', "-0.50"},
        {-0.5, 2, ',', "-0,50"},
        {3.14159, 0, '.', "3"},
        {3.14159, 0, ',', "3"},
        {-2.5e6, 0, ',', "-2500000"},
        {3.14159, 5, '.', "3.14159"},
        {3.14159, 5, ',', "3,14159"},
        {-1234567.891, 5, ',', "-1234567,89100"},
        {2.675, 2, '.', "2.67"},   // 2.675 is stored as 2.67499999...
        {1e21, 1, '.', "1000000000000000000000.0"},
        {-0.001, 2, '.', "0.00"},
        {-0.0, 2, ',', "0,00"},
        {3.14159, -3, '.', "3"},
        {1.0 / 3.0, 40, '.', "0.333333333333333"},
    };
    for (const Case& c : cases) {
        CalcPrecision = c.precision;
        DecimalSeparator = QLatin1Char(c.separator);
        EXPECT_EQ(formatResult(c.value), QString::fromUtf8(c.expected))
            << c.value << " at " << c.precision << " with '" << c.separator << "'";
    }
}

// Expected texts from Python: Decimal(value).quantize(10**-decimals, ROUND_HALF_UP),
// that is half away from zero on the exact expansion of the double.
TEST(FormatFixed, RoundsHalfAwayFromZeroOnTheExactExpansion)
{
    struct Case {
        double value;
        int decimals;
        const char* expected;
    };
    const Case cases[] = {
        {2.5, 0, "3"},
        {-2.5, 0, "-3"},
        {0.5, 0, "1"},
        {1.5, 0, "2"},
        {0.125, 2, "0.13"},
        {-0.125, 2, "-0.13"},
        {0.375, 2, "0.38"},
        {1.005, 2, "1.00"},
        {2.675, 2, "2.67"},
        {0.045, 2, "0.04"},
        {999.5, 0, "1000"},
        {9.5, 0, "10"},
        {0.0625, 3, "0.063"},
        {123456.78125, 4, "123456.7813"},
        {1.0000000000000002, 15, "1.000000000000000"},
        {7.000000000000001, 15, "7.000000000000001"},
        {0.3, 15, "0.300000000000000"},
        {2.0 / 3.0, 15, "0.666666666666667"},
        {61728379067.8994598388671875, 15, "61728379067.899459838867188"},
        {1e-07, 6, "0.000000"},
        {4.5e-16, 15, "0.000000000000000"},
        {5e-16, 15, "0.000000000000001"},
        {9.5367431640625e-07, 15, "0.000000953674316"},
        {1.52587890625e-05, 15, "0.000015258789063"},
        {-1.52587890625e-05, 4, "0.0000"},
        {1e+22, 2, "10000000000000000000000.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatFixed(c.value, c.decimals, QLatin1Char('.')), QString::fromUtf8(c.expected))
            << c.value << " at " << c.decimals;
}

// Expected texts from Python's Decimal of the double, rounded half up to the digits.
TEST(FormatScientific, KeepsTheDigitsAskedRoundedHalfAwayFromZero)
{
    struct Case {
        double value;
        int significant;
        const char* expected;
    };
    const Case cases[] = {
        {125.0, 2, "1.3e2"},
        {0.00015, 1, "1e-4"},
        {1.25e-07, 2, "1.2e-7"},
        {9.313225746154785e-10, 5, "9.3132e-10"},
        {1.7976931348623157e+308, 17, "1.7976931348623157e308"},
        {61728379067.8994598388671875, 17, "6.172837906789946e10"},
        {9.995, 3, "9.99e0"},
        {9.5, 1, "1e1"},
        {-2.5e+300, 1, "-3e300"},
        {5e-324, 3, "4.94e-324"},
        {1e+23, 17, "9.9999999999999992e22"},
        {1.0, 5, "1e0"},
        {0.0, 5, "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatScientific(c.value, c.significant, QLatin1Char('.')), QString::fromUtf8(c.expected))
            << c.value << " to " << c.significant;
    EXPECT_EQ(formatScientific(-1.5e-7, 3, QLatin1Char(',')), QStringLiteral("-1,5e-7"));
    EXPECT_TRUE(formatScientific(std::numeric_limits<double>::quiet_NaN(), 3, QLatin1Char('.')).isEmpty());
}

TEST(FormatResult, NeverShowsInfinityOrNan)
{
    SettingsGuard guard;
    for (const double value : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()}) {
        const QString text = formatResult(value);
        EXPECT_FALSE(text.contains(QLatin1String("inf"), Qt::CaseInsensitive)) << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1String("nan"), Qt::CaseInsensitive)) << text.toStdString();
    }
    CalcPrecision = 15;
    EXPECT_EQ(formatResult(-std::numeric_limits<double>::max()).size(), 1 + 309 + 1 + 15);
}

TEST(Settings, StartWithTwoDecimalsPointAndEnglish)
{
    EXPECT_EQ(CalcPrecision, 2);
    EXPECT_EQ(OptPrecision, 2);
    EXPECT_EQ(OptLanguage, QStringLiteral("en"));
    EXPECT_EQ(DecimalSeparator, QLatin1Char('.'));
}

TEST(GeneralText, ShortestFormWithFifteenDigits)
{
    struct Case {
        double value;
        char separator;
        const char* expected;
    };
    const Case cases[] = {
        {2.5, '.', "2.5"},
        {2.5, ',', "2,5"},
        {3.0, '.', "3"},
        {1.0 / 3.0, '.', "0.333333333333333"},
        {-1234.5, ',', "-1234,5"},
        {1e20, '.', "1e+20"},
        {1.5e-7, ',', "1,5e-07"},
        {0.1 + 0.2, '.', "0.3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(generalText(c.value, QLatin1Char(c.separator)), QString::fromUtf8(c.expected)) << c.expected;
}

// The store keeps 15 digits, but no finite value may come back as another
// number, as out of range or as zero.
TEST(GeneralText, EveryFiniteValueReadsBack)
{
    const double max = std::numeric_limits<double>::max();
    const double values[] = {max, -max, std::nextafter(max, 0.0), 1.797693134862315e308, 1.79769313486231e308,
                             std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(),
                             -std::numeric_limits<double>::denorm_min(), 1e-100, 1e100, 0.1 + 0.2, -0.0};
    for (const char separator : {'.', ','}) {
        for (const double value : values) {
            const QString text = generalText(value, QLatin1Char(separator));
            const std::optional<double> back = readDecimal(text, QLatin1Char(separator));
            ASSERT_TRUE(back) << text.toStdString();
            EXPECT_NEAR(*back, value, std::abs(value) * 5e-15) << text.toStdString();  // half a unit of the 15th digit
            EXPECT_EQ(std::signbit(*back), std::signbit(value)) << text.toStdString();
        }
    }
    EXPECT_EQ(generalText(1e300, QLatin1Char('.')), QStringLiteral("1e+300"));
    EXPECT_EQ(generalText(max, QLatin1Char(',')), QStringLiteral("1,7976931348623157e+308"));
}

// Qt sets the process locale from the environment; numbers must not follow it.
TEST(NumberText, IgnoresTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8"))
        GTEST_SKIP() << "locale ru_RU.UTF-8 is not available";
    char probe[32];
    std::snprintf(probe, sizeof probe, "%.2f", 3.14159);
    const std::string localeWrites = probe;

    SettingsGuard guard;
    DecimalSeparator = QLatin1Char('.');
    CalcPrecision = 2;
    const QString formatted = formatResult(3.14159);
    const QString general = generalText(2.5, QLatin1Char('.'));
    const std::optional<double> point = readDecimal(QStringLiteral("1.5"), QLatin1Char('.'));
    const std::optional<double> comma = readDecimal(QStringLiteral("1,5"), QLatin1Char('.'));
    DecimalSeparator = QLatin1Char(',');
    const QString formattedComma = formatResult(1234.5);
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_EQ(localeWrites, "3,14") << "the locale itself writes a comma, so the checks below mean something";
    EXPECT_EQ(formatted, QStringLiteral("3.14"));
    EXPECT_EQ(general, QStringLiteral("2.5"));
    EXPECT_EQ(point, 1.5);
    EXPECT_FALSE(comma);
    EXPECT_EQ(formattedComma, QStringLiteral("1234,50"));
}

} // namespace

// SPDX-License-Identifier: MIT
#include "base/numbers.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace {

QString withSeparator(const char* begin, const char* end, QChar separator)
{
    QString text = QString::fromLatin1(begin, static_cast<qsizetype>(end - begin));
    if (separator != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), separator);
    return text;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int hexValue(QChar c)
{
    if (isDigit(c))
        return c.unicode() - '0';
    const char16_t lower = c.toLower().unicode();
    if (lower >= u'a' && lower <= u'f')
        return lower - u'a' + 10;
    return -1;
}

// Decimal order of magnitude of a plain "digits.digits e sign digits" text:
// positive when the value is at least 1.
long long decimalOrder(const std::string& ascii)
{
    const std::size_t e = ascii.find('e');
    const std::string mantissa = ascii.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        std::size_t k = e + 1;
        const bool negative = k < ascii.size() && ascii[k] == '-';
        if (k < ascii.size() && (ascii[k] == '-' || ascii[k] == '+'))
            ++k;
        for (; k < ascii.size() && exponent < 1000000000LL; ++k)
            exponent = exponent * 10 + (ascii[k] - '0');
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstNonZero = mantissa.find_first_not_of("0.");
    if (firstNonZero == std::string::npos)
        return -1;
    const long long order = firstNonZero < point
        ? static_cast<long long>(point - firstNonZero)
        : -static_cast<long long>(firstNonZero - point - 1);
    return order + exponent;
}

// Number of decimals in the exact decimal expansion of a finite double: a
// binary fraction with k bits after the point has exactly k decimals.
int exactDecimals(double value)
{
    if (value == 0.0)
        return 0;
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    return std::max(0, 53 - exponent - std::countr_zero(mantissa));
}

// Adds one unit of the last digit to the magnitude of a fixed-point text.
void incrementLastDigit(std::string& text)
{
    const std::size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
    for (std::size_t i = text.size(); i > first; --i) {
        char& digit = text[i - 1];
        if (digit == '.')
            continue;
        if (digit != '9') {
            ++digit;
            return;
        }
        digit = '0';
    }
    text.insert(first, 1, '1');
}

} // namespace

QString generalText(double value, QChar separator)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    // Rounded to 15 digits, a value next to the largest double would lie beyond
    // it and read back as out of range: such a value keeps its shortest exact form.
    double back = 0.0;
    if (std::isfinite(value) && std::from_chars(buffer, result.ptr, back).ec != std::errc())
        result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return withSeparator(buffer, result.ptr, separator);
}

QString formatFixed(double value, int decimals, QChar separator)
{
    if (!std::isfinite(value))
        return {};
    decimals = std::clamp(decimals, 0, 15);
    // Half a unit of the last decimal is rounded away from zero. The conversion
    // rounds exact halves to even, and a value is an exact half only when its
    // binary expansion ends one decimal beyond the last one shown.
    const bool half = exactDecimals(value) == decimals + 1;
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                      half ? decimals + 1 : decimals);
    if (result.ec != std::errc())
        return {};
    std::string text(buffer, result.ptr);
    if (half) {
        text.pop_back();
        if (decimals == 0)
            text.pop_back();
        incrementLastDigit(text);
    }
    // A value that rounds to zero is shown as zero, never as "-0.00".
    if (text[0] == '-' && std::all_of(text.begin() + 1, text.end(), [](char c) { return c == '0' || c == '.'; }))
        text.erase(0, 1);
    return withSeparator(text.data(), text.data() + text.size(), separator);
}

QString formatScientific(double value, int significant, QChar separator)
{
    if (!std::isfinite(value))
        return {};
    significant = std::clamp(significant, 1, 17);
    // The exact expansion is at most 309 digits before the point and 1074 after.
    char buffer[1500];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed,
                                      exactDecimals(value));
    if (result.ec != std::errc())
        return {};
    // The digits from the first that is not zero; the exponent is the place of
    // that digit relative to the point.
    const std::string exact(buffer, result.ptr);
    const std::size_t point = std::min(exact.find('.'), exact.size());
    const std::size_t first = exact.find_first_not_of("0.");
    if (first == std::string::npos)
        return QStringLiteral("0");
    int exponent = first < point ? static_cast<int>(point - first) - 1 : -static_cast<int>(first - point);
    std::string digits;
    for (std::size_t i = first; i < exact.size(); ++i) {
        if (exact[i] != '.')
            digits += exact[i];
    }
    // Half a unit of the last digit kept is rounded away from zero.
    const bool up = static_cast<int>(digits.size()) > significant && digits[significant] >= '5';
    digits.resize(std::min<std::size_t>(digits.size(), significant));
    if (up) {
        incrementLastDigit(digits);
        if (static_cast<int>(digits.size()) > significant) {
            digits.pop_back();
            ++exponent;
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string text = value < 0 ? "-" : "";
    text += digits[0];
    if (digits.size() > 1)
        text += '.' + digits.substr(1);
    text += 'e' + std::to_string(exponent);
    return withSeparator(text.data(), text.data() + text.size(), separator);
}

std::optional<double> readDecimal(const QString& text, QChar separator)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;

    std::string ascii;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int digits = 0;
    bool seenSeparator = false;
    for (; i < n; ++i) {
        if (isDigit(text[i])) {
            ascii += static_cast<char>(text[i].unicode());
            ++digits;
        } else if (text[i] == separator && !seenSeparator) {
            ascii += '.';
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;

    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        ascii += 'e';
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            ascii += static_cast<char>(text[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        for (; i < n && isDigit(text[i]); ++i) {
            ascii += static_cast<char>(text[i].unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;

    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ptr != ascii.data() + ascii.size())
        return std::nullopt;
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to hold reads as zero; too large to hold is refused.
        if (decimalOrder(ascii) > 0)
            return std::nullopt;
        value = 0.0;
    } else if (result.ec != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<int> readWholeNumber(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && (text[i] == QLatin1Char('$') || text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0')
               && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return std::nullopt;
    const qint64 limit = negative ? 2147483648LL : 2147483647LL;
    qint64 magnitude = 0;
    for (; i < n; ++i) {
        const int digit = base == 16 ? hexValue(text[i]) : (isDigit(text[i]) ? text[i].unicode() - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

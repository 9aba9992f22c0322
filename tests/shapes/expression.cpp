// SPDX-License-Identifier: MIT
#include "shapes/expression.h"

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// Nodes and weights of the 16-point Gauss–Legendre rule on [−1, 1], found by
// Newton's method on the Legendre polynomial.
struct GaussRule {
    static constexpr int N = 16;
    std::array<long double, N> x{};
    std::array<long double, N> w{};
    GaussRule()
    {
        for (int i = 0; i < N; ++i) {
            long double z = std::cos(Pi * (i + 0.75L) / (N + 0.5L));
            long double derivative = 0;
            for (int iteration = 0; iteration < 100; ++iteration) {
                long double p0 = 1;
                long double p1 = z;
                for (int n = 2; n <= N; ++n) {
                    const long double p2 = ((2 * n - 1) * z * p1 - (n - 1) * p0) / n;
                    p0 = p1;
                    p1 = p2;
                }
                derivative = N * (z * p1 - p0) / (z * z - 1);
                const long double next = z - p1 / derivative;
                const bool done = std::fabs(next - z) < 1e-19L;
                z = next;
                if (done)
                    break;
            }
            x[i] = z;
            w[i] = 2 / ((1 - z * z) * derivative * derivative);
        }
    }
};

using Integrand = std::function<long double(long double)>;

long double gauss(const Integrand& f, long double a, long double b)
{
    static const GaussRule rule;
    const long double middle = (a + b) / 2;
    const long double half = (b - a) / 2;
    long double sum = 0;
    for (int i = 0; i < GaussRule::N; ++i)
        sum += rule.w[i] * f(middle + half * rule.x[i]);
    return sum * half;
}

// Halves the interval until the halves agree with the whole far below 1e-15.
long double integrate(const Integrand& f, long double a, long double b, long double whole, int depth)
{
    const long double middle = (a + b) / 2;
    const long double left = gauss(f, a, middle);
    const long double right = gauss(f, middle, b);
    if (depth == 0 || std::fabs(left + right - whole) <= 1e-18L * std::fmax(1.0L, std::fabs(whole)))
        return left + right;
    return integrate(f, a, middle, left, depth - 1) + integrate(f, middle, b, right, depth - 1);
}

long double integrate(const Integrand& f, long double a, long double b)
{
    return integrate(f, a, b, gauss(f, a, b), 40);
}

long double delta(long double theta, long double k)
{
    const long double s = k * std::sin(theta);
    return std::sqrt((1 - s) * (1 + s));
}

struct Parser {
    const QString& text;
    QChar separator;
    QChar argumentSeparator;
    qsizetype at = 0;

    [[noreturn]] void fail(const QString& why) const
    {
        throw std::runtime_error(QStringLiteral("%1 at %2 in \"%3\"").arg(why).arg(at).arg(text).toStdString());
    }
    void skipBlanks()
    {
        while (at < text.size() && text[at] == QLatin1Char(' '))
            ++at;
    }
    bool take(QChar c)
    {
        skipBlanks();
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    void expect(QChar c)
    {
        if (!take(c))
            fail(QStringLiteral("expected '%1'").arg(c));
    }

    long double sum()
    {
        long double value = product();
        for (;;) {
            if (take(QLatin1Char('+')))
                value += product();
            else if (take(QChar(0x2212)))
                value -= product();
            else
                return value;
        }
    }
    long double product()
    {
        long double value = signedFactor();
        for (;;) {
            if (take(QChar(0x00B7)))
                value *= signedFactor();
            else if (take(QLatin1Char('/')))
                value /= signedFactor();
            else
                return value;
        }
    }
    long double signedFactor()
    {
        if (take(QChar(0x2212)))
            return -signedFactor();
        long double value = primary();
        for (;;) {
            if (take(QChar(0x00B2)))
                value *= value;
            else if (take(QChar(0x00B3)))
                value *= value * value;
            else
                return value;
        }
    }
    long double primary()
    {
        skipBlanks();
        if (at >= text.size())
            fail(QStringLiteral("unexpected end"));
        const QChar c = text[at];
        if (take(QLatin1Char('('))) {
            const long double value = sum();
            expect(QLatin1Char(')'));
            return value;
        }
        if (take(QChar(0x221A)))
            return std::sqrt(primary());
        if (take(QChar(0x03C0)))
            return Pi;
        if (c.isDigit())
            return number();
        if (c.isLetter())
            return function();
        fail(QStringLiteral("unexpected '%1'").arg(c));
    }
    long double number()
    {
        long double mantissa = 0;
        int exponent = 0;
        bool fraction = false;
        while (at < text.size() && (text[at].isDigit() || (!fraction && text[at] == separator))) {
            if (text[at] == separator) {
                fraction = true;
            } else {
                mantissa = mantissa * 10 + text[at].digitValue();
                exponent -= fraction ? 1 : 0;
            }
            ++at;
        }
        if (at < text.size() && text[at] == QLatin1Char('e')) {
            ++at;
            const bool negative = at < text.size() && text[at] == QLatin1Char('-');
            if (at < text.size() && (text[at] == QLatin1Char('-') || text[at] == QLatin1Char('+')))
                ++at;
            int power = 0;
            if (at >= text.size() || !text[at].isDigit())
                fail(QStringLiteral("exponent without digits"));
            while (at < text.size() && text[at].isDigit())
                power = power * 10 + text[at++].digitValue();
            exponent += negative ? -power : power;
        }
        return mantissa * std::pow(10.0L, exponent);
    }
    long double function()
    {
        const qsizetype start = at;
        while (at < text.size() && text[at].isLetter())
            ++at;
        const QString name = text.mid(start, at - start);
        const bool squared = take(QChar(0x00B2));
        if (squared && name != QLatin1String("sin") && name != QLatin1String("cos"))
            fail(QStringLiteral("only sin and cos take a square"));
        expect(QLatin1Char('('));
        std::vector<long double> arguments{sum()};
        while (take(argumentSeparator))
            arguments.push_back(sum());
        expect(QLatin1Char(')'));
        const long double x = arguments[0];
        const auto one = [&](long double value) {
            if (arguments.size() != 1)
                fail(name + QStringLiteral(" takes one argument"));
            return squared ? value * value : value;
        };
        if (name == QLatin1String("ln"))
            return one(std::log(x));
        if (name == QLatin1String("arcsin"))
            return one(std::asin(x));
        if (name == QLatin1String("arccos"))
            return one(std::acos(x));
        if (name == QLatin1String("tan"))
            return one(std::tan(x));
        if (name == QLatin1String("sin"))
            return one(std::sin(x));
        if (name == QLatin1String("cos"))
            return one(std::cos(x));
        if (name == QLatin1String("E") && arguments.size() == 1)
            return ellipticE(x);
        if (name == QLatin1String("E") && arguments.size() == 2)
            return ellipticE(x, arguments[1]);
        if (name == QLatin1String("F") && arguments.size() == 2)
            return ellipticF(x, arguments[1]);
        fail(QStringLiteral("unknown function %1 of %2 arguments").arg(name).arg(arguments.size()));
    }
};

} // namespace

Evaluation evaluate(const QString& text, QChar separator)
{
    const QChar argumentSeparator = separator == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
    Parser parser{text, separator, argumentSeparator};
    try {
        const long double value = parser.sum();
        parser.skipBlanks();
        if (parser.at != text.size())
            parser.fail(QStringLiteral("unexpected '%1'").arg(text[parser.at]));
        return {value, {}};
    } catch (const std::runtime_error& error) {
        return {0, QString::fromStdString(error.what())};
    }
}

long double ellipticE(long double k)
{
    return ellipticE(Pi / 2, k);
}

long double ellipticE(long double phi, long double k)
{
    return integrate([k](long double theta) { return delta(theta, k); }, 0, phi);
}

long double ellipticF(long double phi, long double k)
{
    return integrate([k](long double theta) { return 1 / delta(theta, k); }, 0, phi);
}

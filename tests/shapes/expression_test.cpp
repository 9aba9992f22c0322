// SPDX-License-Identifier: MIT
// The reader of substituted formulas, against values known in closed form.
#include "shapes/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr long double Tolerance = 1e-17L;

TEST(Expression, ReadsTheNotationOfAWorking)
{
    const long double gamma = std::tgamma(0.25L);
    const struct {
        const char* text;
        char separator;
        long double expected;
    } rows[] = {
        {"2 + 3 · 4", '.', 14},
        {"(2 + 3) · 4", '.', 20},
        {"10 − 4 − 3", '.', 3},
        {"8 / 2 / 2", '.', 2},
        {"2 · 3²", '.', 18},
        {"−2²", '.', -4},
        {"2³ / 4", '.', 2},
        {"√9 · 2", '.', 6},
        {"√(9 + 16)", '.', 5},
        {"√((3 / 2)² + 2²)", '.', 2.5L},
        {"(−1,5) · 2", ',', -3},
        {"(1e+100) / (1e+98)", '.', 100},
        {"(2,5e-3) · 4", ',', 0.01L},
        {"π · 2 / 4", '.', Pi / 2},
        {"sin²(π / 6) + cos²(π / 6)", '.', 1},
        {"ln((1 + 0.5) / (1 − 0.5))", '.', std::log(3.0L)},
        {"arcsin(1) + arccos(0,5)", ',', Pi / 2 + Pi / 3},
        {"tan(π / 4)", '.', 1},
        {"E(0)", '.', Pi / 2},
        {"E(1)", '.', 1},
        {"F(π / 2, 0)", '.', Pi / 2},
        {"F(0,7; 0)", ',', 0.7L},
        // At k = 1 both have closed forms.
        {"F(1.2, 1)", '.', std::atanh(std::sin(1.2L))},
        {"E(1,2; 1)", ',', std::sin(1.2L)},
        // E(1/√2) by Legendre's relation from K(1/√2) = Γ(1/4)² / (4√π).
        {"E(√(1 / 2))", '.', gamma * gamma / (8 * std::sqrt(Pi)) + Pi * std::sqrt(Pi) / (gamma * gamma)},
    };
    for (const auto& row : rows) {
        const Evaluation result = evaluate(QString::fromUtf8(row.text), QLatin1Char(row.separator));
        EXPECT_TRUE(result.error.isEmpty()) << row.text << ": " << result.error.toStdString();
        EXPECT_NEAR(static_cast<double>(result.value - row.expected), 0.0, Tolerance) << row.text;
    }
}

TEST(Expression, CompleteIntegralMatchesItsSeries)
{
    // E(k) = π/2 · Σ −(((2n)! / (2ⁿ n!)²)² · k²ⁿ / (2n − 1)), fast for k = 0.5.
    const long double k2 = 0.25L;
    long double coefficient = 1;
    long double power = 1;
    long double sum = 0;
    for (int n = 0; n < 40; ++n) {
        sum -= coefficient * coefficient * power / (2 * n - 1);
        coefficient *= (2 * n + 1) / (2.0L * (n + 1));
        power *= k2;
    }
    EXPECT_NEAR(static_cast<double>(ellipticE(0.5L) - Pi / 2 * sum), 0.0, Tolerance);
}

TEST(Expression, RefusesMalformedText)
{
    const struct {
        const char* text;
        char separator;
    } rows[] = {
        {"", '.'},
        {"2 +", '.'},
        {"(2 + 3", '.'},
        {"2 3", '.'},
        {"2 - 3", '.'},
        {"2 · a", '.'},
        {"1.5", ','},
        {"1,5", '.'},
        {"sin(1, 2)", '.'},
        {"ln²(2)", '.'},
        {"E(1, 2, 3)", '.'},
        {"F(1)", '.'},
        {"foo(1)", '.'},
        {"1e", '.'},
        {"2 · · 3", '.'},
    };
    for (const auto& row : rows)
        EXPECT_FALSE(evaluate(QString::fromUtf8(row.text), QLatin1Char(row.separator)).error.isEmpty()) << row.text;
}

} // namespace

// SPDX-License-Identifier: MIT
#include "shapes/flat/Formulas2D.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

namespace {

// Extended-precision constants; products are carried in long double, whose
// wider exponent also keeps squares of huge or tiny lengths from overflowing,
// and rounded to double on return.
constexpr long double PiQuarter = 0.7853981633974483096L;
constexpr long double Pi = 3.141592653589793239L;
constexpr long double PiSeventh = 0.4487989505128276055L;
constexpr long double PiNinth = 0.3490658503988659154L;
constexpr long double PiEleventh = 0.2855993321445266581L;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

bool faulty(std::initializer_list<double> lengths)
{
    return lengthFault(lengths) != ShapeFault::None;
}

// Half the spacing of doubles at x: how far a typed decimal may lie from it.
double halfUlp(double x)
{
    return (std::nextafter(x, std::numeric_limits<double>::infinity()) - x) / 2;
}

// The sides longest first.
std::array<double, 3> sortedSides(double a, double b, double c)
{
    std::array<double, 3> sides{a, b, c};
    std::sort(sides.begin(), sides.end(), std::greater<>());
    return sides;
}

// By how much the two shorter sides exceed the longest, computed without loss:
// near a degenerate triple a - b and c - (a - b) are both exact. Values within
// the rounding of the typed sides count as exactly 0. Sides sorted longest first.
double closingExcess(const std::array<double, 3>& s)
{
    const double excess = s[2] - (s[0] - s[1]);
    // Equal doubles come from equal typed values, whose difference is exact.
    const double rounding = (s[0] != s[1] ? halfUlp(s[0]) + halfUlp(s[1]) : 0.0) + halfUlp(s[2]);
    return std::fabs(excess) <= rounding ? 0.0 : excess;
}

// Twice the area of the triangle with the sides scaled by 2^-exponent (exact),
// so that the product of four factors neither overflows nor vanishes; Kahan's
// form of Heron, free of cancellation for needles. Sides sorted longest first
// and closing.
double twiceScaledArea(const std::array<double, 3>& s, int& exponent)
{
    // An infinite side leaves nothing to scale: the area is not finite either.
    if (!std::isfinite(s[0]))
        return std::numeric_limits<double>::infinity();
    exponent = s[0] > 0 ? std::ilogb(s[0]) : 0;
    const double a = std::scalbn(s[0], -exponent);
    const double b = std::scalbn(s[1], -exponent);
    const double c = std::scalbn(s[2], -exponent);
    if (closingExcess(s) == 0)
        return 0;
    // Rooted in parts, so that the two small factors of a needle never meet in
    // one product that could vanish.
    return 0.5 * std::sqrt((a + (b + c)) * (a + (b - c))) * std::sqrt(c - (a - b)) * std::sqrt(c + (a - b));
}

} // namespace

ShapeFault lengthFault(std::initializer_list<double> lengths)
{
    for (const double length : lengths) {
        if (!(length >= 0))
            return ShapeFault::NegativeLength;
    }
    return ShapeFault::None;
}

ShapeFault triangleFault(double a, double b, double c)
{
    if (const ShapeFault fault = lengthFault({a, b, c}); fault != ShapeFault::None)
        return fault;
    return closingExcess(sortedSides(a, b, c)) < 0 ? ShapeFault::SidesDoNotClose : ShapeFault::None;
}

ShapeFault polygonFault(double n, double a)
{
    if (const ShapeFault fault = lengthFault({a}); fault != ShapeFault::None)
        return fault;
    if (!(n == std::trunc(n)))
        return ShapeFault::SidesNotWhole;
    if (n < 3 && !(n == 0 && a == 0))
        return ShapeFault::TooFewSides;
    return ShapeFault::None;
}

double Complement(double r)
{
    return std::sqrt((1 - r) * (1 + r));
}

double EllipticIntegralEc(double kc)
{
    if (!(kc >= 0))
        return NaN;
    if (kc == 0)
        return 1;
    if (kc <= 1e-3) {
        // The expansion about k = 1, where the mean below loses most to 1 - sum;
        // the next term is below 1e-18.
        const double log4 = std::log(4 / kc);
        const double kc2 = kc * kc;
        return 1 + kc2 / 2 * (log4 - 0.5) + 3 * kc2 * kc2 / 16 * (log4 - 13.0 / 12);
    }
    // E = K · (1 - Σ 2^(n-1) c_n²) with K = π / (2 · AGM(1, kc)); every c_n is a
    // difference of nearly equal means, taken before they meet.
    double a = 1;
    double g = kc;
    double sum = (1 - kc) * (1 + kc) / 2;
    double weight = 0.5;
    for (int i = 0; i < 40; ++i) {
        const double c = (a - g) / 2;
        const double mean = (a + g) / 2;
        g = std::sqrt(a * g);
        a = mean;
        weight *= 2;
        sum += weight * c * c;
        // The next c is below c² / 4: its term is lost in the sum. Stopping here
        // also keeps the means from trading their last bit for ever.
        if (std::fabs(c) <= 1e-9 * a)
            break;
    }
    return std::numbers::pi / (2 * a) * (1 - sum);
}

double CircleArea(double d)
{
    return faulty({d}) ? NaN : static_cast<double>(PiQuarter * d * d);
}

double CirclePerimeter(double d)
{
    return faulty({d}) ? NaN : static_cast<double>(Pi * d);
}

double CircleHalfArea(double d)
{
    return CircleArea(d) / 2;
}

double CircleHalfPerimeter(double d)
{
    return faulty({d}) ? NaN : static_cast<double>(Pi * d / 2 + d);
}

double EllipseArea(double A, double B)
{
    return faulty({A, B}) ? NaN : static_cast<double>(PiQuarter * A * B);
}

double EllipsePerimeter(double A, double B)
{
    if (faulty({A, B}))
        return NaN;
    const double a = std::max(A, B);
    const double b = std::min(A, B);
    if (a == 0)
        return 0;
    // Full axes: 4 · semi-major · E(k) is 2 · a · E, with kc the ratio of the axes.
    return 2 * a * EllipticIntegralEc(b / a);
}

double EllipseHalfArea(double A, double B)
{
    return EllipseArea(A, 2 * B) / 2;
}

double EllipseHalfPerimeter(double A, double B)
{
    return EllipsePerimeter(A, 2 * B) / 2;
}

double RectangleArea(double a, double b)
{
    return faulty({a, b}) ? NaN : a * b;
}

double RectanglePerimeter(double a, double b)
{
    return faulty({a, b}) ? NaN : (a + b) * 2;
}

double RhombArea(double p, double q)
{
    return faulty({p, q}) ? NaN : p * q / 2;
}

double RhombSide(double p, double q)
{
    return faulty({p, q}) ? NaN : std::hypot(p, q) / 2;
}

double RhombPerimeter(double p, double q)
{
    return RhombSide(p, q) * 4;
}

double TrapeziumArea(double a, double b, double h)
{
    return faulty({a, b, h}) ? NaN : static_cast<double>((static_cast<long double>(a) + b) * h / 2);
}

double TrapeziumIsoscelesPerimeter(double a, double b, double h)
{
    if (faulty({a, b, h}))
        return NaN;
    const double overhang = std::fabs(a - b) / 2;
    return static_cast<double>(2 * static_cast<long double>(std::hypot(overhang, h)) + a + b);
}

double TrianglePerimeter(double a, double b, double c)
{
    return triangleFault(a, b, c) == ShapeFault::None ? a + b + c : NaN;
}

double TriangleArea(double a, double b, double c)
{
    if (triangleFault(a, b, c) != ShapeFault::None)
        return NaN;
    int exponent = 0;
    const double twice = twiceScaledArea(sortedSides(a, b, c), exponent);
    return std::scalbn(twice / 2, 2 * exponent);
}

double TriangleAreaByHeight(double b, double h)
{
    return faulty({b, h}) ? NaN : b * h / 2;
}

double TriangleHeight(double a, double b, double c)
{
    if (triangleFault(a, b, c) != ShapeFault::None)
        return NaN;
    if (a == 0)
        return 0;
    int exponent = 0;
    const double twice = twiceScaledArea(sortedSides(a, b, c), exponent);
    // Both twice the area and the side in the scaled units: no overflow between.
    return std::scalbn(twice / std::scalbn(a, -exponent), exponent);
}

double PolygonRegularPerimeter(double n, double a)
{
    return polygonFault(n, a) == ShapeFault::None ? n * a : NaN;
}

double PentagonArea(double a)
{
    return static_cast<double>((0.25L * a * a) * std::sqrt(10 * std::sqrt(5.0L) + 25));
}

double HexagonArea(double a)
{
    return static_cast<double>(1.5L * std::sqrt(3.0L) * a * a);
}

double HeptagonArea(double a)
{
    return static_cast<double>((1.75L * a * a) / std::tan(PiSeventh));
}

double OctagonArea(double a)
{
    return static_cast<double>(2 * (std::sqrt(2.0L) + 1) * a * a);
}

double NonagonArea(double a)
{
    return static_cast<double>((2.25L * a * a) / std::tan(PiNinth));
}

double DecagonArea(double a)
{
    return static_cast<double>((2.5L * a * a) * std::sqrt(2 * std::sqrt(5.0L) + 5));
}

double HendecagonArea(double a)
{
    return static_cast<double>((2.75L * a * a) / std::tan(PiEleventh));
}

double DodecagonArea(double a)
{
    return static_cast<double>((3.0L * a * a) * (std::sqrt(3.0L) + 2));
}

double PolygonRegularArea(double n, double a)
{
    if (polygonFault(n, a) != ShapeFault::None)
        return NaN;
    if (n == 0)
        return 0;
    if (n == 3)
        return TriangleArea(a, a, a);
    if (n == 4)
        return a * a;
    if (n > 12) {
        const long double sides = n;
        return static_cast<double>(sides / 4 / std::tan(Pi / sides) * a * a);
    }
    switch (static_cast<int>(n)) {
    case 5:
        return PentagonArea(a);
    case 6:
        return HexagonArea(a);
    case 7:
        return HeptagonArea(a);
    case 8:
        return OctagonArea(a);
    case 9:
        return NonagonArea(a);
    case 10:
        return DecagonArea(a);
    case 11:
        return HendecagonArea(a);
    default:
        return DodecagonArea(a);
    }
}

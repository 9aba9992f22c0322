// SPDX-License-Identifier: MIT
#include "shapes/flat/Formulas2D.h"

#include <cmath>

namespace {

// Extended-precision constants; products are carried in long double and
// rounded to double on return.
constexpr long double PiQuarter = 0.7853981633974483096L;
constexpr long double Pi = 3.141592653589793239L;
constexpr long double TwiceFourMinusPi = 1.716814692820413523L;
constexpr long double PiSeventh = 0.4487989505128276055L;
constexpr long double PiNinth = 0.3490658503988659154L;
constexpr long double PiEleventh = 0.2855993321445266581L;
// Exponent of the power mean that gives the ellipse its circumference.
constexpr double PowerMeanExponent = 0.82505617;

long double squareOf(double a)
{
    return static_cast<long double>(a) * a;
}

} // namespace

double CircleArea(double d)
{
    return static_cast<double>(PiQuarter * d * d);
}

double CirclePerimeter(double d)
{
    return static_cast<double>(Pi * d);
}

double CircleHalfArea(double d)
{
    return CircleArea(d) / 2;
}

double CircleHalfPerimeter(double d)
{
    return CirclePerimeter(d) / 2 + d;
}

double EllipseArea(double A, double B)
{
    return static_cast<double>(PiQuarter * A * B);
}

double EllipsePerimeter(double A, double B)
{
    const double a = A / 2;
    const double b = B / 2;
    // A negative semi-axis makes pow return NaN, which runs through to the result.
    const double s = std::pow(a, PowerMeanExponent) + std::pow(b, PowerMeanExponent);
    if (s == 0)
        return 0;
    const double mean = std::pow(s / 2, 1 / PowerMeanExponent);
    return static_cast<double>(4.0L * (static_cast<long double>(a) + b) - TwiceFourMinusPi * a * b / mean);
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
    return a * b;
}

double RectanglePerimeter(double a, double b)
{
    return (a + b) * 2;
}

double RhombArea(double p, double q)
{
    return p * q / 2;
}

double RhombSide(double p, double q)
{
    return static_cast<double>(std::sqrt(squareOf(p) + squareOf(q)) / 2);
}

double RhombPerimeter(double p, double q)
{
    return RhombSide(p, q) * 4;
}

double TrapeziumArea(double a, double b, double h)
{
    return static_cast<double>((static_cast<long double>(a) + b) * h / 2);
}

double TrapeziumIsoscelesPerimeter(double a, double b, double h)
{
    const long double overhang = (static_cast<long double>(a) - b) / 2;
    return static_cast<double>(2 * std::sqrt(overhang * overhang + squareOf(h)) + (static_cast<long double>(a) + b));
}

bool TriangleTest(double a, double b, double c)
{
    return a + b >= c && b + c >= a && c + a >= b;
}

double TrianglePerimeter(double a, double b, double c)
{
    return TriangleTest(a, b, c) ? a + b + c : 0;
}

double TriangleArea(double a, double b, double c)
{
    if (!TriangleTest(a, b, c))
        return 0;
    const double s = (a + b + c) / 2;
    const double q = static_cast<double>(static_cast<long double>(s - a) * s * (s - b) * (s - c));
    // A degenerate triangle may leave q a hair below zero; its area is 0.
    return q > 0 ? std::sqrt(q) : 0;
}

double TriangleAreaByHeight(double b, double h)
{
    return b * h / 2;
}

double TriangleHeight(double a, double b, double c)
{
    const double a2 = a * a;
    const double c2 = c * c;
    const double projection = (c2 + a2 - b * b) / (2 * a);
    const double radicand = c2 - projection * projection;
    return radicand < 0 ? 0 : std::sqrt(radicand);
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

double PolygonRegularArea(int n, double a)
{
    switch (n) {
    case 3:
        return TriangleArea(a, a, a);
    case 4:
        return a * a;
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
    case 12:
        return DodecagonArea(a);
    default:
        return 0;
    }
}

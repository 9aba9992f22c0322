// SPDX-License-Identifier: MIT
#include "shapes/flat/Formulas2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <tuple>

namespace {

constexpr double Pi = std::numbers::pi;
const double NaN = std::numeric_limits<double>::quiet_NaN();

void expectRelNear(double actual, double expected, double tolerance = 1e-14)
{
    EXPECT_NEAR(actual, expected, tolerance * std::max(1.0, std::fabs(expected)));
}

// Circumference of the ellipse of full axes A, B from the complete elliptic integral.
double exactEllipsePerimeter(double A, double B)
{
    const double a = std::max(A, B) / 2;
    const double b = std::min(A, B) / 2;
    if (a == 0)
        return 0;
    return 4 * a * std::comp_ellint_2(std::sqrt(1 - (b / a) * (b / a)));
}

TEST(Formulas2D, CircleFormulasFollowTheDiameter)
{
    for (double d : {2.0, 1.0, 0.5, 10.0, 1e-6, 0.0}) {
        SCOPED_TRACE(d);
        expectRelNear(CircleArea(d), Pi * (d / 2) * (d / 2));
        expectRelNear(CirclePerimeter(d), 2 * Pi * (d / 2));
        expectRelNear(CircleHalfArea(d), Pi * d * d / 8);
        // The half circle's edge is the arc plus the straight diameter.
        expectRelNear(CircleHalfPerimeter(d), Pi * d / 2 + d);
    }
    EXPECT_DOUBLE_EQ(CircleHalfArea(2), Pi / 2);
}

TEST(Formulas2D, EllipsePerimeterIsTheEllipticIntegral)
{
    const double axes[][2] = {{2, 2}, {4, 2}, {2, 4}, {10, 3.2}, {6, 1}, {100, 1}, {5, 0.05}, {1, 0.999}};
    for (const auto& ab : axes) {
        SCOPED_TRACE(std::to_string(ab[0]) + " x " + std::to_string(ab[1]));
        const double exact = exactEllipsePerimeter(ab[0], ab[1]);
        EXPECT_NEAR(EllipsePerimeter(ab[0], ab[1]), exact, 1e-12 * exact);
        expectRelNear(EllipseArea(ab[0], ab[1]), Pi * ab[0] * ab[1] / 4);
    }
}

TEST(Formulas2D, EllipsePerimeterLimits)
{
    // A circle is exact, a flat ellipse is its axis walked twice, and nothing is nothing.
    expectRelNear(EllipsePerimeter(2, 2), 2 * Pi);
    expectRelNear(EllipsePerimeter(7, 7), 7 * Pi);
    EXPECT_DOUBLE_EQ(EllipsePerimeter(4, 0), 8);
    EXPECT_DOUBLE_EQ(EllipsePerimeter(0, 4), 8);
    EXPECT_EQ(EllipsePerimeter(0, 0), 0);
}

TEST(Formulas2D, EllipseWithANegativeAxisGivesNaN)
{
    const double axes[][2] = {{-2, 2}, {2, -2}, {-2, -2}, {-4, 0}, {NaN, 2}};
    for (const auto& ab : axes) {
        SCOPED_TRACE(std::to_string(ab[0]) + " x " + std::to_string(ab[1]));
        EXPECT_TRUE(std::isnan(EllipsePerimeter(ab[0], ab[1])));
        EXPECT_TRUE(std::isnan(EllipseHalfPerimeter(ab[0], ab[1] / 2)));
    }
}

TEST(Formulas2D, HalfEllipseTakesTheSemiAxisAcrossTheCut)
{
    // Full axis 4 and semi-axis 2 across it: a half circle of diameter 4.
    expectRelNear(EllipseHalfArea(4, 2), 2 * Pi);
    // The arc alone: the straight edge 4 is not in it.
    expectRelNear(EllipseHalfPerimeter(4, 2), 2 * Pi);
    const double exact = exactEllipsePerimeter(6, 2) / 2;
    EXPECT_NEAR(EllipseHalfPerimeter(6, 1), exact, 1e-12 * exact);
    expectRelNear(EllipseHalfArea(6, 1), Pi * 3 * 1 / 2);
}

struct QuadCase {
    const char* name;
    double (*formula)(double, double);
    double x, y, expected;
};

TEST(Formulas2D, RectangleAndRhomb)
{
    const QuadCase cases[] = {
        {"rectangle area", RectangleArea, 2, 5, 10},
        {"rectangle perimeter", RectanglePerimeter, 2, 5, 14},
        {"rhomb area", RhombArea, 6, 8, 24},
        {"rhomb side", RhombSide, 6, 8, 5},
        {"rhomb perimeter", RhombPerimeter, 6, 8, 20},
        {"rhomb side 5-12-13", RhombSide, 10, 24, 13},
        {"square as rhomb", RhombPerimeter, 2, 2, 4 * std::sqrt(2.0)},
        {"area by height", TriangleAreaByHeight, 6, 4, 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectRelNear(c.formula(c.x, c.y), c.expected);
    }
}

TEST(Formulas2D, IsoscelesTrapezium)
{
    struct {
        double a, b, h, perimeter, area;
    } const cases[] = {
        {10, 4, 4, 24, 28},   // legs 5 over an overhang of 3
        {4, 10, 4, 24, 28},   // the longer side on top changes nothing
        {3, 3, 2, 10, 6},     // a rectangle
        {8, 0, 3, 18, 12},    // a triangle of legs 5
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a);
        expectRelNear(TrapeziumIsoscelesPerimeter(c.a, c.b, c.h), c.perimeter);
        expectRelNear(TrapeziumArea(c.a, c.b, c.h), c.area);
    }
}

TEST(Formulas2D, TrianglePerimeterAndHeron)
{
    struct {
        double a, b, c, perimeter, area;
    } const cases[] = {
        {3, 4, 5, 12, 6},
        {5, 3, 4, 12, 6},
        {13, 14, 15, 42, 84},
        {5, 5, 6, 16, 12},
        {2, 2, 2, 6, std::sqrt(3.0)},
        {1, 2, 3, 6, 0},   // degenerate: the perimeter stands, the area is 0
        {3, 1, 2, 6, 0},
        {0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " " + std::to_string(c.b) + " " + std::to_string(c.c));
        expectRelNear(TrianglePerimeter(c.a, c.b, c.c), c.perimeter);
        expectRelNear(TriangleArea(c.a, c.b, c.c), c.area);
    }
}

TEST(Formulas2D, TriangleWithNaNIsNoTriangle)
{
    EXPECT_EQ(triangleFault(NaN, 1, 1), ShapeFault::NegativeLength);
    EXPECT_TRUE(std::isnan(TrianglePerimeter(1, NaN, 1)));
    EXPECT_TRUE(std::isnan(TriangleArea(1, 1, NaN)));
}

TEST(Formulas2D, NearlyDegenerateHeronIsNeverNaN)
{
    // The longest side first: rounding in the half perimeter leaves the product
    // of Heron a hair below zero.
    const double cases[][3] = {{0.1 + 1.8, 0.1, 1.8}, {0.1 + 0.05, 0.1, 0.05}, {0.1, 0.2, 0.3}, {1e-8, 1, 1 + 1e-8}};
    for (const auto& t : cases) {
        const double area = TriangleArea(t[0], t[1], t[2]);
        EXPECT_FALSE(std::isnan(area));
        EXPECT_GE(area, 0);
        EXPECT_LT(area, 1e-7);
    }
}

TEST(Formulas2D, TriangleHeightIsTwiceTheAreaOverItsBase)
{
    const double sides[][3] = {{3, 4, 5}, {4, 5, 3}, {13, 14, 15}, {15, 13, 14}, {5, 5, 6}, {2, 2, 2}, {7, 8, 9}};
    for (const auto& t : sides) {
        SCOPED_TRACE(std::to_string(t[0]) + " " + std::to_string(t[1]) + " " + std::to_string(t[2]));
        const double s = (t[0] + t[1] + t[2]) / 2;
        const double area = std::sqrt(s * (s - t[0]) * (s - t[1]) * (s - t[2]));
        expectRelNear(TriangleHeight(t[0], t[1], t[2]), 2 * area / t[0], 1e-13);
    }
}

TEST(Formulas2D, DegenerateTriangleHeightIsZeroNotNaN)
{
    // These sides close exactly on paper; in doubles the radicand of some
    // heights falls a hair below zero.
    const double sides[][3] = {{0.1, 0.1, 0.2}, {0.1, 0.3, 0.4}, {0.1, 1, 1.1}, {0.1, 1.5, 1.6}, {0.1, 1.7, 1.8}};
    for (const auto& t : sides) {
        for (const auto& [a, b, c] : {std::tuple{t[0], t[1], t[2]}, std::tuple{t[1], t[2], t[0]},
                                      std::tuple{t[2], t[0], t[1]}}) {
            const double height = TriangleHeight(a, b, c);
            EXPECT_FALSE(std::isnan(height)) << a << " " << b << " " << c;
            EXPECT_GE(height, 0) << a << " " << b << " " << c;
            EXPECT_LT(height, 1e-6) << a << " " << b << " " << c;
        }
    }
}

TEST(Formulas2D, RegularPolygonsAgreeWithTheCotangentForm)
{
    double (*const named[])(double) = {PentagonArea, HexagonArea, HeptagonArea, OctagonArea,
                                        NonagonArea, DecagonArea, HendecagonArea, DodecagonArea};
    for (int n = 3; n <= 12; ++n) {
        for (double a : {1.0, 2.5, 0.3, 1e3}) {
            SCOPED_TRACE(std::to_string(n) + "-gon of side " + std::to_string(a));
            const double expected = n / 4.0 * a * a / std::tan(Pi / n);
            expectRelNear(PolygonRegularArea(n, a), expected, 1e-14);
            if (n >= 5) {
                EXPECT_DOUBLE_EQ(named[n - 5](a), PolygonRegularArea(n, a));
            }
        }
    }
    EXPECT_DOUBLE_EQ(PolygonRegularArea(4, 2), 4);
    expectRelNear(PolygonRegularArea(6, 1), 3 * std::sqrt(3.0) / 2);
    expectRelNear(PolygonRegularArea(8, 1), 2 * (1 + std::sqrt(2.0)));
    expectRelNear(PolygonRegularArea(12, 1), 3 * (2 + std::sqrt(3.0)));
}

TEST(Formulas2D, RegularPolygonBeyondTwelveSidesTakesTheCotangentForm)
{
    for (double n : {13.0, 24.0, 1000.0, 1e9}) {
        SCOPED_TRACE(n);
        const long double exact = static_cast<long double>(n) / 4 * 9 / std::tan(std::numbers::pi_v<long double> / n);
        expectRelNear(PolygonRegularArea(n, 3), static_cast<double>(exact), 1e-14);
        expectRelNear(PolygonRegularPerimeter(n, 3), 3 * n);
    }
}

} // namespace

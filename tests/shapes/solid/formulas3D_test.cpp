// SPDX-License-Identifier: MIT
#include "shapes/solid/Formulas3D.h"

#include "solid_check.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>

namespace {

using solidtest::closeTo;
using solidtest::Pi;

const double Sqrt2 = std::sqrt(2.0);
const double Sqrt3 = std::sqrt(3.0);
// Oblate spheroid of equator 2 and axis 1, prolate of equator 1 and axis 2.
const double Oblate21 = 2.0 * Pi + Pi * std::log(7.0 + 4.0 * Sqrt3) / (2.0 * Sqrt3);
const double Prolate12 = Pi / 2.0 + 2.0 * Pi * Pi / (3.0 * Sqrt3);

// Midpoint rule; the integrands below are smooth, so it converges fast enough.
double integrate(const std::function<double(double)>& f, double from, double to, int steps)
{
    const double width = (to - from) / steps;
    double sum = 0.0;
    for (int i = 0; i < steps; ++i)
        sum += f(from + (i + 0.5) * width);
    return sum * width;
}

// E(k) straight from its definition.
double ellipticEByQuadrature(double k)
{
    return integrate([k](double t) { return std::sqrt(1.0 - k * k * std::sin(t) * std::sin(t)); },
                     0.0, Pi / 2.0, 200000);
}

// Ellipsoid of semi-axes a, b, c: the surface of its parametrisation by the
// polar angle t and the azimuth p.
double ellipsoidAreaByQuadrature(double a, double b, double c)
{
    const int steps = 2000;
    return integrate(
        [&](double t) {
            const double st = std::sin(t);
            const double ct = std::cos(t);
            return integrate(
                [&](double p) {
                    const double sp = std::sin(p);
                    const double cp = std::cos(p);
                    return st * std::sqrt(b * b * c * c * st * st * cp * cp + a * a * c * c * st * st * sp * sp
                                          + a * a * b * b * ct * ct);
                },
                0.0, 2.0 * Pi, steps);
        },
        0.0, Pi, steps);
}

// Side of a cone over an ellipse of semi-axes a, b with height h, from the
// triangles between the apex and the elements of the base curve.
double coneEllipticSideByQuadrature(double a, double b, double h)
{
    return 0.5 * integrate(
        [&](double t) {
            const double c = std::cos(t);
            const double s = std::sin(t);
            return std::sqrt(a * a * b * b + h * h * b * b * c * c + h * h * a * a * s * s);
        },
        0.0, 2.0 * Pi, 100000);
}

struct FormulaCase {
    const char* name;
    double actual;
    double expected;
};

TEST(Formulas3D, ClosedForms)
{
    const FormulaCase cases[] = {
        {"sphere area", SphereArea(2), 4 * Pi},
        {"sphere volume", SphereVolume(2), 4 * Pi / 3},
        {"hemispherical cap volume", SphereCapVolume(2, 1), 2 * Pi / 3},
        {"hemispherical cap surface", SphereCapLateralArea(2, 1), 2 * Pi},
        {"hemispherical cap radius", SphereRadiusByCap(2, 1), 1},
        {"shallow cap radius", SphereRadiusByCap(6, 1), 5},
        {"shallow cap volume", SphereCapVolume(6, 1), Pi * 1 * 1 * (3 * 5 - 1) / 3},
        {"shallow cap surface", SphereCapLateralArea(6, 1), 2 * Pi * 5 * 1},
        {"flat cap radius", SphereRadiusByCap(2, 0), 0},
        {"spheroid as sphere, volume", SpheroidVolume(2, 2), 4 * Pi / 3},
        {"oblate volume", SpheroidVolume(2, 1), 2 * Pi / 3},
        {"prolate volume", SpheroidVolume(1, 2), Pi / 3},
        {"oblate branch hands prolate over", SpheroidOblateVolume(1, 2), Pi / 3},
        {"prolate branch hands oblate over", SpheroidProlateVolume(2, 1), 2 * Pi / 3},
        {"spheroid as sphere, area", SpheroidArea(2, 2), 4 * Pi},
        {"oblate area", SpheroidArea(2, 1), Oblate21},
        {"prolate area", SpheroidArea(1, 2), Prolate12},
        {"oblate branch hands prolate over", SpheroidOblateArea(1, 2), Prolate12},
        {"prolate branch hands oblate over", SpheroidProlateArea(2, 1), Oblate21},
        {"oblate branch on a sphere", SpheroidOblateArea(2, 2), 4 * Pi},
        // Flattened to a disc: both of its faces.
        {"flat oblate", SpheroidOblateArea(2, 0), 2 * Pi},
        {"flat prolate", SpheroidProlateArea(1, 0), Pi / 2},
        {"needle", SpheroidProlateArea(0, 1), 0},
        {"ellipsoid volume", EllipsoidVolume(1, 2, 3), Pi},
        {"prism volume", PrismVolume(6, 2), 12},
        {"prism area", PrismArea(6, 10, 2), 32},
        {"prism of no height", PrismArea(6, 10, 0), 12},
        {"cone volume", ConeRoundVolume(2, 1), Pi / 3},
        {"cone side", ConeRoundLateralArea(2, 1), Pi * Sqrt2},
        {"cone surface", ConeRoundArea(2, 1), Pi + Pi * Sqrt2},
        {"3-4-5 cone side", ConeRoundLateralArea(6, 4), Pi * 3 * 5},
        {"frustum as cylinder, volume", ConeRoundFrustumVolume(2, 2, 3), Pi / 4 * 4 * 3},
        {"frustum as cylinder, side", ConeRoundFrustumLateralArea(2, 2, 3), 6 * Pi},
        {"frustum as cylinder, surface", ConeRoundFrustumArea(2, 2, 3), 8 * Pi},
        {"frustum as cone, volume", ConeRoundFrustumVolume(0, 2, 1), Pi / 3},
        {"frustum as cone, surface", ConeRoundFrustumArea(2, 0, 1), Pi + Pi * Sqrt2},
        // Radii 1 and 4, height 4: slant 5.
        {"frustum side", ConeRoundFrustumLateralArea(8, 2, 4), Pi * (1 + 4) * 5},
        {"frustum volume", ConeRoundFrustumVolume(8, 2, 4), Pi * 4 / 3 * (16 + 4 + 1)},
        {"elliptic cone volume", ConeEllipticVolume(4, 2, 3), 2 * Pi},
        {"elliptic cone as round cone", ConeEllipticLateralArea(2, 2, 1), Pi * Sqrt2},
        {"elliptic cone surface as round", ConeEllipticArea(2, 2, 1), Pi + Pi * Sqrt2},
        // Flattened: two triangles over the axis; the base ellipse itself.
        {"elliptic cone without an axis", ConeEllipticLateralArea(4, 0, 3), 12},
        {"elliptic cone without height", ConeEllipticLateralArea(4, 2, 0), 2 * Pi},
        {"E(0)", EllipticIntegralE(0), Pi / 2},
        {"E(1)", EllipticIntegralE(1), 1},
    };
    for (const FormulaCase& row : cases)
        EXPECT_TRUE(closeTo(row.actual, row.expected)) << row.name;
}

TEST(Formulas3D, EllipticIntegralIsExactAcrossTheModulus)
{
    for (double k : {0.1, 0.5, 0.9, 0.95, 0.99, 0.999}) {
        EXPECT_TRUE(closeTo(EllipticIntegralE(k), ellipticEByQuadrature(k), 1e-9)) << "k " << k;
        EXPECT_EQ(EllipticIntegralE(-k), EllipticIntegralE(k)) << "k " << k;
    }
}

TEST(Formulas3D, EllipticConeSideAgreesWithItsIntegral)
{
    struct Row {
        double d1, d2, h;
    };
    for (const Row& r : {Row{4, 2, 3}, Row{2, 4, 3}, Row{10, 1, 0.5}, Row{3, 2.9, 7}, Row{20, 1, 40}}) {
        const double expected = coneEllipticSideByQuadrature(std::max(r.d1, r.d2) / 2, std::min(r.d1, r.d2) / 2, r.h);
        EXPECT_TRUE(closeTo(ConeEllipticLateralArea(r.d1, r.d2, r.h), expected, 1e-9))
            << r.d1 << " " << r.d2 << " " << r.h;
    }
    EXPECT_EQ(ConeEllipticLateralArea(4, 2, 3), ConeEllipticLateralArea(2, 4, 3));
}

// Every order in which the three axes can be typed.
std::array<std::array<double, 3>, 6> orders(double x, double y, double z)
{
    return {{{x, y, z}, {x, z, y}, {y, x, z}, {y, z, x}, {z, x, y}, {z, y, x}}};
}

TEST(Formulas3D, EllipsoidAreaIsExactInEveryAxisOrder)
{
    struct Row {
        const char* name;
        double d1, d2, d3;
        double expected;
        double relative;
    };
    const Row rows[] = {
        {"sphere", 2, 2, 2, 4 * Pi, 1e-12},
        {"oblate spheroid", 2, 2, 1, Oblate21, 1e-12},
        {"prolate spheroid", 1, 1, 2, Prolate12, 1e-12},
        {"semi-axes 3, 2, 1", 6, 4, 2, 48.8821463026, 1e-10},
        {"axes 1, 2, 3", 1, 2, 3, ellipsoidAreaByQuadrature(0.5, 1, 1.5), 1e-6},
        {"axes 1, 5, 10", 1, 5, 10, ellipsoidAreaByQuadrature(0.5, 2.5, 5), 1e-6},
        {"nearly a sphere", 2, 2.000001, 1.999999, 4 * Pi, 1e-5},
        {"flattened to an ellipse", 4, 2, 0, 2 * Pi * 2 * 1, 1e-12},
        {"flattened to a segment", 4, 0, 0, 0, 1e-12},
    };
    for (const Row& row : rows) {
        for (const auto& axes : orders(row.d1, row.d2, row.d3)) {
            EXPECT_TRUE(closeTo(EllipsoidArea(axes[0], axes[1], axes[2]), row.expected, row.relative))
                << row.name << ": " << axes[0] << ", " << axes[1] << ", " << axes[2];
        }
    }
}

TEST(Formulas3D, EllipsoidAreaWithTwoEqualAxesIsTheSpheroidOfThoseAxes)
{
    for (const auto& axes : orders(1, 2, 2))
        EXPECT_TRUE(closeTo(EllipsoidArea(axes[0], axes[1], axes[2]), SpheroidArea(2, 1)));
    for (const auto& axes : orders(2, 1, 1))
        EXPECT_TRUE(closeTo(EllipsoidArea(axes[0], axes[1], axes[2]), SpheroidArea(1, 2)));
}

TEST(Formulas3D, ArithmeticFaultsGiveNaNAndNeverThrow)
{
    const double nan = std::nan("");
    struct Row {
        const char* name;
        std::function<double()> call;
    };
    const Row rows[] = {
        {"modulus above 1", [] { return EllipticIntegralE(1.5); }},
        {"modulus not a number", [nan] { return EllipticIntegralE(nan); }},
        {"prolate with a negative equator", [] { return SpheroidArea(-2, 1); }},
        {"elliptic cone with a negative axis", [] { return ConeEllipticLateralArea(-4, 2, 3); }},
        {"ellipsoid with a negative axis", [] { return EllipsoidArea(-2, 4, 6); }},
        {"ellipsoid with an axis not a number", [nan] { return EllipsoidArea(2, nan, 6); }},
        {"ellipsoid with an infinite axis", [] { return EllipsoidArea(HUGE_VAL, 4, 6); }},
    };
    for (const Row& row : rows) {
        double value = 0;
        EXPECT_NO_THROW(value = row.call()) << row.name;
        EXPECT_TRUE(std::isnan(value)) << row.name << " gave " << value;
    }
}

} // namespace

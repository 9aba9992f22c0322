// SPDX-License-Identifier: MIT
#include "shapes/solid/Formulas3D.h"

#include "shapes/flat/Formulas2D.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Surface of the ellipsoid of semi-axes a > b > c >= 0 in Legendre's form with
// the incomplete elliptic integrals. The axes are scaled to a = 1 so that no
// square overflows or underflows.
double triaxialArea(double a, double b, double c)
{
    const double bs = b / a;
    const double cs = c / a;
    // Flattened to an ellipse: both of its faces.
    if (cs == 0.0)
        return 2.0 * Pi * a * b;
    const double phi = std::acos(cs);
    const double sinPhi = std::sin(phi);
    // Axes that differ only in the last bits: the sphere.
    if (sinPhi == 0.0)
        return 4.0 * Pi * a * a;
    const double ratio = cs / bs;
    // k cannot exceed 1 for b <= a; rounding must not push it out of the domain.
    const double k = std::min(1.0, std::sqrt((1.0 - ratio * ratio) / (1.0 - cs * cs)));
    const double sum = std::ellint_2(k, phi) * sinPhi * sinPhi + std::ellint_1(k, phi) * cs * cs;
    return 2.0 * Pi * a * a * (cs * cs + bs / sinPhi * sum);
}

} // namespace

double EllipticIntegralE(double k)
{
    // The library throws outside |k| <= 1, where the integral has no real value.
    if (!(std::fabs(k) <= 1.0))
        return NaN;
    return std::comp_ellint_2(k);
}

double SphereArea(double d)
{
    return Pi * d * d;
}

double SphereVolume(double d)
{
    return Pi / 6.0 * d * d * d;
}

double SphereCapVolume(double d, double h)
{
    return Pi / 24.0 * h * (3.0 * d * d + 4.0 * h * h);
}

double SphereCapLateralArea(double d, double h)
{
    return Pi / 4.0 * (d * d + 4.0 * h * h);
}

double SphereRadiusByCap(double d, double h)
{
    if (h == 0.0)
        return 0.0;
    return (d * d + 4.0 * h * h) / (8.0 * h);
}

double SpheroidVolume(double d1, double d2)
{
    if (d1 == d2)
        return SphereVolume(d1);
    if (d1 > d2)
        return SpheroidOblateVolume(d1, d2);
    return SpheroidProlateVolume(d1, d2);
}

double SpheroidArea(double d1, double d2)
{
    if (d1 == d2)
        return SphereArea(d1);
    if (d1 > d2)
        return SpheroidOblateArea(d1, d2);
    return SpheroidProlateArea(d1, d2);
}

double SpheroidOblateVolume(double d1, double d2)
{
    if (d1 < d2)
        return SpheroidProlateVolume(d1, d2);
    return 4.0 * Pi / 3.0 * (d1 / 2.0) * (d1 / 2.0) * (d2 / 2.0);
}

double SpheroidProlateVolume(double d1, double d2)
{
    if (d1 > d2)
        return SpheroidOblateVolume(d1, d2);
    return 4.0 * Pi / 3.0 * (d1 / 2.0) * (d1 / 2.0) * (d2 / 2.0);
}

double SpheroidOblateArea(double d1, double d2)
{
    if (d1 == 0.0 || d2 == 0.0)
        return 0.0;
    if (d1 < d2)
        return SpheroidProlateArea(d1, d2);
    if (d1 == d2)
        return SphereArea(d1);
    const double a = d1 / 2.0;
    const double c = d2 / 2.0;
    const double e = std::sqrt(1.0 - (c / a) * (c / a));
    return Pi * (2.0 * a * a + c * c / e * std::log((1.0 + e) / (1.0 - e)));
}

double SpheroidProlateArea(double d1, double d2)
{
    if (d2 == 0.0)
        return 0.0;
    if (d1 > d2)
        return SpheroidOblateArea(d1, d2);
    if (d1 == d2)
        return SphereArea(d1);
    const double a = d1 / 2.0;
    const double c = d2 / 2.0;
    const double e = std::sqrt(1.0 - (a / c) * (a / c));
    return 2.0 * Pi * a * (a + c * std::asin(e) / e);
}

double EllipsoidVolume(double d1, double d2, double d3)
{
    return Pi / 6.0 * d1 * d2 * d3;
}

double EllipsoidArea(double d1, double d2, double d3)
{
    if (std::isnan(d1) || std::isnan(d2) || std::isnan(d3))
        return NaN;
    // Longest axis first, so that the cases do not depend on the order typed.
    if (d1 < d2)
        std::swap(d1, d2);
    if (d2 < d3)
        std::swap(d2, d3);
    if (d1 < d2)
        std::swap(d1, d2);
    if (d1 == d3)
        return SphereArea(d1);
    if (d1 == d2)
        return SpheroidArea(d1, d3);
    if (d2 == d3)
        return SpheroidArea(d2, d1);
    if (d3 < 0.0 || !std::isfinite(d1))
        return NaN;
    return triaxialArea(d1 / 2.0, d2 / 2.0, d3 / 2.0);
}

double PrismVolume(double A, double h)
{
    return A * h;
}

double PrismArea(double A, double P, double h)
{
    return 2.0 * A + P * h;
}

double ConeRoundVolume(double d, double h)
{
    return Pi / 12.0 * d * d * h;
}

double ConeRoundLateralArea(double d, double h)
{
    return Pi / 2.0 * d * (std::sqrt(4.0 * h * h + d * d) / 2.0);
}

double ConeRoundArea(double d, double h)
{
    return CircleArea(d) + Pi / 4.0 * d * std::sqrt(4.0 * h * h + d * d);
}

double ConeRoundFrustumVolume(double d1, double d2, double h)
{
    return Pi / 12.0 * h * (d1 * d1 + d1 * d2 + d2 * d2);
}

double ConeRoundFrustumLateralArea(double d1, double d2, double h)
{
    return Pi / 2.0 * (d1 + d2) * (std::sqrt(4.0 * h * h + (d2 - d1) * (d2 - d1)) / 2.0);
}

double ConeRoundFrustumArea(double d1, double d2, double h)
{
    return ConeRoundFrustumLateralArea(d1, d2, h) + CircleArea(d1) + CircleArea(d2);
}

double ConeEllipticVolume(double d1, double d2, double h)
{
    return Pi / 12.0 * d1 * d2 * h;
}

double ConeEllipticLateralArea(double d1, double d2, double h)
{
    if (d1 * d2 * h == 0.0)
        return 0.0;
    if (d1 < d2)
        std::swap(d1, d2);
    const double A = d1 * d1 * (4.0 * h * h + d2 * d2);
    const double B = 4.0 * h * h * (d1 * d1 - d2 * d2);
    const double k = std::sqrt(B / A);
    return d1 * std::sqrt(d2 * d2 / 4.0 + h * h) * EllipticIntegralE(k);
}

double ConeEllipticArea(double d1, double d2, double h)
{
    return EllipseArea(d1, d2) + ConeEllipticLateralArea(d1, d2, h);
}

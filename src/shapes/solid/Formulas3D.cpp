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
// Polynomials in the lengths are carried in long double: its wider exponent
// keeps squares and cubes of huge or tiny lengths in range until the result.
constexpr long double PiL = std::numbers::pi_v<long double>;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

bool faulty(std::initializer_list<double> lengths)
{
    return lengthFault(lengths) != ShapeFault::None;
}

// ln((1 + e) / (1 - e)) = 2 · atanh(e) for e = sqrt(1 - r²). Near e = 1 the
// difference 1 - e = r² / (1 + e) is taken from r, which holds it exactly.
double twiceAtanh(double e, double r)
{
    return e < 0.5 ? 2 * std::atanh(e) : 2 * std::log((1 + e) / r);
}

// One duplication step of Carlson's integrals, which draws x, y and z together
// without changing the integral; returns the λ it added.
double duplicate(double& x, double& y, double& z)
{
    const double sx = std::sqrt(x);
    const double sy = std::sqrt(y);
    const double sz = std::sqrt(z);
    const double lambda = sx * (sy + sz) + sy * sz;
    x = (x + lambda) / 4;
    y = (y + lambda) / 4;
    z = (z + lambda) / 4;
    return lambda;
}

// Carlson's symmetric integral R_F(x, y, z) by duplication; the stopping
// tolerance leaves a truncation error below 1e-17.
double carlsonRF(double x, double y, double z)
{
    double mean = 0;
    double dx = 0;
    double dy = 0;
    double dz = 0;
    for (int i = 0; i < 60; ++i) {
        duplicate(x, y, z);
        mean = (x + y + z) / 3;
        dx = (mean - x) / mean;
        dy = (mean - y) / mean;
        dz = (mean - z) / mean;
        if (std::max({std::fabs(dx), std::fabs(dy), std::fabs(dz)}) <= 8e-4)
            break;
    }
    const double e2 = dx * dy - dz * dz;
    const double e3 = dx * dy * dz;
    return (1 + (e2 / 24 - 0.1 - 3.0 / 44 * e3) * e2 + e3 / 14) / std::sqrt(mean);
}

// Carlson's symmetric integral R_D(x, y, z) by duplication.
double carlsonRD(double x, double y, double z)
{
    double sum = 0;
    double factor = 1;
    double mean = 0;
    double dx = 0;
    double dy = 0;
    double dz = 0;
    for (int i = 0; i < 60; ++i) {
        const double sz = std::sqrt(z);
        const double before = z;
        const double lambda = duplicate(x, y, z);
        sum += factor / (sz * (before + lambda));
        factor /= 4;
        mean = (x + y + 3 * z) / 5;
        dx = (mean - x) / mean;
        dy = (mean - y) / mean;
        dz = (mean - z) / mean;
        if (std::max({std::fabs(dx), std::fabs(dy), std::fabs(dz)}) <= 5e-4)
            break;
    }
    const double ea = dx * dy;
    const double eb = dz * dz;
    const double ec = ea - eb;
    const double ed = ea - 6 * eb;
    const double ee = ed + 2 * ec;
    const double c1 = 3.0 / 14;
    const double c3 = 9.0 / 22;
    const double c4 = 3.0 / 26;
    const double series = 1 + ed * (-c1 + c3 / 4 * ed - 1.5 * c4 * dz * ee)
        + dz * (ee / 6 + dz * (-c3 * ec + dz * c4 * ea));
    return 3 * sum + factor * series / (mean * std::sqrt(mean));
}

// Surface of the ellipsoid of semi-axes a > b > c > 0: 4π·abc·R_G(1/a², 1/b², 1/c²),
// scaled by c² so that nothing leaves the range. R_G is taken with the middle
// argument last, where its three terms are all positive and nothing cancels.
double triaxialArea(double a, double b, double c)
{
    const double ra = c / a;
    const double rb = c / b;
    // Thinner than the last bit of the flat ellipse's two faces.
    if (rb < 1e-17)
        return 2.0 * Pi * a * b;
    const double x = ra * ra;
    const double y = 1.0;
    const double z = rb * rb;
    const double twiceRG = z * carlsonRF(x, y, z) - (x - z) * (y - z) * carlsonRD(x, y, z) / 3.0 + ra / rb;
    return 2.0 * Pi * a * b * twiceRG;
}

} // namespace

double EllipticIntegralE(double k)
{
    if (!(std::fabs(k) <= 1.0))
        return NaN;
    return EllipticIntegralEc(Complement(std::fabs(k)));
}

double EllipticIntegralF(double phi, double k)
{
    if (!(phi >= 0 && phi <= Pi / 2 && std::fabs(k) <= 1.0))
        return NaN;
    const double s = std::sin(phi);
    const double c = std::cos(phi);
    return s * carlsonRF(c * c, (1 - k * s) * (1 + k * s), 1.0);
}

double EllipticIntegralEIncomplete(double phi, double k)
{
    if (!(phi >= 0 && phi <= Pi / 2 && std::fabs(k) <= 1.0))
        return NaN;
    const double s = std::sin(phi);
    const double c = std::cos(phi);
    const double delta = (1 - k * s) * (1 + k * s);
    return s * carlsonRF(c * c, delta, 1.0) - k * k * s * s * s / 3 * carlsonRD(c * c, delta, 1.0);
}

double SphereArea(double d)
{
    return faulty({d}) ? NaN : Pi * d * d;
}

double SphereVolume(double d)
{
    return faulty({d}) ? NaN : static_cast<double>(PiL / 6 * d * d * d);
}

double SphereCapVolume(double d, double h)
{
    return faulty({d, h}) ? NaN : static_cast<double>(PiL / 24 * h * (3.0L * d * d + 4.0L * h * h));
}

double SphereCapLateralArea(double d, double h)
{
    return faulty({d, h}) ? NaN : static_cast<double>(PiL / 4 * (static_cast<long double>(d) * d + 4.0L * h * h));
}

double SphereRadiusByCap(double d, double h)
{
    if (faulty({d, h}))
        return NaN;
    if (h == 0.0)
        return 0.0;
    return static_cast<double>((static_cast<long double>(d) * d + 4.0L * h * h) / (8.0L * h));
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
    return faulty({d1, d2}) ? NaN : static_cast<double>(PiL / 6 * d1 * d1 * d2);
}

double SpheroidProlateVolume(double d1, double d2)
{
    return SpheroidOblateVolume(d1, d2);
}

double SpheroidOblateArea(double d1, double d2)
{
    if (faulty({d1, d2}))
        return NaN;
    if (d1 < d2)
        return SpheroidProlateArea(d1, d2);
    if (d1 == d2)
        return SphereArea(d1);
    const double a = d1 / 2.0;
    const double r = d2 / d1;
    // Flat: the disc, both faces.
    if (r == 0.0)
        return 2.0 * Pi * a * a;
    // π · (2a² + c²/e · ln((1 + e)/(1 - e))) with c = r · a.
    const double e = Complement(r);
    const double ratio = e == 0.0 ? 2.0 : twiceAtanh(e, r) / e;
    return Pi * a * a * (2.0 + r * r * ratio);
}

double SpheroidProlateArea(double d1, double d2)
{
    if (faulty({d1, d2}))
        return NaN;
    if (d1 > d2)
        return SpheroidOblateArea(d1, d2);
    if (d1 == d2)
        return SphereArea(d1);
    const double a = d1 / 2.0;
    const double c = d2 / 2.0;
    const double r = d1 / d2;
    // 2πa · (a + c · arcsin(e)/e); the angle by atan2, which stays exact where
    // e is near 1 and arcsin is not.
    const double e = Complement(r);
    const double ratio = e == 0.0 ? 1.0 : std::atan2(e, r) / e;
    return 2.0 * Pi * a * c * (r + ratio);
}

double EllipsoidVolume(double d1, double d2, double d3)
{
    return faulty({d1, d2, d3}) ? NaN : static_cast<double>(PiL / 6 * d1 * d2 * d3);
}

double EllipsoidArea(double d1, double d2, double d3)
{
    if (faulty({d1, d2, d3}))
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
    if (!std::isfinite(d1))
        return NaN;
    return triaxialArea(d1 / 2.0, d2 / 2.0, d3 / 2.0);
}

double PrismVolume(double A, double h)
{
    return faulty({A, h}) ? NaN : A * h;
}

double PrismArea(double A, double P, double h)
{
    return faulty({A, P, h}) ? NaN : 2.0 * A + P * h;
}

double PrismLateralArea(double P, double h)
{
    return faulty({P, h}) ? NaN : P * h;
}

double ConeRoundVolume(double d, double h)
{
    return faulty({d, h}) ? NaN : static_cast<double>(PiL / 12 * d * d * h);
}

double ConeRoundLateralArea(double d, double h)
{
    // π/2 · d · slant, the slant by hypot so that no square leaves the range.
    return faulty({d, h}) ? NaN : Pi / 2.0 * d * std::hypot(h, d / 2.0);
}

double ConeRoundArea(double d, double h)
{
    return CircleArea(d) + ConeRoundLateralArea(d, h);
}

double ConeRoundFrustumVolume(double d1, double d2, double h)
{
    if (faulty({d1, d2, h}))
        return NaN;
    const long double a = d1;
    const long double b = d2;
    return static_cast<double>(PiL / 12 * h * (a * a + a * b + b * b));
}

double ConeRoundFrustumLateralArea(double d1, double d2, double h)
{
    if (faulty({d1, d2, h}))
        return NaN;
    return static_cast<double>(PiL / 2 * (static_cast<long double>(d1) + d2) * std::hypot(h, (d2 - d1) / 2.0));
}

double ConeRoundFrustumArea(double d1, double d2, double h)
{
    return ConeRoundFrustumLateralArea(d1, d2, h) + CircleArea(d1) + CircleArea(d2);
}

double ConeEllipticVolume(double d1, double d2, double h)
{
    return faulty({d1, d2, h}) ? NaN : static_cast<double>(PiL / 12 * d1 * d2 * h);
}

double ConeEllipticLateralArea(double d1, double d2, double h)
{
    if (faulty({d1, d2, h}))
        return NaN;
    if (d1 < d2)
        std::swap(d1, d2);
    if (d1 == 0.0)
        return 0.0;
    // Semi-axes a >= b: 2a · sqrt(b² + h²) · E(k) with
    // k² = h²(a² - b²) / (a²(b² + h²)); its complement
    // kc = b/a · sqrt(a² + h²) / sqrt(b² + h²) has no difference to lose digits in
    // and no square to leave the range. A flat cone is its base; over a segment,
    // the two triangles.
    const double a = d1 / 2.0;
    const double b = d2 / 2.0;
    if (b == 0.0)
        return 2.0 * a * h;
    const double slantB = std::hypot(b, h);
    const double kc = std::min(1.0, b / a * (std::hypot(a, h) / slantB));
    return 2.0 * a * slantB * EllipticIntegralEc(kc);
}

double ConeEllipticArea(double d1, double d2, double h)
{
    return EllipseArea(d1, d2) + ConeEllipticLateralArea(d1, d2, h);
}

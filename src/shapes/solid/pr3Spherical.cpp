// SPDX-License-Identifier: MIT
#include "shapes/solid/pr3Spherical.h"

#include "model/working.h"
#include "shapes/conditions.h"
#include "shapes/flat/Formulas2D.h"
#include "shapes/flat/pr2Circle.h"
#include "shapes/solid/Formulas3D.h"
#include "shapes/solid/identity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

// The surface of the spheroid of equatorial diameter `across` and axis of
// rotation `along`, by the closed forms of the sphere, the oblate spheroid
// (the logarithm form of its artanh) and the prolate one (by arcsin). The
// value is the one the solid shows.
void explainSpheroidSurface(TWorking& working, const QString& symbol, const QString& across, const QString& along,
    double value)
{
    const double d1 = working.value(across);
    const double d2 = working.value(along);
    const QString e = QStringLiteral("e");
    if (d1 == d2) {
        working.step(symbol, QStringLiteral("π · %1²"), {across}, value);
    } else if (d2 == 0) {
        // Flat: the disc, both faces.
        working.step(symbol, QStringLiteral("π · %1² / 2"), {across}, value);
    } else if (d1 > d2) {
        working.step(e, QStringLiteral("√(1 − (%2 / %1)²)"), {across, along}, Complement(d2 / d1));
        working.step(symbol, QStringLiteral("π · %1² / 2 + π · %2² / (4 · %3) · ln((1 + %3) / (1 − %3))"),
            {across, along, e}, value);
    } else {
        working.step(e, QStringLiteral("√(1 − (%1 / %2)²)"), {across, along}, Complement(d1 / d2));
        working.step(symbol, QStringLiteral("π · %1² / 2 + π · %1 · %2 / (2 · %3) · arcsin(%3)"), {across, along, e},
            value);
    }
}

// The surface of the ellipsoid of the three full axes named: a sphere or a
// spheroid where axes are equal, else Legendre's form by the incomplete
// elliptic integrals (computed by Carlson's, which it equals).
void explainEllipsoidSurface(TWorking& working, const QString& symbol, const QStringList& axes, double value)
{
    std::array<QString, 3> sorted{axes[0], axes[1], axes[2]};
    std::stable_sort(sorted.begin(), sorted.end(),
        [&](const QString& x, const QString& y) { return working.value(x) > working.value(y); });
    const auto& [x, y, z] = sorted;
    const double dx = working.value(x);
    const double dy = working.value(y);
    const double dz = working.value(z);
    if (dx == dz) {
        working.step(symbol, QStringLiteral("π · %1²"), {x}, value);
        return;
    }
    if (dx == dy) {
        explainSpheroidSurface(working, symbol, x, z, value);
        return;
    }
    if (dy == dz) {
        explainSpheroidSurface(working, symbol, y, x, value);
        return;
    }
    if (dz == 0) {
        // Flat: the ellipse, both faces.
        working.step(symbol, QStringLiteral("π · %1 · %2 / 2"), {x, y}, value);
        return;
    }
    const double phi = std::acos(dz / dx);
    const double k = Complement(dz / dy) / Complement(dz / dx);
    const QString angle = QStringLiteral("φ");
    const QString modulus = QStringLiteral("k");
    working.step(angle, QStringLiteral("arccos(%1 / %2)"), {z, x}, phi);
    working.step(modulus, QStringLiteral("√(%1² · (%2² − %3²) / (%2² · (%1² − %3²)))"), {x, y, z}, k);
    working.step(QStringLiteral("F(φ, k)"), QStringLiteral("F(%1, %2)"), {angle, modulus}, EllipticIntegralF(phi, k));
    working.step(QStringLiteral("E(φ, k)"), QStringLiteral("E(%1, %2)"), {angle, modulus},
        EllipticIntegralEIncomplete(phi, k));
    working.note(QStringLiteral("workellinc"));
    working.step(symbol,
        QStringLiteral("π · %3² / 2 + π · %1 · %2 / (2 · sin(%4)) · (%5 · sin²(%4) + %6 · cos²(%4))"),
        {x, y, z, angle, QStringLiteral("E(φ, k)"), QStringLiteral("F(φ, k)")}, value);
}

} // namespace

T2DSurfSphereHalf::T2DSurfSphereHalf()
    : T2DSurfSphereHalf(QStringLiteral("l"))
{
}

T2DSurfSphereHalf::T2DSurfSphereHalf(const QString& l)
    : m_l(l)
{
}

bool T2DSurfSphereHalf::init()
{
    const bool result = T2DSurface::init();
    setIdentity(*this, QStringLiteral("surf:sphere:half"));
    addVar(m_l);
    return result;
}

double T2DSurfSphereHalf::getArea() const
{
    return SphereArea(getVar(m_l)) / 2.0;
}

T2DSurfSphereCap::T2DSurfSphereCap()
    : T2DSurfSphereCap(QStringLiteral("a"), QStringLiteral("h"))
{
}

T2DSurfSphereCap::T2DSurfSphereCap(const QString& a, const QString& h)
    : m_a(a)
    , m_h(h)
{
}

bool T2DSurfSphereCap::init()
{
    const bool result = T2DSurface::init();
    setIdentity(*this, QStringLiteral("surf:sphere:cap"));
    addVar(m_a);
    addVar(m_h);
    return result;
}

double T2DSurfSphereCap::getArea() const
{
    // A cap of no height is its base disc, the limit of the curved surface.
    return SphereCapLateralArea(getVar(m_a), getVar(m_h));
}

T2DSurfSpheroidHalf::T2DSurfSpheroidHalf()
    : T2DSurfSpheroidHalf(QStringLiteral("l"), QStringLiteral("h"))
{
}

T2DSurfSpheroidHalf::T2DSurfSpheroidHalf(const QString& l, const QString& h)
    : m_l(l)
    , m_h(h)
{
}

bool T2DSurfSpheroidHalf::init()
{
    const bool result = T2DSurface::init();
    setIdentity(*this, QStringLiteral("surf:spheroid:half"));
    addVar(m_l);
    addVar(m_h);
    return result;
}

double T2DSurfSpheroidHalf::getArea() const
{
    return SpheroidArea(getVar(m_l), 2.0 * getVar(m_h)) / 2.0;
}

T2DSurfEllipsoidHalf::T2DSurfEllipsoidHalf()
    : T2DSurfEllipsoidHalf(QStringLiteral("l"), QStringLiteral("w"), QStringLiteral("h"))
{
}

T2DSurfEllipsoidHalf::T2DSurfEllipsoidHalf(const QString& l, const QString& w, const QString& h)
    : m_l(l)
    , m_w(w)
    , m_h(h)
{
}

bool T2DSurfEllipsoidHalf::init()
{
    const bool result = T2DSurface::init();
    setIdentity(*this, QStringLiteral("surf:ellipsoid:half"));
    addVar(m_l);
    addVar(m_w);
    addVar(m_h);
    return result;
}

double T2DSurfEllipsoidHalf::getArea() const
{
    return EllipsoidArea(getVar(m_l), getVar(m_w), 2.0 * getVar(m_h)) / 2.0;
}

bool T3DSpherical::init()
{
    const bool result = T3DPrimitive::init();
    setCategory(QStringLiteral("spherical"));
    return result;
}

T3DSphere::T3DSphere()
    : T3DSphere(QStringLiteral("l"))
{
}

T3DSphere::T3DSphere(const QString& l)
    : m_sphereL(l)
{
}

bool T3DSphere::init()
{
    const bool result = T3DSpherical::init();
    setIdentity(*this, QStringLiteral("sphere"), QStringLiteral("sphere.gif"));
    addVar(m_sphereL);
    return result;
}

double T3DSphere::getMeasure() const
{
    return SphereVolume(getVar(m_sphereL));
}

double T3DSphere::getArea() const
{
    return SphereArea(getVar(m_sphereL));
}

void T3DSphere::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_sphereL}))
        working.step(symbol, QStringLiteral("π · %1³ / 6"), {m_sphereL}, getMeasure());
}

void T3DSphere::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_sphereL}))
        working.step(symbol, QStringLiteral("π · %1²"), {m_sphereL}, getArea());
}

T3DSpheroid::T3DSpheroid()
    : T3DSpheroid(QStringLiteral("l"), QStringLiteral("h"))
{
}

T3DSpheroid::T3DSpheroid(const QString& l, const QString& h)
    : T3DSphere(l)
    , m_l(l)
    , m_h(h)
{
}

bool T3DSpheroid::init()
{
    const bool result = T3DSphere::init();
    setIdentity(*this, QStringLiteral("spheroid"), QStringLiteral("spheroid.gif"));
    addVar(m_h);
    return result;
}

double T3DSpheroid::getMeasure() const
{
    return SpheroidVolume(getVar(m_l), getVar(m_h));
}

double T3DSpheroid::getArea() const
{
    return SpheroidArea(getVar(m_l), getVar(m_h));
}

void T3DSpheroid::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_l, m_h}))
        working.step(symbol, QStringLiteral("π · %1² · %2 / 6"), {m_l, m_h}, getMeasure());
}

void T3DSpheroid::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_l, m_h}))
        explainSpheroidSurface(working, symbol, m_l, m_h, getArea());
}

T3DSphereHalf::T3DSphereHalf()
    : T3DSphereHalf(QStringLiteral("l"))
{
}

T3DSphereHalf::T3DSphereHalf(const QString& l)
    : m_l(l)
{
}

bool T3DSphereHalf::init()
{
    const bool result = T3DSpherical::init();
    setIdentity(*this, QStringLiteral("sphere:half"), QStringLiteral("sphere_half.gif"));
    addPart(QStringLiteral("base"), create<T2DCircle>(m_l), true);
    addPart(QStringLiteral("lat_surf"), create<T2DSurfSphereHalf>(m_l), false);
    addVar(m_l);
    return result;
}

double T3DSphereHalf::getMeasure() const
{
    return SphereVolume(getVar(m_l)) / 2.0;
}

double T3DSphereHalf::getArea() const
{
    const double l = getVar(m_l);
    return SphereArea(l) / 2.0 + CircleArea(l);
}

void T3DSphereHalf::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_l}))
        working.step(symbol, QStringLiteral("π · %1³ / 12"), {m_l}, getMeasure());
}

void T3DSphereHalf::explainArea(TWorking& working, const QString& symbol) const
{
    // Half the sphere and the disc of the cut.
    if (explainLengths(working, {m_l}))
        working.step(symbol, QStringLiteral("π · %1² / 2 + π · %1² / 4"), {m_l}, getArea());
}

T3DSphereCap::T3DSphereCap()
    : T3DSphereCap(QStringLiteral("a"), QStringLiteral("h"), QStringLiteral("r"))
{
}

T3DSphereCap::T3DSphereCap(const QString& a, const QString& h, const QString& r)
    : m_a(a)
    , m_h(h)
    , m_r(r)
{
}

bool T3DSphereCap::init()
{
    const bool result = T3DSpherical::init();
    setIdentity(*this, QStringLiteral("sphere:cap"), QStringLiteral("sphere_cap.gif"));
    addPart(QStringLiteral("base"), create<T2DCircle>(m_a), true);
    addPart(QStringLiteral("lat_surf"), create<T2DSurfSphereCap>(m_a, m_h), false);
    addVar(m_a);
    addVar(m_h);
    addExtraVar(m_r);
    addExtraVar(m_lat);
    addExtraVar(m_base);
    return result;
}

void T3DSphereCap::setVar(const QString& name, double value)
{
    T3DSpherical::setVar(name, value);
    T3DPrimitive::setVar(m_r, SphereRadiusByCap(getVar(m_a), getVar(m_h)));
    storePartArea(QStringLiteral("base"), m_base);
    storePartArea(QStringLiteral("lat_surf"), m_lat);
    // A negative height leaves the base circle whole, but there is no cap.
    if (lengthFault({getVar(m_a), getVar(m_h)}) != ShapeFault::None)
        T3DPrimitive::setVar(m_base, std::numeric_limits<double>::quiet_NaN());
}

double T3DSphereCap::getMeasure() const
{
    return SphereCapVolume(getVar(m_a), getVar(m_h));
}

double T3DSphereCap::getArea() const
{
    const double a = getVar(m_a);
    return SphereCapLateralArea(a, getVar(m_h)) + CircleArea(a);
}

void T3DSphereCap::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a, m_h}))
        working.step(symbol, QStringLiteral("π · %2 · (3 · %1² + 4 · %2²) / 24"), {m_a, m_h}, getMeasure());
}

void T3DSphereCap::explainArea(TWorking& working, const QString& symbol) const
{
    if (!explainLengths(working, {m_a, m_h}))
        return;
    explainLateral(working);
    explainBase(working);
    working.step(symbol, QStringLiteral("%1 + %2"), {m_lat, m_base}, getArea());
}

void T3DSphereCap::explainExtras(TWorking& working) const
{
    working.heading(QStringLiteral("workradius"), m_r);
    if (explainLengths(working, {m_a, m_h})) {
        // A cap of no height is a disc: no sphere is cut, and r is shown as 0.
        if (getVar(m_h) == 0)
            working.step(m_r, QStringLiteral("0"), {}, getVar(m_r));
        else
            working.step(m_r, QStringLiteral("(%1² + 4 · %2²) / (8 · %2)"), {m_a, m_h}, getVar(m_r));
    }
    working.heading(QStringLiteral("worklateral"), m_lat);
    if (explainLengths(working, {m_a, m_h}))
        explainLateral(working);
    working.heading(QStringLiteral("workbase"), m_base);
    if (explainLengths(working, {m_a, m_h}))
        explainBase(working);
}

void T3DSphereCap::explainLateral(TWorking& working) const
{
    working.step(m_lat, QStringLiteral("π · (%1² / 4 + %2²)"), {m_a, m_h}, getVar(m_lat));
}

void T3DSphereCap::explainBase(TWorking& working) const
{
    working.step(m_base, QStringLiteral("π · %1² / 4"), {m_a}, getVar(m_base));
}

T3DSpheroidHalf::T3DSpheroidHalf()
    : T3DSpheroidHalf(QStringLiteral("l"), QStringLiteral("h"))
{
}

T3DSpheroidHalf::T3DSpheroidHalf(const QString& l, const QString& h)
    : m_l(l)
    , m_h(h)
{
}

bool T3DSpheroidHalf::init()
{
    const bool result = T3DSpherical::init();
    setIdentity(*this, QStringLiteral("spheroid:half"), QStringLiteral("spheroid_half.gif"));
    addPart(QStringLiteral("base"), create<T2DCircle>(m_l), true);
    addPart(QStringLiteral("lat_surf"), create<T2DSurfSpheroidHalf>(m_l, m_h), false);
    addVar(m_l);
    addVar(m_h);
    return result;
}

double T3DSpheroidHalf::getMeasure() const
{
    return SpheroidVolume(getVar(m_l), 2.0 * getVar(m_h)) / 2.0;
}

double T3DSpheroidHalf::getArea() const
{
    const double l = getVar(m_l);
    return SpheroidArea(l, 2.0 * getVar(m_h)) / 2.0 + CircleArea(l);
}

void T3DSpheroidHalf::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_l, m_h}))
        working.step(symbol, QStringLiteral("π · %1² · %2 / 6"), {m_l, m_h}, getMeasure());
}

void T3DSpheroidHalf::explainArea(TWorking& working, const QString& symbol) const
{
    if (!explainLengths(working, {m_l, m_h}))
        return;
    // Half the surface of the whole spheroid, of axis 2 · h, and the disc of the cut.
    const QString axis = QStringLiteral("H");
    const QString whole = QStringLiteral("S₀");
    working.step(axis, QStringLiteral("2 · %1"), {m_h}, 2 * getVar(m_h));
    explainSpheroidSurface(working, whole, m_l, axis, SpheroidArea(getVar(m_l), 2 * getVar(m_h)));
    working.step(symbol, QStringLiteral("%1 / 2 + π · %2² / 4"), {whole, m_l}, getArea());
}

T3DEllipsoid::T3DEllipsoid()
    : T3DEllipsoid(QStringLiteral("l"), QStringLiteral("w"), QStringLiteral("h"))
{
}

T3DEllipsoid::T3DEllipsoid(const QString& l, const QString& w, const QString& h)
    : m_l(l)
    , m_w(w)
    , m_h(h)
{
}

bool T3DEllipsoid::init()
{
    const bool result = T3DSpherical::init();
    setIdentity(*this, QStringLiteral("ellipsoid"), QStringLiteral("ellipsoid.gif"));
    addVar(m_l);
    addVar(m_w);
    addVar(m_h);
    return result;
}

double T3DEllipsoid::getMeasure() const
{
    return EllipsoidVolume(getVar(m_l), getVar(m_w), getVar(m_h));
}

double T3DEllipsoid::getArea() const
{
    return EllipsoidArea(getVar(m_l), getVar(m_w), getVar(m_h));
}

void T3DEllipsoid::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_l, m_w, m_h}))
        working.step(symbol, QStringLiteral("π · %1 · %2 · %3 / 6"), {m_l, m_w, m_h}, getMeasure());
}

void T3DEllipsoid::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_l, m_w, m_h}))
        explainEllipsoidSurface(working, symbol, {m_l, m_w, m_h}, getArea());
}

T3DEllipsoidHalf::T3DEllipsoidHalf()
    : T3DEllipsoidHalf(QStringLiteral("l"), QStringLiteral("w"), QStringLiteral("h"))
{
}

T3DEllipsoidHalf::T3DEllipsoidHalf(const QString& l, const QString& w, const QString& h)
    : m_l(l)
    , m_w(w)
    , m_h(h)
{
}

bool T3DEllipsoidHalf::init()
{
    const bool result = T3DSpherical::init();
    setIdentity(*this, QStringLiteral("ellipsoid:half"), QStringLiteral("ellipsoid_half.gif"));
    addPart(QStringLiteral("base"), create<T2DEllipse>(m_l, m_w), true);
    addPart(QStringLiteral("lat_surf"), create<T2DSurfEllipsoidHalf>(m_l, m_w, m_h), true);
    addVar(m_l);
    addVar(m_w);
    addVar(m_h);
    return result;
}

double T3DEllipsoidHalf::getMeasure() const
{
    return EllipsoidVolume(getVar(m_l), getVar(m_w), 2.0 * getVar(m_h)) / 2.0;
}

double T3DEllipsoidHalf::getArea() const
{
    const double l = getVar(m_l);
    const double w = getVar(m_w);
    return EllipsoidArea(l, w, 2.0 * getVar(m_h)) / 2.0 + EllipseArea(l, w);
}

void T3DEllipsoidHalf::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_l, m_w, m_h}))
        working.step(symbol, QStringLiteral("π · %1 · %2 · %3 / 6"), {m_l, m_w, m_h}, getMeasure());
}

void T3DEllipsoidHalf::explainArea(TWorking& working, const QString& symbol) const
{
    if (!explainLengths(working, {m_l, m_w, m_h}))
        return;
    // Half the surface of the whole ellipsoid, of axis 2 · h, and the ellipse of the cut.
    const QString axis = QStringLiteral("H");
    const QString whole = QStringLiteral("S₀");
    const double l = getVar(m_l);
    const double w = getVar(m_w);
    working.step(axis, QStringLiteral("2 · %1"), {m_h}, 2 * getVar(m_h));
    explainEllipsoidSurface(working, whole, {m_l, m_w, axis}, EllipsoidArea(l, w, 2 * getVar(m_h)));
    working.step(symbol, QStringLiteral("%1 / 2 + π · %2 · %3 / 4"), {whole, m_l, m_w}, getArea());
}

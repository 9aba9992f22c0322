// SPDX-License-Identifier: MIT
#include "shapes/solid/pr3Cone.h"

#include "model/working.h"
#include "shapes/conditions.h"
#include "shapes/flat/Formulas2D.h"
#include "shapes/flat/pr2Circle.h"
#include "shapes/solid/Formulas3D.h"
#include "shapes/solid/identity.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

T2DSurfConeRound::T2DSurfConeRound()
    : T2DSurfConeRound(QStringLiteral("l"), QStringLiteral("h"))
{
}

T2DSurfConeRound::T2DSurfConeRound(const QString& l, const QString& h)
    : m_l(l)
    , m_h(h)
{
}

bool T2DSurfConeRound::init()
{
    const bool result = T2DSurface::init();
    setIdentity(*this, QStringLiteral("surf:cone:round"));
    addVar(m_l);
    addVar(m_h);
    return result;
}

double T2DSurfConeRound::getArea() const
{
    return ConeRoundLateralArea(getVar(m_l), getVar(m_h));
}

T2DSurfConeElliptic::T2DSurfConeElliptic()
    : T2DSurfConeElliptic(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("h"))
{
}

T2DSurfConeElliptic::T2DSurfConeElliptic(const QString& a, const QString& b, const QString& h)
    : m_a(a)
    , m_b(b)
    , m_h(h)
{
}

bool T2DSurfConeElliptic::init()
{
    const bool result = T2DSurface::init();
    // Shares the round cone's id; surfaces are never looked up by it.
    setIdentity(*this, QStringLiteral("surf:cone:round"));
    addVar(m_a);
    addVar(m_b);
    addVar(m_h);
    return result;
}

double T2DSurfConeElliptic::getArea() const
{
    return ConeEllipticLateralArea(getVar(m_a), getVar(m_b), getVar(m_h));
}

T2DSurfConeRoundFrustum::T2DSurfConeRoundFrustum()
    : T2DSurfConeRoundFrustum(QStringLiteral("a"), QStringLiteral("l"), QStringLiteral("h"))
{
}

T2DSurfConeRoundFrustum::T2DSurfConeRoundFrustum(const QString& a, const QString& l, const QString& h)
    : m_a(a)
    , m_l(l)
    , m_h(h)
{
}

bool T2DSurfConeRoundFrustum::init()
{
    const bool result = T2DSurface::init();
    setIdentity(*this, QStringLiteral("surf:cone:round:frustum"));
    addVar(m_a);
    addVar(m_l);
    addVar(m_h);
    return result;
}

double T2DSurfConeRoundFrustum::getArea() const
{
    return ConeRoundFrustumLateralArea(getVar(m_a), getVar(m_l), getVar(m_h));
}

bool T3DCone::init()
{
    const bool result = T3DPrimitive::init();
    setClassId(QStringLiteral("cone"));
    setId(QStringLiteral("cone"));
    setCategory(QStringLiteral("conical"));
    return result;
}

T3DConeRound::T3DConeRound()
    : T3DConeRound(QStringLiteral("l"), QStringLiteral("h"))
{
}

T3DConeRound::T3DConeRound(const QString& l, const QString& h)
    : m_l(l)
    , m_h(h)
{
}

bool T3DConeRound::init()
{
    const bool result = T3DCone::init();
    setIdentity(*this, QStringLiteral("cone:round"));
    addPart(QStringLiteral("base"), create<T2DCircle>(m_l), true);
    addPart(QStringLiteral("lat_surf"), create<T2DSurfConeRound>(m_l, m_h), false);
    addVar(m_l);
    addVar(m_h);
    m_base = QStringLiteral("Base");
    m_lat = QStringLiteral("Lat");
    addExtraVar(m_base);
    addExtraVar(m_lat);
    return result;
}

void T3DConeRound::setVar(const QString& name, double value)
{
    T3DCone::setVar(name, value);
    storePartArea(QStringLiteral("base"), m_base);
    storePartArea(QStringLiteral("lat_surf"), m_lat);
    // A negative height leaves the base circle whole, but there is no cone.
    if (lengthFault({getVar(m_l), getVar(m_h)}) != ShapeFault::None)
        T3DPrimitive::setVar(m_base, NaN);
}

double T3DConeRound::getMeasure() const
{
    return ConeRoundVolume(getVar(m_l), getVar(m_h));
}

double T3DConeRound::getArea() const
{
    return ConeRoundArea(getVar(m_l), getVar(m_h));
}

void T3DConeRound::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_l, m_h}))
        working.step(symbol, QStringLiteral("π · %1² · %2 / 12"), {m_l, m_h}, getMeasure());
}

void T3DConeRound::explainArea(TWorking& working, const QString& symbol) const
{
    if (!explainLengths(working, {m_l, m_h}))
        return;
    working.step(m_base, QStringLiteral("π · %1² / 4"), {m_l}, getVar(m_base));
    // The slant height, from the axis and the base radius.
    working.step(QStringLiteral("s"), QStringLiteral("√((%1 / 2)² + %2²)"), {m_l, m_h},
        std::hypot(getVar(m_l) / 2, getVar(m_h)));
    working.step(m_lat, QStringLiteral("π · %1 · %2 / 2"), {m_l, QStringLiteral("s")}, getVar(m_lat));
    working.step(symbol, QStringLiteral("%1 + %2"), {m_base, m_lat}, getArea());
}

void T3DConeRound::explainExtras(TWorking& working) const
{
    working.heading(QStringLiteral("workbase"), m_base);
    if (explainLengths(working, {m_l, m_h}))
        working.step(m_base, QStringLiteral("π · %1² / 4"), {m_l}, getVar(m_base));
    working.heading(QStringLiteral("worklateral"), m_lat);
    if (explainLengths(working, {m_l, m_h}))
        working.step(m_lat, QStringLiteral("π · %1 · %2 / 2"), {m_l, QStringLiteral("s")}, getVar(m_lat));
}

T3DConeElliptic::T3DConeElliptic()
    : T3DConeElliptic(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("h"))
{
}

T3DConeElliptic::T3DConeElliptic(const QString& a, const QString& b, const QString& h)
    : m_a(a)
    , m_b(b)
    , m_h(h)
{
}

bool T3DConeElliptic::init()
{
    const bool result = T3DCone::init();
    setIdentity(*this, QStringLiteral("cone:elliptic"), QStringLiteral("cone_elliptic.gif"));
    addPart(QStringLiteral("base"), create<T2DEllipse>(m_a, m_b), true);
    addPart(QStringLiteral("lat_surf"), create<T2DSurfConeElliptic>(m_a, m_b, m_h), false);
    addVar(m_a);
    addVar(m_b);
    addVar(m_h);
    m_base = QStringLiteral("Base");
    m_lat = QStringLiteral("Lat");
    addExtraVar(m_base);
    addExtraVar(m_lat);
    return result;
}

void T3DConeElliptic::setVar(const QString& name, double value)
{
    T3DCone::setVar(name, value);
    storePartArea(QStringLiteral("base"), m_base);
    storePartArea(QStringLiteral("lat_surf"), m_lat);
    if (lengthFault({getVar(m_a), getVar(m_b), getVar(m_h)}) != ShapeFault::None)
        T3DPrimitive::setVar(m_base, NaN);
}

double T3DConeElliptic::getMeasure() const
{
    return ConeEllipticVolume(getVar(m_a), getVar(m_b), getVar(m_h));
}

double T3DConeElliptic::getArea() const
{
    return ConeEllipticArea(getVar(m_a), getVar(m_b), getVar(m_h));
}

void T3DConeElliptic::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a, m_b, m_h}))
        working.step(symbol, QStringLiteral("π · %1 · %2 · %3 / 12"), {m_a, m_b, m_h}, getMeasure());
}

void T3DConeElliptic::explainArea(TWorking& working, const QString& symbol) const
{
    if (!explainLengths(working, {m_a, m_b, m_h}))
        return;
    working.step(m_base, QStringLiteral("π · %1 · %2 / 4"), {m_a, m_b}, getVar(m_base));
    explainLateral(working);
    working.step(symbol, QStringLiteral("%1 + %2"), {m_base, m_lat}, getArea());
}

void T3DConeElliptic::explainExtras(TWorking& working) const
{
    working.heading(QStringLiteral("workbase"), m_base);
    if (explainLengths(working, {m_a, m_b, m_h}))
        working.step(m_base, QStringLiteral("π · %1 · %2 / 4"), {m_a, m_b}, getVar(m_base));
    working.heading(QStringLiteral("worklateral"), m_lat);
    if (explainLengths(working, {m_a, m_b, m_h}))
        explainLateral(working);
}

void T3DConeElliptic::explainLateral(TWorking& working) const
{
    const double a = getVar(m_a);
    const double b = getVar(m_b);
    const double h = getVar(m_h);
    const QString longer = a >= b ? m_a : m_b;
    const QString shorter = a >= b ? m_b : m_a;
    const double major = std::max(a, b) / 2;
    const double minor = std::min(a, b) / 2;
    if (major == 0) {
        working.step(m_lat, QStringLiteral("0"), {}, getVar(m_lat));
        return;
    }
    // Over a segment the side is two triangles.
    if (minor == 0) {
        working.step(m_lat, QStringLiteral("%1 · %2"), {longer, m_h}, getVar(m_lat));
        return;
    }
    // The side unrolls into the integral of the slant heights round the base:
    // the shorter axis's slant height times the longer axis times E(k).
    const QString slant = QStringLiteral("s");
    working.step(slant, QStringLiteral("√((%1 / 2)² + %2²)"), {shorter, m_h}, std::hypot(minor, h));
    const double kc = std::min(1.0, minor / major * (std::hypot(major, h) / std::hypot(minor, h)));
    working.step(QStringLiteral("k"), QStringLiteral("%3 · √(%1² − %2²) / (%1 · %4)"), {longer, shorter, m_h, slant},
        Complement(kc));
    working.step(QStringLiteral("E(k)"), QStringLiteral("E(%1)"), {QStringLiteral("k")}, EllipticIntegralEc(kc));
    working.note(QStringLiteral("workellint"));
    working.step(m_lat, QStringLiteral("%1 · %2 · %3"), {longer, slant, QStringLiteral("E(k)")}, getVar(m_lat));
}

T3DConeRoundFrustum::T3DConeRoundFrustum()
    : T3DConeRoundFrustum(QStringLiteral("a"), QStringLiteral("l"), QStringLiteral("b"))
{
}

T3DConeRoundFrustum::T3DConeRoundFrustum(const QString& a, const QString& l, const QString& b)
    : m_a(a)
    , m_l(l)
    , m_b(b)
{
}

bool T3DConeRoundFrustum::init()
{
    const bool result = T3DCone::init();
    setIdentity(*this, QStringLiteral("cone:round:frustum"), QStringLiteral("cone_round_frustum.gif"));
    addPart(QStringLiteral("base_a"), create<T2DCircle>(m_a), true);
    addPart(QStringLiteral("base_l"), create<T2DCircle>(m_l), true);
    addPart(QStringLiteral("lat_surf"), create<T2DSurfConeRoundFrustum>(m_a, m_l, m_b), false);
    addVar(m_a);
    addVar(m_l);
    addVar(m_b);
    return result;
}

double T3DConeRoundFrustum::getMeasure() const
{
    return ConeRoundFrustumVolume(getVar(m_l), getVar(m_a), getVar(m_b));
}

double T3DConeRoundFrustum::getArea() const
{
    return ConeRoundFrustumArea(getVar(m_a), getVar(m_l), getVar(m_b));
}

void T3DConeRoundFrustum::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a, m_l, m_b}))
        working.step(symbol, QStringLiteral("π · %3 · (%1² + %1 · %2 + %2²) / 12"), {m_a, m_l, m_b}, getMeasure());
}

void T3DConeRoundFrustum::explainArea(TWorking& working, const QString& symbol) const
{
    if (!explainLengths(working, {m_a, m_l, m_b}))
        return;
    const QString slant = QStringLiteral("s");
    working.step(slant, QStringLiteral("√(((%1 − %2) / 2)² + %3²)"), {m_a, m_l, m_b},
        std::hypot((getVar(m_l) - getVar(m_a)) / 2, getVar(m_b)));
    working.step(symbol, QStringLiteral("π · (%1² + %2²) / 4 + π · (%1 + %2) · %3 / 2"), {m_a, m_l, slant}, getArea());
}

// SPDX-License-Identifier: MIT
#include "shapes/solid/pr3Cone.h"

#include "shapes/flat/Formulas2D.h"
#include "shapes/flat/pr2Circle.h"
#include "shapes/solid/Formulas3D.h"
#include "shapes/solid/identity.h"

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

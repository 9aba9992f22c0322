// SPDX-License-Identifier: MIT
#include "shapes/solid/pr3Cylinder.h"

#include "shapes/flat/pr2Circle.h"
#include "shapes/solid/identity.h"

T3DCylinderRound::T3DCylinderRound()
    : T3DCylinderRound(QStringLiteral("l"), QStringLiteral("h"))
{
}

T3DCylinderRound::T3DCylinderRound(const QString& l, const QString& h)
    : T3DCylinder(create<T2DCircle>(l), h)
    , m_l(l)
{
}

bool T3DCylinderRound::init()
{
    const bool result = T3DCylinder::init();
    setIdentity(*this, QStringLiteral("cylinder:round"), QStringLiteral("cylinder_round.gif"));
    return result;
}

T3DCylinderRoundHalf::T3DCylinderRoundHalf()
    : T3DCylinderRoundHalf(QStringLiteral("l"), QStringLiteral("h"))
{
}

T3DCylinderRoundHalf::T3DCylinderRoundHalf(const QString& l, const QString& h)
    : T3DCylinder(create<T2DCircleHalf>(l), h)
    , m_l(l)
{
}

bool T3DCylinderRoundHalf::init()
{
    const bool result = T3DCylinder::init();
    setIdentity(*this, QStringLiteral("cylinder:round:half"), QStringLiteral("cylinder_round_half.gif"));
    return result;
}

T3DCylinderElliptic::T3DCylinderElliptic()
    : T3DCylinderElliptic(QStringLiteral("l"), QStringLiteral("w"), QStringLiteral("h"))
{
}

T3DCylinderElliptic::T3DCylinderElliptic(const QString& l, const QString& w, const QString& h)
    : T3DCylinder(create<T2DEllipse>(l, w), h)
    , m_l(l)
    , m_w(w)
{
}

bool T3DCylinderElliptic::init()
{
    const bool result = T3DCylinder::init();
    setIdentity(*this, QStringLiteral("cylinder:elliptic"), QStringLiteral("cylinder_elliptic.gif"));
    addExtraVar(m_pbs);
    addExtraVar(m_abs);
    return result;
}

T3DCylinderEllipticHalf::T3DCylinderEllipticHalf()
    : T3DCylinderEllipticHalf(QStringLiteral("l"), QStringLiteral("w"), QStringLiteral("h"))
{
}

T3DCylinderEllipticHalf::T3DCylinderEllipticHalf(const QString& l, const QString& w, const QString& h)
    : T3DCylinder(create<T2DEllipseHalf>(l, w), h)
    , m_l(l)
    , m_w(w)
{
}

bool T3DCylinderEllipticHalf::init()
{
    const bool result = T3DCylinder::init();
    setIdentity(*this, QStringLiteral("cylinder:elliptic:half"), QStringLiteral("cylinder_elliptic_half.gif"));
    return result;
}

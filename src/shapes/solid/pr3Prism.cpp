// SPDX-License-Identifier: MIT
#include "shapes/solid/pr3Prism.h"

#include "shapes/flat/pr2Parallelograms.h"
#include "shapes/flat/pr2Polygonal.h"
#include "shapes/flat/pr2Triangle.h"
#include "shapes/solid/identity.h"

T3DPrismTriangle::T3DPrismTriangle()
    : T3DPrismTriangle(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("h"))
{
}

T3DPrismTriangle::T3DPrismTriangle(const QString& a, const QString& b, const QString& c, const QString& h)
    : T3DPrism(create<T2DTriangle>(a, b, c), h)
    , m_a(a)
    , m_b(b)
    , m_c(c)
{
}

bool T3DPrismTriangle::init()
{
    const bool result = T3DPrism::init();
    setIdentity(*this, QStringLiteral("prism:triangle"), QStringLiteral("prism_triangle.gif"));
    return result;
}

T3DPrismRight::T3DPrismRight()
    : T3DPrismRight(QStringLiteral("a"), QStringLiteral("n"), QStringLiteral("h"))
{
}

T3DPrismRight::T3DPrismRight(const QString& a, const QString& n, const QString& h)
    : T3DPrism(create<T2DPolygonRegular>(a, n), h)
    , m_a(a)
    , m_n(n)
{
}

bool T3DPrismRight::init()
{
    const bool result = T3DPrism::init();
    setIdentity(*this, QStringLiteral("prism:right"), QStringLiteral("prism_right.gif"));
    return result;
}

T3DPrismRhombic::T3DPrismRhombic()
    : T3DPrismRhombic(QStringLiteral("l"), QStringLiteral("w"), QStringLiteral("h"), QStringLiteral("s"))
{
}

T3DPrismRhombic::T3DPrismRhombic(const QString& l, const QString& w, const QString& h, const QString& s)
    : T3DPrism(create<T2DRhomb>(l, w, s), h)
    , m_l(l)
    , m_w(w)
    , m_s(s)
{
}

bool T3DPrismRhombic::init()
{
    const bool result = T3DPrism::init();
    setIdentity(*this, QStringLiteral("prism:rhomb"), QStringLiteral("prism_rhomb.gif"));
    return result;
}

T3DCube::T3DCube()
    : T3DCube(QStringLiteral("l"))
{
}

// The side is the height too, so the solid has the one input.
T3DCube::T3DCube(const QString& l)
    : T3DCuboid(create<T2DSquare>(l), l)
{
}

bool T3DCube::init()
{
    const bool result = T3DCuboid::init();
    setIdentity(*this, QStringLiteral("prism:square"), QStringLiteral("prism_cube.gif"));
    return result;
}

T3DBox::T3DBox()
    : T3DBox(QStringLiteral("l"), QStringLiteral("w"), QStringLiteral("h"))
{
}

T3DBox::T3DBox(const QString& l, const QString& w, const QString& h)
    : T3DCuboid(create<T2DRectangle>(l, w), h)
    , m_l(l)
    , m_w(w)
{
}

bool T3DBox::init()
{
    const bool result = T3DCuboid::init();
    setIdentity(*this, QStringLiteral("prism:rectangle"), QStringLiteral("prism_box.gif"));
    return result;
}

// SPDX-License-Identifier: MIT
#include "shapes/flat/pr2Circle.h"

#include "shapes/flat/Formulas2D.h"

bool T2DCircular::init()
{
    const bool result = T2DPrimitive::init();
    setCategory(QStringLiteral("circular"));
    return result;
}

T2DCircle::T2DCircle()
    : T2DCircle(QStringLiteral("a"))
{
}

T2DCircle::T2DCircle(const QString& a)
    : m_a(a)
{
}

bool T2DCircle::init()
{
    const bool result = T2DCircular::init();
    setClassId(QStringLiteral("circle"));
    setId(QStringLiteral("circle"));
    setImage(QStringLiteral("circle.gif"));
    addVar(m_a);
    return result;
}

double T2DCircle::getMeasure() const
{
    return CirclePerimeter(getVar(m_a));
}

double T2DCircle::getArea() const
{
    return CircleArea(getVar(m_a));
}

bool T2DCircleHalf::init()
{
    const bool result = T2DCircle::init();
    setClassId(QStringLiteral("circle:half"));
    setId(QStringLiteral("circle:half"));
    setImage(QStringLiteral("circle_half.gif"));
    return result;
}

double T2DCircleHalf::getMeasure() const
{
    return CircleHalfPerimeter(getVar(m_a));
}

double T2DCircleHalf::getArea() const
{
    return CircleHalfArea(getVar(m_a));
}

T2DEllipse::T2DEllipse()
    : T2DEllipse(QStringLiteral("a"), QStringLiteral("b"))
{
}

T2DEllipse::T2DEllipse(const QString& a, const QString& b)
    : m_a(a)
    , m_b(b)
{
}

bool T2DEllipse::init()
{
    const bool result = T2DCircular::init();
    setClassId(QStringLiteral("ellipse"));
    setId(QStringLiteral("ellipse"));
    setImage(QStringLiteral("ellipse.gif"));
    addVar(m_a);
    addVar(m_b);
    return result;
}

double T2DEllipse::getMeasure() const
{
    return EllipsePerimeter(getVar(m_a), getVar(m_b));
}

double T2DEllipse::getArea() const
{
    return EllipseArea(getVar(m_a), getVar(m_b));
}

bool T2DEllipseHalf::init()
{
    const bool result = T2DEllipse::init();
    setClassId(QStringLiteral("ellipse:half"));
    setId(QStringLiteral("ellipse:half"));
    setImage(QStringLiteral("ellipse_half.gif"));
    return result;
}

double T2DEllipseHalf::getMeasure() const
{
    const double a = getVar(m_a);
    return a + EllipseHalfPerimeter(a, getVar(m_b));
}

double T2DEllipseHalf::getArea() const
{
    return EllipseHalfArea(getVar(m_a), getVar(m_b));
}

T2DEllipseHalves::T2DEllipseHalves()
    : T2DEllipseHalves(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"))
{
}

T2DEllipseHalves::T2DEllipseHalves(const QString& a, const QString& b, const QString& c)
    : m_a(a)
    , m_b(b)
    , m_c(c)
{
}

bool T2DEllipseHalves::init()
{
    const bool result = T2DCircular::init();
    setClassId(QStringLiteral("ellipse:halves"));
    setId(QStringLiteral("ellipse:halves"));
    setImage(QStringLiteral("ellipse_halves.gif"));
    // The two heights first, then the common axis.
    addVar(m_a);
    addVar(m_c);
    addVar(m_b);
    return result;
}

double T2DEllipseHalves::getMeasure() const
{
    const double b = getVar(m_b);
    return EllipseHalfPerimeter(b, getVar(m_a)) + EllipseHalfPerimeter(b, getVar(m_c));
}

double T2DEllipseHalves::getArea() const
{
    const double b = getVar(m_b);
    return EllipseHalfArea(b, getVar(m_a)) + EllipseHalfArea(b, getVar(m_c));
}

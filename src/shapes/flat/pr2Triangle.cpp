// SPDX-License-Identifier: MIT
#include "shapes/flat/pr2Triangle.h"

#include "shapes/flat/Formulas2D.h"

#include <cmath>

bool T2DTriangular::init()
{
    const bool result = T2DPrimitive::init();
    setCategory(QStringLiteral("triangular"));
    return result;
}

T2DTriangle::T2DTriangle()
    : T2DTriangle(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"))
{
}

T2DTriangle::T2DTriangle(const QString& a, const QString& b, const QString& c)
    : m_a(a)
    , m_b(b)
    , m_c(c)
{
}

bool T2DTriangle::init()
{
    const bool result = T2DTriangular::init();
    setClassId(QStringLiteral("triangle"));
    setId(QStringLiteral("triangle"));
    setImage(QStringLiteral("triangle.gif"));
    addVar(m_a);
    addVar(m_b);
    addVar(m_c);
    addExtraVar(m_ha);
    addExtraVar(m_hb);
    addExtraVar(m_hc);
    return result;
}

void T2DTriangle::setVar(const QString& name, double value)
{
    TPrimitive::setVar(name, value);
    const double a = getVar(m_a);
    const double b = getVar(m_b);
    const double c = getVar(m_c);
    double ha = 0;
    double hb = 0;
    double hc = 0;
    if (TriangleTest(a, b, c) && a * b * c != 0) {
        ha = TriangleHeight(a, b, c);
        hb = TriangleHeight(b, c, a);
        hc = TriangleHeight(c, a, b);
    }
    TPrimitive::setVar(m_ha, ha);
    TPrimitive::setVar(m_hb, hb);
    TPrimitive::setVar(m_hc, hc);
}

double T2DTriangle::getMeasure() const
{
    return TrianglePerimeter(getVar(m_a), getVar(m_b), getVar(m_c));
}

double T2DTriangle::getArea() const
{
    return TriangleArea(getVar(m_a), getVar(m_b), getVar(m_c));
}

bool T2DTriangleIsosceles2::init()
{
    const bool result = T2DTriangle::init();
    setClassId(QStringLiteral("triangle:isosceles:2"));
    setId(QStringLiteral("triangle:isosceles:2"));
    setImage(QStringLiteral("triangle_isosceles_2.gif"));
    addVar(m_h);
    hideVar(m_b);
    hideVar(m_c);
    // The legs are results here, shown after the heights.
    addExtraVar(m_b);
    addExtraVar(m_c);
    return result;
}

void T2DTriangleIsosceles2::setVar(const QString& name, double value)
{
    T2DTriangle::setVar(name, value);
    const double half = getVar(m_a) / 2;
    const double h = getVar(m_h);
    const double leg = half != 0 && h != 0 ? std::sqrt(half * half + h * h) : 0;
    T2DTriangle::setVar(m_b, leg);
    T2DTriangle::setVar(m_c, leg);
}

double T2DTriangleIsosceles2::getArea() const
{
    // From the recomputed height, which is 0 when the legs do not close.
    return TriangleAreaByHeight(getVar(m_a), getVar(m_ha));
}

bool T2DTriangleIsosceles::init()
{
    const bool result = T2DTriangle::init();
    setClassId(QStringLiteral("triangle:isosceles:1"));
    setId(QStringLiteral("triangle:isosceles:1"));
    setImage(QStringLiteral("triangle_isosceles.gif"));
    hideVar(m_c);
    return result;
}

void T2DTriangleIsosceles::setVar(const QString& name, double value)
{
    T2DTriangle::setVar(name, value);
    if (name == m_b)
        T2DTriangle::setVar(m_c, value);
}

bool T2DTriangleEquilateral::init()
{
    const bool result = T2DTriangleIsosceles::init();
    setClassId(QStringLiteral("triangle:equilateral"));
    setId(QStringLiteral("triangle:equilateral"));
    setImage(QStringLiteral("triangle_equilateral.gif"));
    hideVar(m_b);
    return result;
}

void T2DTriangleEquilateral::setVar(const QString& name, double value)
{
    T2DTriangleIsosceles::setVar(name, value);
    if (name == m_a)
        T2DTriangleIsosceles::setVar(m_b, value);
}

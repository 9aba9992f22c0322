// SPDX-License-Identifier: MIT
#include "shapes/flat/pr2Polygonal.h"

#include "shapes/flat/Formulas2D.h"

bool T2DPolygonal::init()
{
    const bool result = T2DPrimitive::init();
    setCategory(QStringLiteral("polygonal"));
    return result;
}

T2DTrapeziumIsosceles::T2DTrapeziumIsosceles()
    : T2DTrapeziumIsosceles(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"))
{
}

T2DTrapeziumIsosceles::T2DTrapeziumIsosceles(const QString& a, const QString& b, const QString& c)
    : m_a(a)
    , m_b(b)
    , m_c(c)
{
}

bool T2DTrapeziumIsosceles::init()
{
    const bool result = T2DPolygonal::init();
    setClassId(QStringLiteral("trapezium"));
    setId(QStringLiteral("trapezium:isosceles"));
    setImage(QStringLiteral("trapezium_isosceles.gif"));
    addVar(m_a);
    addVar(m_b);
    addVar(m_c);
    return result;
}

double T2DTrapeziumIsosceles::getMeasure() const
{
    return TrapeziumIsoscelesPerimeter(getVar(m_a), getVar(m_b), getVar(m_c));
}

double T2DTrapeziumIsosceles::getArea() const
{
    return TrapeziumArea(getVar(m_a), getVar(m_b), getVar(m_c));
}

T2DPolygonRegular::T2DPolygonRegular()
    : T2DPolygonRegular(QStringLiteral("a"), QStringLiteral("n"))
{
}

T2DPolygonRegular::T2DPolygonRegular(const QString& a, const QString& n)
    : m_a(a)
    , m_n(n)
{
}

bool T2DPolygonRegular::init()
{
    const bool result = T2DPolygonal::init();
    setClassId(QStringLiteral("regpolygon"));
    setId(QStringLiteral("regpolygon"));
    setImage(QStringLiteral("polygon_regular.gif"));
    addVar(m_a);
    addVar(m_n);
    setCategory(QStringLiteral("polygonal:regular"));
    return result;
}

double T2DPolygonRegular::getMeasure() const
{
    return PolygonRegularPerimeter(getVar(m_n), getVar(m_a));
}

double T2DPolygonRegular::getArea() const
{
    return PolygonRegularArea(getVar(m_n), getVar(m_a));
}

// SPDX-License-Identifier: MIT
#include "shapes/flat/pr2Polygonal.h"

#include "model/working.h"
#include "shapes/conditions.h"
#include "shapes/flat/Formulas2D.h"

#include <cmath>

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

void T2DTrapeziumIsosceles::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (!explainLengths(working, {m_a, m_b, m_c}))
        return;
    // The leg spans the height and half the difference of the parallel sides.
    const QString leg = QStringLiteral("d");
    working.step(leg, QStringLiteral("√(((%1 − %2) / 2)² + %3²)"), {m_a, m_b, m_c},
        std::hypot((getVar(m_a) - getVar(m_b)) / 2, getVar(m_c)));
    working.step(symbol, QStringLiteral("%1 + %2 + 2 · %3"), {m_a, m_b, leg}, getMeasure());
}

void T2DTrapeziumIsosceles::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a, m_b, m_c}))
        working.step(symbol, QStringLiteral("(%1 + %2) · %3 / 2"), {m_a, m_b, m_c}, getArea());
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

void T2DPolygonRegular::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainPolygon(working, m_n, m_a))
        working.step(symbol, QStringLiteral("%1 · %2"), {m_n, m_a}, getMeasure());
}

void T2DPolygonRegular::explainArea(TWorking& working, const QString& symbol) const
{
    if (!explainPolygon(working, m_n, m_a))
        return;
    // The polygon not given yet has no angle to take the tangent of.
    if (getVar(m_n) == 0) {
        working.step(symbol, QStringLiteral("%1 · %2²"), {m_n, m_a}, getArea());
        return;
    }
    // The closed forms for 5 to 12 sides are this formula worked out.
    working.step(symbol, QStringLiteral("%1 · %2² / (4 · tan(π / %1))"), {m_n, m_a}, getArea());
}

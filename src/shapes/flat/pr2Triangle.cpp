// SPDX-License-Identifier: MIT
#include "shapes/flat/pr2Triangle.h"

#include "model/working.h"
#include "shapes/conditions.h"
#include "shapes/flat/Formulas2D.h"

#include <cmath>
#include <limits>
#include <tuple>

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
    // Each from twice the area over its side; NaN for sides that give no triangle.
    TPrimitive::setVar(m_ha, TriangleHeight(a, b, c));
    TPrimitive::setVar(m_hb, TriangleHeight(b, c, a));
    TPrimitive::setVar(m_hc, TriangleHeight(c, a, b));
}

double T2DTriangle::getMeasure() const
{
    return TrianglePerimeter(getVar(m_a), getVar(m_b), getVar(m_c));
}

double T2DTriangle::getArea() const
{
    return TriangleArea(getVar(m_a), getVar(m_b), getVar(m_c));
}

void T2DTriangle::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainTriangle(working, m_a, m_b, m_c))
        working.step(symbol, QStringLiteral("%1 + %2 + %3"), {m_a, m_b, m_c}, getMeasure());
}

void T2DTriangle::explainArea(TWorking& working, const QString& symbol) const
{
    if (!explainTriangle(working, m_a, m_b, m_c))
        return;
    // Heron's formula; the area is computed by Kahan's rearrangement of it,
    // which keeps its digits for needle-thin triangles.
    const double a = getVar(m_a);
    const double b = getVar(m_b);
    const double c = getVar(m_c);
    working.step(QStringLiteral("p"), QStringLiteral("(%1 + %2 + %3) / 2"), {m_a, m_b, m_c}, (a + b + c) / 2);
    working.step(symbol, QStringLiteral("√(%1 · (%1 − %2) · (%1 − %3) · (%1 − %4))"), {QStringLiteral("p"), m_a, m_b, m_c},
        getArea());
}

void T2DTriangle::explainExtras(TWorking& working) const
{
    explainHeights(working, m_a, m_b, m_c);
}

void T2DTriangle::explainHeights(TWorking& working, const QString& a, const QString& b, const QString& c) const
{
    const std::tuple<QString, QString, QString> heights[] = {{m_ha, m_a, a}, {m_hb, m_b, b}, {m_hc, m_c, c}};
    for (const auto& [height, onto, side] : heights) {
        working.heading(QStringLiteral("workheight"), onto);
        if (working.value(side) == 0)
            working.step(height, QStringLiteral("0"), {}, getVar(height));
        else
            working.step(height, QStringLiteral("2 · %1 / %2"), {QStringLiteral("A"), side}, getVar(height));
    }
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
    TPrimitive::setVar(name, value);
    const double a = getVar(m_a);
    const double h = getVar(m_h);
    // Everything from the base and the typed height, never from the stored legs:
    // the height comes back as typed and the legs' heights are 2 · area / leg.
    const double leg = legOf(a, h);
    TPrimitive::setVar(m_b, leg);
    TPrimitive::setVar(m_c, leg);
    TPrimitive::setVar(m_ha, std::isnan(leg) ? leg : h);
    const double legHeight = leg > 0 ? a * (h / leg) : leg;
    TPrimitive::setVar(m_hb, legHeight);
    TPrimitive::setVar(m_hc, legHeight);
}

double T2DTriangleIsosceles2::getMeasure() const
{
    const double a = getVar(m_a);
    return a + 2 * legOf(a, getVar(m_h));
}

double T2DTriangleIsosceles2::getArea() const
{
    return TriangleAreaByHeight(getVar(m_a), getVar(m_h));
}

void T2DTriangleIsosceles2::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (!explainLengths(working, {m_a, m_h}))
        return;
    working.step(m_b, QStringLiteral("√((%1 / 2)² + %2²)"), {m_a, m_h}, legOf(getVar(m_a), getVar(m_h)));
    working.step(m_c, QStringLiteral("%1"), {m_b}, getVar(m_c));
    working.step(symbol, QStringLiteral("%1 + 2 · %2"), {m_a, m_b}, getMeasure());
}

void T2DTriangleIsosceles2::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a, m_h}))
        working.step(symbol, QStringLiteral("%1 · %2 / 2"), {m_a, m_h}, getArea());
}

void T2DTriangleIsosceles2::explainExtras(TWorking& working) const
{
    working.heading(QStringLiteral("workheight"), m_a);
    working.step(m_ha, QStringLiteral("%1"), {m_h}, getVar(m_ha));
    const std::pair<QString, QString> legHeights[] = {{m_hb, m_b}, {m_hc, m_c}};
    for (const auto& [height, leg] : legHeights) {
        working.heading(QStringLiteral("workheight"), leg);
        if (working.value(leg) == 0)
            working.step(height, QStringLiteral("0"), {}, getVar(height));
        else
            working.step(height, QStringLiteral("2 · %1 / %2"), {QStringLiteral("A"), leg}, getVar(height));
    }
    working.heading(QStringLiteral("workside"), m_b);
    working.step(m_b, QStringLiteral("√((%1 / 2)² + %2²)"), {m_a, m_h}, getVar(m_b));
    working.heading(QStringLiteral("workside"), m_c);
    working.step(m_c, QStringLiteral("%1"), {m_b}, getVar(m_c));
}

double T2DTriangleIsosceles2::legOf(double a, double h)
{
    return lengthFault({a, h}) == ShapeFault::None ? std::hypot(a / 2, h) : std::numeric_limits<double>::quiet_NaN();
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

void T2DTriangleIsosceles::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainTriangle(working, m_a, m_b, m_b))
        working.step(symbol, QStringLiteral("%1 + 2 · %2"), {m_a, m_b}, getMeasure());
}

void T2DTriangleIsosceles::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainTriangle(working, m_a, m_b, m_b))
        working.step(symbol, QStringLiteral("%1 · √(4 · %2² − %1²) / 4"), {m_a, m_b}, getArea());
}

void T2DTriangleIsosceles::explainExtras(TWorking& working) const
{
    explainHeights(working, m_a, m_b, m_b);
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

void T2DTriangleEquilateral::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a}))
        working.step(symbol, QStringLiteral("3 · %1"), {m_a}, getMeasure());
}

void T2DTriangleEquilateral::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a}))
        working.step(symbol, QStringLiteral("√3 · %1² / 4"), {m_a}, getArea());
}

void T2DTriangleEquilateral::explainExtras(TWorking& working) const
{
    explainHeights(working, m_a, m_a, m_a);
}

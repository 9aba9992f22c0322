// SPDX-License-Identifier: MIT
#include "shapes/flat/pr2Parallelograms.h"

#include "model/working.h"
#include "shapes/conditions.h"
#include "shapes/flat/Formulas2D.h"

bool T2DParallelograms::init()
{
    const bool result = T2DPrimitive::init();
    setCategory(QStringLiteral("parallelograms"));
    return result;
}

T2DRhomb::T2DRhomb()
    : T2DRhomb(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("s"))
{
}

T2DRhomb::T2DRhomb(const QString& a, const QString& b, const QString& s)
    : m_a(a)
    , m_b(b)
    , m_s(s)
{
}

bool T2DRhomb::init()
{
    const bool result = T2DParallelograms::init();
    setClassId(QStringLiteral("rhomb"));
    setId(QStringLiteral("rhomb"));
    setImage(QStringLiteral("rhomb.gif"));
    addVar(m_a);
    addVar(m_b);
    addVar(m_s);
    hideVar(m_s);
    return result;
}

void T2DRhomb::setVar(const QString& name, double value)
{
    if (name == m_a || name == m_b) {
        TPrimitive::setVar(name, value);
        TPrimitive::setVar(m_s, RhombSide(getVar(m_a), getVar(m_b)));
    } else if (name != m_s) {
        TPrimitive::setVar(name, value);
    }
    // The side only ever follows the diagonals.
}

double T2DRhomb::getMeasure() const
{
    return RhombPerimeter(getVar(m_a), getVar(m_b));
}

double T2DRhomb::getArea() const
{
    return RhombArea(getVar(m_a), getVar(m_b));
}

void T2DRhomb::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (!explainLengths(working, {m_a, m_b}))
        return;
    // The diagonals halve each other at a right angle.
    working.step(m_s, QStringLiteral("√(%1² + %2²) / 2"), {m_a, m_b}, RhombSide(getVar(m_a), getVar(m_b)));
    working.step(symbol, QStringLiteral("4 · %1"), {m_s}, getMeasure());
}

void T2DRhomb::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a, m_b}))
        working.step(symbol, QStringLiteral("%1 · %2 / 2"), {m_a, m_b}, getArea());
}

T2DSquare::T2DSquare()
    : T2DSquare(QStringLiteral("a"))
{
}

T2DSquare::T2DSquare(const QString& a)
    : m_a(a)
{
}

bool T2DSquare::init()
{
    const bool result = T2DParallelograms::init();
    setClassId(QStringLiteral("square"));
    setId(QStringLiteral("square"));
    setImage(QStringLiteral("square.gif"));
    addVar(m_a);
    return result;
}

double T2DSquare::getMeasure() const
{
    const double a = getVar(m_a);
    return RectanglePerimeter(a, a);
}

double T2DSquare::getArea() const
{
    const double a = getVar(m_a);
    return RectangleArea(a, a);
}

void T2DSquare::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a}))
        working.step(symbol, QStringLiteral("4 · %1"), {m_a}, getMeasure());
}

void T2DSquare::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a}))
        working.step(symbol, QStringLiteral("%1²"), {m_a}, getArea());
}

T2DRectangle::T2DRectangle()
    : T2DRectangle(QStringLiteral("a"), QStringLiteral("b"))
{
}

T2DRectangle::T2DRectangle(const QString& a, const QString& b)
    : m_a(a)
    , m_b(b)
{
}

bool T2DRectangle::init()
{
    const bool result = T2DParallelograms::init();
    setClassId(QStringLiteral("rectangle"));
    setId(QStringLiteral("rectangle"));
    setImage(QStringLiteral("rectangle.gif"));
    addVar(m_a);
    addVar(m_b);
    return result;
}

double T2DRectangle::getMeasure() const
{
    return RectanglePerimeter(getVar(m_a), getVar(m_b));
}

double T2DRectangle::getArea() const
{
    return RectangleArea(getVar(m_a), getVar(m_b));
}

void T2DRectangle::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a, m_b}))
        working.step(symbol, QStringLiteral("2 · (%1 + %2)"), {m_a, m_b}, getMeasure());
}

void T2DRectangle::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a, m_b}))
        working.step(symbol, QStringLiteral("%1 · %2"), {m_a, m_b}, getArea());
}

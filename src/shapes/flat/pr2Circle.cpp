// SPDX-License-Identifier: MIT
#include "shapes/flat/pr2Circle.h"

#include "model/working.h"
#include "shapes/conditions.h"
#include "shapes/flat/Formulas2D.h"

#include <algorithm>
#include <cmath>

namespace {

// The modulus k = √(1 − r²) and E(k) of an ellipse whose axes have the ratio
// r (shorter over longer), under the symbols given; the formula of k is
// written with the operands.
void explainModulus(TWorking& working, const QString& suffix, const QString& kFormula, const QStringList& operands,
    double r)
{
    const QString k = QStringLiteral("k") + suffix;
    working.step(k, kFormula, operands, Complement(r));
    working.step(QStringLiteral("E(%1)").arg(k), QStringLiteral("E(%1)"), {k}, EllipticIntegralEc(r));
    working.note(QStringLiteral("workellint"));
}

// The arc of half the ellipse of full axis `along` and semi-axis `semi` across
// it: the longer full axis times E(k), under the symbol "L" and the suffix.
void explainHalfArc(TWorking& working, const QString& along, const QString& semi, const QString& suffix)
{
    const QString arc = QStringLiteral("L") + suffix;
    const QString e = QStringLiteral("E(k%1)").arg(suffix);
    const double x = working.value(along);
    const double y = 2 * working.value(semi);
    if (x == 0 && y == 0) {
        working.step(arc, QStringLiteral("0"), {}, 0);
    } else if (x >= y) {
        explainModulus(working, suffix, QStringLiteral("√(1 − (2 · %2 / %1)²)"), {along, semi}, y / x);
        working.step(arc, QStringLiteral("%1 · %2"), {along, e}, x * working.value(e));
    } else {
        explainModulus(working, suffix, QStringLiteral("√(1 − (%1 / (2 · %2))²)"), {along, semi}, x / y);
        working.step(arc, QStringLiteral("2 · %1 · %2"), {semi, e}, y * working.value(e));
    }
}

} // namespace

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

void T2DCircle::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a}))
        working.step(symbol, QStringLiteral("π · %1"), {m_a}, getMeasure());
}

void T2DCircle::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a}))
        working.step(symbol, QStringLiteral("π · %1² / 4"), {m_a}, getArea());
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

void T2DCircleHalf::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a}))
        working.step(symbol, QStringLiteral("π · %1 / 2 + %1"), {m_a}, getMeasure());
}

void T2DCircleHalf::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a}))
        working.step(symbol, QStringLiteral("π · %1² / 8"), {m_a}, getArea());
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

void T2DEllipse::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (!explainLengths(working, {m_a, m_b}))
        return;
    // 4 · semi-major axis · E(k), k the eccentricity: twice the full major axis.
    const double a = getVar(m_a);
    const double b = getVar(m_b);
    if (a == 0 && b == 0) {
        working.step(symbol, QStringLiteral("0"), {}, getMeasure());
        return;
    }
    const QString longer = a >= b ? m_a : m_b;
    const QString shorter = a >= b ? m_b : m_a;
    explainModulus(working, QString(), QStringLiteral("√(1 − (%1 / %2)²)"), {shorter, longer}, std::min(a, b) / std::max(a, b));
    working.step(symbol, QStringLiteral("2 · %1 · %2"), {longer, QStringLiteral("E(k)")}, getMeasure());
}

void T2DEllipse::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a, m_b}))
        working.step(symbol, QStringLiteral("π · %1 · %2 / 4"), {m_a, m_b}, getArea());
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

void T2DEllipseHalf::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (!explainLengths(working, {m_a, m_b}))
        return;
    explainHalfArc(working, m_a, m_b, QString());
    working.step(symbol, QStringLiteral("%1 + %2"), {m_a, QStringLiteral("L")}, getMeasure());
}

void T2DEllipseHalf::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a, m_b}))
        working.step(symbol, QStringLiteral("π · %1 · %2 / 4"), {m_a, m_b}, getArea());
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

void T2DEllipseHalves::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (!explainLengths(working, {m_a, m_c, m_b}))
        return;
    explainHalfArc(working, m_b, m_a, QStringLiteral("₁"));
    explainHalfArc(working, m_b, m_c, QStringLiteral("₂"));
    working.step(symbol, QStringLiteral("%1 + %2"), {QStringLiteral("L₁"), QStringLiteral("L₂")}, getMeasure());
}

void T2DEllipseHalves::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainLengths(working, {m_a, m_c, m_b}))
        working.step(symbol, QStringLiteral("π · %1 · (%2 + %3) / 4"), {m_b, m_a, m_c}, getArea());
}

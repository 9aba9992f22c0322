// SPDX-License-Identifier: MIT
#include "shapes/solid/pr3Prislinder.h"

#include "model/working.h"
#include "shapes/conditions.h"
#include "shapes/flat/Formulas2D.h"
#include "shapes/solid/Formulas3D.h"

#include <cmath>
#include <limits>
#include <utility>

T2DPrislinderSurf::T2DPrislinderSurf()
    : m_h(QStringLiteral("h"))
{
}

T2DPrislinderSurf::T2DPrislinderSurf(const T2DPrimitive* base, const QString& h)
    : m_base(base)
    , m_h(h)
{
}

bool T2DPrislinderSurf::init()
{
    const bool result = T2DPrimitive::init();
    setClassId(QStringLiteral("surf:prislinder"));
    setId(QStringLiteral("surf:prislinder"));
    addVar(m_h);
    return result;
}

double T2DPrislinderSurf::getMeasure() const
{
    return m_base ? m_base->getMeasure() : 0.0;
}

double T2DPrislinderSurf::getArea() const
{
    return m_base ? PrismLateralArea(m_base->getMeasure(), getVar(m_h)) : 0.0;
}

double T2DPrislinderSurf::getBaseArea() const
{
    return m_base ? m_base->getArea() : 0.0;
}

T3DPrislinder::T3DPrislinder()
    : T3DPrislinder(QStringLiteral("h"))
{
}

T3DPrislinder::T3DPrislinder(const QString& h)
    : m_h(h)
{
}

T3DPrislinder::T3DPrislinder(std::unique_ptr<T2DPrimitive> base, const QString& h)
    : m_h(h)
    , m_pendingBase(std::move(base))
{
    if (m_pendingBase) {
        m_pendingSurf = create<T2DPrislinderSurf>(m_pendingBase.get(), m_h);
        m_latSurf = m_pendingSurf.get();
    }
}

bool T3DPrislinder::init()
{
    const bool result = T3DPrimitive::init();
    setClassId(QStringLiteral("prislinder"));
    setId(QStringLiteral("prislinder"));
    setImage(QStringLiteral("prislinder.gif"));
    addVar(m_pbs);
    addVar(m_abs);
    addExtraVar(m_alat);
    addVar(m_h);
    if (m_pendingBase && m_pendingSurf) {
        for (int i = 0; i < m_pendingBase->varCount(); ++i) {
            const QString name = m_pendingBase->varName(i);
            if (m_pendingBase->isInputVar(name) && !hasVar(name))
                addVar(name);
        }
        hideVar(m_abs);
        hideVar(m_pbs);
        addPart(QStringLiteral("base"), std::move(m_pendingBase), true);
        addPart(QStringLiteral("lat_surf"), std::move(m_pendingSurf), true);
    }
    return result;
}

void T3DPrislinder::setVar(const QString& name, double value)
{
    T3DPrimitive::setVar(name, value);
    if (!m_latSurf) {
        // The user typed the base perimeter and area; a negative one makes no prism.
        const double pbs = getVar(m_pbs);
        const double h = getVar(m_h);
        const bool valid = lengthFault({pbs, getVar(m_abs), h}) == ShapeFault::None;
        T3DPrimitive::setVar(m_alat, valid ? PrismLateralArea(pbs, h) : std::numeric_limits<double>::quiet_NaN());
        return;
    }
    // A negative height leaves the base whole, but there is no prism.
    const bool valid = lengthFault({getVar(m_h)}) == ShapeFault::None;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    T3DPrimitive::setVar(m_pbs, valid ? m_latSurf->getMeasure() : nan);
    T3DPrimitive::setVar(m_abs, valid ? m_latSurf->getBaseArea() : nan);
    T3DPrimitive::setVar(m_alat, m_latSurf->getArea());
}

double T3DPrislinder::getMeasure() const
{
    return PrismVolume(getVar(m_abs), getVar(m_h));
}

double T3DPrislinder::getArea() const
{
    return PrismArea(getVar(m_abs), getVar(m_pbs), getVar(m_h));
}

bool T3DPrislinder::explainBase(TWorking& working) const
{
    if (!m_latSurf)
        return explainLengths(working, {m_pbs, m_abs, m_h});
    if (!explainLengths(working, {m_h}))
        return false;
    // Once written, the base's lines serve every later value.
    if (std::isnan(working.value(m_abs))) {
        const T2DPrimitive* base = getPart(QStringLiteral("base"));
        base->explainMeasure(working, m_pbs);
        base->explainArea(working, m_abs);
    }
    return !working.refused();
}

void T3DPrislinder::explainMeasure(TWorking& working, const QString& symbol) const
{
    if (explainBase(working))
        working.step(symbol, QStringLiteral("%1 · %2"), {m_abs, m_h}, getMeasure());
}

void T3DPrislinder::explainArea(TWorking& working, const QString& symbol) const
{
    if (explainBase(working))
        working.step(symbol, QStringLiteral("2 · %1 + %2 · %3"), {m_abs, m_pbs, m_h}, getArea());
}

void T3DPrislinder::explainExtras(TWorking& working) const
{
    for (int i = 0; i < extraVarCount(); ++i) {
        const QString name = extraVarName(i);
        if (!isExtraVar(name))
            continue;
        if (name == m_alat) {
            working.heading(QStringLiteral("worklateral"), m_alat);
            if (explainBase(working))
                working.step(m_alat, QStringLiteral("%1 · %2"), {m_pbs, m_h}, getVar(m_alat));
        } else if (name == m_pbs || name == m_abs) {
            working.heading(name == m_pbs ? QStringLiteral("workbaseperimeter") : QStringLiteral("workbase"), name);
            if (explainBase(working))
                working.step(name, QStringLiteral("%1"), {name}, getVar(name));
        }
    }
}

bool T3DPrislinder::hasVar(const QString& name) const
{
    for (int i = 0; i < varCount(); ++i) {
        if (varName(i).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

T3DCylinder::T3DCylinder() = default;

T3DCylinder::T3DCylinder(const QString& h)
    : T3DPrislinder(h)
{
}

T3DCylinder::T3DCylinder(std::unique_ptr<T2DPrimitive> base, const QString& h)
    : T3DPrislinder(std::move(base), h)
{
}

bool T3DCylinder::init()
{
    const bool result = T3DPrislinder::init();
    setClassId(QStringLiteral("cylinder"));
    setId(QStringLiteral("cylinder"));
    setImage(QStringLiteral("cylinder.gif"));
    setCategory(QStringLiteral("cylindrical"));
    return result;
}

T3DPrism::T3DPrism() = default;

T3DPrism::T3DPrism(const QString& h)
    : T3DPrislinder(h)
{
}

T3DPrism::T3DPrism(std::unique_ptr<T2DPrimitive> base, const QString& h)
    : T3DPrislinder(std::move(base), h)
{
}

bool T3DPrism::init()
{
    const bool result = T3DPrislinder::init();
    setClassId(QStringLiteral("prism"));
    setId(QStringLiteral("prism"));
    setImage(QStringLiteral("prism.gif"));
    setCategory(QStringLiteral("prismatic"));
    return result;
}

T3DCuboid::T3DCuboid(std::unique_ptr<T2DPrimitive> base, const QString& h)
    : T3DPrism(std::move(base), h)
{
}

bool T3DCuboid::init()
{
    const bool result = T3DPrism::init();
    setClassId(QStringLiteral("cuboid"));
    setId(QStringLiteral("cuboid"));
    addCategory(QStringLiteral("cuboids"));
    return result;
}

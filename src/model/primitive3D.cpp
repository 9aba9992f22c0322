// SPDX-License-Identifier: MIT
#include "model/primitive3D.h"

#include "model/messages.h"
#include "model/working.h"

#include <stdexcept>

bool T3DPrimitive::init()
{
    const bool result = TPrimitive::init();
    setGroup(QStringLiteral("solid"));
    m_parts.clear();
    m_partIndex = TArray::create();
    m_partFlags = TArray::create();
    return result;
}

void T3DPrimitive::setVar(const QString& name, double value)
{
    TPrimitive::setVar(name, value);
    const std::size_t count = m_parts.size();
    for (std::size_t i = 0; i < count; ++i)
        m_parts[i]->setVar(name, value);
}

int T3DPrimitive::addPart(const QString& name, std::unique_ptr<T2DPrimitive> part, bool flag)
{
    m_parts.push_back(std::move(part));
    const int position = static_cast<int>(m_parts.size()) - 1;
    m_partIndex->setInteger(name, position);
    m_partFlags->setInteger(name, flag ? 1 : 0);
    return position;
}

T2DPrimitive* T3DPrimitive::getPart(const QString& name) const
{
    if (m_partIndex->find(name)) {
        const qint64 position = m_partIndex->getInteger(name);
        if (position >= 0 && position < static_cast<qint64>(m_parts.size()))
            return getPartAt(static_cast<int>(position));
    }
    showMessage(QStringLiteral("Class [%1]: part \"%2\" doesn't found!").arg(getClassId(), name));
    return nullptr;
}

void T3DPrimitive::storePartArea(const QString& part, const QString& name)
{
    if (const T2DPrimitive* found = getPart(part))
        T3DPrimitive::setVar(name, found->getArea());
}

T2DPrimitive* T3DPrimitive::getPartAt(int position) const
{
    if (position < 0 || position >= static_cast<int>(m_parts.size()))
        throw std::out_of_range("part position out of range");
    return m_parts[static_cast<std::size_t>(position)].get();
}

void T3DPrimitive::explain(TWorking& working) const
{
    explainGiven(working);
    working.heading(QStringLiteral("volume"));
    explainMeasure(working, QStringLiteral("V"));
    working.heading(QStringLiteral("worksurface"));
    explainArea(working, QStringLiteral("S"));
    explainExtras(working);
}

void T3DPrimitive::explainMeasure(TWorking&, const QString&) const
{
}

void T3DPrimitive::explainArea(TWorking&, const QString&) const
{
}

void T3DPrimitive::explainExtras(TWorking&) const
{
}

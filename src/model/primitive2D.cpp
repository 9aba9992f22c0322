// SPDX-License-Identifier: MIT
#include "model/primitive2D.h"

#include "model/working.h"

bool T2DPrimitive::init()
{
    const bool result = TPrimitive::init();
    setGroup(QStringLiteral("flat"));
    return result;
}

void T2DPrimitive::explain(TWorking& working) const
{
    explainGiven(working);
    working.heading(QStringLiteral("perimeter"));
    explainMeasure(working, QStringLiteral("P"));
    working.heading(QStringLiteral("area"));
    explainArea(working, QStringLiteral("A"));
    explainExtras(working);
}

void T2DPrimitive::explainMeasure(TWorking&, const QString&) const
{
}

void T2DPrimitive::explainArea(TWorking&, const QString&) const
{
}

void T2DPrimitive::explainExtras(TWorking&) const
{
}

// SPDX-License-Identifier: MIT
#include "model/primitive2D.h"

bool T2DPrimitive::init()
{
    const bool result = TPrimitive::init();
    setGroup(QStringLiteral("flat"));
    return result;
}

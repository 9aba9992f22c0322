// SPDX-License-Identifier: MIT
// The picker's key of a shape in view: its place in the calculator's list.
#pragma once

#include "model/primitivesLibrary.h"

#include <QString>

inline int shapeKey(const TNameList& shapes, const QString& id)
{
    for (int i = 0; i < static_cast<int>(shapes.size()); ++i) {
        if (shapes[i].first == id)
            return i;
    }
    return -1;
}

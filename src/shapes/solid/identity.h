// SPDX-License-Identifier: MIT
// The identity every concrete solid declares in its init.
#pragma once

#include "model/primitive.h"

#include <QString>

// ClassId and Id are the same text for every solid; the picture may be empty.
inline void setIdentity(TPrimitive& shape, const QString& id, const QString& image = QString())
{
    shape.setClassId(id);
    shape.setId(id);
    shape.setImage(image);
}

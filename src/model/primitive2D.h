// SPDX-License-Identifier: MIT
// Base of the flat shapes: perimeter and area.
#pragma once

#include "model/primitive.h"

class T2DPrimitive : public TPrimitive {
public:
    bool init() override;
    // Perimeter.
    virtual double getMeasure() const = 0;
    virtual double getArea() const = 0;

protected:
    T2DPrimitive() = default;
};

// SPDX-License-Identifier: MIT
// Base of the curved surfaces that solids hold as their part "lat_surf": a flat
// primitive whose one result is its area, under the variable names of its solid.
#pragma once

#include "model/primitive2D.h"

class T2DSurface : public T2DPrimitive {
public:
    // A curved surface has no perimeter of its own; no caller asks for one.
    double getMeasure() const override { return 0.0; }

protected:
    T2DSurface() = default;
};

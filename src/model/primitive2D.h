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

    // The dimensions, then perimeter, area and the extra values.
    void explain(TWorking& working) const override;
    // The working of the perimeter and the area, ending in a line of the
    // symbol given whose value is getMeasure() or getArea(); a solid calls
    // them for its base. Dimensions that give no figure refuse the working.
    virtual void explainMeasure(TWorking& working, const QString& symbol) const;
    virtual void explainArea(TWorking& working, const QString& symbol) const;
    virtual void explainExtras(TWorking& working) const;

protected:
    T2DPrimitive() = default;
};

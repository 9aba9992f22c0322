// SPDX-License-Identifier: MIT
// Base of the solid shapes: volume and total surface, and the flat parts (faces,
// lateral surface) that share the solid's variable names.
#pragma once

#include "model/primitive2D.h"

#include <memory>
#include <vector>

class T3DPrimitive : public TPrimitive {
public:
    bool init() override;
    // Stores on the solid, then offers the value to every part.
    void setVar(const QString& name, double value) override;
    // Volume.
    virtual double getMeasure() const = 0;
    // Total surface area.
    virtual double getArea() const = 0;

    // The dimensions, then volume, total surface and the extra values.
    void explain(TWorking& working) const override;
    // Each ends in a line of the symbol given whose value is getMeasure() or
    // getArea(); dimensions that give no solid refuse the working.
    virtual void explainMeasure(TWorking& working, const QString& symbol) const;
    virtual void explainArea(TWorking& working, const QString& symbol) const;
    virtual void explainExtras(TWorking& working) const;

    int addPart(const QString& name, std::unique_ptr<T2DPrimitive> part, bool flag);
    // The part under the name (letter case ignored); a message and none when absent.
    T2DPrimitive* getPart(const QString& name) const;
    // Throws std::out_of_range for a position outside the parts.
    T2DPrimitive* getPartAt(int position) const;
    int partCount() const { return static_cast<int>(m_parts.size()); }

protected:
    T3DPrimitive() = default;

    // Stores the area of the named part under the variable, as a derived value.
    void storePartArea(const QString& part, const QString& name);

private:
    std::vector<std::unique_ptr<T2DPrimitive>> m_parts;
    IIntegerArray m_partIndex;
    IIntegerArray m_partFlags;
};

// SPDX-License-Identifier: MIT
// The polygonal family: isosceles trapezium and regular polygons.
#pragma once

#include "model/primitive2D.h"

#include <QString>

class T2DPolygonal : public T2DPrimitive {
public:
    bool init() override;

protected:
    T2DPolygonal() = default;
};

// Parallel sides a and b, height c.
class T2DTrapeziumIsosceles : public T2DPolygonal {
public:
    T2DTrapeziumIsosceles();
    T2DTrapeziumIsosceles(const QString& a, const QString& b, const QString& c);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

private:
    QString m_a;
    QString m_b;
    QString m_c;
};

// Side a and number of sides n, a whole number of at least 3.
class T2DPolygonRegular : public T2DPolygonal {
public:
    T2DPolygonRegular();
    T2DPolygonRegular(const QString& a, const QString& n);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

private:
    QString m_a;
    QString m_n;
};

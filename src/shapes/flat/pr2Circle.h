// SPDX-License-Identifier: MIT
// The circular family: circle, half circle, ellipse, half ellipse and the figure
// of two half ellipses joined along a common axis.
#pragma once

#include "model/primitive2D.h"

#include <QString>

class T2DCircular : public T2DPrimitive {
public:
    bool init() override;

protected:
    T2DCircular() = default;
};

// Diameter a.
class T2DCircle : public T2DCircular {
public:
    T2DCircle();
    explicit T2DCircle(const QString& a);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

protected:
    QString m_a;
};

// Diameter a, the straight edge; the perimeter counts it.
class T2DCircleHalf : public T2DCircle {
public:
    using T2DCircle::T2DCircle;

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;
};

// Full axes a and b.
class T2DEllipse : public T2DCircular {
public:
    T2DEllipse();
    T2DEllipse(const QString& a, const QString& b);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

protected:
    QString m_a;
    QString m_b;
};

// Full axis a along the straight edge, semi-axis b across it; the perimeter
// counts the edge.
class T2DEllipseHalf : public T2DEllipse {
public:
    using T2DEllipse::T2DEllipse;

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;
};

// Two half ellipses on the common full axis b, with semi-axes a and c across
// it; the perimeter is the two arcs alone.
class T2DEllipseHalves : public T2DCircular {
public:
    T2DEllipseHalves();
    T2DEllipseHalves(const QString& a, const QString& b, const QString& c);

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

// SPDX-License-Identifier: MIT
// The triangle family: a general triangle given by three sides and the
// isosceles and equilateral triangles built on it. Every triangle recomputes
// its three heights whenever a dimension is set.
#pragma once

#include "model/primitive2D.h"

#include <QString>

class T2DTriangular : public T2DPrimitive {
public:
    bool init() override;

protected:
    T2DTriangular() = default;
};

class T2DTriangle : public T2DTriangular {
public:
    // Default names "a", "b", "c"; the heights are "ha", "hb", "hc".
    T2DTriangle();
    // The sides take the given names; the heights keep theirs.
    T2DTriangle(const QString& a, const QString& b, const QString& c);

    bool init() override;
    void setVar(const QString& name, double value) override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;
    void explainExtras(TWorking& working) const override;

protected:
    // The heights onto the sides, each 2 · A / side, A the area's symbol; the
    // names are those the working knows the three sides by (an isosceles
    // triangle's c is its b).
    void explainHeights(TWorking& working, const QString& a, const QString& b, const QString& c) const;

    QString m_a;
    QString m_b;
    QString m_c;
    QString m_ha = QStringLiteral("ha");
    QString m_hb = QStringLiteral("hb");
    QString m_hc = QStringLiteral("hc");
};

// Given by the base a and the height h onto it; the legs b and c are derived.
// A height of 0 is the flat triangle: legs a / 2, area 0.
class T2DTriangleIsosceles2 : public T2DTriangle {
public:
    using T2DTriangle::T2DTriangle;

    bool init() override;
    void setVar(const QString& name, double value) override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;
    void explainExtras(TWorking& working) const override;

protected:
    // NaN for a negative base or height.
    static double legOf(double a, double h);

    QString m_h = QStringLiteral("h");
};

// Given by the base a and the leg b; the other leg c follows b.
class T2DTriangleIsosceles : public T2DTriangle {
public:
    using T2DTriangle::T2DTriangle;

    bool init() override;
    void setVar(const QString& name, double value) override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;
    void explainExtras(TWorking& working) const override;
};

// Given by the side a; b and c follow it.
class T2DTriangleEquilateral : public T2DTriangleIsosceles {
public:
    using T2DTriangleIsosceles::T2DTriangleIsosceles;

    bool init() override;
    void setVar(const QString& name, double value) override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;
    void explainExtras(TWorking& working) const override;
};

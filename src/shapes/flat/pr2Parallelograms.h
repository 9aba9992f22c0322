// SPDX-License-Identifier: MIT
// The parallelogram family: rhombus by its diagonals, square and rectangle.
#pragma once

#include "model/primitive2D.h"

#include <QString>

class T2DParallelograms : public T2DPrimitive {
public:
    bool init() override;

protected:
    T2DParallelograms() = default;
};

// Given by its diagonals a and b; the side s is derived and never shown.
class T2DRhomb : public T2DParallelograms {
public:
    T2DRhomb();
    T2DRhomb(const QString& a, const QString& b, const QString& s);

    bool init() override;
    void setVar(const QString& name, double value) override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

private:
    QString m_a;
    QString m_b;
    QString m_s;
};

class T2DSquare : public T2DParallelograms {
public:
    T2DSquare();
    explicit T2DSquare(const QString& a);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

private:
    QString m_a;
};

class T2DRectangle : public T2DParallelograms {
public:
    T2DRectangle();
    T2DRectangle(const QString& a, const QString& b);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

private:
    QString m_a;
    QString m_b;
};

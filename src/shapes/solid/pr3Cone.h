// SPDX-License-Identifier: MIT
// The conical solids: the round cone, the cone over an ellipse and the frustum
// of a round cone, each with its side surface.
#pragma once

#include "model/primitive3D.h"
#include "shapes/solid/pr3Surface.h"

#include <QString>

// Side of a round cone: base diameter l, height h.
class T2DSurfConeRound : public T2DSurface {
public:
    T2DSurfConeRound();
    T2DSurfConeRound(const QString& l, const QString& h);

    bool init() override;
    double getArea() const override;

private:
    QString m_l;
    QString m_h;
};

// Side of a cone over an ellipse: full axes a and b, height h.
class T2DSurfConeElliptic : public T2DSurface {
public:
    T2DSurfConeElliptic();
    T2DSurfConeElliptic(const QString& a, const QString& b, const QString& h);

    bool init() override;
    double getArea() const override;

private:
    QString m_a;
    QString m_b;
    QString m_h;
};

// Side of a round frustum: base diameters a and l, height h.
class T2DSurfConeRoundFrustum : public T2DSurface {
public:
    T2DSurfConeRoundFrustum();
    T2DSurfConeRoundFrustum(const QString& a, const QString& l, const QString& h);

    bool init() override;
    double getArea() const override;

private:
    QString m_a;
    QString m_l;
    QString m_h;
};

class T3DCone : public T3DPrimitive {
public:
    bool init() override;

protected:
    T3DCone() = default;
};

// Base diameter l, height h; shows the base and side areas.
class T3DConeRound : public T3DCone {
public:
    T3DConeRound();
    T3DConeRound(const QString& l, const QString& h);

    bool init() override;
    void setVar(const QString& name, double value) override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;
    void explainExtras(TWorking& working) const override;

private:
    QString m_l;
    QString m_h;
    QString m_base;
    QString m_lat;
};

// Full axes a and b of the base ellipse, height h; shows the base and side areas.
class T3DConeElliptic : public T3DCone {
public:
    T3DConeElliptic();
    T3DConeElliptic(const QString& a, const QString& b, const QString& h);

    bool init() override;
    void setVar(const QString& name, double value) override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;
    void explainExtras(TWorking& working) const override;

private:
    // The side area by the complete elliptic integral, with its intermediates.
    void explainLateral(TWorking& working) const;

    QString m_a;
    QString m_b;
    QString m_h;
    QString m_base;
    QString m_lat;
};

// Base diameters a and l, height b.
class T3DConeRoundFrustum : public T3DCone {
public:
    T3DConeRoundFrustum();
    T3DConeRoundFrustum(const QString& a, const QString& l, const QString& b);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

private:
    QString m_a;
    QString m_l;
    QString m_b;
};

// SPDX-License-Identifier: MIT
// The solids bounded by spheres, spheroids and ellipsoids, whole and halved, and
// the spherical cap, with the curved surfaces of the halves and the cap.
#pragma once

#include "model/primitive3D.h"
#include "shapes/solid/pr3Surface.h"

#include <QString>

// Curved half of a sphere of diameter l.
class T2DSurfSphereHalf : public T2DSurface {
public:
    T2DSurfSphereHalf();
    explicit T2DSurfSphereHalf(const QString& l);

    bool init() override;
    double getArea() const override;

private:
    QString m_l;
};

// Curved part of a cap of base diameter a and height h; with no height, the base disc.
class T2DSurfSphereCap : public T2DSurface {
public:
    T2DSurfSphereCap();
    T2DSurfSphereCap(const QString& a, const QString& h);

    bool init() override;
    double getArea() const override;

private:
    QString m_a;
    QString m_h;
};

// Curved half of a spheroid cut at the equator: equatorial diameter l, height
// of the half h.
class T2DSurfSpheroidHalf : public T2DSurface {
public:
    T2DSurfSpheroidHalf();
    T2DSurfSpheroidHalf(const QString& l, const QString& h);

    bool init() override;
    double getArea() const override;

private:
    QString m_l;
    QString m_h;
};

// Curved half of an ellipsoid cut through the full axes l and w; height of the
// half h.
class T2DSurfEllipsoidHalf : public T2DSurface {
public:
    T2DSurfEllipsoidHalf();
    T2DSurfEllipsoidHalf(const QString& l, const QString& w, const QString& h);

    bool init() override;
    double getArea() const override;

private:
    QString m_l;
    QString m_w;
    QString m_h;
};

class T3DSpherical : public T3DPrimitive {
public:
    bool init() override;

protected:
    T3DSpherical() = default;
};

// Diameter l.
class T3DSphere : public T3DSpherical {
public:
    T3DSphere();
    explicit T3DSphere(const QString& l);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

protected:
    QString m_sphereL;
};

// Equatorial diameter l, axis of rotation h.
class T3DSpheroid : public T3DSphere {
public:
    T3DSpheroid();
    T3DSpheroid(const QString& l, const QString& h);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

private:
    QString m_l;
    QString m_h;
};

// Diameter l.
class T3DSphereHalf : public T3DSpherical {
public:
    T3DSphereHalf();
    explicit T3DSphereHalf(const QString& l);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

private:
    QString m_l;
};

// Base diameter a, height h; shows the radius r of the sphere it is cut from
// and the areas of its curved surface and its base.
class T3DSphereCap : public T3DSpherical {
public:
    T3DSphereCap();
    T3DSphereCap(const QString& a, const QString& h, const QString& r);

    bool init() override;
    void setVar(const QString& name, double value) override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;
    void explainExtras(TWorking& working) const override;

private:
    // The curved surface and the base, each a value the cap shows.
    void explainLateral(TWorking& working) const;
    void explainBase(TWorking& working) const;

    QString m_a;
    QString m_h;
    QString m_r;
    QString m_lat = QStringLiteral("Lat");
    QString m_base = QStringLiteral("Base");
};

// Equatorial diameter l, height of the half h.
class T3DSpheroidHalf : public T3DSpherical {
public:
    T3DSpheroidHalf();
    T3DSpheroidHalf(const QString& l, const QString& h);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

private:
    QString m_l;
    QString m_h;
};

// Full axes l, w and h.
class T3DEllipsoid : public T3DSpherical {
public:
    T3DEllipsoid();
    T3DEllipsoid(const QString& l, const QString& w, const QString& h);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

private:
    QString m_l;
    QString m_w;
    QString m_h;
};

// Cut through the full axes l and w; height of the half h.
class T3DEllipsoidHalf : public T3DSpherical {
public:
    T3DEllipsoidHalf();
    T3DEllipsoidHalf(const QString& l, const QString& w, const QString& h);

    bool init() override;
    double getMeasure() const override;
    double getArea() const override;
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;

private:
    QString m_l;
    QString m_w;
    QString m_h;
};

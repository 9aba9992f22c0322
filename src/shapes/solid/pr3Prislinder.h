// SPDX-License-Identifier: MIT
// Right prisms and cylinders: a flat base extruded to a height. The family logic
// lives in T3DPrislinder; each descendant only chooses its base and its names.
#pragma once

#include "model/primitive2D.h"
#include "model/primitive3D.h"

#include <QString>

#include <memory>

// The side of a prism or cylinder over any flat base, which it asks every time
// and does not own; every result is 0 without a base.
class T2DPrislinderSurf : public T2DPrimitive {
public:
    T2DPrislinderSurf();
    T2DPrislinderSurf(const T2DPrimitive* base, const QString& h);

    bool init() override;
    // The base perimeter.
    double getMeasure() const override;
    // Base perimeter times height.
    double getArea() const override;
    double getBaseArea() const;

private:
    const T2DPrimitive* m_base = nullptr;
    QString m_h;
};

// Without a base the user types the base perimeter "Pbs" and area "Abs"; with
// one they are hidden and derived from it, and the base's inputs become the
// solid's.
class T3DPrislinder : public T3DPrimitive {
public:
    bool init() override;
    // Passes the value to the base and the side, then reads the base perimeter,
    // base area and side area back from them.
    void setVar(const QString& name, double value) override;
    double getMeasure() const override;
    double getArea() const override;
    // The base perimeter and area come from the base's own working.
    void explainMeasure(TWorking& working, const QString& symbol) const override;
    void explainArea(TWorking& working, const QString& symbol) const override;
    void explainExtras(TWorking& working) const override;

protected:
    T3DPrislinder();
    explicit T3DPrislinder(const QString& h);
    T3DPrislinder(std::unique_ptr<T2DPrimitive> base, const QString& h);

    const QString m_pbs = QStringLiteral("Pbs");
    const QString m_abs = QStringLiteral("Abs");
    const QString m_alat = QStringLiteral("Alat");
    QString m_h;
    // The part "lat_surf"; none without a base.
    T2DPrislinderSurf* m_latSurf = nullptr;

private:
    bool hasVar(const QString& name) const;
    // Steps the base perimeter and area, typed or from the base, and checks the
    // height; false when the working is refused.
    bool explainBase(TWorking& working) const;

    // Held from construction until init hands them to the parts.
    std::unique_ptr<T2DPrimitive> m_pendingBase;
    std::unique_ptr<T2DPrislinderSurf> m_pendingSurf;
};

// Registered without a base: inputs "Pbs", "Abs", "h".
class T3DCylinder : public T3DPrislinder {
public:
    T3DCylinder();
    explicit T3DCylinder(const QString& h);

    bool init() override;

protected:
    T3DCylinder(std::unique_ptr<T2DPrimitive> base, const QString& h);
};

// Registered without a base: inputs "Pbs", "Abs", "h".
class T3DPrism : public T3DPrislinder {
public:
    T3DPrism();
    explicit T3DPrism(const QString& h);

    bool init() override;

protected:
    T3DPrism(std::unique_ptr<T2DPrimitive> base, const QString& h);
};

// Prisms filed under "cuboids" as well.
class T3DCuboid : public T3DPrism {
public:
    bool init() override;

protected:
    T3DCuboid(std::unique_ptr<T2DPrimitive> base, const QString& h);
};

// SPDX-License-Identifier: MIT
// The cylinders over a circle, a half circle, an ellipse and a half ellipse.
#pragma once

#include "shapes/solid/pr3Prislinder.h"

// Base diameter l, height h.
class T3DCylinderRound : public T3DCylinder {
public:
    T3DCylinderRound();
    T3DCylinderRound(const QString& l, const QString& h);

    bool init() override;

protected:
    QString m_l;
};

// Over a half circle whose straight edge is the diameter l; height h.
class T3DCylinderRoundHalf : public T3DCylinder {
public:
    T3DCylinderRoundHalf();
    T3DCylinderRoundHalf(const QString& l, const QString& h);

    bool init() override;

protected:
    QString m_l;
};

// Base axes l and w, height h; shows the base perimeter and area as results.
class T3DCylinderElliptic : public T3DCylinder {
public:
    T3DCylinderElliptic();
    T3DCylinderElliptic(const QString& l, const QString& w, const QString& h);

    bool init() override;

protected:
    QString m_l;
    QString m_w;
};

// Over a half ellipse: full axis l along the straight edge, semi-axis w across
// it; height h.
class T3DCylinderEllipticHalf : public T3DCylinder {
public:
    T3DCylinderEllipticHalf();
    T3DCylinderEllipticHalf(const QString& l, const QString& w, const QString& h);

    bool init() override;

protected:
    QString m_l;
    QString m_w;
};

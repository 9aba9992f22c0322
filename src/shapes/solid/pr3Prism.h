// SPDX-License-Identifier: MIT
// The prisms over a triangle, a regular polygon and a rhombus, the cube and the box.
#pragma once

#include "shapes/solid/pr3Prislinder.h"

// Base sides a, b, c; height h.
class T3DPrismTriangle : public T3DPrism {
public:
    T3DPrismTriangle();
    T3DPrismTriangle(const QString& a, const QString& b, const QString& c, const QString& h);

    bool init() override;

protected:
    QString m_a;
    QString m_b;
    QString m_c;
};

// Base: the regular polygon of side a and n sides; height h.
class T3DPrismRight : public T3DPrism {
public:
    T3DPrismRight();
    T3DPrismRight(const QString& a, const QString& n, const QString& h);

    bool init() override;

protected:
    QString m_a;
    QString m_n;
};

// Base: the rhombus of diagonals l and w and derived side s; height h.
class T3DPrismRhombic : public T3DPrism {
public:
    T3DPrismRhombic();
    T3DPrismRhombic(const QString& l, const QString& w, const QString& h, const QString& s);

    bool init() override;

protected:
    QString m_l;
    QString m_w;
    QString m_s;
};

// Side l, which is also its height.
class T3DCube : public T3DCuboid {
public:
    T3DCube();
    explicit T3DCube(const QString& l);

    bool init() override;
};

// Base sides l and w; height h.
class T3DBox : public T3DCuboid {
public:
    T3DBox();
    T3DBox(const QString& l, const QString& w, const QString& h);

    bool init() override;

protected:
    QString m_l;
    QString m_w;
};

// SPDX-License-Identifier: MIT
// A light axonometric view of solids: x to the right, y up, z towards the
// viewer, turned by a yaw about the vertical and seen from above by a pitch.
#pragma once

#include "pictures/sketch.h"

#include <QPointF>
#include <QRectF>

#include <vector>

struct V3 {
    double x = 0, y = 0, z = 0;
};

inline V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline V3 operator*(V3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }

class View3 {
public:
    View3(double yawDegrees, double pitchDegrees);

    // Scales and centres the view so that the given points fill `frame`.
    void fit(const std::vector<V3>& points, const QRectF& frame);
    QPointF map(V3 p) const;
    // Whether a face with this outward normal turns towards the viewer.
    bool facing(V3 normal) const;
    double pitch() const { return m_pitch; }
    double scale() const { return m_scale; }

private:
    QPointF project(V3 p) const; // unscaled, y up

    double m_yaw;
    double m_pitch;
    double m_scale = 1.0;
    QPointF m_origin;
};

// A convex solid spanned between a bottom and a top outline with the same
// number of points (a cone has all top points at its apex). Corners mark the
// points where a side edge is drawn; elsewhere the side is smooth.
struct Loft {
    std::vector<V3> bottom;
    std::vector<V3> top;
    std::vector<bool> corner;
};

Loft prismLoft(const std::vector<V3>& base, const std::vector<bool>& corner, double height);
Loft coneLoft(const std::vector<V3>& base, V3 apex);
Loft frustumLoft(const std::vector<V3>& bottom, const std::vector<V3>& top);

// Fills the solid, dashes its hidden edges and draws its visible ones.
void drawLoft(Sketch& sketch, const View3& view, const Loft& loft, bool fillTop = false,
              const QColor& topColour = style::fill);

// Points of a horizontal ellipse at height y, counter-clockwise seen from above.
std::vector<V3> ellipsePoints(double rx, double rz, double y, int count = 120);
std::vector<QPointF> mapAll(const View3& view, const std::vector<V3>& points);

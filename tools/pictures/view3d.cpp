// SPDX-License-Identifier: MIT
#include "pictures/view3d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double degree = std::numbers::pi / 180.0;

V3 cross(V3 a, V3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double dot(V3 a, V3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

bool samePoint(V3 a, V3 b)
{
    return std::abs(a.x - b.x) + std::abs(a.y - b.y) + std::abs(a.z - b.z) < 1e-12;
}

double turn(QPointF o, QPointF a, QPointF b)
{
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

QPolygonF convexHull(std::vector<QPointF> points)
{
    std::sort(points.begin(), points.end(), [](QPointF a, QPointF b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    std::vector<QPointF> hull(2 * points.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && turn(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (std::size_t i = points.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && turn(hull[k - 2], hull[k - 1], points[i - 1]) <= 0)
            --k;
        hull[k++] = points[i - 1];
    }
    hull.resize(k > 0 ? k - 1 : 0);
    return QPolygonF(QList<QPointF>(hull.begin(), hull.end()));
}

// Draws a closed ring of edges, edge i from point i to i + 1, joining
// neighbouring edges of the same kind into one stroke so dashes run on.
void drawRing(Sketch& sketch, const std::vector<QPointF>& points, const std::vector<bool>& visible,
              bool wantVisible)
{
    const std::size_t n = points.size();
    std::size_t start = 0;
    while (start < n && visible[start] == visible[(start + n - 1) % n])
        ++start;
    if (start == n)
        start = 0;
    const bool whole = std::all_of(visible.begin(), visible.end(),
                                   [&](bool v) { return v == visible[0]; });
    if (whole) {
        if (visible[0] != wantVisible)
            return;
        QPolygonF ring(QList<QPointF>(points.begin(), points.end()));
        if (wantVisible)
            sketch.outline(ring, true);
        else
            sketch.hidden(ring, true);
        return;
    }
    QPolygonF run;
    for (std::size_t step = 0; step < n; ++step) {
        const std::size_t i = (start + step) % n;
        if (visible[i] == wantVisible) {
            if (run.isEmpty())
                run << points[i];
            run << points[(i + 1) % n];
        }
        const bool ends = visible[i] != wantVisible || step + 1 == n
            || visible[(i + 1) % n] != wantVisible;
        if (ends && run.size() > 1) {
            if (wantVisible)
                sketch.outline(run, false);
            else
                sketch.hidden(run, false);
            run.clear();
        }
    }
}

} // namespace

View3::View3(double yawDegrees, double pitchDegrees)
    : m_yaw(yawDegrees * degree), m_pitch(pitchDegrees * degree)
{
}

QPointF View3::project(V3 p) const
{
    const double x1 = p.x * std::cos(m_yaw) + p.z * std::sin(m_yaw);
    const double z1 = -p.x * std::sin(m_yaw) + p.z * std::cos(m_yaw);
    const double up = p.y * std::cos(m_pitch) - z1 * std::sin(m_pitch);
    return {x1, up};
}

QPointF View3::map(V3 p) const
{
    const QPointF q = project(p);
    return {m_origin.x() + q.x() * m_scale, m_origin.y() - q.y() * m_scale};
}

bool View3::facing(V3 normal) const
{
    const double z1 = -normal.x * std::sin(m_yaw) + normal.z * std::cos(m_yaw);
    return normal.y * std::sin(m_pitch) + z1 * std::cos(m_pitch) > 1e-9;
}

void View3::fit(const std::vector<V3>& points, const QRectF& frame)
{
    double left = 1e300, right = -1e300, bottom = 1e300, top = -1e300;
    for (const V3& p : points) {
        const QPointF q = project(p);
        left = std::min(left, q.x());
        right = std::max(right, q.x());
        bottom = std::min(bottom, q.y());
        top = std::max(top, q.y());
    }
    m_scale = std::min(frame.width() / (right - left), frame.height() / (top - bottom));
    const QPointF middle((left + right) / 2.0, (bottom + top) / 2.0);
    m_origin = QPointF(frame.center().x() - middle.x() * m_scale, frame.center().y() + middle.y() * m_scale);
}

Loft prismLoft(const std::vector<V3>& base, const std::vector<bool>& corner, double height)
{
    Loft loft{base, base, corner};
    for (V3& p : loft.top)
        p.y += height;
    return loft;
}

Loft coneLoft(const std::vector<V3>& base, V3 apex)
{
    return Loft{base, std::vector<V3>(base.size(), apex), std::vector<bool>(base.size(), false)};
}

Loft frustumLoft(const std::vector<V3>& bottom, const std::vector<V3>& top)
{
    return Loft{bottom, top, std::vector<bool>(bottom.size(), false)};
}

std::vector<V3> ellipsePoints(double rx, double rz, double y, int count)
{
    std::vector<V3> points;
    for (int i = 0; i < count; ++i) {
        const double t = 2.0 * std::numbers::pi * i / count;
        points.push_back({rx * std::cos(t), y, -rz * std::sin(t)});
    }
    return points;
}

std::vector<QPointF> mapAll(const View3& view, const std::vector<V3>& points)
{
    std::vector<QPointF> mapped;
    for (const V3& p : points)
        mapped.push_back(view.map(p));
    return mapped;
}

void drawLoft(Sketch& sketch, const View3& view, const Loft& loft, bool fillTop, const QColor& topColour)
{
    const std::size_t n = loft.bottom.size();
    const bool apex = samePoint(loft.top.front(), loft.top.back()) && samePoint(loft.top.front(), loft.top[n / 2]);

    V3 centroid;
    for (std::size_t i = 0; i < n; ++i)
        centroid = centroid + loft.bottom[i] + loft.top[i];
    centroid = centroid * (0.5 / n);

    std::vector<bool> side(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        V3 normal = cross(loft.bottom[j] - loft.bottom[i], loft.top[i] - loft.bottom[i]);
        const V3 middle = (loft.bottom[i] + loft.bottom[j] + loft.top[i] + loft.top[j]) * 0.25;
        if (dot(normal, middle - centroid) < 0)
            normal = normal * -1.0;
        side[i] = view.facing(normal);
    }
    const bool topFacing = !apex && view.facing({0, 1, 0});
    const bool bottomFacing = view.facing({0, -1, 0});

    const std::vector<QPointF> bottom = mapAll(view, loft.bottom);
    const std::vector<QPointF> top = mapAll(view, loft.top);
    std::vector<QPointF> all = bottom;
    all.insert(all.end(), top.begin(), top.end());
    sketch.fillArea(polygonPath(convexHull(all)));
    if (fillTop && !apex)
        sketch.fillArea(polygonPath(QPolygonF(QList<QPointF>(top.begin(), top.end()))), topColour);

    std::vector<bool> bottomVisible(n), topVisible(n);
    for (std::size_t i = 0; i < n; ++i) {
        bottomVisible[i] = side[i] || bottomFacing;
        topVisible[i] = side[i] || topFacing;
    }
    for (bool wantVisible : {false, true}) {
        drawRing(sketch, bottom, bottomVisible, wantVisible);
        if (!apex)
            drawRing(sketch, top, topVisible, wantVisible);
        for (std::size_t i = 0; i < n; ++i) {
            const bool before = side[(i + n - 1) % n];
            const bool after = side[i];
            if (loft.corner[i]) {
                if ((before || after) == wantVisible) {
                    if (wantVisible)
                        sketch.line(bottom[i], top[i]);
                    else
                        sketch.hiddenLine(bottom[i], top[i]);
                }
            } else if (before != after && wantVisible) {
                sketch.line(bottom[i], top[i]);
            }
        }
    }
}

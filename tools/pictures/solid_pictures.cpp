// SPDX-License-Identifier: MIT
// Solids in a light axonometric view, seen a little from above: hidden edges
// dashed, inputs as dimension lines, derived lengths in the lighter style.
#include "pictures/pictures.h"
#include "pictures/sketch.h"
#include "pictures/view3d.h"

#include <cmath>
#include <numbers>

namespace {

using std::numbers::pi;

constexpr double gap = 24.0; // from a shape to its outside dimension line

// The space a solid gets when its dimensions go below it and to its right.
const QRectF solidFrame(22, 18, 196, 196);

V3 lifted(V3 p, double dy)
{
    return {p.x, p.y + dy, p.z};
}

// Index of the point that lies furthest right in the picture.
std::size_t rightmost(const View3& view, const std::vector<V3>& points)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (view.map(points[i]).x() > view.map(points[best]).x())
            best = i;
    }
    return best;
}

// A dimension of a 3D edge moved by a 3D offset, extension lines included.
void edgeDimension(Sketch& s, const View3& view, V3 a, V3 b, V3 offset, const QString& name)
{
    s.dimensionBetween(view.map(a), view.map(b), view.map(a + offset), view.map(b + offset), name);
}

// A vertical dimension at screen column x between the levels of two points.
void verticalDimension(Sketch& s, QPointF top, QPointF bottom, double x, const QString& name)
{
    s.dimensionBetween(top, bottom, QPointF(x, top.y()), QPointF(x, bottom.y()), name);
}

// A horizontal dimension at screen row y between the columns of two points.
void horizontalDimension(Sketch& s, QPointF left, QPointF right, double y, const QString& name)
{
    s.dimensionBetween(left, right, QPointF(left.x(), y), QPointF(right.x(), y), name);
}

double lowest(const std::vector<QPointF>& points)
{
    double y = points.front().y();
    for (const QPointF& p : points)
        y = std::max(y, p.y());
    return y;
}

std::vector<V3> withHeight(std::vector<V3> points, double height)
{
    std::vector<V3> all = points;
    for (V3& p : points)
        p.y += height;
    all.insert(all.end(), points.begin(), points.end());
    return all;
}

std::vector<V3> fromPlan(const std::vector<QPointF>& plan)
{
    std::vector<V3> points;
    for (const QPointF& p : plan)
        points.push_back({p.x(), 0, p.y()});
    return points;
}

// A straight-sided prism with a dimension under its front bottom edge and
// its height at the right; returns the view for further marks.
View3 boxLike(Sketch& s, const std::vector<V3>& base, double height, double yaw, double pitch,
              const QRectF& frame = solidFrame)
{
    View3 view(yaw, pitch);
    view.fit(withHeight(base, height), frame);
    drawLoft(s, view, prismLoft(base, std::vector<bool>(base.size(), true), height));
    return view;
}

void heightAtRight(Sketch& s, const View3& view, const std::vector<V3>& base, double height, const QString& name)
{
    const V3 p = base[rightmost(view, base)];
    verticalDimension(s, view.map(lifted(p, height)), view.map(p), view.map(p).x() + gap, name);
}

void cube(Sketch& s)
{
    const std::vector<V3> base = {{-1, 0, 1}, {1, 0, 1}, {1, 0, -1}, {-1, 0, -1}};
    const View3 view = boxLike(s, base, 2, -32, 24);
    const V3 down{0, -0.32, 0};
    edgeDimension(s, view, base[0], base[1], down, QStringLiteral("l"));
    edgeDimension(s, view, base[1], base[2], down, QStringLiteral("l"));
    heightAtRight(s, view, base, 2, QStringLiteral("l"));
}

void box(Sketch& s)
{
    const double l = 1.35, w = 0.75, h = 1.25;
    const std::vector<V3> base = {{-l, 0, w}, {l, 0, w}, {l, 0, -w}, {-l, 0, -w}};
    const View3 view = boxLike(s, base, h, -28, 24);
    const V3 down{0, -0.3, 0};
    edgeDimension(s, view, base[0], base[1], down, QStringLiteral("l"));
    edgeDimension(s, view, base[1], base[2], down, QStringLiteral("w"));
    heightAtRight(s, view, base, h, QStringLiteral("h"));
}

void prismTriangle(Sketch& s)
{
    const std::vector<V3> base = {{-1.25, 0, 0.8}, {1.25, 0, 0.8}, {0.3, 0, -1.0}};
    const double h = 1.5;
    const View3 view = boxLike(s, base, h, -10, 28, QRectF(22, 30, 196, 180));
    edgeDimension(s, view, base[0], base[1], {0, -0.3, 0}, QStringLiteral("a"));
    const V3 centre = (base[0] + base[1] + base[2]) * (1.0 / 3);
    auto outwards = [&](V3 a, V3 b) {
        const V3 middle = (a + b) * 0.5 - centre;
        const double length = std::hypot(middle.x, middle.z);
        return V3{middle.x / length * 0.35, 0, middle.z / length * 0.35};
    };
    edgeDimension(s, view, lifted(base[1], h), lifted(base[2], h), outwards(base[1], base[2]), QStringLiteral("b"));
    edgeDimension(s, view, lifted(base[2], h), lifted(base[0], h), outwards(base[2], base[0]), QStringLiteral("c"));
    heightAtRight(s, view, base, h, QStringLiteral("h"));
}

void prismRight(Sketch& s)
{
    std::vector<V3> base;
    for (int i = 0; i < 6; ++i) {
        const double t = pi / 3 * i;
        base.push_back({1.1 * std::cos(t), 0, -1.1 * std::sin(t)});
    }
    const double h = 1.7;
    const View3 view = boxLike(s, base, h, -12, 26);
    edgeDimension(s, view, base[4], base[5], {0, -0.3, 0}, QStringLiteral("a"));
    // The side faces counted round the prism: ..., n, 1, 2, ...
    const char* const names[] = {"n", "1", "2"};
    for (int i = 0; i < 3; ++i) {
        const V3 a = base[static_cast<std::size_t>(3 + i)];
        const V3 b = base[static_cast<std::size_t>((4 + i) % 6)];
        s.label(view.map(lifted((a + b) * 0.5, h * 0.55)), QLatin1String(names[i]), style::accent);
    }
    heightAtRight(s, view, base, h, QStringLiteral("h"));
}

void prismRhomb(Sketch& s)
{
    const double l = 1.35, w = 0.85, h = 1.3;
    const std::vector<V3> base = {{-l, 0, 0}, {0, 0, w}, {l, 0, 0}, {0, 0, -w}};
    const View3 view = boxLike(s, base, h, 0, 38);
    s.dimension(view.map({-l, h, 0}), view.map({l, h, 0}), {}, QStringLiteral("l"), {0, 1}, 0.76);
    s.dimension(view.map({0, h, -w}), view.map({0, h, w}), {}, QStringLiteral("w"), {-1, 0}, 0.3);
    heightAtRight(s, view, base, h, QStringLiteral("h"));
}

// The generic solids show their base as an area "Abs" inside a perimeter "Pbs".
void baseMarks(Sketch& s, const View3& view, const std::vector<V3>& base, double h)
{
    std::vector<QPointF> top;
    for (const V3& p : base)
        top.push_back(view.map(lifted(p, h)));
    QPolygonF ring(QList<QPointF>(top.begin(), top.end()));
    ring << top.front();
    s.painter().setPen(QPen(style::accent, style::outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    s.painter().setBrush(Qt::NoBrush);
    s.painter().drawPolyline(ring);
    V3 centre;
    for (const V3& p : base)
        centre = centre + p;
    centre = centre * (1.0 / base.size());
    s.label(view.map(lifted(centre, h)), QStringLiteral("Abs"), style::accent);
    const std::size_t far = rightmost(view, base);
    const QPointF target = top[(far + base.size() - base.size() / 8) % base.size()];
    s.leader(QPointF(target.x() + 24, 22), target, QStringLiteral("Pbs"), style::accent);
}

void sideMark(Sketch& s, const View3& view, V3 front, double h)
{
    s.label(view.map(lifted(front, h * 0.42)), QStringLiteral("Alat"), style::result);
}

void prism(Sketch& s)
{
    const std::vector<V3> base = fromPlan({{-1.25, 0.55}, {0.25, 1.0}, {1.3, 0.2}, {0.8, -0.9}, {-0.75, -0.85}});
    const double h = 1.4;
    View3 view(-6, 34);
    view.fit(withHeight(base, h), QRectF(20, 48, 200, 172));
    drawLoft(s, view, prismLoft(base, std::vector<bool>(base.size(), true), h), true, style::tint);
    baseMarks(s, view, base, h);
    sideMark(s, view, (base[0] + base[1]) * 0.5, h);
    heightAtRight(s, view, base, h, QStringLiteral("h"));
}

std::vector<V3> eggPoints(int count)
{
    std::vector<V3> points;
    for (int i = 0; i < count; ++i) {
        const double t = 2 * pi * i / count;
        points.push_back({1.25 * std::cos(t), 0, -0.8 * std::sin(t) * (1 + 0.22 * std::cos(t))});
    }
    return points;
}

void cylinder(Sketch& s)
{
    const std::vector<V3> base = eggPoints(120);
    const double h = 1.4;
    View3 view(0, 34);
    view.fit(withHeight(base, h), QRectF(20, 48, 200, 172));
    drawLoft(s, view, prismLoft(base, std::vector<bool>(base.size(), false), h), true, style::tint);
    baseMarks(s, view, base, h);
    sideMark(s, view, base[90], h);
    heightAtRight(s, view, base, h, QStringLiteral("h"));
}

// Curved solids: a dimension of the full width under the base outline.
void widthBelow(Sketch& s, const View3& view, const std::vector<V3>& base, double rx, double y, const QString& name)
{
    const double level = lowest(mapAll(view, base)) + gap;
    horizontalDimension(s, view.map({-rx, y, 0}), view.map({rx, y, 0}), level, name);
}

void cylinderRound(Sketch& s)
{
    const double r = 0.85, h = 1.9;
    const std::vector<V3> base = ellipsePoints(r, r, 0);
    View3 view(0, 22);
    view.fit(withHeight(base, h), solidFrame);
    drawLoft(s, view, prismLoft(base, std::vector<bool>(base.size(), false), h));
    widthBelow(s, view, base, r, 0, QStringLiteral("l"));
    heightAtRight(s, view, base, h, QStringLiteral("h"));
}

void cylinderElliptic(Sketch& s)
{
    const double l = 1.15, w = 0.7, h = 1.5;
    const std::vector<V3> base = ellipsePoints(l, w, 0);
    View3 view(0, 30);
    view.fit(withHeight(base, h), solidFrame);
    drawLoft(s, view, prismLoft(base, std::vector<bool>(base.size(), false), h));
    s.dimension(view.map({0, h, -w}), view.map({0, h, w}), {}, QStringLiteral("w"), {1, 0}, 0.5);
    widthBelow(s, view, base, l, 0, QStringLiteral("l"));
    heightAtRight(s, view, base, h, QStringLiteral("h"));
}

// Half of a horizontal ellipse: the straight edge along x at the back, the
// arc towards the viewer.
std::vector<V3> halfBase(double rx, double rz, std::vector<bool>& corner)
{
    std::vector<V3> points;
    constexpr int count = 60;
    for (int i = 0; i <= count; ++i) {
        const double t = pi + pi * i / count;
        points.push_back({rx * std::cos(t), 0, -rz * std::sin(t)});
    }
    corner.assign(points.size(), false);
    corner.front() = corner.back() = true;
    return points;
}

void halfCylinder(Sketch& s, double rx, double rz, bool markDepth)
{
    const double h = 1.4;
    std::vector<bool> corner;
    const std::vector<V3> base = halfBase(rx, rz, corner);
    View3 view(0, 40);
    view.fit(withHeight(base, h), QRectF(22, 46, 196, 176));
    drawLoft(s, view, prismLoft(base, corner, h));
    const QPointF left = view.map({-rx, h, 0}), right = view.map({rx, h, 0});
    horizontalDimension(s, left, right, left.y() - gap, QStringLiteral("l"));
    if (markDepth)
        s.dimension(view.map({0, h, 0}), view.map({0, h, rz}), {}, QStringLiteral("w"), {1, 0}, 0.5);
    heightAtRight(s, view, base, h, QStringLiteral("h"));
}

void cylinderRoundHalf(Sketch& s)
{
    halfCylinder(s, 1.1, 1.1, false);
}

void cylinderEllipticHalf(Sketch& s)
{
    halfCylinder(s, 1.2, 0.75, true);
}

void coneAxis(Sketch& s, const View3& view, V3 apex)
{
    s.dot(view.map({0, 0, 0}));
    s.hiddenLine(view.map({0, 0, 0}), view.map(apex));
}

void coneRound(Sketch& s)
{
    const double r = 1.0, h = 1.9;
    const std::vector<V3> base = ellipsePoints(r, r, 0);
    const V3 apex{0, h, 0};
    View3 view(0, 20);
    std::vector<V3> all = base;
    all.push_back(apex);
    view.fit(all, solidFrame);
    drawLoft(s, view, coneLoft(base, apex));
    coneAxis(s, view, apex);
    widthBelow(s, view, base, r, 0, QStringLiteral("l"));
    verticalDimension(s, view.map(apex), view.map({r, 0, 0}), view.map({r, 0, 0}).x() + gap, QStringLiteral("h"));
}

void coneElliptic(Sketch& s)
{
    const double a = 1.15, b = 0.65, h = 1.8;
    const std::vector<V3> base = ellipsePoints(a, b, 0);
    const V3 apex{0, h, 0};
    View3 view(0, 32);
    std::vector<V3> all = base;
    all.push_back(apex);
    view.fit(all, solidFrame);
    drawLoft(s, view, coneLoft(base, apex));
    coneAxis(s, view, apex);
    s.dimension(view.map({0, 0, -b}), view.map({0, 0, b}), {}, QStringLiteral("b"), {1, 0}, 0.72);
    widthBelow(s, view, base, a, 0, QStringLiteral("a"));
    verticalDimension(s, view.map(apex), view.map({a, 0, 0}), view.map({a, 0, 0}).x() + gap, QStringLiteral("h"));
}

void coneRoundFrustum(Sketch& s)
{
    const double rl = 1.0, ra = 0.55, h = 1.35;
    const std::vector<V3> bottom = ellipsePoints(rl, rl, 0);
    const std::vector<V3> top = ellipsePoints(ra, ra, h);
    View3 view(0, 22);
    std::vector<V3> all = bottom;
    all.insert(all.end(), top.begin(), top.end());
    view.fit(all, QRectF(22, 44, 196, 170));
    drawLoft(s, view, frustumLoft(bottom, top));
    coneAxis(s, view, {0, h, 0});
    widthBelow(s, view, bottom, rl, 0, QStringLiteral("l"));
    const double above = view.map({0, h, -ra}).y() - gap;
    horizontalDimension(s, view.map({-ra, h, 0}), view.map({ra, h, 0}), above, QStringLiteral("a"));
    verticalDimension(s, view.map({ra, h, 0}), view.map({rl, 0, 0}), view.map({rl, 0, 0}).x() + gap,
                      QStringLiteral("b"));
}

// ---- bodies of revolution and ellipsoids, drawn from their outlines --------

// Screen ellipse arc from angle `from` to `to` (radians, counter-clockwise, y up).
QPolygonF arc(QPointF centre, double rx, double ry, double from, double to, int count = 90)
{
    QPolygonF points;
    for (int i = 0; i <= count; ++i) {
        const double t = from + (to - from) * i / count;
        points << centre + QPointF(rx * std::cos(t), -ry * std::sin(t));
    }
    return points;
}

// An ellipsoid of semi-axes ax (x), by (up) and cz (depth), cut at the level
// cut (a fraction of by, from -1 for the whole body); returns its view.
struct Body {
    View3 view{0, 24};
    QPointF centre;  // the screen centre of the full body
    double rx = 0;   // screen semi-axes of the outline
    double ry = 0;
    double equatorRy = 0;
};

Body ellipsoidBody(double ax, double by, double cz, double pitch, bool half, const QRectF& frame)
{
    Body body;
    body.view = View3(0, pitch);
    std::vector<V3> points;
    for (int i = 0; i <= 24; ++i) {
        const double u = (half ? 0.5 : 1.0) * pi * i / 24 - (half ? 0.0 : pi / 2);
        for (int j = 0; j < 48; ++j) {
            const double t = 2 * pi * j / 48;
            points.push_back({ax * std::cos(u) * std::cos(t), by * std::sin(u), cz * std::cos(u) * std::sin(t)});
        }
    }
    body.view.fit(points, frame);
    const double e = body.view.pitch();
    const double k = body.view.scale();
    body.centre = body.view.map({0, 0, 0});
    body.rx = ax * k;
    body.ry = std::sqrt(by * by * std::cos(e) * std::cos(e) + cz * cz * std::sin(e) * std::sin(e)) * k;
    body.equatorRy = cz * std::sin(e) * k;
    return body;
}

// The outline, the equator (its back dashed) and the axis.
void drawBody(Sketch& s, const Body& b, bool half)
{
    QPainterPath outline;
    if (half) {
        outline.addPolygon(arc(b.centre, b.rx, b.ry, 0, pi));
        outline.connectPath(QPainterPath());
        QPolygonF front = arc(b.centre, b.rx, b.equatorRy, pi, 2 * pi);
        for (const QPointF& p : front)
            outline.lineTo(p);
    } else {
        outline.addPolygon(arc(b.centre, b.rx, b.ry, 0, 2 * pi, 180));
    }
    outline.closeSubpath();
    s.fillArea(outline);
    s.hidden(arc(b.centre, b.rx, b.equatorRy, 0, pi), false);
    s.outline(outline);
    if (!half)
        s.outline(arc(b.centre, b.rx, b.equatorRy, pi, 2 * pi), false);
}

void sphere(Sketch& s)
{
    const Body b = ellipsoidBody(1, 1, 1, 24, false, QRectF(28, 28, 224, 224));
    drawBody(s, b, false);
    s.dot(b.centre);
    s.dimension(b.centre - QPointF(b.rx, 0), b.centre + QPointF(b.rx, 0), {}, QStringLiteral("l"), {0, -1}, 0.7);
}

void sphereHalf(Sketch& s)
{
    const Body b = ellipsoidBody(1, 1, 1, 24, true, QRectF(24, 30, 232, 196));
    drawBody(s, b, true);
    s.dot(b.centre);
    horizontalDimension(s, b.centre - QPointF(b.rx, 0), b.centre + QPointF(b.rx, 0),
                        b.centre.y() + b.equatorRy + gap, QStringLiteral("l"));
}

void spheroid(Sketch& s)
{
    const double ax = 1.2, by = 0.8;
    const Body b = ellipsoidBody(ax, by, ax, 24, false, QRectF(20, 30, 204, 220));
    drawBody(s, b, false);
    const QPointF north = b.view.map({0, by, 0}), south = b.view.map({0, -by, 0});
    s.hiddenLine(north, south);
    s.dot(north);
    s.dot(south);
    s.dimension(b.centre - QPointF(b.rx, 0), b.centre + QPointF(b.rx, 0), {}, QStringLiteral("l"), {0, -1}, 0.78);
    verticalDimension(s, north, south, b.centre.x() + b.rx + gap, QStringLiteral("h"));
}

void spheroidHalf(Sketch& s)
{
    const double ax = 1.2, by = 0.95;
    const Body b = ellipsoidBody(ax, by, ax, 24, true, QRectF(20, 28, 210, 190));
    drawBody(s, b, true);
    const QPointF pole = b.view.map({0, by, 0});
    s.dot(b.centre);
    s.dot(pole);
    s.hiddenLine(b.centre, pole);
    horizontalDimension(s, b.centre - QPointF(b.rx, 0), b.centre + QPointF(b.rx, 0),
                        b.centre.y() + b.equatorRy + gap, QStringLiteral("l"));
    verticalDimension(s, pole, b.centre + QPointF(b.rx, 0), b.centre.x() + b.rx + gap, QStringLiteral("h"));
}

void ellipsoid(Sketch& s)
{
    const double ax = 1.2, by = 0.85, cz = 0.75;
    const Body b = ellipsoidBody(ax, by, cz, 28, false, QRectF(18, 24, 206, 196));
    drawBody(s, b, false);
    const QPointF north = b.view.map({0, by, 0}), south = b.view.map({0, -by, 0});
    s.hiddenLine(north, south);
    s.dimension(b.view.map({0, 0, -cz}), b.view.map({0, 0, cz}), {}, QStringLiteral("w"), {1, 0}, 0.5);
    horizontalDimension(s, b.centre - QPointF(b.rx, 0), b.centre + QPointF(b.rx, 0),
                        b.centre.y() + b.ry + gap, QStringLiteral("l"));
    verticalDimension(s, north, south, b.centre.x() + b.rx + gap, QStringLiteral("h"));
}

void ellipsoidHalf(Sketch& s)
{
    const double ax = 1.2, by = 0.95, cz = 0.75;
    const Body b = ellipsoidBody(ax, by, cz, 28, true, QRectF(20, 28, 210, 186));
    drawBody(s, b, true);
    const QPointF pole = b.view.map({0, by, 0});
    s.hiddenLine(b.centre, pole);
    s.dimension(b.view.map({0, 0, -cz}), b.view.map({0, 0, cz}), {}, QStringLiteral("w"), {1, 0}, 0.72);
    horizontalDimension(s, b.centre - QPointF(b.rx, 0), b.centre + QPointF(b.rx, 0),
                        b.centre.y() + b.equatorRy + gap, QStringLiteral("l"));
    verticalDimension(s, pole, b.centre + QPointF(b.rx, 0), b.centre.x() + b.rx + gap, QStringLiteral("h"));
}

// A cap cut from a sphere of radius 1 at the height `cut` above its centre;
// the rest of the sphere and its radius r are drawn in the lighter style.
void sphereCap(Sketch& s)
{
    const double cut = 0.3;
    const double rho = std::sqrt(1 - cut * cut);
    const Body b = ellipsoidBody(1, 1, 1, 22, false, QRectF(12, 12, 222, 256));
    const double e = b.view.pitch();
    const double r = b.rx;
    const double t0 = std::asin(cut / std::cos(e));
    const QPointF baseCentre = b.view.map({0, cut, 0});
    const double baseRy = rho * std::sin(e) * b.view.scale();
    const double baseRx = rho * b.view.scale();

    QPainterPath cap;
    cap.addPolygon(arc(b.centre, r, r, t0, pi - t0));
    const double tb = std::atan2(-(b.centre.y() - r * std::sin(pi - t0) - baseCentre.y()) / baseRy,
                                 (b.centre.x() + r * std::cos(pi - t0) - baseCentre.x()) / baseRx);
    for (const QPointF& p : arc(baseCentre, baseRx, baseRy, tb, 3 * pi - tb))
        if (p.y() >= baseCentre.y() - 0.5)
            cap.lineTo(p);
    cap.closeSubpath();

    QPen ghost(style::result, style::hiddenWidth, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
    ghost.setDashPattern({3.0, 2.5});
    s.painter().setPen(ghost);
    s.painter().setBrush(Qt::NoBrush);
    s.painter().drawPolyline(arc(b.centre, r, r, pi - t0, 2 * pi + t0, 120));

    s.fillArea(cap);
    s.hidden(arc(baseCentre, baseRx, baseRy, 0, pi), false);
    s.outline(cap);

    const QPointF pole = b.view.map({0, 1, 0});
    s.dot(baseCentre);
    s.hiddenLine(baseCentre, pole);
    s.dot(b.centre, style::result);
    // The radius goes down into the rest of the sphere, clear of the cap's dimensions.
    const double ta = 215 * pi / 180;
    s.resultLine(b.centre, b.centre + QPointF(r * std::cos(ta), -r * std::sin(ta)), QStringLiteral("r"), 0.55,
                 {-0.6, 1}, true);
    s.dimension(baseCentre - QPointF(baseRx, 0), baseCentre + QPointF(baseRx, 0), {}, QStringLiteral("a"),
                {0, 1}, 0.72);
    verticalDimension(s, pole, baseCentre + QPointF(baseRx, 0), b.centre.x() + r + 16, QStringLiteral("h"));
}

} // namespace

const std::vector<ShapePicture>& solidPictures()
{
    static const std::vector<ShapePicture> pictures = {
        {"cone:elliptic", "solid", "cone_elliptic.gif", coneElliptic},
        {"ellipsoid:half", "solid", "ellipsoid_half.gif", ellipsoidHalf},
        {"sphere", "solid", "sphere.gif", sphere},
        {"spheroid:half", "solid", "spheroid_half.gif", spheroidHalf},
        {"spheroid", "solid", "spheroid.gif", spheroid},
        {"ellipsoid", "solid", "ellipsoid.gif", ellipsoid},
        {"cone:round:frustum", "solid", "cone_round_frustum.gif", coneRoundFrustum},
        {"cylinder", "solid", "cylinder.gif", cylinder},
        {"cylinder:elliptic:half", "solid", "cylinder_elliptic_half.gif", cylinderEllipticHalf},
        {"prism", "solid", "prism.gif", prism},
        {"prism:square", "solid", "prism_cube.gif", cube},
        {"prism:triangle", "solid", "prism_triangle.gif", prismTriangle},
        {"prism:right", "solid", "prism_right.gif", prismRight},
        {"prism:rectangle", "solid", "prism_box.gif", box},
        {"cylinder:round:half", "solid", "cylinder_round_half.gif", cylinderRoundHalf},
        {"cylinder:elliptic", "solid", "cylinder_elliptic.gif", cylinderElliptic},
        {"cylinder:round", "solid", "cylinder_round.gif", cylinderRound},
        {"prism:rhomb", "solid", "prism_rhomb.gif", prismRhomb},
        {"sphere:cap", "solid", "sphere_cap.gif", sphereCap},
        {"sphere:half", "solid", "sphere_half.gif", sphereHalf},
        {"cone:round", "solid", "cone_round.gif", coneRound},
    };
    return pictures;
}

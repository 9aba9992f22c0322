// SPDX-License-Identifier: MIT
// Flat shapes in plan: inputs as dimension lines, derived heights and sides
// dashed in the lighter style.
#include "pictures/pictures.h"
#include "pictures/sketch.h"

#include <cmath>
#include <numbers>

namespace {

using std::numbers::pi;

QPointF footOn(QPointF p, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double t = QPointF::dotProduct(p - a, d) / QPointF::dotProduct(d, d);
    return a + d * t;
}

// Outward normal of side a-b of a polygon whose inside lies towards `inside`.
QPointF outward(QPointF a, QPointF b, QPointF inside)
{
    QPointF n = unit(normalOf(b - a));
    if (QPointF::dotProduct(n, inside - a) > 0)
        n = -n;
    return n;
}

void shapeOutline(Sketch& s, const QPainterPath& path)
{
    s.fillArea(path);
    s.outline(path);
}

// A height from a vertex onto the opposite side, with its right angle.
void height(Sketch& s, QPointF vertex, QPointF a, QPointF b, const QString& name, double at, QPointF side)
{
    const QPointF foot = footOn(vertex, a, b);
    s.resultLine(vertex, foot, name, at, side);
    s.rightAngle(foot, vertex, QPointF::dotProduct(b - foot, b - foot) > 1.0 ? b : a, style::result);
}

void triangle(Sketch& s)
{
    const QPointF A(112, 48), B(32, 208), C(250, 208);
    const QPointF inside = (A + B + C) / 3.0;
    shapeOutline(s, polygonPath(QPolygonF({A, B, C})));
    height(s, A, B, C, QStringLiteral("ha"), 0.38, {1, 0});
    height(s, B, C, A, QStringLiteral("hb"), 0.32, {0.3, 1});
    height(s, C, A, B, QStringLiteral("hc"), 0.28, {-0.3, 1});
    s.dimension(B, C, QPointF(0, 28), QStringLiteral("a"));
    s.dimension(C, A, outward(C, A, inside) * 24, QStringLiteral("b"));
    s.dimension(A, B, outward(A, B, inside) * 24, QStringLiteral("c"));
}

void triangleIsoscelesByHeight(Sketch& s)
{
    const QPointF A(128, 44), B(34, 208), C(222, 208);
    const QPointF inside = (A + B + C) / 3.0;
    shapeOutline(s, polygonPath(QPolygonF({A, B, C})));
    height(s, A, B, C, QStringLiteral("ha"), 0.3, {-1, 0});
    height(s, B, C, A, QStringLiteral("hb"), 0.3, {0.2, 1});
    height(s, C, A, B, QStringLiteral("hc"), 0.3, {-0.2, 1});
    s.resultDimension(C, A, outward(C, A, inside) * 18, QStringLiteral("b"));
    s.resultDimension(A, B, outward(A, B, inside) * 18, QStringLiteral("c"));
    s.dimension(B, C, QPointF(0, 28), QStringLiteral("a"));
    const double x = C.x() + 24;
    s.dimensionBetween(A, C, QPointF(x, A.y()), QPointF(x, C.y()), QStringLiteral("h"));
}

void triangleIsosceles(Sketch& s)
{
    const QPointF A(140, 40), B(45, 208), C(235, 208);
    const QPointF inside = (A + B + C) / 3.0;
    shapeOutline(s, polygonPath(QPolygonF({A, B, C})));
    height(s, A, B, C, QStringLiteral("ha"), 0.32, {-1, 0});
    height(s, B, C, A, QStringLiteral("hb"), 0.3, {0.2, 1});
    height(s, C, A, B, QStringLiteral("hc"), 0.3, {-0.2, 1});
    s.equalTicks(A, B);
    s.equalTicks(A, C);
    s.dimension(B, C, QPointF(0, 28), QStringLiteral("a"));
    s.dimension(C, A, outward(C, A, inside) * 22, QStringLiteral("b"));
}

void triangleEquilateral(Sketch& s)
{
    const double side = 196;
    const QPointF B(42, 212), C(B.x() + side, 212), A(B.x() + side / 2, 212 - side * std::sqrt(3.0) / 2);
    shapeOutline(s, polygonPath(QPolygonF({A, B, C})));
    height(s, A, B, C, QStringLiteral("ha"), 0.3, {-1, 0});
    height(s, B, C, A, QStringLiteral("hb"), 0.3, {0.2, 1});
    height(s, C, A, B, QStringLiteral("hc"), 0.3, {-0.2, 1});
    s.equalTicks(A, B);
    s.equalTicks(A, C);
    s.equalTicks(B, C);
    s.dimension(B, C, QPointF(0, 28), QStringLiteral("a"));
}

void rhomb(Sketch& s)
{
    const QPointF left(22, 140), right(258, 140), top(140, 48), bottom(140, 232);
    shapeOutline(s, polygonPath(QPolygonF({left, top, right, bottom})));
    s.dimension(left, right, {}, QStringLiteral("a"), {0, -1}, 0.78);
    s.dimension(top, bottom, {}, QStringLiteral("b"), {1, 0}, 0.27);
}

void square(Sketch& s)
{
    const QRectF box(52, 40, 176, 176);
    QPainterPath path;
    path.addRect(box);
    shapeOutline(s, path);
    s.rightAngle(box.topLeft(), box.topRight(), box.bottomLeft(), style::ink);
    s.equalTicks(box.topLeft(), box.topRight());
    s.equalTicks(box.topRight(), box.bottomRight());
    s.equalTicks(box.topLeft(), box.bottomLeft());
    s.dimension(box.bottomLeft(), box.bottomRight(), QPointF(0, 28), QStringLiteral("a"));
}

void rectangle(Sketch& s)
{
    const QRectF box(22, 58, 206, 140);
    QPainterPath path;
    path.addRect(box);
    shapeOutline(s, path);
    s.rightAngle(box.topLeft(), box.topRight(), box.bottomLeft(), style::ink);
    s.dimension(box.bottomLeft(), box.bottomRight(), QPointF(0, 28), QStringLiteral("a"));
    s.dimension(box.topRight(), box.bottomRight(), QPointF(22, 0), QStringLiteral("b"));
}

void trapeziumIsosceles(Sketch& s)
{
    const QPointF bl(22, 196), br(222, 196), tl(74, 76), tr(170, 76);
    shapeOutline(s, polygonPath(QPolygonF({bl, br, tr, tl})));
    s.equalTicks(bl, tl);
    s.equalTicks(br, tr);
    s.dimension(bl, br, QPointF(0, 28), QStringLiteral("a"));
    s.dimension(tl, tr, QPointF(0, -24), QStringLiteral("b"));
    const double x = br.x() + 24;
    s.dimensionBetween(tr, br, QPointF(x, tr.y()), QPointF(x, br.y()), QStringLiteral("c"));
}

void polygonRegular(Sketch& s)
{
    const QPointF centre(140, 124);
    const double radius = 104;
    const int sides = 6;
    QPolygonF polygon;
    for (int i = 0; i < sides; ++i) {
        const double angle = pi / 2 + pi / sides + 2 * pi * i / sides;
        polygon << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    shapeOutline(s, polygonPath(polygon));
    s.dot(centre);
    // Count the sides round the polygon, the bottom one first, up to n.
    const double inradius = radius * std::cos(pi / sides);
    for (int i = 0; i < sides; ++i) {
        const double angle = pi / 2 + 2 * pi * i / sides;
        const QString name = i + 1 < sides ? QString::number(i + 1) : QStringLiteral("n");
        s.label(centre + QPointF(std::cos(angle), std::sin(angle)) * (inradius - 20), name, style::accent);
    }
    s.dimension(polygon[sides - 1], polygon[0], QPointF(0, 30), QStringLiteral("a"));
}

void circle(Sketch& s)
{
    const QPointF centre(140, 140);
    const double r = 112;
    QPainterPath path;
    path.addEllipse(centre, r, r);
    shapeOutline(s, path);
    s.dot(centre);
    s.dimension(centre - QPointF(r, 0), centre + QPointF(r, 0), {}, QStringLiteral("a"), {0, -1});
}

void circleHalf(Sketch& s)
{
    const QPointF centre(140, 186);
    const double r = 118;
    QPainterPath path;
    path.moveTo(centre + QPointF(r, 0));
    path.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 0, 180);
    path.closeSubpath();
    shapeOutline(s, path);
    s.dot(centre);
    s.dimension(centre - QPointF(r, 0), centre + QPointF(r, 0), QPointF(0, 30), QStringLiteral("a"));
}

void ellipse(Sketch& s)
{
    const QPointF centre(140, 140);
    const double rx = 122, ry = 80;
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    shapeOutline(s, path);
    s.dimension(centre - QPointF(rx, 0), centre + QPointF(rx, 0), {}, QStringLiteral("a"), {0, -1}, 0.78);
    s.dimension(centre - QPointF(0, ry), centre + QPointF(0, ry), {}, QStringLiteral("b"), {1, 0}, 0.27);
}

void ellipseHalf(Sketch& s)
{
    const QPointF centre(140, 188);
    const double rx = 120, ry = 126;
    QPainterPath path;
    path.moveTo(centre + QPointF(rx, 0));
    path.arcTo(QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry), 0, 180);
    path.closeSubpath();
    shapeOutline(s, path);
    s.dimension(centre - QPointF(rx, 0), centre + QPointF(rx, 0), QPointF(0, 30), QStringLiteral("a"));
    s.dimension(centre, centre - QPointF(0, ry), {}, QStringLiteral("b"), {1, 0});
}

void ellipseHalves(Sketch& s)
{
    const QPointF centre(140, 146);
    const double rx = 122, up = 104, down = 64;
    QPainterPath path;
    path.moveTo(centre + QPointF(rx, 0));
    path.arcTo(QRectF(centre.x() - rx, centre.y() - up, 2 * rx, 2 * up), 0, 180);
    path.arcTo(QRectF(centre.x() - rx, centre.y() - down, 2 * rx, 2 * down), 180, 180);
    path.closeSubpath();
    shapeOutline(s, path);
    s.dimension(centre - QPointF(rx, 0), centre + QPointF(rx, 0), {}, QStringLiteral("b"), {0, -1}, 0.8);
    s.dimension(centre, centre - QPointF(0, up), {}, QStringLiteral("a"), {1, 0});
    s.dimension(centre, centre + QPointF(0, down), {}, QStringLiteral("c"), {1, 0});
}

} // namespace

const std::vector<ShapePicture>& flatPictures()
{
    static const std::vector<ShapePicture> pictures = {
        {"rhomb", "flat", "rhomb.gif", rhomb},
        {"triangle", "flat", "triangle.gif", triangle},
        {"triangle:isosceles:2", "flat", "triangle_isosceles_2.gif", triangleIsoscelesByHeight},
        {"ellipse", "flat", "ellipse.gif", ellipse},
        {"ellipse:half", "flat", "ellipse_half.gif", ellipseHalf},
        {"triangle:isosceles:1", "flat", "triangle_isosceles.gif", triangleIsosceles},
        {"triangle:equilateral", "flat", "triangle_equilateral.gif", triangleEquilateral},
        {"square", "flat", "square.gif", square},
        {"trapezium:isosceles", "flat", "trapezium_isosceles.gif", trapeziumIsosceles},
        {"ellipse:halves", "flat", "ellipse_halves.gif", ellipseHalves},
        {"circle", "flat", "circle.gif", circle},
        {"regpolygon", "flat", "polygon_regular.gif", polygonRegular},
        {"circle:half", "flat", "circle_half.gif", circleHalf},
        {"rectangle", "flat", "rectangle.gif", rectangle},
    };
    return pictures;
}

// SPDX-License-Identifier: MIT
// The drawing style shared by every shape picture: outlines, hidden edges,
// dimension lines for inputs and a lighter dashed style for derived results.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <vector>

namespace style {
inline const QColor paper(0xff, 0xff, 0xff);
inline const QColor fill(0xe8, 0xef, 0xf7);       // inside of a shape
inline const QColor ink(0x1c, 0x22, 0x30);        // outlines and hidden edges
inline const QColor accent(0xcc, 0x3d, 0x14);     // input dimensions and their names
inline const QColor result(0x2a, 0x7a, 0xb0);     // derived quantities
inline const QColor tint(0xfb, 0xdc, 0xcc);       // an area given as an input

constexpr double outlineWidth = 3.5;
constexpr double hiddenWidth = 2.5;
constexpr double dimensionWidth = 2.5;
constexpr double labelPixels = 22.0;
constexpr int pictureSize = 280;
}

// Loads the bundled DejaVu Sans files; false when they are missing.
bool loadPictureFonts();
QFont labelFont();

class Sketch {
public:
    explicit Sketch(QImage& image);

    QPainter& painter() { return m_painter; }

    void fillArea(const QPainterPath& path, const QColor& colour = style::fill);
    void outline(const QPainterPath& path);
    void outline(const QPolygonF& polyline, bool closed);
    void hidden(const QPainterPath& path);
    void hidden(const QPolygonF& polyline, bool closed);
    void line(QPointF a, QPointF b) { outline(QPolygonF({a, b}), false); }
    void hiddenLine(QPointF a, QPointF b) { hidden(QPolygonF({a, b}), false); }
    void dot(QPointF centre, const QColor& colour = style::ink);

    // A dimension of the segment a-b drawn at the given offset from it, with
    // extension lines when the offset is not zero; the name goes on the far
    // side of the offset, or along `side` when the line lies on the segment.
    void dimension(QPointF a, QPointF b, QPointF offset, const QString& name, QPointF side = {},
                   double at = 0.5);
    // A dimension line from pa to pb with extension lines from a to pa and b to pb.
    void dimensionBetween(QPointF a, QPointF b, QPointF pa, QPointF pb, const QString& name);
    // The same in the lighter style of a derived value.
    void resultDimension(QPointF a, QPointF b, QPointF offset, const QString& name, QPointF side = {},
                         double at = 0.5);
    // A derived length drawn as a dashed line from `from` to `to` with its name
    // beside the point at `at` (0..1) along it, towards `side`.
    void resultLine(QPointF from, QPointF to, const QString& name, double at, QPointF side,
                    bool arrowAtEnd = false);
    void rightAngle(QPointF corner, QPointF towardsA, QPointF towardsB, const QColor& colour);
    // Short strokes across the middle of a side that mark sides of equal length.
    void equalTicks(QPointF a, QPointF b, int count = 1);
    // A name that points at a spot with a leader arrow.
    void leader(QPointF labelCentre, QPointF target, const QString& name, const QColor& colour);
    void label(QPointF centre, const QString& text, const QColor& colour);
    // A label placed beside `anchor` in direction `side` so that its box clears the anchor.
    void labelBeside(QPointF anchor, QPointF side, const QString& text, const QColor& colour,
                     double gap = 4.0);

private:
    void arrowHead(QPointF tip, QPointF from, const QColor& colour);
    void measure(QPointF a, QPointF b, QPointF pa, QPointF pb, const QString& name, QPointF side,
                 double at, const QColor& colour, bool dashed);

    QPainter m_painter;
};

QPointF unit(QPointF v);
QPointF normalOf(QPointF v); // v turned a quarter to the left (screen coordinates)
QPainterPath polygonPath(const QPolygonF& polygon);

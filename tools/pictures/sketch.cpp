// SPDX-License-Identifier: MIT
#include "pictures/sketch.h"

#include <QFontDatabase>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

const char* const fontFiles[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif-BoldItalic.ttf",
};

constexpr double arrowLength = 13.0;
constexpr double arrowHalfWidth = 5.5;

QPen strokePen(const QColor& colour, double width)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

QPen dashedPen(const QColor& colour, double width)
{
    QPen pen(colour, width, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
    pen.setDashPattern({3.0, 2.5});
    return pen;
}

QPainterPath textPath(const QString& text)
{
    QPainterPath path;
    path.addText(0, 0, labelFont(), text);
    return path;
}

} // namespace

QPointF unit(QPointF v)
{
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF();
}

QPointF normalOf(QPointF v)
{
    return {v.y(), -v.x()};
}

QPainterPath polygonPath(const QPolygonF& polygon)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

bool loadPictureFonts()
{
    for (const char* file : fontFiles) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0)
            return false;
    }
    return true;
}

// Variables in italic serif, as in print: its l, with a hooked foot, is never
// taken for I or |.
QFont labelFont()
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(static_cast<int>(style::labelPixels));
    font.setBold(true);
    font.setItalic(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

Sketch::Sketch(QImage& image) : m_painter(&image)
{
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

void Sketch::fillArea(const QPainterPath& path, const QColor& colour)
{
    m_painter.fillPath(path, colour);
}

void Sketch::outline(const QPainterPath& path)
{
    m_painter.strokePath(path, strokePen(style::ink, style::outlineWidth));
}

void Sketch::outline(const QPolygonF& polyline, bool closed)
{
    m_painter.setPen(strokePen(style::ink, style::outlineWidth));
    m_painter.setBrush(Qt::NoBrush);
    if (closed)
        m_painter.drawPolygon(polyline);
    else
        m_painter.drawPolyline(polyline);
}

void Sketch::hidden(const QPainterPath& path)
{
    m_painter.strokePath(path, dashedPen(style::ink, style::hiddenWidth));
}

void Sketch::hidden(const QPolygonF& polyline, bool closed)
{
    m_painter.setPen(dashedPen(style::ink, style::hiddenWidth));
    m_painter.setBrush(Qt::NoBrush);
    if (closed)
        m_painter.drawPolygon(polyline);
    else
        m_painter.drawPolyline(polyline);
}

void Sketch::dot(QPointF centre, const QColor& colour)
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(colour);
    m_painter.drawEllipse(centre, 3.0, 3.0);
}

void Sketch::arrowHead(QPointF tip, QPointF from, const QColor& colour)
{
    const QPointF along = unit(tip - from);
    const QPointF across = normalOf(along);
    const QPointF back = tip - along * arrowLength;
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(colour);
    m_painter.drawPolygon(QPolygonF({tip, back + across * arrowHalfWidth, back - across * arrowHalfWidth}));
}

void Sketch::measure(QPointF a, QPointF b, QPointF pa, QPointF pb, const QString& name, QPointF side,
                     double at, const QColor& colour, bool dashed)
{
    const QPointF along = unit(pb - pa);
    QPointF labelSide = unit(side);
    const QPointF shift = (pa + pb - a - b) / 2.0;
    if (!shift.isNull()) {
        m_painter.setPen(strokePen(colour, 2.0));
        if (pa != a)
            m_painter.drawLine(a + unit(pa - a) * 3.0, pa + unit(pa - a) * 5.0);
        if (pb != b)
            m_painter.drawLine(b + unit(pb - b) * 3.0, pb + unit(pb - b) * 5.0);
        labelSide = normalOf(along);
        if (QPointF::dotProduct(labelSide, shift) < 0)
            labelSide = -labelSide;
    }
    m_painter.setPen(dashed ? dashedPen(colour, style::dimensionWidth)
                            : strokePen(colour, style::dimensionWidth));
    m_painter.drawLine(pa + along * (arrowLength - 1.0), pb - along * (arrowLength - 1.0));
    arrowHead(pa, pb, colour);
    arrowHead(pb, pa, colour);
    labelBeside(pa + (pb - pa) * at, labelSide, name, colour);
}

void Sketch::dimension(QPointF a, QPointF b, QPointF offset, const QString& name, QPointF side, double at)
{
    measure(a, b, a + offset, b + offset, name, side, at, style::accent, false);
}

void Sketch::dimensionBetween(QPointF a, QPointF b, QPointF pa, QPointF pb, const QString& name)
{
    measure(a, b, pa, pb, name, {}, 0.5, style::accent, false);
}

void Sketch::resultDimension(QPointF a, QPointF b, QPointF offset, const QString& name, QPointF side,
                             double at)
{
    measure(a, b, a + offset, b + offset, name, side, at, style::result, true);
}

void Sketch::resultLine(QPointF from, QPointF to, const QString& name, double at, QPointF side,
                        bool arrowAtEnd)
{
    m_painter.setPen(dashedPen(style::result, style::dimensionWidth));
    const QPointF end = arrowAtEnd ? to - unit(to - from) * (arrowLength - 1.0) : to;
    m_painter.drawLine(from, end);
    if (arrowAtEnd)
        arrowHead(to, from, style::result);
    labelBeside(from + (to - from) * at, unit(side), name, style::result);
}

void Sketch::rightAngle(QPointF corner, QPointF towardsA, QPointF towardsB, const QColor& colour)
{
    constexpr double size = 9.0;
    const QPointF p1 = corner + unit(towardsA - corner) * size;
    const QPointF p2 = corner + unit(towardsB - corner) * size;
    m_painter.setPen(strokePen(colour, 2.0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(QPolygonF({p1, p1 + p2 - corner, p2}));
}

void Sketch::equalTicks(QPointF a, QPointF b, int count)
{
    const QPointF along = unit(b - a);
    const QPointF across = normalOf(along) * 7.0;
    const QPointF middle = (a + b) / 2.0;
    m_painter.setPen(strokePen(style::ink, 2.0));
    for (int i = 0; i < count; ++i) {
        const QPointF centre = middle + along * (5.0 * (i - (count - 1) / 2.0));
        m_painter.drawLine(centre - across, centre + across);
    }
}

void Sketch::leader(QPointF labelCentre, QPointF target, const QString& name, const QColor& colour)
{
    const QRectF box = textPath(name).boundingRect();
    const QPointF towards = unit(target - labelCentre);
    const double clearance = std::abs(towards.x()) * box.width() / 2.0
        + std::abs(towards.y()) * box.height() / 2.0 + 4.0;
    const QPointF start = labelCentre + towards * clearance;
    m_painter.setPen(strokePen(colour, 2.0));
    m_painter.drawLine(start, target - towards * (arrowLength - 1.0));
    arrowHead(target, start, colour);
    label(labelCentre, name, colour);
}

void Sketch::label(QPointF centre, const QString& text, const QColor& colour)
{
    QPainterPath path = textPath(text);
    path.translate(centre - path.boundingRect().center());
    m_painter.strokePath(path, QPen(style::paper, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.fillPath(path, colour);
}

void Sketch::labelBeside(QPointF anchor, QPointF side, const QString& text, const QColor& colour,
                         double gap)
{
    const QRectF box = textPath(text).boundingRect();
    const QPointF direction = unit(side);
    const double distance = gap + std::abs(direction.x()) * box.width() / 2.0
        + std::abs(direction.y()) * box.height() / 2.0;
    label(anchor + direction * distance, text, colour);
}

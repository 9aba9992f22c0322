// SPDX-License-Identifier: MIT
// The picture canvas, the program's icon and the copy buttons.
#include "pictures/pictures.h"
#include "pictures/sketch.h"
#include "pictures/view3d.h"

#include <QPen>
#include <QStringList>

#include <algorithm>

std::vector<ShapePicture> allPictures()
{
    std::vector<ShapePicture> pictures = flatPictures();
    const std::vector<ShapePicture>& solids = solidPictures();
    pictures.insert(pictures.end(), solids.begin(), solids.end());
    return pictures;
}

QImage drawPicture(const ShapePicture& picture, int scale)
{
    QImage image(style::pictureSize * scale, style::pictureSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(style::paper);
    {
        Sketch sketch(image);
        sketch.painter().scale(scale, scale);
        picture.draw(sketch);
    }
    return image;
}

namespace {

// One filled and outlined shape of the icon, in the coordinates of its
// 64-pixel design.
struct IconLayer {
    QPainterPath path;
    QColor fill;          // invalid: not filled
    QColor stroke;        // invalid: not outlined
    double strokeWidth = 0;
    Qt::PenCapStyle cap = Qt::RoundCap;
    Qt::PenJoinStyle join = Qt::RoundJoin;
};

constexpr int iconDesignSize = 64;

// A box with its three visible faces shaded, a cone beside it and a
// dimension arrow under both: the calculator of solids at a glance.
std::vector<IconLayer> iconLayers()
{
    const QPointF top(22, 6), left(4, 16), right(40, 16), middle(22, 26);
    const QPointF down(0, 26);
    auto face = [&](const QPolygonF& corners, const QColor& colour) {
        return IconLayer{polygonPath(corners), colour, style::ink, 2.0};
    };
    std::vector<IconLayer> layers;
    layers.push_back(face({top, right, middle, left}, style::fill));
    layers.push_back(face({left, middle, middle + down, left + down}, style::result));
    layers.push_back(face({middle, right, right + down, middle + down}, style::tint));

    QPainterPath cone;
    cone.moveTo(50, 14);
    cone.lineTo(62, 46);
    cone.arcTo(QRectF(38, 42, 24, 8), 0, -180);
    cone.closeSubpath();
    layers.push_back({cone, style::accent, style::ink, 2.0});

    QPainterPath shaft;
    shaft.moveTo(9, 57);
    shaft.lineTo(55, 57);
    layers.push_back({shaft, QColor(), style::accent, 2.5, Qt::FlatCap, Qt::MiterJoin});
    layers.push_back({polygonPath({QPointF(3, 57), QPointF(11, 52.5), QPointF(11, 61.5)}), style::accent, QColor()});
    layers.push_back({polygonPath({QPointF(61, 57), QPointF(53, 52.5), QPointF(53, 61.5)}), style::accent, QColor()});
    return layers;
}

QString svgNumber(double value)
{
    return QString::number(value, 'g', 6);
}

// The path as SVG path data; arcs are already cubic curves in a QPainterPath.
QString svgPathData(const QPainterPath& path)
{
    QStringList parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString point = svgNumber(e.x) + QLatin1Char(' ') + svgNumber(e.y);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            parts << QStringLiteral("M") + point;
            break;
        case QPainterPath::LineToElement:
            parts << QStringLiteral("L") + point;
            break;
        case QPainterPath::CurveToElement:
            parts << QStringLiteral("C") + point;
            break;
        case QPainterPath::CurveToDataElement:
            parts << point;
            break;
        }
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

QImage drawProgramIcon(int size, const QColor& background)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double scale = static_cast<double>(size) / iconDesignSize;
    painter.scale(scale, scale);
    for (const IconLayer& layer : iconLayers()) {
        // At the smallest sizes a stroke keeps at least one device pixel.
        const double width = std::max(layer.strokeWidth, 1.0 / scale);
        painter.setPen(layer.stroke.isValid() ? QPen(layer.stroke, width, Qt::SolidLine, layer.cap, layer.join)
                                              : QPen(Qt::NoPen));
        painter.setBrush(layer.fill.isValid() ? QBrush(layer.fill) : QBrush(Qt::NoBrush));
        painter.drawPath(layer.path);
    }
    return image;
}

QByteArray programIconSvg()
{
    auto cap = [](Qt::PenCapStyle style) {
        return style == Qt::FlatCap ? QStringLiteral("butt") : QStringLiteral("round");
    };
    auto join = [](Qt::PenJoinStyle style) {
        return style == Qt::MiterJoin ? QStringLiteral("miter") : QStringLiteral("round");
    };
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(iconDesignSize);
    for (const IconLayer& layer : iconLayers()) {
        QString attributes = QStringLiteral(" fill=\"%1\"").arg(
            layer.fill.isValid() ? layer.fill.name() : QStringLiteral("none"));
        if (layer.stroke.isValid()) {
            attributes += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"%3\" "
                                         "stroke-linejoin=\"%4\"")
                              .arg(layer.stroke.name(), svgNumber(layer.strokeWidth), cap(layer.cap),
                                   join(layer.join));
        }
        svg += QStringLiteral("  <path d=\"%1\"%2/>\n").arg(svgPathData(layer.path), attributes);
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

namespace {

// The copy button for a screen of a higher ratio: the same sheets with lines
// of one logical pixel, and the hint letter stroked through the centres of
// the cells of the 1x glyph.
QImage drawSharpCopyButton(QChar hint, int scale)
{
    constexpr int size = 14;
    QImage image(size * scale, size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(style::paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(scale, scale);
    painter.setPen(QPen(style::result, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(style::fill);
    painter.drawRect(QRectF(1.5, 0.5, 7, 9));
    painter.setPen(QPen(style::ink, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(style::paper);
    painter.drawRect(QRectF(4.5, 3.5, 8, 10));
    painter.setPen(QPen(style::accent, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    if (hint == QLatin1Char('V')) {
        painter.drawPolyline(QPolygonF({QPointF(6.5, 6.5), QPointF(6.5, 7.5), QPointF(8.5, 10.5),
                                        QPointF(10.5, 7.5), QPointF(10.5, 6.5)}));
    } else {
        painter.drawPolyline(QPolygonF({QPointF(6.5, 10.5), QPointF(6.5, 8.5), QPointF(8.5, 6.5),
                                        QPointF(10.5, 8.5), QPointF(10.5, 10.5)}));
        painter.drawLine(QPointF(6.5, 9.5), QPointF(10.5, 9.5));
    }
    return image;
}

} // namespace

// Two sheets, the front one carrying the hint letter of what is copied,
// set pixel by pixel: at this size a font would only blur.
QImage drawCopyButton(QChar hint, int scale)
{
    constexpr int size = 14;
    if (scale > 1)
        return drawSharpCopyButton(hint, scale);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(style::paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(style::result, 1.0));
    painter.setBrush(style::fill);
    painter.drawRect(1, 0, 7, 9);
    painter.setPen(QPen(style::ink, 1.0));
    painter.setBrush(style::paper);
    painter.drawRect(4, 3, 8, 10);
    painter.end();

    static const char* const volume[] = {"X...X", "X...X", ".X.X.", ".X.X.", "..X.."};
    static const char* const area[] = {"..X..", ".X.X.", "X...X", "XXXXX", "X...X"};
    const char* const* glyph = hint == QLatin1Char('V') ? volume : area;
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            if (glyph[row][column] == 'X')
                image.setPixelColor(6 + column, 6 + row, style::accent);
        }
    }
    return image;
}

// SPDX-License-Identifier: MIT
// The picture canvas, the program's icon and the copy buttons.
#include "pictures/pictures.h"
#include "pictures/sketch.h"
#include "pictures/view3d.h"

#include <QPen>

std::vector<ShapePicture> allPictures()
{
    std::vector<ShapePicture> pictures = flatPictures();
    const std::vector<ShapePicture>& solids = solidPictures();
    pictures.insert(pictures.end(), solids.begin(), solids.end());
    return pictures;
}

QImage drawPicture(const ShapePicture& picture)
{
    QImage image(style::pictureSize, style::pictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(style::paper);
    {
        Sketch sketch(image);
        picture.draw(sketch);
    }
    return image;
}

// A box with its three visible faces shaded, a cone beside it and a
// dimension arrow under both: the calculator of solids at a glance.
QImage drawProgramIcon()
{
    constexpr int size = 64;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(style::paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);

    const QPointF top(22, 6), left(4, 16), right(40, 16), middle(22, 26);
    const QPointF down(0, 26);
    const QPen edge(style::ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(edge);
    painter.setBrush(style::fill);
    painter.drawPolygon(QPolygonF({top, right, middle, left}));
    painter.setBrush(style::result);
    painter.drawPolygon(QPolygonF({left, middle, middle + down, left + down}));
    painter.setBrush(style::tint);
    painter.drawPolygon(QPolygonF({middle, right, right + down, middle + down}));

    const QPointF apex(50, 14);
    painter.setBrush(style::accent);
    QPainterPath cone;
    cone.moveTo(apex);
    cone.lineTo(62, 46);
    cone.arcTo(QRectF(38, 42, 24, 8), 0, -180);
    cone.closeSubpath();
    painter.drawPath(cone);

    const QPen arrow(style::accent, 2.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(arrow);
    painter.drawLine(QPointF(9, 57), QPointF(55, 57));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::accent);
    painter.drawPolygon(QPolygonF({QPointF(3, 57), QPointF(11, 52.5), QPointF(11, 61.5)}));
    painter.drawPolygon(QPolygonF({QPointF(61, 57), QPointF(53, 52.5), QPointF(53, 61.5)}));
    return image;
}

// Two sheets, the front one carrying the hint letter of what is copied,
// set pixel by pixel: at this size a font would only blur.
QImage drawCopyButton(QChar hint)
{
    constexpr int size = 14;
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

// SPDX-License-Identifier: MIT
// The pictures of the catalogue: one drawing per shape, in the picture
// folder of the shape's group, under the file name the shape asks for.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

class Sketch;

struct ShapePicture {
    const char* id;    // the shape's catalogue id
    const char* group; // "flat" or "solid", the picture's subfolder
    const char* file;  // the picture's file name
    void (*draw)(Sketch&);
};

const std::vector<ShapePicture>& flatPictures();
const std::vector<ShapePicture>& solidPictures();
std::vector<ShapePicture> allPictures();

// A white picture of the common size with the shape drawn on it; scale 2
// draws the same picture at twice the pixels, for screens of ratio 2.
QImage drawPicture(const ShapePicture& picture, int scale = 1);
// The program's icon at size x size pixels on the background colour (the
// icon theme's files take a transparent one).
QImage drawProgramIcon(int size = 64, const QColor& background = Qt::white);
// The same drawing as a scalable SVG document.
QByteArray programIconSvg();
// The 14-pixel copy button, or its scale-2 variant of 28 pixels.
QImage drawCopyButton(QChar hint, int scale = 1);

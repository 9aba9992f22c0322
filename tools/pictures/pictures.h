// SPDX-License-Identifier: MIT
// The pictures of the catalogue: one drawing per shape, in the picture
// folder of the shape's group, under the file name the shape asks for.
#pragma once

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

// A white picture of the common size with the shape drawn on it.
QImage drawPicture(const ShapePicture& picture);
QImage drawProgramIcon();
QImage drawCopyButton(QChar hint);

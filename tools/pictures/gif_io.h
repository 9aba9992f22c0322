// SPDX-License-Identifier: MIT
// GIF files of the pictures: every picture is reduced to one fixed palette
// (the style colours and the blends between them), so a redraw gives the
// same bytes.
#pragma once

#include <QImage>
#include <QString>

// Writes the picture as a GIF; false with a reason when the file cannot be written.
bool writeGif(const QImage& image, const QString& path, QString* error);
// Reads the first frame of a GIF; a null image with a reason on failure.
QImage readGif(const QString& path, QString* error);

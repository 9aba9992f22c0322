// SPDX-License-Identifier: MIT
// Shape pictures: GIF files decoded with giflib into 32-bit images.
#pragma once

#include <QImage>
#include <QString>

#include <optional>

// Largest side, in pixels, of a picture's logical screen or first frame.
constexpr int MaxGifSide = 4096;

// The first frame of the GIF file at the path, on its logical screen, as an
// opaque Format_RGB32 image; transparent pixels and pixels outside the frame
// show the background colour. Nothing when the path is not a regular file or
// the file cannot be decoded (damaged, truncated, without colour map, a side
// of 0 or above MaxGifSide). Never blocks on a FIFO or device.
std::optional<QImage> loadGifImage(const QString& path);

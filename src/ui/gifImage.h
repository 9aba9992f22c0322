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

// The file name of a picture's variant drawn for a device pixel ratio:
// "name@2x.gif" beside "name.gif" for 2, the name itself for 1.
QString pictureVariantPath(const QString& path, int ratio);

// The picture at the path for a screen of the given device pixel ratio: the
// @2x variant, marked with device pixel ratio 2, when the ratio is above 1
// and that variant decodes; else the picture itself at ratio 1. Nothing when
// the picture itself cannot be decoded.
std::optional<QImage> loadGifPicture(const QString& path, qreal ratio);

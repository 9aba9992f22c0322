// SPDX-License-Identifier: MIT
// GIF decoding of an arbitrary file and the fitting of the picture into a
// thumbnail, as the shape picker does.
#include "ui/gifImage.h"
#include "ui/imgContainer.h"
#include "temp_file.h"

#include <QImage>

#include <cstdint>
#include <cstdlib>

namespace {

// The picker's thumbnail box.
constexpr int ThumbSide = 150;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = writeInputFile("picture.gif", data, size);
    const std::optional<QImage> picture = loadGifImage(path);
    if (!picture)
        return 0;
    require(!picture->isNull());
    require(picture->width() > 0 && picture->width() <= MaxGifSide);
    require(picture->height() > 0 && picture->height() <= MaxGifSide);
    require(picture->format() == QImage::Format_RGB32);

    const QImage thumbnail = makeThumbnail(*picture, ThumbSide, ThumbSide, 0xFFFFFFFF);
    require(thumbnail.width() == ThumbSide && thumbnail.height() == ThumbSide);

    // The same 1x picture on a screen of ratio 2: fitted at its logical size
    // (enlarged when small), in device pixels.
    const QImage doubled = makeThumbnail(*picture, ThumbSide, ThumbSide, 0xFFFFFFFF, 2.0);
    require(doubled.width() == 2 * ThumbSide && doubled.height() == 2 * ThumbSide);
    require(doubled.devicePixelRatio() == 2.0);
    return 0;
}

// SPDX-License-Identifier: MIT
#include "ui/gifImage.h"

#include <gif_lib.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include <memory>
#include <vector>

namespace {

struct GifCloser {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using GifPtr = std::unique_ptr<GifFileType, GifCloser>;

bool sideAccepted(int side)
{
    return side > 0 && side <= MaxGifSide;
}

// Opens a regular file only: a FIFO or device would block or never end.
// giflib takes over the descriptor, also when it fails.
GifPtr openRegularGif(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        return nullptr;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    int error = 0;
    return GifPtr(DGifOpenFileHandle(fd, &error));
}

QRgb colourAt(const ColorMapObject* map, int index, QRgb fallback)
{
    if (map == nullptr || map->Colors == nullptr || index < 0 || index >= map->ColorCount)
        return fallback;
    const GifColorType& c = map->Colors[index];
    return qRgb(c.Red, c.Green, c.Blue);
}

// Reads the remaining blocks of an extension; a graphic control block gives
// the transparent colour index.
bool readExtension(GifFileType* gif, int& transparentIndex)
{
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
        return false;
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
        GraphicsControlBlock control {};
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            transparentIndex = control.TransparentColor;
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            return false;
    }
    return true;
}

} // namespace

std::optional<QImage> loadGifImage(const QString& path)
{
    GifPtr gif = openRegularGif(path);
    if (!gif)
        return std::nullopt;
    const int screenWidth = gif->SWidth;
    const int screenHeight = gif->SHeight;
    if (!sideAccepted(screenWidth) || !sideAccepted(screenHeight))
        return std::nullopt;

    int transparentIndex = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR)
            return std::nullopt;
        if (record == TERMINATE_RECORD_TYPE)
            return std::nullopt; // no frame at all
        if (record == EXTENSION_RECORD_TYPE) {
            if (!readExtension(gif.get(), transparentIndex))
                return std::nullopt;
            continue;
        }
        if (record == IMAGE_DESC_RECORD_TYPE)
            break;
        return std::nullopt;
    }
    if (DGifGetImageDesc(gif.get()) == GIF_ERROR)
        return std::nullopt;

    const GifImageDesc& frame = gif->Image;
    if (!sideAccepted(frame.Width) || !sideAccepted(frame.Height) || frame.Left < 0 || frame.Top < 0)
        return std::nullopt;
    const ColorMapObject* map = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
    if (map == nullptr || map->Colors == nullptr || map->ColorCount <= 0)
        return std::nullopt;

    const QRgb background = colourAt(gif->SColorMap, gif->SBackGroundColor, qRgb(255, 255, 255));
    QImage image(screenWidth, screenHeight, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    image.fill(background);

    // Interlaced frames arrive in four passes of rows.
    std::vector<int> rowOrder;
    rowOrder.reserve(static_cast<std::size_t>(frame.Height));
    if (frame.Interlace) {
        constexpr int offsets[] = {0, 4, 2, 1};
        constexpr int steps[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass) {
            for (int row = offsets[pass]; row < frame.Height; row += steps[pass])
                rowOrder.push_back(row);
        }
    } else {
        for (int row = 0; row < frame.Height; ++row)
            rowOrder.push_back(row);
    }

    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
    for (const int row : rowOrder) {
        if (DGifGetLine(gif.get(), line.data(), frame.Width) == GIF_ERROR)
            return std::nullopt;
        const int y = frame.Top + row;
        if (y >= screenHeight)
            continue;
        QRgb* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int column = 0; column < frame.Width; ++column) {
            const int x = frame.Left + column;
            if (x >= screenWidth)
                break;
            const int index = line[static_cast<std::size_t>(column)];
            if (index != transparentIndex)
                target[x] = colourAt(map, index, background);
        }
    }
    return image;
}

QString pictureVariantPath(const QString& path, int ratio)
{
    if (ratio <= 1)
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash + 1)
        dot = path.size(); // no extension, or a hidden file's leading dot
    return path.left(dot) + QStringLiteral("@%1x").arg(ratio) + path.mid(dot);
}

std::optional<QImage> loadGifPicture(const QString& path, qreal ratio)
{
    if (ratio > 1.0) {
        if (std::optional<QImage> sharp = loadGifImage(pictureVariantPath(path, 2))) {
            sharp->setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return loadGifImage(path);
}

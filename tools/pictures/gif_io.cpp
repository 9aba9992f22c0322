// SPDX-License-Identifier: MIT
#include "pictures/gif_io.h"
#include "pictures/sketch.h"

#include <gif_lib.h>

#include <QHash>

#include <array>
#include <memory>
#include <vector>

namespace {

constexpr int paletteSize = 256;
constexpr int blendSteps = 15;

// The style colours, then for every pair of them the colours between, which
// is what antialiased edges and labels blend into.
std::vector<QRgb> buildPalette()
{
    const std::array<QColor, 6> base = {style::paper, style::fill, style::ink,
                                        style::accent, style::result, style::tint};
    std::vector<QRgb> colours;
    for (const QColor& c : base)
        colours.push_back(c.rgb());
    for (std::size_t i = 0; i < base.size(); ++i) {
        for (std::size_t j = i + 1; j < base.size(); ++j) {
            for (int k = 1; k < blendSteps; ++k) {
                const double t = static_cast<double>(k) / blendSteps;
                auto mix = [&](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
                colours.push_back(qRgb(mix(base[i].red(), base[j].red()), mix(base[i].green(), base[j].green()),
                                       mix(base[i].blue(), base[j].blue())));
            }
        }
    }
    colours.resize(paletteSize, style::paper.rgb());
    return colours;
}

class PaletteMapper {
public:
    explicit PaletteMapper(const std::vector<QRgb>& colours) : m_colours(colours) {}

    GifByteType indexOf(QRgb rgb)
    {
        rgb |= 0xff000000u;
        const auto known = m_cache.constFind(rgb);
        if (known != m_cache.constEnd())
            return known.value();
        int best = 0;
        long bestDistance = -1;
        for (std::size_t i = 0; i < m_colours.size(); ++i) {
            const long dr = qRed(rgb) - qRed(m_colours[i]);
            const long dg = qGreen(rgb) - qGreen(m_colours[i]);
            const long db = qBlue(rgb) - qBlue(m_colours[i]);
            const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (bestDistance < 0 || distance < bestDistance) {
                bestDistance = distance;
                best = static_cast<int>(i);
            }
        }
        m_cache.insert(rgb, static_cast<GifByteType>(best));
        return static_cast<GifByteType>(best);
    }

private:
    const std::vector<QRgb>& m_colours;
    QHash<QRgb, GifByteType> m_cache;
};

QString gifMessage(int code)
{
    const char* text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("GIF error %1").arg(code);
}

} // namespace

bool writeGif(const QImage& image, const QString& path, QString* error)
{
    static const std::vector<QRgb> palette = buildPalette();
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);

    std::vector<GifColorType> entries(palette.size());
    for (std::size_t i = 0; i < palette.size(); ++i)
        entries[i] = {static_cast<GifByteType>(qRed(palette[i])), static_cast<GifByteType>(qGreen(palette[i])),
                      static_cast<GifByteType>(qBlue(palette[i]))};
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
        GifMakeMapObject(paletteSize, entries.data()), GifFreeMapObject);

    int code = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &code);
    if (!gif) {
        *error = gifMessage(code);
        return false;
    }
    bool written = map && EGifPutScreenDesc(gif, rgb.width(), rgb.height(), 8, 0, map.get()) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, rgb.width(), rgb.height(), false, nullptr) == GIF_OK;
    PaletteMapper mapper(palette);
    std::vector<GifByteType> line(static_cast<std::size_t>(rgb.width()));
    for (int y = 0; written && y < rgb.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            line[static_cast<std::size_t>(x)] = mapper.indexOf(pixels[x]);
        written = EGifPutLine(gif, line.data(), rgb.width()) == GIF_OK;
    }
    if (!written)
        *error = gifMessage(gif->Error);
    if (EGifCloseFile(gif, &code) != GIF_OK && written) {
        *error = gifMessage(code);
        written = false;
    }
    return written;
}

QImage readGif(const QString& path, QString* error)
{
    int code = 0;
    GifFileType* gif = DGifOpenFileName(path.toLocal8Bit().constData(), &code);
    if (!gif) {
        *error = gifMessage(code);
        return {};
    }
    QImage image;
    if (DGifSlurp(gif) != GIF_OK || gif->ImageCount < 1) {
        *error = gifMessage(gif->Error);
    } else {
        const SavedImage& frame = gif->SavedImages[0];
        const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
        image = QImage(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        const GifImageDesc& d = frame.ImageDesc;
        for (int y = 0; map && y < d.Height; ++y) {
            for (int x = 0; x < d.Width; ++x) {
                const int index = frame.RasterBits[y * d.Width + x];
                if (index >= map->ColorCount || x + d.Left >= image.width() || y + d.Top >= image.height())
                    continue;
                const GifColorType c = map->Colors[index];
                image.setPixel(x + d.Left, y + d.Top, qRgb(c.Red, c.Green, c.Blue));
            }
        }
    }
    DGifCloseFile(gif, &code);
    return image;
}

// SPDX-License-Identifier: MIT
// Decoding of shape pictures, good and damaged, and the fitting of thumbnails.
#include "hang_guard.h"
#include "ui/gifImage.h"
#include "ui/imgContainer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stb/stb_image_resize.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

struct Frame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // row by row, in natural order
    std::vector<Rgb> localMap;
    bool interlaced = false;
    int transparent = -1;
};

struct GifLayout {
    int width = 0;
    int height = 0;
    std::vector<Rgb> globalMap;
    int background = 0;
    std::vector<Frame> frames;
};

void put16(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

// Size field of a colour table: 2^(n+1) entries; the table is padded to that.
int tableBits(std::size_t entries)
{
    int bits = 0;
    while ((std::size_t {2} << bits) < entries)
        ++bits;
    return bits;
}

void putMap(QByteArray& out, const std::vector<Rgb>& map)
{
    const std::size_t size = std::size_t {2} << tableBits(map.size());
    for (std::size_t i = 0; i < size; ++i) {
        const Rgb c = i < map.size() ? map[i] : Rgb {0, 0, 0};
        out.append(static_cast<char>(c.r));
        out.append(static_cast<char>(c.g));
        out.append(static_cast<char>(c.b));
    }
}

// LZW data that never grows the table: a clear code before every pixel keeps
// the codes 9 bits wide, which every decoder must accept.
QByteArray lzwData(const std::vector<std::uint8_t>& indices)
{
    constexpr int clear = 256;
    constexpr int end = 257;
    QByteArray packed;
    std::uint32_t accumulator = 0;
    int bits = 0;
    auto put = [&](int code) {
        accumulator |= static_cast<std::uint32_t>(code) << bits;
        bits += 9;
        while (bits >= 8) {
            packed.append(static_cast<char>(accumulator & 0xFF));
            accumulator >>= 8;
            bits -= 8;
        }
    };
    for (const std::uint8_t index : indices) {
        put(clear);
        put(index);
    }
    put(end);
    if (bits > 0)
        packed.append(static_cast<char>(accumulator & 0xFF));
    QByteArray out;
    out.append(static_cast<char>(8));
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        out.append(static_cast<char>(block.size()));
        out.append(block);
    }
    out.append(static_cast<char>(0));
    return out;
}

QByteArray encodeGif(const GifLayout& layout)
{
    QByteArray out("GIF89a");
    put16(out, layout.width);
    put16(out, layout.height);
    const bool global = !layout.globalMap.empty();
    out.append(static_cast<char>(global ? (0x80 | 0x70 | tableBits(layout.globalMap.size())) : 0x70));
    out.append(static_cast<char>(layout.background));
    out.append(static_cast<char>(0));
    if (global)
        putMap(out, layout.globalMap);
    for (const Frame& frame : layout.frames) {
        if (frame.transparent >= 0) {
            out.append("\x21\xF9\x04\x01", 4);
            put16(out, 0);
            out.append(static_cast<char>(frame.transparent));
            out.append(static_cast<char>(0));
        }
        out.append(static_cast<char>(0x2C));
        put16(out, frame.left);
        put16(out, frame.top);
        put16(out, frame.width);
        put16(out, frame.height);
        int flags = frame.interlaced ? 0x40 : 0;
        if (!frame.localMap.empty())
            flags |= 0x80 | tableBits(frame.localMap.size());
        out.append(static_cast<char>(flags));
        if (!frame.localMap.empty())
            putMap(out, frame.localMap);
        std::vector<std::uint8_t> stream;
        if (frame.interlaced) {
            constexpr int offsets[] = {0, 4, 2, 1};
            constexpr int steps[] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass) {
                for (int row = offsets[pass]; row < frame.height; row += steps[pass]) {
                    const auto begin = frame.pixels.begin() + row * frame.width;
                    stream.insert(stream.end(), begin, begin + frame.width);
                }
            }
        } else {
            stream = frame.pixels;
        }
        out.append(lzwData(stream));
    }
    out.append(static_cast<char>(0x3B));
    return out;
}

const Rgb Red {255, 0, 0};
const Rgb Green {0, 255, 0};
const Rgb Blue {0, 0, 255};
const Rgb Yellow {255, 255, 0};

QRgb rgb(Rgb c)
{
    return qRgb(c.r, c.g, c.b);
}

Frame frameOf(int left, int top, int width, int height, std::vector<std::uint8_t> pixels)
{
    Frame frame;
    frame.left = left;
    frame.top = top;
    frame.width = width;
    frame.height = height;
    frame.pixels = std::move(pixels);
    return frame;
}

class GifImageTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(GifImageTest, DecodesFirstFrameWithGlobalMap)
{
    GifLayout layout {3, 2, {Red, Green, Blue, Yellow}, 0, {}};
    layout.frames.push_back(frameOf(0, 0, 3, 2, {0, 1, 2, 3, 2, 1}));
    const auto image = loadGifImage(write("good.gif", encodeGif(layout)));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->size(), QSize(3, 2));
    EXPECT_EQ(image->depth(), 32);
    const QRgb expected[2][3] = {{rgb(Red), rgb(Green), rgb(Blue)}, {rgb(Yellow), rgb(Blue), rgb(Green)}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(image->pixel(x, y), expected[y][x] | 0xFF000000u) << x << "," << y;
    }
}

TEST_F(GifImageTest, InterlacedRowsLandInPlace)
{
    GifLayout layout {1, 10, {Red, Green, Blue, Yellow}, 0, {}};
    Frame frame = frameOf(0, 0, 1, 10, {0, 1, 2, 3, 0, 1, 2, 3, 0, 1});
    frame.interlaced = true;
    layout.frames.push_back(frame);
    const auto image = loadGifImage(write("interlaced.gif", encodeGif(layout)));
    ASSERT_TRUE(image.has_value());
    const Rgb colours[] = {Red, Green, Blue, Yellow};
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(image->pixel(0, y), rgb(colours[y % 4]) | 0xFF000000u) << y;
}

TEST_F(GifImageTest, FrameIsClippedToCanvasAndRestIsBackground)
{
    // Screen 4 x 4 with background Blue; a 4 x 4 frame of Red at (2, 2) reaches past it.
    GifLayout layout {4, 4, {Red, Green, Blue}, 2, {}};
    layout.frames.push_back(frameOf(2, 2, 4, 4, std::vector<std::uint8_t>(16, 0)));
    const auto image = loadGifImage(write("clip.gif", encodeGif(layout)));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->size(), QSize(4, 4));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const Rgb want = (x >= 2 && y >= 2) ? Red : Blue;
            EXPECT_EQ(image->pixel(x, y), rgb(want) | 0xFF000000u) << x << "," << y;
        }
    }
}

TEST_F(GifImageTest, IndexBeyondMapAndTransparentIndexShowBackground)
{
    // A local map of three colours is padded to four entries on disk, but
    // index 5 lies beyond the table; index 1 is transparent.
    GifLayout layout {4, 1, {Yellow, Green}, 0, {}};
    Frame frame = frameOf(0, 0, 4, 1, {0, 1, 2, 5});
    frame.localMap = {Red, Green, Blue};
    frame.transparent = 1;
    layout.frames.push_back(frame);
    const auto image = loadGifImage(write("beyond.gif", encodeGif(layout)));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->pixel(0, 0), rgb(Red) | 0xFF000000u);
    EXPECT_EQ(image->pixel(1, 0), rgb(Yellow) | 0xFF000000u);
    EXPECT_EQ(image->pixel(2, 0), rgb(Blue) | 0xFF000000u);
    EXPECT_EQ(image->pixel(3, 0), rgb(Yellow) | 0xFF000000u);
}

TEST_F(GifImageTest, LocalMapWithoutGlobalMapDecodesOnWhite)
{
    GifLayout layout {2, 1, {}, 0, {}};
    Frame frame = frameOf(0, 0, 1, 1, {1});
    frame.localMap = {Red, Green};
    layout.frames.push_back(frame);
    const auto image = loadGifImage(write("local.gif", encodeGif(layout)));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->pixel(0, 0), rgb(Green) | 0xFF000000u);
    EXPECT_EQ(image->pixel(1, 0), 0xFFFFFFFFu);
}

TEST_F(GifImageTest, OnlyTheFirstFrameIsRead)
{
    // The second frame is larger than any picture accepted; it is never decoded.
    GifLayout layout {2, 1, {Red, Green}, 0, {}};
    layout.frames.push_back(frameOf(0, 0, 2, 1, {1, 0}));
    layout.frames.push_back(frameOf(0, 0, 5000, 1, std::vector<std::uint8_t>(5000, 0)));
    const auto image = loadGifImage(write("frames.gif", encodeGif(layout)));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->pixel(0, 0), rgb(Green) | 0xFF000000u);
    EXPECT_EQ(image->pixel(1, 0), rgb(Red) | 0xFF000000u);
}

TEST_F(GifImageTest, DamagedFilesCannotBeDecoded)
{
    GifLayout good {8, 8, {Red, Green}, 0, {}};
    good.frames.push_back(frameOf(0, 0, 8, 8, std::vector<std::uint8_t>(64, 1)));
    const QByteArray goodBytes = encodeGif(good);

    auto withScreen = [](int w, int h, int frameW, int frameH) {
        GifLayout layout {w, h, {Red, Green}, 0, {}};
        layout.frames.push_back(frameOf(0, 0, frameW, frameH,
                                      std::vector<std::uint8_t>(static_cast<std::size_t>(frameW * frameH), 1)));
        return encodeGif(layout);
    };
    GifLayout noMap {2, 2, {}, 0, {}};
    noMap.frames.push_back(frameOf(0, 0, 2, 2, {0, 0, 0, 0}));
    GifLayout noFrame {2, 2, {Red}, 0, {}};

    QImage png(4, 4, QImage::Format_RGB32);
    png.fill(Qt::red);
    const QString pngPath = dir.filePath("png.gif");
    ASSERT_TRUE(png.save(pngPath, "PNG"));

    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty.gif", QByteArray()},
        {"header.gif", goodBytes.left(10)},
        {"truncated.gif", goodBytes.left(goodBytes.size() - 40)},
        {"screen0x0.gif", withScreen(0, 0, 1, 1)},
        {"screen65535.gif", withScreen(65535, 65535, 1, 1)},
        {"screen4097.gif", withScreen(4097, 1, 1, 1)},
        {"frame0.gif", withScreen(4, 4, 0, 0)},
        {"frame4097.gif", withScreen(4, 4, 4097, 1)},
        {"nomap.gif", encodeGif(noMap)},
        {"noframe.gif", encodeGif(noFrame)},
        {"text.gif", QByteArray("GIF89a is not a picture")},
    };
    EXPECT_TRUE(loadGifImage(write("control.gif", goodBytes)).has_value());
    for (const auto& c : cases)
        EXPECT_FALSE(loadGifImage(write(QString::fromLatin1(c.name), c.bytes)).has_value()) << c.name;
    EXPECT_FALSE(loadGifImage(pngPath).has_value());
    EXPECT_FALSE(loadGifImage(dir.filePath("missing.gif")).has_value());
    EXPECT_FALSE(loadGifImage(QString()).has_value());
}

TEST_F(GifImageTest, FoldersFifosAndDevicesAreRefusedAtOnce)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.gif"));
    const QString fifo = dir.filePath("fifo.gif");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(loadGifImage(dir.filePath("folder.gif")).has_value());
    EXPECT_FALSE(loadGifImage(fifo).has_value());
    EXPECT_FALSE(loadGifImage(QStringLiteral("/dev/zero")).has_value());
    EXPECT_FALSE(loadGifImage(QStringLiteral("/dev/null")).has_value());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(HangGuard::StepMs));
}

QImage solid(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(FitBitmap, SizesFollowTheLimitingSide)
{
    const struct {
        int w, h, boxW, boxH, wantW, wantH;
    } cases[] = {
        {300, 150, 150, 150, 150, 75},  // wide: width limits
        {150, 600, 150, 150, 37, 150},  // tall: 150 * 150 / 600 = 37.5
        {100, 80, 150, 150, 100, 80},   // fits: unchanged
        {150, 150, 150, 150, 150, 150}, // exactly the box
        {151, 150, 150, 150, 150, 149}, // 150 * 150 / 151 = 149.0...
        {1000, 1, 150, 150, 150, 1},    // a sliver keeps one pixel
        {280, 280, 150, 150, 150, 150},
    };
    for (const auto& c : cases) {
        const QImage fitted = fitBitmap(solid(c.w, c.h, qRgb(10, 20, 30)), c.boxW, c.boxH);
        EXPECT_EQ(fitted.size(), QSize(c.wantW, c.wantH)) << c.w << "x" << c.h;
    }
}

TEST(FitBitmap, MitchellKeepsARampInPlace)
{
    // A horizontal ramp halved: output pixel i covers source pixels 2i and
    // 2i + 1, so it shows their mean, (2i + 0.5) in ramp units.
    QImage ramp(300, 10, QImage::Format_RGB32);
    for (int y = 0; y < ramp.height(); ++y) {
        for (int x = 0; x < ramp.width(); ++x) {
            const int v = x * 255 / 299;
            ramp.setPixel(x, y, qRgb(v, v, v));
        }
    }
    const QImage fitted = fitBitmap(ramp, 150, 150);
    ASSERT_EQ(fitted.size(), QSize(150, 5));
    for (int i = 5; i < 145; ++i) {
        const double expected = (2 * i + 0.5) * 255.0 / 299.0;
        EXPECT_NEAR(qRed(fitted.pixel(i, 2)), expected, 1.5) << i;
    }
}

// Red steps from 0 to 255 at the middle column, green at the middle row.
QImage quadrants(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb(2 * x < w ? 0 : 255, 2 * y < h ? 0 : 255, 90);
    }
    return image;
}

// The picture resampled to the given size by the Mitchell filter alone.
QImage directMitchell(const QImage& picture, int w, int h)
{
    QImage result(w, h, QImage::Format_RGB32);
    stbir_resize_uint8_generic(picture.constBits(), picture.width(), picture.height(),
        static_cast<int>(picture.bytesPerLine()), result.bits(), w, h, static_cast<int>(result.bytesPerLine()), 4, 3,
        STBIR_FLAG_ALPHA_PREMULTIPLIED, STBIR_EDGE_CLAMP, STBIR_FILTER_MITCHELL, STBIR_COLORSPACE_LINEAR, nullptr);
    return result;
}

TEST(FitBitmap, ALargePictureShrinksInPlace)
{
    // Shrunk by 13 to 27: blocks are averaged before the Mitchell filter. The
    // steps stay where the filter alone puts them, the flat parts keep their
    // colour exactly.
    const struct {
        int w, h;
        qreal ratio;
        int wantW, wantH;
    } cases[] = {
        {4096, 4096, 1.0, 150, 150},
        {4096, 4096, 2.0, 300, 300},
        {4001, 3003, 1.0, 150, 112}, // partial blocks at the right and bottom
        {3003, 4001, 2.0, 225, 300},
    };
    for (const auto& c : cases) {
        const QImage picture = quadrants(c.w, c.h);
        const QImage fitted = fitBitmap(picture, 150, 150, c.ratio);
        ASSERT_EQ(fitted.size(), QSize(c.wantW, c.wantH)) << c.w << "x" << c.h;
        const QImage direct = directMitchell(picture, c.wantW, c.wantH);
        int worst = 0;
        for (int y = 0; y < c.wantH; ++y) {
            for (int x = 0; x < c.wantW; ++x) {
                const QRgb a = fitted.pixel(x, y);
                const QRgb b = direct.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                    std::abs(qBlue(a) - qBlue(b))});
            }
        }
        EXPECT_LE(worst, 8) << c.w << "x" << c.h;
        for (int x = 0; x < c.wantW; ++x) {
            if (std::abs(2 * x + 1 - c.wantW) > 6) {
                EXPECT_EQ(qRed(fitted.pixel(x, c.wantH / 4)), 2 * x < c.wantW ? 0 : 255) << c.w << " x " << x;
            }
        }
        for (int y = 0; y < c.wantH; ++y) {
            if (std::abs(2 * y + 1 - c.wantH) > 6) {
                EXPECT_EQ(qGreen(fitted.pixel(c.wantW / 4, y)), 2 * y < c.wantH ? 0 : 255) << c.h << " y " << y;
            }
            EXPECT_EQ(qBlue(fitted.pixel(c.wantW - 1, y)), 90);
        }
    }
}

TEST(FitBitmap, TheLargestPictureIsQuick)
{
    // A damaged picture of the largest accepted size once took most of a
    // second for each thumbnail.
    const QImage picture = quadrants(MaxGifSide, MaxGifSide);
    const auto start = std::chrono::steady_clock::now();
    const QImage single = makeThumbnail(picture, 150, 150, 0xFFFFFFFF);
    const QImage doubled = makeThumbnail(picture, 150, 150, 0xFFFFFFFF, 2.0);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("thumbnails of a %d-pixel square at ratios 1 and 2: %.1f ms\n", MaxGifSide, ms);
    EXPECT_EQ(single.width(), 150);
    EXPECT_EQ(doubled.width(), 300);
    EXPECT_LT(ms, HangGuard::StepMs);
}

TEST(MakeThumbnail, CentresTheFittedPicture)
{
    const QRgb back = 0xFFFFFFFF;
    const QImage wide = makeThumbnail(solid(300, 150, qRgb(200, 0, 0)), 150, 150, back);
    ASSERT_EQ(wide.size(), QSize(150, 150));
    // 150 x 75 at (0, 37): rows 37 to 111.
    for (int y : {0, 36, 112, 149})
        EXPECT_EQ(wide.pixel(75, y), back) << y;
    for (int y : {37, 74, 111}) {
        EXPECT_EQ(wide.pixel(0, y), qRgb(200, 0, 0)) << y;
        EXPECT_EQ(wide.pixel(149, y), qRgb(200, 0, 0)) << y;
    }

    QImage pattern(100, 80, QImage::Format_RGB32);
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 100; ++x)
            pattern.setPixel(x, y, qRgb(x * 2, y * 3, (x + y) % 256));
    }
    const QImage small = makeThumbnail(pattern, 150, 150, 0xFF102030);
    // Unscaled at (25, 35), the background around it.
    EXPECT_EQ(small.copy(25, 35, 100, 80), pattern);
    EXPECT_EQ(small.pixel(24, 35), 0xFF102030u);
    EXPECT_EQ(small.pixel(125, 114), 0xFF102030u);
    EXPECT_EQ(small.pixel(25, 34), 0xFF102030u);
    EXPECT_EQ(small.pixel(124, 115), 0xFF102030u);
}

} // namespace

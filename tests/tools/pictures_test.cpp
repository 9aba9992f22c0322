// SPDX-License-Identifier: MIT
// The shape pictures: present for every registered shape, decodable, of a
// usable size, not blank, redrawn byte for byte by the picture tool on one
// machine, and pixel for pixel, within anti-aliasing, on any machine.
#include "hang_guard.h"
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"

#include <gif_lib.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

const QString sourceImages = QStringLiteral(KOLVENT_SOURCE_DATA "/img");

struct Decoded {
    bool ok = false;
    QString error;
    int width = 0;
    int height = 0;
    int colours = 0;        // distinct colours used by the pixels
    double inkShare = 0;    // share of pixels that are not white
    QImage image;           // the first frame on its screen
};

Decoded decode(const QString& path)
{
    Decoded result;
    int code = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &code);
    if (!gif) {
        result.error = QString::fromLatin1(GifErrorString(code));
        return result;
    }
    std::unique_ptr<GifFileType, void (*)(GifFileType*)> closer(gif, [](GifFileType* g) {
        int ignored = 0;
        DGifCloseFile(g, &ignored);
    });
    if (DGifSlurp(gif) != GIF_OK) {
        result.error = QString::fromLatin1(GifErrorString(gif->Error));
        return result;
    }
    if (gif->ImageCount < 1) {
        result.error = QStringLiteral("no image in the file");
        return result;
    }
    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    if (!map) {
        result.error = QStringLiteral("no colour map");
        return result;
    }
    result.width = gif->SWidth;
    result.height = gif->SHeight;
    const long count = static_cast<long>(frame.ImageDesc.Width) * frame.ImageDesc.Height;
    QSet<int> used;
    long ink = 0;
    result.image = QImage(result.width, result.height, QImage::Format_RGB32);
    result.image.fill(Qt::white);
    for (long i = 0; i < count; ++i) {
        const int index = frame.RasterBits[i];
        if (index >= map->ColorCount) {
            result.error = QStringLiteral("pixel outside the colour map");
            return result;
        }
        const GifColorType c = map->Colors[index];
        used.insert((c.Red << 16) | (c.Green << 8) | c.Blue);
        const int x = frame.ImageDesc.Left + static_cast<int>(i % frame.ImageDesc.Width);
        const int y = frame.ImageDesc.Top + static_cast<int>(i / frame.ImageDesc.Width);
        if (result.image.valid(x, y))
            result.image.setPixel(x, y, qRgb(c.Red, c.Green, c.Blue));
        if (c.Red < 250 || c.Green < 250 || c.Blue < 250)
            ++ink;
    }
    result.colours = static_cast<int>(used.size());
    result.inkShare = count > 0 ? static_cast<double>(ink) / count : 0;
    result.ok = true;
    return result;
}

struct ToolEntry {
    QString id, group, file;
};

QString runTool(const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(KOLVENT_PICTURES_TOOL), arguments);
    if (!tool.waitForFinished(HangGuard::ProcessMs))
        return QStringLiteral("the picture tool did not finish");
    if (output)
        *output = tool.readAllStandardOutput();
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return QStringLiteral("the picture tool failed: ") + QString::fromLocal8Bit(tool.readAllStandardError());
    return {};
}

std::vector<ToolEntry> toolTable()
{
    QByteArray listing;
    const QString failure = runTool({QStringLiteral("--list")}, &listing);
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    std::vector<ToolEntry> entries;
    for (const QString& line : QString::fromUtf8(listing).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char(' '));
        if (fields.size() == 3)
            entries.push_back({fields[0], fields[1], fields[2]});
    }
    return entries;
}

// Every picture file of the three folders, relative to the picture folder.
QStringList pictureFiles(const QString& root)
{
    QStringList files;
    for (const QString& folder : {QStringLiteral("flat"), QStringLiteral("solid"), QStringLiteral("ui")}) {
        const QDir dir(QDir(root).filePath(folder));
        for (const QString& name : dir.entryList({QStringLiteral("*.gif")}, QDir::Files, QDir::Name))
            files << folder + QLatin1Char('/') + name;
    }
    return files;
}

bool isDoubleVariant(const QString& file)
{
    return file.endsWith(QLatin1String("@2x.gif"));
}

// The pictures drawn at their own size, without their @2x variants.
QStringList singlePictureFiles(const QString& root)
{
    QStringList files = pictureFiles(root);
    files.removeIf(isDoubleVariant);
    return files;
}

QString doubleVariant(const QString& file)
{
    return file.left(file.size() - 4) + QStringLiteral("@2x.gif");
}

// Every file below the folder, relative to it, sorted.
QStringList filesBelow(const QString& root)
{
    QStringList files;
    QDirIterator walk(root, QDir::Files, QDirIterator::Subdirectories);
    while (walk.hasNext())
        files << QDir(root).relativeFilePath(walk.next());
    files.sort();
    return files;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Qt's raster engine picks its blending code by the processor's features, so
// anti-aliased edges come out a step apart on different machines. A kept
// drawing matches when no channel of any pixel is more than a few steps off
// and only a small share of pixels differ at all; a moved line or a changed
// colour differs by far more. Empty when they match, else what differs.
QString pixelDifference(const QImage& drawn, const QImage& kept)
{
    constexpr int ChannelSteps = 3;
    if (drawn.isNull() || kept.isNull())
        return QStringLiteral("a picture does not decode");
    if (drawn.size() != kept.size())
        return QStringLiteral("drawn %1x%2, kept %3x%4")
            .arg(drawn.width()).arg(drawn.height()).arg(kept.width()).arg(kept.height());
    const QImage a = drawn.convertToFormat(QImage::Format_ARGB32);
    const QImage b = kept.convertToFormat(QImage::Format_ARGB32);
    auto channelGap = [](QRgb p, QRgb q) {
        return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                         std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    };
    long differing = 0, beyondSteps = 0;
    QString first;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int gap = channelGap(p, q);
            if (gap == 0)
                continue;
            ++differing;
            beyondSteps += gap > ChannelSteps ? 1 : 0;
            if (first.isEmpty() || (gap > ChannelSteps && beyondSteps == 1))
                first = QStringLiteral("(%1, %2) drawn #%3, kept #%4")
                    .arg(x).arg(y).arg(p, 8, 16, QLatin1Char('0')).arg(q, 8, 16, QLatin1Char('0'));
        }
    }
    // A half per cent, and never fewer than a few pixels for the smallest icons.
    const long allowed = std::max(4L, static_cast<long>(a.width()) * a.height() / 200);
    if (beyondSteps == 0 && differing <= allowed)
        return {};
    return QStringLiteral("%1 pixels differ (%2 by more than %3 steps, %4 allowed), first at %5")
        .arg(differing).arg(beyondSteps).arg(ChannelSteps).arg(allowed).arg(first);
}

// GIFs through giflib, as the program reads them; the icon theme's PNGs through Qt.
QImage readImage(const QString& path)
{
    return path.endsWith(QLatin1String(".gif")) ? decode(path).image : QImage(path);
}

QString pixelDifference(const QString& drawnPath, const QString& keptPath)
{
    return pixelDifference(readImage(drawnPath), readImage(keptPath));
}

} // namespace

TEST(ShapePictures, EveryPictureDecodesFitsAndShowsSomething)
{
    const QStringList files = pictureFiles(sourceImages);
    ASSERT_EQ(files.size(), 2 * (35 + 3));
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const Decoded picture = decode(QDir(sourceImages).filePath(file));
        ASSERT_TRUE(picture.ok) << picture.error.toStdString();
        // A @2x variant fills twice the 300-pixel picture area.
        const int limit = isDoubleVariant(file) ? 600 : 300;
        EXPECT_GT(picture.width, 0);
        EXPECT_GT(picture.height, 0);
        EXPECT_LE(picture.width, limit);
        EXPECT_LE(picture.height, limit);
        EXPECT_GT(picture.colours, 2);
        EXPECT_GT(picture.inkShare, 0.03);
        EXPECT_LT(picture.inkShare, 0.97);
    }
}

TEST(ShapePictures, IconAndCopyButtonsHaveTheirSizes)
{
    const struct {
        const char* file;
        int size;
    } expected[] = {{"ui/kolvent.gif", 64}, {"ui/copy_volume.gif", 14}, {"ui/copy_area.gif", 14}};
    for (const auto& row : expected) {
        SCOPED_TRACE(row.file);
        const Decoded picture = decode(QDir(sourceImages).filePath(QLatin1String(row.file)));
        ASSERT_TRUE(picture.ok) << picture.error.toStdString();
        EXPECT_EQ(picture.width, row.size);
        EXPECT_EQ(picture.height, row.size);
    }
    EXPECT_NE(contents(QDir(sourceImages).filePath(QStringLiteral("ui/copy_volume.gif"))),
              contents(QDir(sourceImages).filePath(QStringLiteral("ui/copy_area.gif"))));
}

TEST(ShapePictures, EveryPictureHasAVariantOfTwiceItsSizeThatShowsTheSameDrawing)
{
    const QStringList files = singlePictureFiles(sourceImages);
    ASSERT_EQ(files.size(), 35 + 3);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const Decoded single = decode(QDir(sourceImages).filePath(file));
        const Decoded twice = decode(QDir(sourceImages).filePath(doubleVariant(file)));
        ASSERT_TRUE(single.ok) << single.error.toStdString();
        ASSERT_TRUE(twice.ok) << twice.error.toStdString();
        EXPECT_EQ(twice.width, 2 * single.width);
        EXPECT_EQ(twice.height, 2 * single.height);
        // The same drawing covers about the same share of its area: thin
        // strokes may lose a little of theirs at the finer resolution.
        EXPECT_NEAR(twice.inkShare, single.inkShare, 0.25 * single.inkShare);
    }
}

TEST(ShapePictures, ToolTableNamesThirtyFiveShapesEachWithItsPicture)
{
    const std::vector<ToolEntry> table = toolTable();
    ASSERT_EQ(table.size(), 35u);
    QSet<QString> ids, files;
    int flat = 0;
    for (const ToolEntry& entry : table) {
        SCOPED_TRACE(entry.id.toStdString());
        ids.insert(entry.id);
        files.insert(entry.group + QLatin1Char('/') + entry.file);
        flat += entry.group == QLatin1String("flat") ? 1 : 0;
        EXPECT_TRUE(entry.group == QLatin1String("flat") || entry.group == QLatin1String("solid"));
        EXPECT_TRUE(QFile::exists(QDir(sourceImages).filePath(entry.group + QLatin1Char('/') + entry.file)));
    }
    EXPECT_EQ(ids.size(), 35);
    EXPECT_EQ(files.size(), 35);
    EXPECT_EQ(flat, 14);
}

TEST(ShapePictures, EveryRegisteredShapeHasItsPictureInItsGroupFolder)
{
    TPrimitivesLibrary library;
    registerCatalogue(library);
    const std::vector<ToolEntry> table = toolTable();
    for (const auto& [id, shape] : library.shapesById()) {
        SCOPED_TRACE(id.toStdString());
        // The round cone names no picture of its own; the solid catalogue gives it one.
        const QString image = id == QLatin1String("cone:round") ? QStringLiteral("cone_round.gif") : shape->getImage();
        ASSERT_FALSE(image.isEmpty());
        const QString group = shape->getGroup();
        ASSERT_TRUE(group == QLatin1String("flat") || group == QLatin1String("solid"));
        EXPECT_TRUE(QFile::exists(QDir(sourceImages).filePath(group + QLatin1Char('/') + image)));
        const auto drawn = std::find_if(table.begin(), table.end(), [&](const ToolEntry& entry) {
            return entry.id == id && entry.group == group && entry.file == image;
        });
        EXPECT_NE(drawn, table.end()) << "the picture tool does not draw this shape's picture";
    }
}

TEST(ShapePictures, ToolDrawsTheSameBytesTwiceAndTheKeptPicturesPixelForPixel)
{
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    const QString sheet = first.filePath(QStringLiteral("sheet.png"));
    QString failure = runTool({first.filePath(QStringLiteral("img")), sheet});
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    failure = runTool({second.filePath(QStringLiteral("img"))});
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    EXPECT_TRUE(QFile::exists(sheet));

    const QStringList drawn = pictureFiles(first.filePath(QStringLiteral("img")));
    ASSERT_EQ(drawn.size(), 2 * (35 + 3));
    EXPECT_EQ(drawn, pictureFiles(second.filePath(QStringLiteral("img"))));
    EXPECT_EQ(drawn, pictureFiles(sourceImages));
    for (const QString& file : drawn) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray bytes = contents(QDir(first.filePath(QStringLiteral("img"))).filePath(file));
        EXPECT_FALSE(bytes.isEmpty());
        EXPECT_EQ(bytes, contents(QDir(second.filePath(QStringLiteral("img"))).filePath(file)));
        // The kept pictures are the tool's current drawings: redraw after changing it.
        const QString difference = pixelDifference(QDir(first.filePath(QStringLiteral("img"))).filePath(file),
                                                   QDir(sourceImages).filePath(file));
        EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
    }
}

namespace {

struct PngSize {
    int width = -1;
    int height = -1;
};

// The size in a PNG's header chunk, which must come first.
PngSize pngSize(const QByteArray& bytes)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (bytes.size() < 24 || !bytes.startsWith(signature) || bytes.mid(12, 4) != "IHDR")
        return {};
    auto bigEndian = [&](int at) {
        int value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    return {bigEndian(16), bigEndian(20)};
}

const QString sourceIcons = QStringLiteral(KOLVENT_SOURCE_DATA "/icons");
const QString iconFile = QStringLiteral("apps/io.github.kolvent.Kolvent");

} // namespace

TEST(ProgramIcon, ThemeHasEveryPixelSizeAndAScalableDrawing)
{
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QString path = QDir(sourceIcons).filePath(
            QStringLiteral("hicolor/%1x%1/").arg(size) + iconFile + QStringLiteral(".png"));
        const PngSize png = pngSize(contents(path));
        EXPECT_EQ(png.width, size);
        EXPECT_EQ(png.height, size);
    }
    const QByteArray svg = contents(QDir(sourceIcons).filePath(QStringLiteral("hicolor/scalable/") + iconFile
                                                                + QStringLiteral(".svg")));
    EXPECT_TRUE(svg.contains("<svg xmlns=\"http://www.w3.org/2000/svg\""));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 64 64\""));
    EXPECT_EQ(svg.count("<path "), 7);
    EXPECT_TRUE(svg.trimmed().endsWith("</svg>"));
}

TEST(ProgramIcon, ToolDrawsTheKeptIconTheme)
{
    QTemporaryDir drawn;
    ASSERT_TRUE(drawn.isValid());
    const QString failure = runTool({QStringLiteral("--icons"), drawn.path()});
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    const QStringList files = filesBelow(drawn.path());
    ASSERT_EQ(files.size(), 7 + 1);
    EXPECT_EQ(files, filesBelow(sourceIcons));
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        // The scalable drawing is text, the same on every machine.
        if (file.endsWith(QLatin1String(".svg"))) {
            EXPECT_EQ(contents(QDir(drawn.path()).filePath(file)), contents(QDir(sourceIcons).filePath(file)));
            continue;
        }
        const QString difference = pixelDifference(QDir(drawn.path()).filePath(file), QDir(sourceIcons).filePath(file));
        EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
    }
}

// The comparison itself: anti-aliasing a step off passes, a drawing that
// changed fails.
TEST(KeptDrawings, PixelComparisonAbsorbsAntiAliasingButNotAChange)
{
    auto drawing = [](int size, int lineAt, QColor ink) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ink, 2));
        painter.drawLine(QPointF(lineAt, 2), QPointF(lineAt, size - 2));
        painter.drawEllipse(QRectF(3, 3, size - 6, size - 6));
        return image;
    };
    auto nudged = [](QImage image, int pixels, int steps) {
        for (int i = 0; i < pixels; ++i) {
            const QRgb p = image.pixel(i, i);
            image.setPixel(i, i, qRgba(std::max(0, qRed(p) - steps), qGreen(p), qBlue(p), qAlpha(p)));
        }
        return image;
    };
    const QImage kept = drawing(64, 20, Qt::black);
    const struct {
        const char* name;
        QImage drawn;
        bool matches;
    } cases[] = {
        {"the same drawing", drawing(64, 20, Qt::black), true},
        {"a few pixels one step off", nudged(kept, 12, 1), true},
        {"a few pixels three steps off", nudged(kept, 12, 3), true},
        {"one pixel four steps off", nudged(kept, 1, 4), false},
        {"many pixels one step off", nudged(kept, 40, 1), false},
        {"the line one pixel to the right", drawing(64, 21, Qt::black), false},
        {"another colour", drawing(64, 20, QColor(0, 0, 128)), false},
        {"another size", drawing(65, 20, Qt::black), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pixelDifference(c.drawn, kept).isEmpty(), c.matches) << pixelDifference(c.drawn, kept).toStdString();
    }
    const QImage tiny = drawing(16, 5, Qt::black);
    EXPECT_TRUE(pixelDifference(nudged(tiny, 2, 1), tiny).isEmpty()) << "two pixels of a 16-pixel icon a step off";
}

TEST(ShapePictures, ToolRejectsAMissingFolderArgument)
{
    for (const QStringList& arguments : {QStringList(), QStringList{QStringLiteral("--icons")}}) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        QProcess tool;
        tool.start(QStringLiteral(KOLVENT_PICTURES_TOOL), arguments);
        ASSERT_TRUE(tool.waitForFinished(HangGuard::ProcessMs));
        EXPECT_NE(tool.exitCode(), 0);
    }
}

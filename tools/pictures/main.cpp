// SPDX-License-Identifier: MIT
// Draws every shape picture, the program's icon and the copy buttons into a
// picture folder, each also at twice the size as name@2x.gif for screens of
// device pixel ratio 2, and optionally a contact sheet of all shape
// thumbnails; or the program's icon as an icon theme (PNG sizes and SVG).
//
//   kolvent_pictures <img folder> [<contact sheet.png>]
//   kolvent_pictures --icons <icons folder>   (hicolor/<size>/apps/<id>.png|svg)
//   kolvent_pictures --list       (the table: id, group, file)
#include "pictures/gif_io.h"
#include "pictures/pictures.h"
#include "pictures/sketch.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <stb/stb_image_resize.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int thumbSize = 150;

void fail(const QString& message)
{
    std::fprintf(stderr, "kolvent_pictures: %s\n", qPrintable(message));
}

bool save(const QImage& image, const QString& path)
{
    QString error;
    if (!writeGif(image, path, &error)) {
        fail(QStringLiteral("cannot write %1: %2").arg(path, error));
        return false;
    }
    return true;
}

// "name.gif" -> "name@2x.gif": the name under which Qt and the program look
// for a picture drawn for device pixel ratio 2.
QString doubleName(const QString& path)
{
    return path.left(path.size() - 4) + QStringLiteral("@2x.gif");
}

// The picture at its size and at twice it.
bool saveBoth(const std::function<QImage(int)>& draw, const QString& path)
{
    const bool single = save(draw(1), path);
    return save(draw(2), doubleName(path)) && single;
}

// The icon theme id of the program, as in its desktop entry.
const QString iconName = QStringLiteral("io.github.kolvent.Kolvent");

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        fail(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

// The hicolor theme's folders: one per pixel size, and "scalable" for the SVG.
bool writeIconTheme(const QDir& root)
{
    bool ok = true;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString path = root.filePath(folder + QLatin1Char('/') + iconName + QStringLiteral(".png"));
        if (!root.mkpath(folder) || !drawProgramIcon(size, Qt::transparent).save(path, "PNG")) {
            fail(QStringLiteral("cannot write %1").arg(path));
            ok = false;
        }
    }
    const QString scalable = QStringLiteral("hicolor/scalable/apps");
    if (!root.mkpath(scalable))
        return false;
    return writeFile(root.filePath(scalable + QLatin1Char('/') + iconName + QStringLiteral(".svg")),
                     programIconSvg())
        && ok;
}

// Fits a picture into the thumbnail box the way the shape picker does: only
// larger pictures are made smaller, by a Mitchell filter, keeping the aspect.
QImage thumbnail(const QImage& picture)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGBA8888);
    const double w = source.width(), h = source.height();
    QImage fitted = source;
    if (w > thumbSize || h > thumbSize) {
        const double factor = (1.0 > w / h) ? h / thumbSize : w / thumbSize;
        fitted = QImage(static_cast<int>(w / factor), static_cast<int>(h / factor), QImage::Format_RGBA8888);
        stbir_resize_uint8_generic(source.constBits(), source.width(), source.height(),
                                   static_cast<int>(source.bytesPerLine()), fitted.bits(), fitted.width(),
                                   fitted.height(), static_cast<int>(fitted.bytesPerLine()), 4,
                                   STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_CLAMP, STBIR_FILTER_MITCHELL,
                                   STBIR_COLORSPACE_LINEAR, nullptr);
    }
    QImage box(thumbSize, thumbSize, QImage::Format_RGB32);
    box.fill(Qt::white);
    QPainter painter(&box);
    painter.drawImage((thumbSize - fitted.width()) / 2, (thumbSize - fitted.height()) / 2, fitted);
    return box;
}

bool writeContactSheet(const QString& folder, const QString& path)
{
    const std::vector<ShapePicture> pictures = allPictures();
    constexpr int columns = 7, cellWidth = 160, cellHeight = 176, margin = 8;
    const int rows = static_cast<int>((pictures.size() + columns - 1) / columns) + 1;
    QImage sheet(columns * cellWidth + 2 * margin, rows * cellHeight + 2 * margin, QImage::Format_RGB32);
    sheet.fill(QColor(0xc0, 0xc0, 0xc0));
    QPainter painter(&sheet);
    QFont font = labelFont();
    font.setPixelSize(11);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(Qt::black);

    auto cell = [&](int index) {
        return QPoint(margin + (index % columns) * cellWidth + 5, margin + (index / columns) * cellHeight + 4);
    };
    auto load = [&](const QString& file) {
        QString error;
        const QImage image = readGif(file, &error);
        if (image.isNull())
            fail(QStringLiteral("cannot read %1: %2").arg(file, error));
        return image;
    };
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const QImage image = load(QDir(folder).filePath(
            QStringLiteral("%1/%2").arg(QLatin1String(pictures[i].group), QLatin1String(pictures[i].file))));
        if (image.isNull())
            return false;
        const QPoint at = cell(static_cast<int>(i));
        painter.drawImage(at, thumbnail(image));
        painter.drawText(QRect(at.x(), at.y() + thumbSize + 2, thumbSize, 16), Qt::AlignHCenter,
                         QLatin1String(pictures[i].id));
    }
    int index = static_cast<int>(pictures.size());
    for (const char* file : {"ui/kolvent.gif", "ui/copy_volume.gif", "ui/copy_area.gif"}) {
        const QImage image = load(QDir(folder).filePath(QLatin1String(file)));
        if (image.isNull())
            return false;
        const QPoint at = cell(index++);
        painter.fillRect(QRect(at, QSize(thumbSize, thumbSize)), Qt::white);
        // Actual size, then as the About box stretches the icon or enlarged four times.
        const QImage shown = image.width() > 32 ? image.scaled(72, 51, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                                : image.scaled(image.width() * 4, image.height() * 4);
        painter.drawImage(at + QPoint(4, 4), image);
        painter.drawImage(at + QPoint(4, 8 + image.height()), shown);
        painter.drawText(QRect(at.x(), at.y() + thumbSize + 2, thumbSize, 16), Qt::AlignHCenter,
                         QLatin1String(file));
    }
    painter.end();
    if (!sheet.save(path, "PNG")) {
        fail(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);

    if (arguments.value(0) == QLatin1String("--list")) {
        for (const ShapePicture& picture : allPictures())
            std::printf("%s %s %s\n", picture.id, picture.group, picture.file);
        return 0;
    }
    if (arguments.isEmpty() || arguments.size() > 2
        || (arguments[0] == QLatin1String("--icons") && arguments.size() != 2)) {
        fail(QStringLiteral("usage: kolvent_pictures <img folder> [<contact sheet.png>] | --icons <folder> | --list"));
        return 2;
    }
    if (arguments[0] == QLatin1String("--icons"))
        return writeIconTheme(QDir(arguments[1])) ? 0 : 1;
    if (!loadPictureFonts()) {
        fail(QStringLiteral("the DejaVu Sans fonts (Debian package fonts-dejavu-core) are missing"));
        return 1;
    }
    const QDir folder(arguments[0]);
    for (const char* group : {"flat", "solid", "ui"}) {
        if (!folder.mkpath(QLatin1String(group))) {
            fail(QStringLiteral("cannot create %1").arg(folder.filePath(QLatin1String(group))));
            return 1;
        }
    }
    bool ok = true;
    for (const ShapePicture& picture : allPictures()) {
        ok = saveBoth([&](int scale) { return drawPicture(picture, scale); },
                      folder.filePath(QStringLiteral("%1/%2").arg(QLatin1String(picture.group),
                                                                  QLatin1String(picture.file))))
            && ok;
    }
    ok = saveBoth([](int scale) { return drawProgramIcon(64 * scale); },
                  folder.filePath(QStringLiteral("ui/kolvent.gif")))
        && ok;
    ok = saveBoth([](int scale) { return drawCopyButton(QLatin1Char('V'), scale); },
                  folder.filePath(QStringLiteral("ui/copy_volume.gif")))
        && ok;
    ok = saveBoth([](int scale) { return drawCopyButton(QLatin1Char('A'), scale); },
                  folder.filePath(QStringLiteral("ui/copy_area.gif")))
        && ok;
    if (ok && arguments.size() == 2)
        ok = writeContactSheet(folder.path(), arguments[1]);
    return ok ? 0 : 1;
}

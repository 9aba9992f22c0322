// SPDX-License-Identifier: MIT
#include "ui/installation.h"

#include "ui/gifImage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTimer>

QString dataFolderFor(const QString& programFolder)
{
    // KOLVENT_DATA_FROM_BIN is the install layout's path from the binaries to
    // the data, ../share/kolvent unless the prefix's folders were changed.
    const QDir installed(QDir(programFolder).filePath(QStringLiteral(KOLVENT_DATA_FROM_BIN)));
    if (QFileInfo(installed.filePath(QStringLiteral("langs"))).isDir()
        && QFileInfo(installed.filePath(QStringLiteral("img"))).isDir())
        return installed.absolutePath();
    return programFolder;
}

QString dataFolder()
{
    return dataFolderFor(QCoreApplication::applicationDirPath());
}

QIcon programIcon(const QString& dataFolder, bool installed)
{
    // Run from its build tree, the program shows the pictures just built
    // beside it, and spares the look-up in the icon themes.
    if (installed && QIcon::hasThemeIcon(DesktopId)) {
        // The sizes a window icon is shown at, up to twice 64: the theme's
        // 256-pixel drawing would only cost memory in every window.
        const QIcon themed = QIcon::fromTheme(DesktopId);
        QIcon icon;
        for (const int side : {16, 32, 64, 128})
            icon.addPixmap(themed.pixmap(QSize(side, side), 1.0));
        return icon;
    }
    QIcon shipped;
    const QString path = QDir(dataFolder).filePath(QStringLiteral("img/ui/kolvent.gif"));
    for (const qreal ratio : {1.0, 2.0}) {
        if (const std::optional<QImage> picture = loadGifPicture(path, ratio))
            shipped.addPixmap(QPixmap::fromImage(*picture));
    }
    return shipped;
}

void applyDesktopIdentity(const QString& dataFolder)
{
    QCoreApplication::setApplicationName(WindowClass);
    QGuiApplication::setDesktopFileName(DesktopId);
    const bool installed = QDir(dataFolder) != QDir(QCoreApplication::applicationDirPath());
    // Once the event loop runs, so that looking the icon up does not delay the first window.
    QTimer::singleShot(0, qApp, [dataFolder, installed] {
        QApplication::setWindowIcon(programIcon(dataFolder, installed));
    });
}

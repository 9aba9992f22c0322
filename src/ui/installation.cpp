// SPDX-License-Identifier: MIT
#include "ui/installation.h"

#include "ui/gifImage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>

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
    if (installed && QIcon::hasThemeIcon(DesktopId))
        return QIcon::fromTheme(DesktopId);
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
    QApplication::setWindowIcon(programIcon(dataFolder, installed));
}

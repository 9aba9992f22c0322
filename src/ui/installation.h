// SPDX-License-Identifier: MIT
// Where an installed or a built Kolvent finds its data, and how it names
// itself to the desktop (menu entry, icon theme, window class).
#pragma once

#include <QIcon>
#include <QString>

// The reverse-DNS id of the program: the names of its desktop entry, its
// metainfo and its icon in the icon theme.
inline const QString DesktopId = QStringLiteral("io.github.kolvent.Kolvent");
// The window class (WM_CLASS) that the desktop entry's StartupWMClass names.
inline const QString WindowClass = QStringLiteral("kolvent");

// The folder that holds langs/ and img/ for an executable in programFolder:
// the installed share folder (../share/kolvent from bin/) when it has them,
// else the program folder itself, as in the build tree.
QString dataFolderFor(const QString& programFolder);
// The same for the running executable.
QString dataFolder();

// The program's icon: for an installed program the one of the icon theme,
// else (or when no theme has it) the shipped pictures of the data folder
// (64 px and its @2x variant).
QIcon programIcon(const QString& dataFolder, bool installed);

// Application name (hence WM_CLASS) and desktop file name (the Wayland app
// id) at once, the window icon when the event loop starts; call once the
// QApplication exists, before the first window.
void applyDesktopIdentity(const QString& dataFolder);

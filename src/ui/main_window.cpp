// SPDX-License-Identifier: MIT
#include "ui/main_window.h"

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kolvent"));
    resize(484, 360);
}

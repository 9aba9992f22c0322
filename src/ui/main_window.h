// SPDX-License-Identifier: MIT
// The main window of Kolvent.
#pragma once

#include <QMainWindow>

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
};

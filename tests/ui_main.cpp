// SPDX-License-Identifier: MIT
// Entry of the widget tests: an offscreen QApplication.
#include "ui/uiFont.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The type the program itself uses, so that widths measured here are the ones users see.
    applyInterfaceFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

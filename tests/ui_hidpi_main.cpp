// SPDX-License-Identifier: MIT
// Entry of the widget tests on a screen of device pixel ratio 2: an offscreen
// QApplication scaled by QT_SCALE_FACTOR, as on a laptop scaled to 200 %.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

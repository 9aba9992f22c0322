// SPDX-License-Identifier: MIT
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    registerCatalogue(PrimitivesLibrary);
    TfrmMain window;
    window.show();
    return application.exec();
}

// SPDX-License-Identifier: MIT
#include "model/messages.h"
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"
#include "ui/installation.h"
#include "ui/main_window.h"
#include "ui/uiFont.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    applyInterfaceFont();
    setMessageHook([](const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kolvent"), text, QMessageBox::Ok,
            QApplication::activeWindow());
        box.exec();
    });
    const QString data = dataFolder();
    applyDesktopIdentity(data);
    registerCatalogue(PrimitivesLibrary);
    TfrmMain window(data);
    window.show();
    return application.exec();
}

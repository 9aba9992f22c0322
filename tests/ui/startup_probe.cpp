// SPDX-License-Identifier: MIT
// The program's start-up for the damaged-data test: as the real program, but
// each message is appended (UTF-8, ended by a NUL byte) to the file named by
// KOLVENT_PROBE_MESSAGES instead of a modal box, both pickers are filled so
// that every picture is decoded, and it quits 300 ms after the window shows.
#include "model/messages.h"
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"
#include "ui/main_window.h"
#include "ui/shapeCalculator.h"
#include "ui/uiFont.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    applyInterfaceFont();
    const QString messageFile = qEnvironmentVariable("KOLVENT_PROBE_MESSAGES");
    setMessageHook([messageFile](const QString& text) {
        QFile file(messageFile);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            file.write(text.toUtf8() + '\0');
    });
    registerCatalogue(PrimitivesLibrary);
    TfrmMain window;
    window.show();
    QTimer::singleShot(0, &window, [&window] {
        TfrShapeCalculator* calculator = window.calculator();
        for (const QString& group : {QStringLiteral("flat"), QStringLiteral("solid")}) {
            calculator->showGroup(group);
            calculator->picker();
            // The frame decodes the picture of the current shape on its own.
            for (int i = 0; i < static_cast<int>(calculator->shapeList().size()); ++i)
                calculator->selectShape(i);
        }
    });
    QTimer::singleShot(300, &application, &QApplication::quit);
    return application.exec();
}

// SPDX-License-Identifier: MIT
// Draws the pictures of docs/screenshots from the real windows, so that they
// can be made anew whenever a window changes:
//   kolvent_screenshots <program folder> <output folder>
// scripts/screenshots.sh runs it offscreen, at scale 1 and 2.
#include "base/settings.h"
#include "lang/language.h"
#include "model/messages.h"
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"
#include "ui/about.h"
#include "ui/categories.h"
#include "ui/main_window.h"
#include "ui/selectImage.h"
#include "ui/settingsDialog.h"
#include "ui/shapeCalculator.h"
#include "ui/uiFont.h"
#include "ui/workingWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QTextStream>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

QString g_output;
bool g_failed = false;

void save(QWidget* widget, const QString& name)
{
    widget->show();
    QApplication::processEvents();
    const QString path = QDir(g_output).filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        g_failed = true;
    }
}

// Puts a shape in view and in the calculator, as a double click in the picker does.
void pick(TfrmMain& window, const QString& group, const QString& id)
{
    TfrShapeCalculator* calculator = window.calculator();
    calculator->showGroup(group);
    const TNameList& shapes = calculator->shapeList();
    for (int i = 0; i < static_cast<int>(shapes.size()); ++i) {
        if (shapes[i].first == id)
            calculator->selectShape(i);
    }
}

void calculate(TfrmMain& window, const std::vector<std::pair<QString, QString>>& values)
{
    for (const auto& [name, text] : values)
        window.findChild<QLineEdit*>(name)->setText(text);
    window.calculator()->btnCalculateClick();
}

void shootLanguage(TfrmMain& window, const QString& language)
{
    OptLanguage = language;
    window.setLanguage(language);

    pick(window, QStringLiteral("solid"), QStringLiteral("cone:round"));
    calculate(window, {{QStringLiteral("l"), QStringLiteral("2")}, {QStringLiteral("h"), QStringLiteral("1.5")}});
    save(&window, QStringLiteral("main_solid_") + language);

    pick(window, QStringLiteral("flat"), QStringLiteral("triangle"));
    calculate(window, {{QStringLiteral("a"), QStringLiteral("3")}, {QStringLiteral("b"), QStringLiteral("4")},
                       {QStringLiteral("c"), QStringLiteral("5")}});
    save(&window, QStringLiteral("main_flat_") + language);

    TfrShapeCalculator* calculator = window.calculator();
    calculator->showGroup(QStringLiteral("solid"));
    save(calculator->picker(), QStringLiteral("picker_") + language);
    calculator->picker()->hide();

    TfrmCategories* categories = window.categories();
    const QList<QCheckBox*> boxes = categories->checkBoxes();
    if (!boxes.isEmpty())
        boxes.first()->setChecked(true);
    save(categories, QStringLiteral("categories_") + language);
    categories->hide();

    TfrmSettings settings(&window);
    settings.translate();
    save(&settings, QStringLiteral("settings_") + language);
    if (auto* pages = settings.findChild<QTabWidget*>())
        pages->setCurrentIndex(pages->count() - 1);
    save(&settings, QStringLiteral("settings_language_") + language);
    settings.hide();
}

// The Working window of a solid and of a refused flat shape; the dimensions
// of the triangle are left as typed, so no message interrupts.
void shootWorking(TfrmMain& window)
{
    TfrShapeCalculator* calculator = window.calculator();
    CalcPrecision = 4;
    pick(window, QStringLiteral("solid"), QStringLiteral("cone:elliptic"));
    calculate(window, {{QStringLiteral("a"), QStringLiteral("4")}, {QStringLiteral("b"), QStringLiteral("2")},
                       {QStringLiteral("h"), QStringLiteral("3")}});
    calculator->openWorking();
    calculator->workingWindow()->resize(560, 400);
    save(calculator->workingWindow(), QStringLiteral("working_cone_elliptic"));

    CalcPrecision = OptPrecision;
    pick(window, QStringLiteral("flat"), QStringLiteral("triangle"));
    for (const auto& [name, text] : {std::pair(QStringLiteral("a"), QStringLiteral("1")),
             std::pair(QStringLiteral("b"), QStringLiteral("2")), std::pair(QStringLiteral("c"), QStringLiteral("4"))})
        window.findChild<QLineEdit*>(name)->setText(text);
    calculator->openWorking();
    calculator->workingWindow()->resize(560, 300);
    save(calculator->workingWindow(), QStringLiteral("working_refused_triangle"));
    calculator->workingWindow()->close();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kolvent_screenshots <program folder> <output folder>\n");
        return 2;
    }
    applyInterfaceFont();
    setMessageHook([](const QString& text) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        g_failed = true;
    });
    g_output = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(g_output);
    registerCatalogue(PrimitivesLibrary);
    TfrmMain window(QString::fromLocal8Bit(argv[1]));
    window.show();

    shootLanguage(window, QStringLiteral("en"));
    shootWorking(window);
    TfrmAbout about(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("img/ui/kolvent.gif")), &window);
    save(&about, QStringLiteral("about"));
    about.hide();
    shootLanguage(window, QStringLiteral("ru"));
    return g_failed ? 1 : 0;
}

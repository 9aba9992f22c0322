// SPDX-License-Identifier: MIT
// The whole program as a user meets it: start-up on a copy of the shipped data,
// the View menu and the picker, settings, languages and damaged data folders.
#include "hang_guard.h"
#include "hostile_catalogues.h"
#include "modal_dialogs.h"
#include "program_state.h"
#include "shape_keys.h"
#include "lang/language.h"
#include "base/numbers.h"
#include "base/settings.h"
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"
#include "ui/about.h"
#include "ui/categories.h"
#include "ui/imageViewer.h"
#include "ui/imgContainer.h"
#include "ui/main_window.h"
#include "ui/selectImage.h"
#include "ui/shapeCalculator.h"
#include "ui/workingWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QKeySequence>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <cstdio>
#include <map>
#include <numbers>

namespace {

void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir())
            copyFolder(entry.filePath(), target);
        else
            QFile::copy(entry.filePath(), target);
    }
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        copyFolder(QStringLiteral(KOLVENT_BINARY_DIR "/langs"), folder.filePath(QStringLiteral("langs")));
        copyFolder(QStringLiteral(KOLVENT_BINARY_DIR "/img"), folder.filePath(QStringLiteral("img")));
        registerCatalogue(PrimitivesLibrary);
        // A modal box nobody expected is closed, and the test fails, instead of hanging.
        QObject::connect(&m_watchdog, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            m_modalSeen = modal == m_lastModal ? m_modalSeen + 1 : 0;
            m_lastModal = modal;
            if (modal && m_modalSeen > 60) {
                ADD_FAILURE() << "unexpected modal window " << modal->windowTitle().toStdString();
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
            }
        });
        m_watchdog.start(100);
    }

    void TearDown() override
    {
        window.reset();
        m_watchdog.stop();
    }

    void start()
    {
        window = std::make_unique<TfrmMain>(folder.path());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <class T> T* find(const QString& name) const { return window->findChild<T*>(name); }
    QString text(const QString& name) const { return find<QLabel>(name)->text(); }
    void type(const QString& name, const QString& value)
    {
        auto* edit = find<QLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, value);
    }
    void click(const QString& name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }

    int keyOf(const QString& id) const { return shapeKey(window->calculator()->shapeList(), id); }

    // Opens the View item and double-clicks the thumbnail of the shape.
    void pickThrough(const QString& item, const QString& id)
    {
        onNextModal([this, id](QDialog* picker) {
            const int key = keyOf(id);
            for (CImgContainer* thumbnail : picker->findChildren<CImgContainer*>()) {
                if (thumbnail->Key == key) {
                    QTest::mouseClick(thumbnail, Qt::LeftButton);
                    QTest::mouseDClick(thumbnail, Qt::LeftButton);
                }
            }
        });
        find<QAction>(item)->trigger();
    }

    ProgramState state;
    QStringList& messages = state.messages;
    QTemporaryDir folder;
    std::unique_ptr<TfrmMain> window;

private:
    QTimer m_watchdog;
    QWidget* m_lastModal = nullptr;
    int m_modalSeen = 0;
};

// Round cone of base diameter l and height h.
double coneVolume(double l, double h)
{
    return std::numbers::pi * l * l * h / 12;
}

double coneSurface(double l, double h)
{
    const double r = l / 2;
    return std::numbers::pi * r * (r + std::hypot(r, h));
}

QString fixed(double value, int decimals, QChar separator)
{
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), separator);
}

TEST_F(MainWindowTest, ANewcomerPicksACone)
{
    start();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(find<QAction>(QStringLiteral("itmViewSolidAll"))->isChecked());
    EXPECT_EQ(window->calculator()->currentShape(), nullptr);
    EXPECT_TRUE(find<QLabel>(QStringLiteral("lblSelShape"))->isVisible());
    ASSERT_GE(keyOf(QStringLiteral("cone:round")), 0) << "the round cone is not registered";

    pickThrough(QStringLiteral("itmViewSolidAll"), QStringLiteral("cone:round"));
    ASSERT_NE(window->calculator()->currentShape(), nullptr);
    EXPECT_EQ(window->calculator()->currentShape()->getId(), QStringLiteral("cone:round"));
    EXPECT_EQ(text(QStringLiteral("lblShapeName")), window->calculator()->currentShape()->getTitle(QStringLiteral("en")));

    type(QStringLiteral("l"), QStringLiteral("2"));
    type(QStringLiteral("h"), QStringLiteral("1"));
    click(QStringLiteral("btnCalculate"));
    EXPECT_EQ(text(QStringLiteral("lblVolValue")), fixed(coneVolume(2, 1), 2, '.'));
    EXPECT_EQ(text(QStringLiteral("lblAreaValue")), fixed(coneSurface(2, 1), 2, '.'));
    EXPECT_EQ(text(QStringLiteral("Base")), fixed(std::numbers::pi, 2, '.'));
    EXPECT_EQ(text(QStringLiteral("Lat")), fixed(std::numbers::pi * std::sqrt(2.0), 2, '.'));

    click(QStringLiteral("btnCopyVolume"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1.05"));
    click(QStringLiteral("btnCopyArea"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("7.58"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
}

TEST_F(MainWindowTest, TheExtraBoxSetsTheWindowWidth)
{
    start();
    EXPECT_EQ(window->width(), TfrShapeCalculator::NarrowWidth + 8);
    EXPECT_EQ(window->calculator()->geometry().topLeft(), QPoint(4, 4));
    const int height = window->height();
    click(QStringLiteral("btnMoreInfo"));
    EXPECT_EQ(window->width(), TfrShapeCalculator::WideWidth + 8);
    EXPECT_EQ(window->height(), height);
    click(QStringLiteral("btnMoreInfo"));
    EXPECT_EQ(window->width(), TfrShapeCalculator::NarrowWidth + 8);
}

TEST_F(MainWindowTest, SettingsKeepTypedValuesInTheNewSeparatorAndLanguage)
{
    start();
    pickThrough(QStringLiteral("itmViewSolidAll"), QStringLiteral("cone:round"));
    ASSERT_NE(window->calculator()->currentShape(), nullptr);
    type(QStringLiteral("l"), QStringLiteral("2.5"));
    type(QStringLiteral("h"), QStringLiteral("1"));
    click(QStringLiteral("btnCalculate"));

    onNextModal([](QDialog* settings) {
        settings->findChild<QLineEdit*>(QStringLiteral("edtFloatPrecise"))->setText(QStringLiteral("3"));
        settings->findChild<QComboBox*>(QStringLiteral("cbxDecSeparator"))->setCurrentIndex(1);
        settings->findChild<QComboBox*>(QStringLiteral("cbxLanguage"))->setCurrentIndex(1);
        QTest::mouseClick(settings->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
    find<QAction>(QStringLiteral("itmSettings"))->trigger();

    EXPECT_EQ(DecimalSeparator, QLatin1Char(','));
    EXPECT_EQ(CalcPrecision, 3);
    EXPECT_EQ(window->language(), QStringLiteral("ru"));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("l"))->text(), QStringLiteral("2,5"));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("h"))->text(), QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("lblVolValue")), fixed(coneVolume(2.5, 1), 3, ','));
    EXPECT_EQ(text(QStringLiteral("lblAreaValue")), fixed(coneSurface(2.5, 1), 3, ','));

    // the interface speaks Russian: texts of kolvent.ru, the shape's Russian title
    EXPECT_EQ(find<QMenu>(QStringLiteral("itmView"))->title(), langText(QStringLiteral("mnuView")));
    EXPECT_NE(find<QMenu>(QStringLiteral("itmView"))->title(), QStringLiteral("View"));
    EXPECT_EQ(find<QPushButton>(QStringLiteral("btnCalculate"))->text(), langText(QStringLiteral("calculate")));
    EXPECT_NE(langText(QStringLiteral("calculate")), QStringLiteral("Calculate"));
    EXPECT_EQ(text(QStringLiteral("lblShapeName")), window->calculator()->currentShape()->getTitle(QStringLiteral("ru")));

    // from now on the point is refused, in the interface language
    messages.clear();
    type(QStringLiteral("l"), QStringLiteral("2.5"));
    click(QStringLiteral("btnCalculate"));
    EXPECT_EQ(messages, QStringList{QStringLiteral("Пожалуйста, исправьте содержимое поля [ l ]")});
}

// A field left bad across a change of separator: once corrected, the shape
// computes with exactly what the fields show.
TEST_F(MainWindowTest, AfterASeparatorSwitchTheShapeHoldsWhatTheFieldsShow)
{
    start();
    pickThrough(QStringLiteral("itmViewSolidAll"), QStringLiteral("cone:elliptic"));
    ASSERT_NE(window->calculator()->currentShape(), nullptr);
    type(QStringLiteral("a"), QStringLiteral("2"));
    type(QStringLiteral("b"), QStringLiteral("2"));
    type(QStringLiteral("h"), QStringLiteral("2.5"));
    click(QStringLiteral("btnCalculate"));
    type(QStringLiteral("a"), QStringLiteral("oops"));

    messages.clear();
    onNextModal([](QDialog* settings) {
        settings->findChild<QComboBox*>(QStringLiteral("cbxDecSeparator"))->setCurrentIndex(1);
        QTest::mouseClick(settings->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
    find<QAction>(QStringLiteral("itmSettings"))->trigger();
    EXPECT_EQ(messages, QStringList{QStringLiteral("Please, correct the content of the field [ a ]")});
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("h"))->text(), QStringLiteral("2,5"));

    // corrected, and the field left: a round cone of radius 1 and height 2.5
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    find<QLineEdit>(QStringLiteral("a"))->setFocus(Qt::TabFocusReason);
    type(QStringLiteral("a"), QStringLiteral("2"));
    find<QLineEdit>(QStringLiteral("b"))->setFocus(Qt::TabFocusReason);
    const double radius = 1;
    const double height = 2.5;
    const double slant = std::sqrt(radius * radius + height * height);
    EXPECT_EQ(text(QStringLiteral("lblVolValue")), fixed(std::numbers::pi * radius * radius * height / 3, 2, ','));
    EXPECT_EQ(text(QStringLiteral("lblAreaValue")), fixed(std::numbers::pi * radius * (radius + slant), 2, ','));
    TPrimitive* cone = window->calculator()->currentShape();
    for (const char* name : {"a", "b", "h"})
        EXPECT_EQ(generalText(cone->getVar(QString::fromLatin1(name)), QLatin1Char(',')),
                  find<QLineEdit>(QString::fromLatin1(name))->text()) << name;

    // back to this shape later: its fields show what it holds
    pickThrough(QStringLiteral("itmViewSolidAll"), QStringLiteral("prism:square"));
    pickThrough(QStringLiteral("itmViewSolidAll"), QStringLiteral("cone:elliptic"));
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("h"))->text(), QStringLiteral("2,5"));
    EXPECT_EQ(text(QStringLiteral("lblVolValue")), fixed(std::numbers::pi * radius * radius * height / 3, 2, ','));
}

TEST_F(MainWindowTest, CancelledSettingsChangeNothing)
{
    start();
    onNextModal([](QDialog* settings) {
        settings->findChild<QComboBox*>(QStringLiteral("cbxDecSeparator"))->setCurrentIndex(1);
        QTest::mouseClick(settings->findChild<QPushButton*>(QStringLiteral("btnCancel")), Qt::LeftButton);
    });
    find<QAction>(QStringLiteral("itmSettings"))->trigger();
    EXPECT_EQ(DecimalSeparator, QLatin1Char('.'));
    EXPECT_EQ(find<QMenu>(QStringLiteral("itmView"))->title(), QStringLiteral("&View"));
}

TEST_F(MainWindowTest, AMissingLanguageFileLeavesEmptyCaptions)
{
    ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("langs/kolvent.en"))));
    start();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(find<QPushButton>(QStringLiteral("btnCalculate"))->text(), QString());
    // the menus fall back on their built-in captions, accelerators included
    EXPECT_EQ(find<QMenu>(QStringLiteral("itmView"))->title(), QStringLiteral("&View"));
    EXPECT_EQ(find<QAction>(QStringLiteral("itmQuit"))->text(), QStringLiteral("&Quit"));
    EXPECT_FALSE(window->calculator()->shapeList().empty());
}

TEST_F(MainWindowTest, AMissingCatalogueIsReportedAndStartUpGoesOn)
{
    ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("langs/solid.xml"))));
    start();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.first().contains(QLatin1String("solid.xml"))) << messages.first().toStdString();
    // the solids are offered all the same, titled by their ids
    const TNameList& shapes = window->calculator()->shapeList();
    ASSERT_FALSE(shapes.empty());
    EXPECT_EQ(shapes.front().second->getTitle(QStringLiteral("en")), shapes.front().first);
}

TEST_F(MainWindowTest, AViewChangeWithoutAShapeLeavesTheWindowAsItWas)
{
    start();
    pickThrough(QStringLiteral("itmViewSolidAll"), QStringLiteral("cone:round"));
    TPrimitive* cone = window->calculator()->currentShape();
    ASSERT_NE(cone, nullptr);
    TfrmCategories* solidDialog = window->categories();
    const QString volume = text(QStringLiteral("lblVol"));
    const QString copyHint = find<QAbstractButton>(QStringLiteral("btnCopyVolume"))->toolTip();
    const TNameList solids = window->calculator()->shapeList();
    auto expectAsBefore = [&](const char* step) {
        SCOPED_TRACE(step);
        EXPECT_EQ(window->calculator()->currentShape(), cone);
        EXPECT_EQ(window->calculator()->group(), QStringLiteral("solid"));
        EXPECT_EQ(window->calculator()->shapeList(), solids);
        EXPECT_EQ(text(QStringLiteral("lblVol")), volume);
        EXPECT_EQ(find<QAbstractButton>(QStringLiteral("btnCopyVolume"))->toolTip(), copyHint);
        EXPECT_TRUE(find<QAction>(QStringLiteral("itmViewSolidAll"))->isChecked());
        EXPECT_EQ(window->categories(), solidDialog);
        EXPECT_FALSE(find<QLabel>(QStringLiteral("lblNoImage"))->isVisible());
    };

    // the flat picker closed unused
    onNextModal([](QDialog* picker) { picker->reject(); });
    find<QAction>(QStringLiteral("itmViewFlatAll"))->trigger();
    expectAsBefore("flat picker closed");

    // the categories dialog cancelled, of either group
    onNextModal([](QDialog* dialog) { dialog->reject(); });
    find<QAction>(QStringLiteral("itmViewSolidCategories"))->trigger();
    expectAsBefore("solid categories cancelled");
    onNextModal([](QDialog* dialog) { dialog->reject(); });
    find<QAction>(QStringLiteral("itmViewFlatCategories"))->trigger();
    expectAsBefore("flat categories cancelled");

    // OK with nothing checked: the message, no picker, nothing changed
    messages.clear();
    onNextModal([](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
    find<QAction>(QStringLiteral("itmViewFlatCategories"))->trigger();
    EXPECT_EQ(messages, QStringList{QStringLiteral("There are no shapes in selected categories!")});
    expectAsBefore("no flat category checked");

    // a language switch in that state still finds the solid's picture
    window->setLanguage(QStringLiteral("ru"));
    EXPECT_FALSE(find<QLabel>(QStringLiteral("lblNoImage"))->isVisible());

    // a flat shape chosen: now the view changes, with a new categories dialog
    pickThrough(QStringLiteral("itmViewFlatAll"), QStringLiteral("square"));
    EXPECT_EQ(window->calculator()->group(), QStringLiteral("flat"));
    EXPECT_TRUE(find<QAction>(QStringLiteral("itmViewFlatAll"))->isChecked());
    EXPECT_EQ(text(QStringLiteral("lblVol")), langText(QStringLiteral("perimeter")));
    ASSERT_NE(window->categories(), nullptr);
    for (const QCheckBox* box : window->categories()->checkBoxes())
        EXPECT_FALSE(box->isChecked());
}

TEST_F(MainWindowTest, TheAboutBoxOpensAndCloses)
{
    start();
    QString title;
    onNextModal([&title](QDialog* about) {
        title = about->windowTitle();
        about->accept();
    });
    find<QAction>(QStringLiteral("itmHelpAbout"))->trigger();
    EXPECT_EQ(title, QStringLiteral("About Kolvent"));
}

TEST_F(MainWindowTest, MenusCarryTheirAcceleratorsFromStartUpAndCtrlQQuits)
{
    start();
    const struct {
        const char* item;
        const char* key;
    } menus[] = {
        {"itmSettings", "mnuSettings"},       {"itmViewFlatAll", "mnuViewFlatAll"},
        {"itmViewFlatCategories", "mnuViewFlatCategories"}, {"itmViewSolidAll", "mnuViewSolidAll"},
        {"itmViewSolidCategories", "mnuViewSolidCategories"}, {"itmHelpAbout", "mnuHelpAbout"},
        {"itmQuit", "mnuQuit"},
    };
    for (const auto& menu : menus) {
        const QString text = find<QAction>(QString::fromLatin1(menu.item))->text();
        EXPECT_EQ(text, langText(QString::fromLatin1(menu.key))) << menu.item;
        EXPECT_TRUE(text.contains(QLatin1Char('&'))) << menu.item;
    }
    EXPECT_EQ(find<QMenu>(QStringLiteral("itmView"))->title(), langText(QStringLiteral("mnuView")));
    EXPECT_EQ(find<QMenu>(QStringLiteral("itmHelp"))->title(), langText(QStringLiteral("mnuHelp")));
    EXPECT_EQ(find<QAction>(QStringLiteral("itmViewFlatCategories"))->text(), QStringLiteral("Flat shape &categories..."));

    // Alt+V opens the View menu, Alt+S the settings
    auto* view = find<QMenu>(QStringLiteral("itmView"));
    QTest::keyClick(window.get(), Qt::Key_V, Qt::AltModifier);
    QApplication::processEvents();
    EXPECT_TRUE(view->isVisible());
    view->close();
    QString settingsTitle;
    onNextModal([&settingsTitle](QDialog* settings) {
        settingsTitle = settings->windowTitle();
        settings->reject();
    });
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTest::qWait(50);
    EXPECT_EQ(settingsTitle, QStringLiteral("Settings"));

    EXPECT_EQ(find<QAction>(QStringLiteral("itmQuit"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}

// Latin words of two letters or more that are not names: the product, the
// licence, the addresses, the variables and a language's own name, and the
// names given.
QStringList englishWords(const QString& text, const QStringList& names = {})
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    static const QStringList allowed = {QStringLiteral("Kolvent"), QStringLiteral("MIT"), QStringLiteral("English")};
    QStringList found;
    for (auto match = word.globalMatch(text); match.hasNext();) {
        const QString w = match.next().captured();
        if (!allowed.contains(w) && !names.contains(w) && !KolventWebSite.contains(w) && !KolventEmail.contains(w))
            found << w;
    }
    return found;
}

// Every text a window shows: title, captions, hints, tabs, list items, menus.
QStringList shownTexts(QWidget* window)
{
    QStringList texts = {window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        // the names of the variables beside the fields are the variables themselves
        if (widget->objectName().startsWith(QLatin1String("lblVar"))
            || widget->objectName().startsWith(QLatin1String("_lblExtraVar")))
            continue;
        texts << widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        }
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        }
        if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (const QAction* action : bar->actions())
                texts << action->text();
        }
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            texts << menu->title();
            for (const QAction* action : menu->actions()) {
                if (action->isVisible())
                    texts << action->text();
            }
        }
        if (auto* thumbnail = qobject_cast<CImgContainer*>(widget))
            texts << thumbnail->caption();
        if (auto* document = qobject_cast<QTextEdit*>(widget))
            texts << document->toPlainText();
    }
    return texts;
}

TEST_F(MainWindowTest, TheRussianInterfaceHasNoEnglishLeft)
{
    start();
    onNextModal([](QDialog* settings) {
        settings->findChild<QComboBox*>(QStringLiteral("cbxLanguage"))->setCurrentIndex(1);
        QTest::mouseClick(settings->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
    find<QAction>(QStringLiteral("itmSettings"))->trigger();
    ASSERT_EQ(window->language(), QStringLiteral("ru"));
    pickThrough(QStringLiteral("itmViewSolidAll"), QStringLiteral("cone:round"));
    ASSERT_NE(window->calculator()->currentShape(), nullptr);
    click(QStringLiteral("btnMoreInfo"));

    std::map<std::string, QStringList> english;
    auto walk = [&english](const char* name, QWidget* shown) {
        for (const QString& text : shownTexts(shown))
            english[name] << englishWords(text);
    };
    walk("main window", window.get());
    const struct {
        const char* name;
        const char* item;
    } dialogs[] = {
        {"settings", "itmSettings"},
        {"categories", "itmViewSolidCategories"},
        {"picker", "itmViewSolidAll"},
        {"about", "itmHelpAbout"},
    };
    for (const auto& dialog : dialogs) {
        bool opened = false;
        onNextModal([&walk, &opened, &dialog](QDialog* shown) {
            opened = true;
            walk(dialog.name, shown);
            shown->reject();
        });
        find<QAction>(QString::fromLatin1(dialog.item))->trigger();
        EXPECT_TRUE(opened) << dialog.name;
    }
    // the working, of a cone and of a refused one: its formulas name the variables
    QStringList variables;
    const TPrimitive* shape = window->calculator()->currentShape();
    for (int i = 0; i < shape->varCount(); ++i)
        variables << shape->varName(i);
    for (int i = 0; i < shape->extraVarCount(); ++i)
        variables << shape->extraVarName(i);
    find<QAction>(QStringLiteral("itmWorking"))->trigger();
    TfrmWorking* working = window->calculator()->workingWindow();
    ASSERT_NE(working, nullptr);
    for (const auto& [state, height] : {std::pair("working", "1.5"), std::pair("refused working", "-1")}) {
        type(QStringLiteral("l"), QStringLiteral("2"));
        type(QStringLiteral("h"), QString::fromLatin1(height));
        click(QStringLiteral("btnCalculate"));
        const QStringList texts = shownTexts(working);
        EXPECT_TRUE(texts.join(QLatin1Char('\n')).contains(QStringLiteral("Дано"))) << state;
        for (const QString& text : texts)
            english[state] << englishWords(text, variables);
    }
    // the messages a user meets in these windows
    messages.clear();
    onNextModal([](QDialog* settings) {
        settings->findChild<QLineEdit*>(QStringLiteral("edtFloatPrecise"))->setText(QStringLiteral("16"));
        QTest::mouseClick(settings->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
        settings->reject();
    });
    find<QAction>(QStringLiteral("itmSettings"))->trigger();
    onNextModal([](QDialog* categories) {
        QTest::mouseClick(categories->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
    find<QAction>(QStringLiteral("itmViewSolidCategories"))->trigger();
    ASSERT_EQ(messages.size(), 2) << messages.join(QLatin1Char('|')).toStdString();
    for (const QString& message : messages)
        english["messages"] << englishWords(message);
    EXPECT_TRUE(messages[0].contains(QLatin1String("15"))) << messages[0].toStdString();

    for (const auto& [name, words] : english)
        EXPECT_TRUE(words.isEmpty()) << name << ": " << words.join(QLatin1Char(' ')).toStdString();
}


TEST_F(MainWindowTest, AnOverloadedCatalogueIsRefusedWithinASecond)
{
    const QString flat = folder.filePath(QStringLiteral("langs/flat.xml"));
    QFile file(flat);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray overloaded = manyAttributes("circle");
    ASSERT_EQ(file.write(overloaded), overloaded.size());
    file.close();
    // the creation of the main window is the start-up that reads the catalogues
    QElapsedTimer clock;
    clock.start();
    window = std::make_unique<TfrmMain>(folder.path());
    std::printf("main window over an overloaded catalogue made in %lld ms\n", static_cast<long long>(clock.elapsed()));
    EXPECT_LT(clock.elapsed(), HangGuard::StepMs);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QLatin1String("ERROR: Can't load shape names"))) << messages.first().toStdString();
    EXPECT_TRUE(messages.first().contains(flat)) << messages.first().toStdString();
}

TEST_F(MainWindowTest, CancelledCategoriesKeepTheFilterInForce)
{
    start();
    int offered = -1;
    auto countAndPickFirst = [&offered](QDialog* picker) {
        const QList<CImgContainer*> thumbnails = picker->findChildren<CImgContainer*>();
        offered = static_cast<int>(thumbnails.size());
        if (!thumbnails.isEmpty()) {
            QTest::mouseClick(thumbnails.first(), Qt::LeftButton);
            QTest::mouseDClick(thumbnails.first(), Qt::LeftButton);
        } else
            picker->reject();
    };
    // tick Triangles, OK: the picker offers the triangles
    onNextModal([&countAndPickFirst](QDialog* categories) {
        for (QCheckBox* box : categories->findChildren<QCheckBox*>()) {
            if (box->text() == QLatin1String("Triangles"))
                box->setChecked(true);
        }
        onNextModal(countAndPickFirst);
        QTest::mouseClick(categories->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
    find<QAction>(QStringLiteral("itmViewFlatCategories"))->trigger();
    QTest::qWait(100);
    EXPECT_EQ(offered, 4);
    const TNameList filtered = window->calculator()->shapeList();

    // reopened and cancelled: still the triangles
    onNextModal([](QDialog* categories) {
        QTest::mouseClick(categories->findChild<QPushButton*>(QStringLiteral("btnCancel")), Qt::LeftButton);
    });
    find<QAction>(QStringLiteral("itmViewFlatCategories"))->trigger();
    EXPECT_EQ(window->calculator()->shapeList(), filtered);
    offered = -1;
    onNextModal(countAndPickFirst);
    QTest::mouseClick(find<QLabel>(QStringLiteral("imgShape")), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(offered, 4);
}

TEST_F(MainWindowTest, ThePickerOpensAtTheTopWithTheCurrentShapeSelected)
{
    start();
    const QString last = window->calculator()->shapeList().back().first;
    pickThrough(QStringLiteral("itmViewSolidAll"), last);
    ASSERT_NE(window->calculator()->currentShape(), nullptr);

    int selected = -2;
    int scrolled = -1;
    bool shown = false;
    auto look = [&](QDialog* dialog) {
        auto* picker = static_cast<TfrmSelectImage*>(dialog);
        selected = picker->selectedKey();
        QScrollArea* box = picker->viewer()->scrollBox();
        scrolled = box->verticalScrollBar()->value();
        if (const CImgContainer* item = picker->viewer()->findItem(selected)) {
            const QRect view(box->widget()->mapFrom(box->viewport(), QPoint(0, 0)), box->viewport()->size());
            shown = view.contains(item->geometry());
        }
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        dialog->reject();
    };
    onNextModal(look);
    QTest::mouseClick(find<QLabel>(QStringLiteral("imgShape")), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(selected, keyOf(last));
    EXPECT_TRUE(shown);

    // the other group: nothing of it is current, so the top, nothing selected
    onNextModal(look);
    find<QAction>(QStringLiteral("itmViewFlatAll"))->trigger();
    EXPECT_EQ(selected, -1);
    EXPECT_EQ(scrolled, 0);
}

} // namespace

// SPDX-License-Identifier: MIT
// The whole program as a user meets it: start-up on a copy of the shipped data,
// the View menu and the picker, settings, languages and damaged data folders.
#include "modal_dialogs.h"
#include "lang/language.h"
#include "base/numbers.h"
#include "base/settings.h"
#include "model/messages.h"
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"
#include "ui/categories.h"
#include "ui/imgContainer.h"
#include "ui/main_window.h"
#include "ui/selectImage.h"
#include "ui/shapeCalculator.h"

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
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
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
        m_saved = std::move(PrimitivesLibrary);
        PrimitivesLibrary = TPrimitivesLibrary();
        registerCatalogue(PrimitivesLibrary);
        m_previousHook = setMessageHook([this](const QString& text) { messages.append(text); });
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
        setMessageHook(m_previousHook);
        DecimalSeparator = QLatin1Char('.');
        CalcPrecision = OptPrecision = 2;
        OptLanguage = QStringLiteral("en");
        LangStrings->clear();
        PrimitivesLibrary = std::move(m_saved);
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

    int keyOf(const QString& id) const
    {
        const TNameList& list = window->calculator()->shapeList();
        for (int i = 0; i < static_cast<int>(list.size()); ++i) {
            if (list[i].first == id)
                return i;
        }
        return -1;
    }

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

    QTemporaryDir folder;
    std::unique_ptr<TfrmMain> window;
    QStringList messages;

private:
    TPrimitivesLibrary m_saved;
    MessageHook m_previousHook;
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
    EXPECT_EQ(find<QMenu>(QStringLiteral("itmView"))->title(), QStringLiteral("View"));  // built-in until a switch
}

TEST_F(MainWindowTest, AMissingLanguageFileLeavesEmptyCaptions)
{
    ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("langs/kolvent.en"))));
    start();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(find<QPushButton>(QStringLiteral("btnCalculate"))->text(), QString());
    EXPECT_EQ(find<QMenu>(QStringLiteral("itmView"))->title(), QStringLiteral("View"));
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

} // namespace

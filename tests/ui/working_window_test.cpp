// SPDX-License-Identifier: MIT
// The Working window in the whole program: how it opens, that it follows every
// change of results, settings and shape, and what it shows and copies.
#include "modal_dialogs.h"
#include "program_state.h"
#include "shape_keys.h"
#include "base/settings.h"
#include "lang/language.h"
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"
#include "ui/main_window.h"
#include "ui/shapeCalculator.h"
#include "ui/workingWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

const QString ProgramFolder = QStringLiteral(KOLVENT_BINARY_DIR);

QString fixed(double value, int decimals, QChar separator)
{
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), separator);
}

// Round cone of base diameter l and height h.
double coneVolume(double l, double h)
{
    return std::numbers::pi * l * l * h / 12;
}

class WorkingWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerCatalogue(PrimitivesLibrary);
        window = std::make_unique<TfrmMain>(ProgramFolder);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        window.reset();
    }

    TfrShapeCalculator* calculator() const { return window->calculator(); }
    TfrmWorking* working() const { return calculator()->workingWindow(); }
    QTextBrowser* view() const { return working()->findChild<QTextBrowser*>(QStringLiteral("txtWorking")); }
    QStringList lines() const { return view()->toPlainText().split(QLatin1Char('\n')); }
    // The last line that begins with the text.
    QString lineOf(const QString& start) const
    {
        const QStringList shown = lines();
        for (auto line = shown.crbegin(); line != shown.crend(); ++line) {
            if (line->startsWith(start))
                return *line;
        }
        return QString();
    }
    QLabel* label(const QString& name) const { return window->findChild<QLabel*>(name); }
    QLineEdit* field(const QString& name) const { return window->findChild<QLineEdit*>(name); }

    void pick(const QString& group, const QString& id)
    {
        calculator()->showGroup(group);
        const int key = shapeKey(calculator()->shapeList(), id);
        ASSERT_GE(key, 0) << id.toStdString();
        calculator()->selectShape(key);
    }
    void type(const QString& name, const QString& value)
    {
        field(name)->selectAll();
        QTest::keyClicks(field(name), value);
    }
    void calculate() { QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnCalculate")), Qt::LeftButton); }
    void cone(const QString& l, const QString& h)
    {
        pick(QStringLiteral("solid"), QStringLiteral("cone:round"));
        type(QStringLiteral("l"), l);
        type(QStringLiteral("h"), h);
        calculate();
    }
    void openByButton() { QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnWorking")), Qt::LeftButton); }
    // Confirms the settings dialog after the change.
    void changeSettings(std::function<void(QDialog*)> change)
    {
        onNextModal([change](QDialog* settings) {
            change(settings);
            QTest::mouseClick(settings->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
        });
        window->findChild<QAction*>(QStringLiteral("itmSettings"))->trigger();
    }
    // The line of the view at its top edge.
    QString topLine() const { return view()->cursorForPosition(QPoint(0, 0)).block().text(); }
    // The line is wholly in view, at the top unless the view cannot scroll further.
    void expectLineOnTop(const QString& text) const
    {
        const QScrollBar* bar = view()->verticalScrollBar();
        for (QTextBlock block = view()->document()->begin(); block.isValid(); block = block.next()) {
            if (block.text() != text)
                continue;
            const QRectF shown = view()->document()->documentLayout()->blockBoundingRect(block);
            EXPECT_GE(shown.top(), bar->value()) << text.toStdString();
            EXPECT_LE(shown.bottom(), bar->value() + view()->viewport()->height()) << text.toStdString();
            if (bar->value() < bar->maximum()) {
                EXPECT_EQ(topLine(), text);
            }
            return;
        }
        ADD_FAILURE() << "no line " << text.toStdString();
    }

    ProgramState state;
    QStringList& messages = state.messages;
    std::unique_ptr<TfrmMain> window;
};

TEST_F(WorkingWindowTest, IsMadeOnlyWhenFirstOpened)
{
    cone(QStringLiteral("2"), QStringLiteral("1.5"));
    EXPECT_EQ(working(), nullptr);
    EXPECT_TRUE(window->findChildren<TfrmWorking*>().isEmpty());
    // the button shares the row with More info; the frame keeps its size
    const QRect more = window->findChild<QPushButton*>(QStringLiteral("btnMoreInfo"))->geometry();
    const QRect button = window->findChild<QPushButton*>(QStringLiteral("btnWorking"))->geometry();
    EXPECT_EQ(button.top(), more.top());
    EXPECT_FALSE(button.intersects(more));
    EXPECT_TRUE(calculator()->rect().contains(button));
    EXPECT_EQ(calculator()->size(), QSize(TfrShapeCalculator::NarrowWidth, TfrShapeCalculator::FrameHeight));

    openByButton();
    ASSERT_NE(working(), nullptr);
    EXPECT_TRUE(working()->isVisible());
    EXPECT_TRUE(working()->isWindow());
    EXPECT_EQ(working()->windowTitle(), QStringLiteral("Working"));
    EXPECT_EQ(working()->parentWidget(), window.get());
    // not modal: the calculator takes typing and clicks while it is open
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    working()->resize(300, 200);
    EXPECT_EQ(working()->size(), QSize(300, 200));
}

TEST_F(WorkingWindowTest, FollowsCalculateAndLeavingAField)
{
    cone(QStringLiteral("2"), QStringLiteral("1.5"));
    openByButton();
    ASSERT_NE(working(), nullptr);
    EXPECT_TRUE(lines().contains(QStringLiteral("l = 2")));
    EXPECT_TRUE(lines().contains(QStringLiteral("h = 1.5")));
    // every result line ends with exactly what its label shows
    EXPECT_EQ(label(QStringLiteral("lblVolValue"))->text(), fixed(coneVolume(2, 1.5), 2, '.'));
    const struct {
        const char* symbol;
        const char* label;
    } results[] = {{"V", "lblVolValue"}, {"S", "lblAreaValue"}, {"Base", "Base"}, {"Lat", "Lat"}};
    for (const auto& result : results) {
        const QString line = lineOf(QString::fromLatin1(result.symbol) + QStringLiteral(" = "));
        EXPECT_TRUE(line.endsWith(QLatin1Char(' ') + label(QString::fromLatin1(result.label))->text()))
            << line.toStdString();
    }

    type(QStringLiteral("h"), QStringLiteral("3"));
    calculate();
    EXPECT_TRUE(lines().contains(QStringLiteral("h = 3")));
    EXPECT_TRUE(lineOf(QStringLiteral("V = ")).endsWith(fixed(coneVolume(2, 3), 2, '.')));

    // leaving a field: Tab from l to h
    field(QStringLiteral("l"))->setFocus(Qt::MouseFocusReason);
    type(QStringLiteral("l"), QStringLiteral("4"));
    QTest::keyClick(field(QStringLiteral("l")), Qt::Key_Tab);
    EXPECT_TRUE(lines().contains(QStringLiteral("l = 4")));
    EXPECT_TRUE(lineOf(QStringLiteral("V = ")).endsWith(fixed(coneVolume(4, 3), 2, '.')));

    // a field that holds no number is named in place of a stale working
    type(QStringLiteral("h"), QStringLiteral("x"));
    QTest::keyClick(field(QStringLiteral("h")), Qt::Key_Tab);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(lines(), QStringList{messages.first()});
    EXPECT_TRUE(messages.first().contains(QLatin1String("[ h ]"))) << messages.first().toStdString();
    EXPECT_FALSE(working()->findChild<QPushButton*>(QStringLiteral("btnCopyWorking"))->isEnabled());
}

TEST_F(WorkingWindowTest, FollowsThePrecisionAndTheSeparator)
{
    cone(QStringLiteral("2"), QStringLiteral("1.5"));
    openByButton();
    ASSERT_NE(working(), nullptr);
    changeSettings([](QDialog* settings) {
        settings->findChild<QLineEdit*>(QStringLiteral("edtFloatPrecise"))->setText(QStringLiteral("5"));
    });
    EXPECT_TRUE(lineOf(QStringLiteral("V = ")).endsWith(QLatin1Char(' ') + fixed(coneVolume(2, 1.5), 5, '.')))
        << lineOf(QStringLiteral("V = ")).toStdString();

    changeSettings([](QDialog* settings) {
        settings->findChild<QComboBox*>(QStringLiteral("cbxDecSeparator"))->setCurrentIndex(1);
    });
    EXPECT_TRUE(lines().contains(QStringLiteral("h = 1,5")));
    const QString volume = lineOf(QStringLiteral("V = "));
    EXPECT_TRUE(volume.endsWith(QLatin1Char(' ') + fixed(coneVolume(2, 1.5), 5, ','))) << volume.toStdString();
    EXPECT_FALSE(volume.contains(QLatin1Char('.'))) << volume.toStdString();
    EXPECT_EQ(label(QStringLiteral("lblVolValue"))->text(), fixed(coneVolume(2, 1.5), 5, ','));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
}

TEST_F(WorkingWindowTest, ARefusedTriangleShowsTheFailedCondition)
{
    pick(QStringLiteral("flat"), QStringLiteral("triangle"));
    openByButton();
    ASSERT_NE(working(), nullptr);
    type(QStringLiteral("a"), QStringLiteral("1"));
    type(QStringLiteral("b"), QStringLiteral("2"));
    type(QStringLiteral("c"), QStringLiteral("4"));
    calculate();
    EXPECT_EQ(messages.size(), 1);
    const QStringList shown = lines();
    EXPECT_EQ(shown.first(), QStringLiteral("The dimensions typed do not give a valid shape:"));
    const QStringList faults = shown.filter(QStringLiteral("does not hold"));
    ASSERT_EQ(faults.size(), 1) << shown.join(QLatin1Char('|')).toStdString();
    // the condition with the user's numbers: 1 + 2 against 4
    EXPECT_TRUE(faults.first().contains(QLatin1String("1 + 2")) && faults.first().contains(QLatin1Char('4')))
        << faults.first().toStdString();
    EXPECT_TRUE(shown.filter(QStringLiteral("P = ")).isEmpty());

    // a valid triangle afterwards: no refusal left
    type(QStringLiteral("c"), QStringLiteral("2.5"));
    calculate();
    EXPECT_TRUE(lines().filter(QStringLiteral("does not hold")).isEmpty());
    EXPECT_TRUE(lineOf(QStringLiteral("P = ")).endsWith(QStringLiteral(" 5.50")));
}

TEST_F(WorkingWindowTest, WithoutAShapeItSaysSoAndAShapeChangeIsFollowed)
{
    // F4 from the main window before any shape is picked
    QTest::keyClick(window.get(), Qt::Key_F4);
    ASSERT_NE(working(), nullptr);
    EXPECT_TRUE(working()->isVisible());
    EXPECT_EQ(lines(), QStringList{QStringLiteral("Pick a shape to see how its results come about.")});
    EXPECT_FALSE(working()->findChild<QPushButton*>(QStringLiteral("btnCopyWorking"))->isEnabled());

    cone(QStringLiteral("2"), QStringLiteral("1.5"));
    EXPECT_TRUE(lines().contains(QStringLiteral("l = 2")));
    pick(QStringLiteral("flat"), QStringLiteral("triangle"));
    EXPECT_EQ(lineOf(QStringLiteral("l = ")), QString());
    EXPECT_EQ(lineOf(QStringLiteral("V = ")), QString());
    EXPECT_FALSE(lineOf(QStringLiteral("c = ")).isEmpty());
    EXPECT_TRUE(lines().contains(QStringLiteral("Perimeter")));
    EXPECT_EQ(view()->verticalScrollBar()->value(), 0);
    calculator()->selectShape(-1);
    EXPECT_EQ(lines(), QStringList{QStringLiteral("Pick a shape to see how its results come about.")});
}

TEST_F(WorkingWindowTest, CopyWorkingPutsThePlainTextAndTheResultButtonsTheValue)
{
    cone(QStringLiteral("2"), QStringLiteral("1.5"));
    openByButton();
    ASSERT_NE(working(), nullptr);
    QTest::mouseClick(working()->findChild<QPushButton*>(QStringLiteral("btnCopyWorking")), Qt::LeftButton);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, lines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    EXPECT_TRUE(copied.contains(QStringLiteral("\nl = 2\nh = 1.5\n"))) << copied.toStdString();
    QTest::mouseClick(window->findChild<QAbstractButton*>(QStringLiteral("btnCopyVolume")), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), fixed(coneVolume(2, 1.5), 2, '.'));
}

TEST_F(WorkingWindowTest, AClickOnAValueOpensItAtThatValue)
{
    pick(QStringLiteral("solid"), QStringLiteral("cone:elliptic"));
    type(QStringLiteral("a"), QStringLiteral("4"));
    type(QStringLiteral("b"), QStringLiteral("2"));
    type(QStringLiteral("h"), QStringLiteral("3"));
    calculate();
    window->findChild<QPushButton*>(QStringLiteral("btnMoreInfo"))->click();
    const struct {
        const char* label;
        const char* heading;
    } values[] = {
        {"lblAreaValue", "Total surface area"},
        {"Lat", "Lateral surface (Lat)"},
        {"lblVolValue", "Volume"},
        {"Base", "Base area (Base)"},
    };
    bool first = true;
    for (const auto& value : values) {
        QLabel* shown = label(QString::fromLatin1(value.label));
        ASSERT_NE(shown, nullptr) << value.label;
        EXPECT_EQ(shown->cursor().shape(), Qt::PointingHandCursor) << value.label;
        QTest::mouseClick(shown, Qt::LeftButton);
        ASSERT_NE(working(), nullptr) << value.label;
        EXPECT_TRUE(working()->isVisible()) << value.label;
        if (first) {
            // small enough that the working scrolls
            working()->resize(320, 120);
            QApplication::processEvents();
            QTest::mouseClick(shown, Qt::LeftButton);
            first = false;
        }
        expectLineOnTop(QString::fromLatin1(value.heading));
        working()->close();
    }
}

TEST_F(WorkingWindowTest, F4WorksFromAFieldEscAndTheMainWindowCloseIt)
{
    cone(QStringLiteral("2"), QStringLiteral("1.5"));
    // typed but not yet left: the working and the results follow the field
    field(QStringLiteral("h"))->setFocus();
    type(QStringLiteral("h"), QStringLiteral("3"));
    QTest::keyClick(field(QStringLiteral("h")), Qt::Key_F4);
    ASSERT_NE(working(), nullptr);
    EXPECT_TRUE(working()->isVisible());
    EXPECT_TRUE(lines().contains(QStringLiteral("h = 3")));
    EXPECT_EQ(label(QStringLiteral("lblVolValue"))->text(), fixed(coneVolume(2, 3), 2, '.'));

    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_FALSE(working()->isVisible());
    // closed, it is not rebuilt; opened again it is up to date
    type(QStringLiteral("h"), QStringLiteral("6"));
    calculate();
    EXPECT_TRUE(lines().contains(QStringLiteral("h = 3")));
    window->findChild<QAction*>(QStringLiteral("itmWorking"))->trigger();
    EXPECT_TRUE(lines().contains(QStringLiteral("h = 6")));

    QTest::mouseClick(working()->findChild<QPushButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
    EXPECT_FALSE(working()->isVisible());
    window->findChild<QAction*>(QStringLiteral("itmWorking"))->trigger();
    EXPECT_TRUE(working()->isVisible());
    window->close();
    EXPECT_FALSE(working()->isVisible());
}

TEST_F(WorkingWindowTest, KeepsItsPlaceOnARefresh)
{
    pick(QStringLiteral("solid"), QStringLiteral("cone:elliptic"));
    type(QStringLiteral("a"), QStringLiteral("4"));
    type(QStringLiteral("b"), QStringLiteral("2"));
    type(QStringLiteral("h"), QStringLiteral("3"));
    calculate();
    openByButton();
    ASSERT_NE(working(), nullptr);
    working()->resize(320, 120);
    QApplication::processEvents();
    const int heading = static_cast<int>(lines().indexOf(QStringLiteral("Base area (Base)")));
    ASSERT_GT(heading, 0);
    working()->scrollToLine(heading);
    ASSERT_EQ(topLine(), QStringLiteral("Base area (Base)"));
    changeSettings([](QDialog* settings) {
        settings->findChild<QLineEdit*>(QStringLiteral("edtFloatPrecise"))->setText(QStringLiteral("7"));
    });
    EXPECT_EQ(topLine(), QStringLiteral("Base area (Base)"));
    EXPECT_TRUE(lineOf(QStringLiteral("V = ")).endsWith(fixed(std::numbers::pi * 4 * 2 * 3 / 12, 7, '.')));
}

TEST_F(WorkingWindowTest, LinesAreSetApartByKindInAFontThatHasTheirSigns)
{
    pick(QStringLiteral("solid"), QStringLiteral("cone:elliptic"));
    type(QStringLiteral("a"), QStringLiteral("4"));
    type(QStringLiteral("b"), QStringLiteral("2"));
    type(QStringLiteral("h"), QStringLiteral("3"));
    calculate();
    openByButton();
    ASSERT_NE(working(), nullptr);
    const auto formatOf = [this](const QString& start) {
        for (QTextBlock block = view()->document()->begin(); block.isValid(); block = block.next()) {
            if (block.text().startsWith(start))
                return block.begin().fragment().charFormat();
        }
        ADD_FAILURE() << "no line " << start.toStdString();
        return QTextCharFormat();
    };
    EXPECT_EQ(formatOf(QStringLiteral("Volume")).fontWeight(), QFont::Bold);
    EXPECT_NE(formatOf(QStringLiteral("V = ")).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(QStringLiteral("E(k): complete")).foreground().color(), QColor(0x70, 0x70, 0x70));

    const QFont font = view()->document()->defaultFont();
    EXPECT_EQ(QFontInfo(font).pixelSize(), 11);
    const QFontMetrics metrics(font);
    QString missing;
    for (const QChar c : view()->toPlainText()) {
        if (!c.isSpace() && !metrics.inFont(c) && !missing.contains(c))
            missing += c;
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.toStdString();
    for (const QChar sign : QStringLiteral("·²√π≈−∫θ"))
        EXPECT_TRUE(view()->toPlainText().contains(sign)) << QString(sign).toStdString();

    type(QStringLiteral("b"), QStringLiteral("-1"));
    calculate();
    EXPECT_EQ(formatOf(QStringLiteral("b ≥ ")).foreground().color(), QColor(0x8B, 0x00, 0x00))
        << lines().join(QLatin1Char('|')).toStdString();
}

TEST_F(WorkingWindowTest, SpeaksRussian)
{
    changeSettings([](QDialog* settings) {
        settings->findChild<QComboBox*>(QStringLiteral("cbxLanguage"))->setCurrentIndex(1);
    });
    ASSERT_EQ(window->language(), QStringLiteral("ru"));
    cone(QStringLiteral("2"), QStringLiteral("1.5"));
    openByButton();
    ASSERT_NE(working(), nullptr);
    EXPECT_EQ(working()->windowTitle(), QStringLiteral("Ход решения"));
    for (const QString& heading : {QStringLiteral("Дано"), QStringLiteral("Объём"),
             QStringLiteral("Площадь полной поверхности"), QStringLiteral("Площадь основания (Base)")})
        EXPECT_TRUE(lines().contains(heading)) << heading.toStdString();

    // back to English while it is open
    changeSettings([](QDialog* settings) {
        settings->findChild<QComboBox*>(QStringLiteral("cbxLanguage"))->setCurrentIndex(0);
    });
    EXPECT_EQ(working()->windowTitle(), QStringLiteral("Working"));
    EXPECT_TRUE(lines().contains(QStringLiteral("Given")));
    EXPECT_FALSE(lines().contains(QStringLiteral("Дано")));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
}

} // namespace

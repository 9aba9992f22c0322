// SPDX-License-Identifier: MIT
// The calculator frame on shapes of its own: rows, calculation, messages,
// copying, the extra box, the picker's outcome and re-translation.
#include "modal_dialogs.h"
#include "program_state.h"
#include "lang/language.h"
#include "base/numbers.h"
#include "base/settings.h"
#include "model/primitive2D.h"
#include "model/primitivesLibrary.h"
#include "ui/imageViewer.h"
#include "ui/imgContainer.h"
#include "ui/selectImage.h"
#include "ui/shapeCalculator.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

const QString ProgramFolder = QStringLiteral(KOLVENT_BINARY_DIR);

// A rectangle with a and b, its diagonal as extra value, and one hidden variable.
class TTestRect : public T2DPrimitive {
public:
    bool init() override
    {
        T2DPrimitive::init();
        setClassId(QStringLiteral("uitest:rect"));
        setId(QStringLiteral("uitest:rect"));
        setCategory(QStringLiteral("uitest"));
        addVar(QStringLiteral("a"));
        addVar(QStringLiteral("b"));
        addVar(QStringLiteral("hidden"));
        hideVar(QStringLiteral("hidden"));
        addExtraVar(QStringLiteral("diag"));
        return true;
    }
    void setVar(const QString& name, double value) override
    {
        T2DPrimitive::setVar(name, value);
        TPrimitive::setVar(QStringLiteral("diag"), std::hypot(getVar(QStringLiteral("a")), getVar(QStringLiteral("b"))));
    }
    double getMeasure() const override { return 2 * (getVar(QStringLiteral("a")) + getVar(QStringLiteral("b"))); }
    double getArea() const override { return getVar(QStringLiteral("a")) * getVar(QStringLiteral("b")); }
};

// A square given by its area s: a negative area has no side.
class TTestRoot : public T2DPrimitive {
public:
    bool init() override
    {
        T2DPrimitive::init();
        setId(QStringLiteral("uitest:root"));
        setCategory(QStringLiteral("uitest:roots"));
        addVar(QStringLiteral("s"));
        return true;
    }
    double getMeasure() const override { return 4 * std::sqrt(getVar(QStringLiteral("s"))); }
    double getArea() const override { return getVar(QStringLiteral("s")); }
};

// A right triangle by hypotenuse c and leg a: its other leg, an extra value,
// has no value when a is longer than c, while perimeter and area still do.
class TTestLeg : public T2DPrimitive {
public:
    bool init() override
    {
        T2DPrimitive::init();
        setId(QStringLiteral("uitest:leg"));
        setCategory(QStringLiteral("uitest"));
        addVar(QStringLiteral("c"));
        addVar(QStringLiteral("a"));
        addExtraVar(QStringLiteral("b"));
        return true;
    }
    void setVar(const QString& name, double value) override
    {
        T2DPrimitive::setVar(name, value);
        const double c = getVar(QStringLiteral("c"));
        const double a = getVar(QStringLiteral("a"));
        TPrimitive::setVar(QStringLiteral("b"), std::sqrt(c * c - a * a));
    }
    double getMeasure() const override { return getVar(QStringLiteral("c")) + getVar(QStringLiteral("a")); }
    double getArea() const override { return getVar(QStringLiteral("c")) * getVar(QStringLiteral("a")); }
};

// Fourteen inputs: more rows than the input box shows at once.
class TTestMany : public T2DPrimitive {
public:
    bool init() override
    {
        T2DPrimitive::init();
        setId(QStringLiteral("uitest:many"));
        setCategory(QStringLiteral("roots"));
        for (int i = 0; i < 14; ++i)
            addVar(QStringLiteral("v%1").arg(i));
        return true;
    }
    double getMeasure() const override { return 0; }
    double getArea() const override { return 0; }
};

void doubleClickThumbnail(QDialog* dialog, int key)
{
    for (CImgContainer* item : dialog->findChildren<CImgContainer*>()) {
        if (item->Key == key) {
            QTest::mouseClick(item, Qt::LeftButton);
            QTest::mouseDClick(item, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no thumbnail with key " << key;
}

class CalculatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrimitivesLibrary.addPrimitive(create<TTestRect>());
        PrimitivesLibrary.addPrimitive(create<TTestRoot>());
        PrimitivesLibrary.addPrimitive(create<TTestMany>());
        PrimitivesLibrary.addPrimitive(create<TTestLeg>());
        loadLanguage(ProgramFolder + QStringLiteral("/langs/kolvent.en"), QStringLiteral("DEFAULT"));
        frame = std::make_unique<TfrShapeCalculator>(nullptr, ProgramFolder);
        frame->initialize(QStringLiteral("img"), QStringLiteral("en"),
            [this](TfrShapeCalculator*) { ++widthChanges; });
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    void TearDown() override
    {
        frame.reset();
    }

    // Puts the shape of the id in view and makes it current.
    void pick(const QString& id)
    {
        ASSERT_TRUE(frame->showCategories(QStringLiteral("flat"), {QStringLiteral("uitest"), QStringLiteral("roots")}));
        const TNameList& list = frame->shapeList();
        for (int i = 0; i < static_cast<int>(list.size()); ++i) {
            if (list[i].first == id) {
                frame->selectShape(i);
                return;
            }
        }
        FAIL() << "not in view: " << id.toStdString();
    }

    QLineEdit* edit(const QString& name) const { return frame->findChild<QLineEdit*>(name); }
    QString label(const QString& name) const
    {
        const auto* found = frame->findChild<QLabel*>(name);
        return found ? found->text() : QStringLiteral("<none>");
    }
    void type(const QString& name, const QString& text)
    {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }
    void calculate() { QTest::mouseClick(frame->findChild<QPushButton*>(QStringLiteral("btnCalculate")), Qt::LeftButton); }

    ProgramState state;
    QStringList& messages = state.messages;
    std::unique_ptr<TfrShapeCalculator> frame;
    int widthChanges = 0;
};

TEST_F(CalculatorTest, RowsFollowTheVariableOrderAndTabWalksThem)
{
    pick(QStringLiteral("uitest:rect"));
    EXPECT_EQ(label(QStringLiteral("lblShapeName")), QStringLiteral("uitest:rect"));
    auto* box = frame->findChild<QScrollArea*>(QStringLiteral("scrVars"))->widget();
    const QList<QLineEdit*> edits = box->findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 2);  // the hidden variable and the extra get no input row
    EXPECT_EQ(edits[0]->objectName(), QStringLiteral("a"));
    EXPECT_EQ(edits[1]->objectName(), QStringLiteral("b"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(edits[0]->geometry().topLeft(), QPoint(30, 8));
    EXPECT_EQ(edits[1]->geometry().topLeft(), QPoint(30, 26));
    EXPECT_EQ(box->findChild<QLabel*>(QStringLiteral("lblVara"))->geometry().topLeft(), QPoint(8, 11));
    // variable names in italic serif: l, I and | come out as three different shapes
    const QFont names = box->findChild<QLabel*>(QStringLiteral("lblVara"))->font();
    EXPECT_TRUE(names.italic());
    QList<QImage> glyphs;
    for (const QString& glyph : {QStringLiteral("l"), QStringLiteral("I"), QStringLiteral("|")}) {
        QImage image(24, 24, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(names);
        painter.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, glyph);
        painter.end();
        for (const QImage& other : glyphs)
            EXPECT_NE(image, other) << glyph.toStdString();
        glyphs.append(image);
    }
    EXPECT_EQ(label(QStringLiteral("_lblExtraVardiag")), QStringLiteral("diag"));
    EXPECT_EQ(label(QStringLiteral("diag")), QStringLiteral("0.00"));

    edits[0]->setFocus();
    QTest::keyClick(edits[0], Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edits[1]);
}

TEST_F(CalculatorTest, CalculateReturnAndLeavingAFieldCompute)
{
    pick(QStringLiteral("uitest:rect"));
    type(QStringLiteral("a"), QStringLiteral("3"));
    type(QStringLiteral("b"), QStringLiteral("4"));
    calculate();
    EXPECT_EQ(label(QStringLiteral("lblVolValue")), QStringLiteral("14.00"));
    EXPECT_EQ(label(QStringLiteral("lblAreaValue")), QStringLiteral("12.00"));
    EXPECT_EQ(label(QStringLiteral("diag")), QStringLiteral("5.00"));

    type(QStringLiteral("b"), QStringLiteral("1.5"));
    QTest::keyClick(edit(QStringLiteral("b")), Qt::Key_Return);
    EXPECT_EQ(label(QStringLiteral("lblAreaValue")), QStringLiteral("4.50"));

    edit(QStringLiteral("a"))->setFocus();
    type(QStringLiteral("a"), QStringLiteral("0.5"));
    QTest::keyClick(edit(QStringLiteral("a")), Qt::Key_Tab);  // leaves a
    EXPECT_EQ(label(QStringLiteral("lblVolValue")), QStringLiteral("4.00"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
}

TEST_F(CalculatorTest, ABadFieldStopsCalculateAndKeepsTheResults)
{
    struct Case {
        const char* typed;
        QChar separator;
    };
    const Case cases[] = {{"", '.'}, {"  ", '.'}, {"2,5", '.'}, {"2.5", ','}, {"abc", '.'}, {"1 2", '.'}, {"1.2.3", '.'}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        DecimalSeparator = c.separator;
        pick(QStringLiteral("uitest:rect"));
        type(QStringLiteral("a"), QStringLiteral("2"));
        type(QStringLiteral("b"), QStringLiteral("2"));
        calculate();
        ASSERT_EQ(label(QStringLiteral("lblAreaValue")), QStringLiteral("4") + c.separator + QStringLiteral("00"));
        messages.clear();

        type(QStringLiteral("a"), QStringLiteral("5"));
        type(QStringLiteral("b"), QString::fromUtf8(c.typed));
        calculate();
        EXPECT_EQ(messages, QStringList{QStringLiteral("Please, correct the content of the field [ b ]")});
        EXPECT_EQ(label(QStringLiteral("lblAreaValue")), QStringLiteral("4") + c.separator + QStringLiteral("00"));
        EXPECT_EQ(QApplication::focusWidget(), edit(QStringLiteral("b")));
        // the field before the bad one reached the shape already
        EXPECT_DOUBLE_EQ(frame->currentShape()->getVar(QStringLiteral("a")), 5.0);
    }
}

TEST_F(CalculatorTest, LeavingABadFieldShowsTheMessageOnly)
{
    pick(QStringLiteral("uitest:rect"));
    edit(QStringLiteral("a"))->setFocus();
    type(QStringLiteral("a"), QStringLiteral("x"));
    QTest::keyClick(edit(QStringLiteral("a")), Qt::Key_Tab);
    EXPECT_EQ(messages, QStringList{QStringLiteral("Please, correct the content of the field [ a ]")});
    EXPECT_EQ(QApplication::focusWidget(), edit(QStringLiteral("a")));
    EXPECT_EQ(label(QStringLiteral("lblVolValue")), QStringLiteral("0.00"));
}

// Leaving a field of a shape not wholly typed is not an error: dashes, with the
// reason as their hint, and nothing to copy; Calculate says why.
TEST_F(CalculatorTest, AnInvalidShapeShowsDashesOnLeavingAFieldAndTheMessageOnCalculate)
{
    pick(QStringLiteral("uitest:root"));
    type(QStringLiteral("s"), QStringLiteral("16"));
    calculate();
    ASSERT_EQ(label(QStringLiteral("lblVolValue")), QStringLiteral("16.00"));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    edit(QStringLiteral("s"))->setFocus();
    type(QStringLiteral("s"), QStringLiteral("-4"));
    QTest::keyClick(edit(QStringLiteral("s")), Qt::Key_Tab);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
    const auto* volume = frame->findChild<QLabel*>(QStringLiteral("lblVolValue"));
    EXPECT_EQ(volume->text(), QStringLiteral("—"));
    EXPECT_EQ(label(QStringLiteral("lblAreaValue")), QStringLiteral("—"));
    EXPECT_EQ(volume->toolTip(), langText(QStringLiteral("invalidshape")));
    QTest::mouseClick(frame->findChild<QToolButton*>(QStringLiteral("btnCopyVolume")), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

    calculate();
    EXPECT_EQ(messages, QStringList{langText(QStringLiteral("invalidshape"))});

    edit(QStringLiteral("s"))->setFocus();
    type(QStringLiteral("s"), QStringLiteral("9"));
    QTest::keyClick(edit(QStringLiteral("s")), Qt::Key_Tab);
    EXPECT_EQ(label(QStringLiteral("lblVolValue")), QStringLiteral("12.00"));
    EXPECT_TRUE(volume->toolTip().isEmpty());
}

TEST_F(CalculatorTest, EmptyGroupsAndCategoriesAreReported)
{
    pick(QStringLiteral("uitest:rect"));
    EXPECT_FALSE(frame->showGroup(QStringLiteral("solid")));
    EXPECT_EQ(messages, QStringList{QStringLiteral("There are no shapes in group \"solid\"")});
    EXPECT_EQ(frame->picker()->selectedKey(), -1);
    EXPECT_EQ(label(QStringLiteral("lblShapeName")), QString());
    EXPECT_EQ(frame->currentShape()->getId(), QStringLiteral("uitest:rect"));  // cleared, still selected

    messages.clear();
    EXPECT_FALSE(frame->showCategories(QStringLiteral("flat"), {QStringLiteral("nothing"), QString()}));
    EXPECT_EQ(messages, QStringList{QStringLiteral("There are no shapes in selected categories!")});
    EXPECT_EQ(label(QStringLiteral("lblVol")), langText(QStringLiteral("perimeter")));

    // a shape filed under two checked categories is offered once
    messages.clear();
    EXPECT_TRUE(frame->showCategories(QStringLiteral("solid"), {QStringLiteral("uitest"), QStringLiteral("roots")}));
    EXPECT_EQ(frame->shapeList().size(), 4u);
    EXPECT_EQ(frame->picker()->viewer()->items().size(), 4u);
    EXPECT_EQ(label(QStringLiteral("lblVol")), langText(QStringLiteral("volume")));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CalculatorTest, ResultsThatAreNotNumbersAreRefusedWithAMessage)
{
    pick(QStringLiteral("uitest:root"));
    type(QStringLiteral("s"), QStringLiteral("16"));
    calculate();
    EXPECT_EQ(label(QStringLiteral("lblVolValue")), QStringLiteral("16.00"));

    messages.clear();
    type(QStringLiteral("s"), QStringLiteral("-4"));  // no side for a negative area
    calculate();
    EXPECT_EQ(messages, QStringList{langText(QStringLiteral("invalidshape"))});
    EXPECT_EQ(label(QStringLiteral("lblVolValue")), QStringLiteral("16.00"));
    EXPECT_EQ(label(QStringLiteral("lblAreaValue")), QStringLiteral("16.00"));

    // an area beyond the range of a double
    pick(QStringLiteral("uitest:rect"));
    type(QStringLiteral("a"), QStringLiteral("1e200"));
    type(QStringLiteral("b"), QStringLiteral("1e200"));
    messages.clear();
    calculate();
    EXPECT_EQ(messages.size(), 1);
    for (const char* name : {"lblVolValue", "lblAreaValue", "diag"}) {
        EXPECT_FALSE(label(QString::fromLatin1(name)).contains(QLatin1String("inf"), Qt::CaseInsensitive));
        EXPECT_FALSE(label(QString::fromLatin1(name)).contains(QLatin1String("nan"), Qt::CaseInsensitive));
    }
}

TEST_F(CalculatorTest, AnExtraValueThatIsNotANumberIsRefusedToo)
{
    pick(QStringLiteral("uitest:leg"));
    type(QStringLiteral("c"), QStringLiteral("5"));
    type(QStringLiteral("a"), QStringLiteral("3"));
    calculate();
    EXPECT_EQ(label(QStringLiteral("b")), QStringLiteral("4.00"));

    messages.clear();
    type(QStringLiteral("a"), QStringLiteral("6"));
    calculate();
    EXPECT_EQ(messages, QStringList{langText(QStringLiteral("invalidshape"))});
    EXPECT_EQ(label(QStringLiteral("b")), QStringLiteral("4.00"));
    EXPECT_EQ(label(QStringLiteral("lblVolValue")), QStringLiteral("8.00"));
}

TEST_F(CalculatorTest, TheMessageHasAnEnglishFallback)
{
    LangStrings->clear();
    pick(QStringLiteral("uitest:root"));
    type(QStringLiteral("s"), QStringLiteral("-1"));
    calculate();
    EXPECT_EQ(messages, QStringList{QStringLiteral("The dimensions typed do not give a valid shape.")});
}

TEST_F(CalculatorTest, CopyButtonsCopyTheResultsAsShown)
{
    auto* copyVolume = frame->findChild<QToolButton*>(QStringLiteral("btnCopyVolume"));
    auto* copyArea = frame->findChild<QToolButton*>(QStringLiteral("btnCopyArea"));
    // reached by Tab, never taken by a click
    EXPECT_EQ(copyVolume->focusPolicy(), Qt::TabFocus);

    // nothing selected: Calculate and the copy buttons do nothing
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    calculate();
    QTest::mouseClick(copyArea, Qt::LeftButton);
    QTest::mouseClick(copyVolume, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    EXPECT_TRUE(messages.isEmpty());

    CalcPrecision = 3;
    DecimalSeparator = QLatin1Char(',');
    pick(QStringLiteral("uitest:root"));
    type(QStringLiteral("s"), QStringLiteral("12,5664"));
    calculate();
    QTest::mouseClick(copyArea, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12,566"));
    QTest::mouseClick(copyVolume, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("14,180"));  // 4 * sqrt(12.5664)
}

// What is painted, not only the text: the whole text fits inside the label,
// the label inside its room, at any precision and magnitude.
TEST_F(CalculatorTest, ResultsArePaintedWholeAtAnyPrecisionAndMagnitude)
{
    auto* toggle = frame->findChild<QPushButton*>(QStringLiteral("btnMoreInfo"));
    QTest::mouseClick(toggle, Qt::LeftButton);
    pick(QStringLiteral("uitest:rect"));
    const auto* copy = frame->findChild<QToolButton*>(QStringLiteral("btnCopyArea"));
    const auto* extraBox = frame->findChild<QScrollArea*>(QStringLiteral("scrExtraVars"));
    auto paintedWhole = [](const QLabel* shown, int right) {
        const int textWidth = shown->fontMetrics().horizontalAdvance(shown->text());
        return textWidth <= shown->contentsRect().width() && shown->geometry().right() < right && shown->x() >= 0;
    };
    const char* sides[] = {"1", "123456789", "61728379067.8994598", "1e15", "9.87654321e100", "1e-100", "7e153"};
    for (const int precision : {0, 2, 15}) {
        CalcPrecision = precision;
        for (const char* side : sides) {
            type(QStringLiteral("a"), QString::fromLatin1(side));
            type(QStringLiteral("b"), QStringLiteral("3.25"));
            calculate();
            ASSERT_TRUE(messages.isEmpty()) << side;
            const double a = *readDecimal(QString::fromLatin1(side), QLatin1Char('.'));
            for (const auto& [name, value] : {std::pair{"lblVolValue", 2 * (a + 3.25)}, std::pair{"lblAreaValue", a * 3.25}}) {
                const auto* shown = frame->findChild<QLabel*>(QString::fromLatin1(name));
                EXPECT_TRUE(paintedWhole(shown, copy->x())) << name << " " << shown->text().toStdString();
                // the text is the value: fixed, or scientific when the fixed form has no room
                const QString fixedText = formatResult(value);
                if (shown->text() != fixedText) {
                    EXPECT_TRUE(shown->text().contains(QLatin1Char('e'))) << shown->text().toStdString();
                    EXPECT_GT(shown->fontMetrics().horizontalAdvance(fixedText), shown->width());
                    EXPECT_NEAR(readDecimal(shown->text(), QLatin1Char('.')).value_or(0), value, std::abs(value) * 1e-14);
                }
            }
            const auto* diagonal = frame->findChild<QLabel*>(QStringLiteral("diag"));
            EXPECT_TRUE(paintedWhole(diagonal, extraBox->viewport()->width())) << diagonal->text().toStdString();
        }
    }
    CalcPrecision = 15;
    type(QStringLiteral("a"), QStringLiteral("123456789"));
    type(QStringLiteral("b"), QStringLiteral("1"));
    calculate();
    EXPECT_EQ(label(QStringLiteral("lblAreaValue")), QStringLiteral("123456789.000000000000000"));
}

TEST_F(CalculatorTest, FieldMessagesSpeakTheInterfaceLanguage)
{
    loadLanguage(ProgramFolder + QStringLiteral("/langs/kolvent.ru"), QStringLiteral("DEFAULT"));
    frame->translate(QStringLiteral("ru"));
    pick(QStringLiteral("uitest:rect"));
    type(QStringLiteral("a"), QStringLiteral("x"));
    calculate();
    EXPECT_EQ(messages, QStringList{QStringLiteral("Пожалуйста, исправьте содержимое поля [ a ]")});
    loadLanguage(ProgramFolder + QStringLiteral("/langs/kolvent.en"), QStringLiteral("DEFAULT"));
}

TEST_F(CalculatorTest, TheExtraBoxWidensAndNarrowsTheFrame)
{
    auto* toggle = frame->findChild<QPushButton*>(QStringLiteral("btnMoreInfo"));
    auto* extras = frame->findChild<QScrollArea*>(QStringLiteral("scrExtraVars"));
    EXPECT_EQ(frame->width(), TfrShapeCalculator::NarrowWidth);
    EXPECT_FALSE(extras->isVisible());
    EXPECT_EQ(toggle->text(), langText(QStringLiteral("moreinfo")));
    const int before = widthChanges;

    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_EQ(frame->width(), TfrShapeCalculator::WideWidth);
    EXPECT_TRUE(extras->isVisible());
    EXPECT_EQ(extras->geometry().top(), 24);
    EXPECT_EQ(extras->geometry().right(), TfrShapeCalculator::WideWidth - 8);
    EXPECT_GT(extras->x(), frame->findChild<QPushButton*>(QStringLiteral("btnCalculate"))->geometry().right());
    EXPECT_EQ(toggle->text(), langText(QStringLiteral("hideinfo")));
    EXPECT_EQ(widthChanges, before + 1);

    // the state survives a new shape and a re-translation
    pick(QStringLiteral("uitest:rect"));
    frame->translate(QStringLiteral("en"));
    EXPECT_TRUE(extras->isVisible());
    EXPECT_EQ(toggle->text(), langText(QStringLiteral("hideinfo")));

    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_EQ(frame->width(), TfrShapeCalculator::NarrowWidth);
    EXPECT_FALSE(extras->isVisible());
    EXPECT_EQ(widthChanges, before + 2);
}

TEST_F(CalculatorTest, ManyRowsScrollWithoutMovingCalculate)
{
    pick(QStringLiteral("uitest:many"));
    auto* box = frame->findChild<QScrollArea*>(QStringLiteral("scrVars"));
    QCoreApplication::processEvents();  // the box lays out its scroll bars on the next pass
    EXPECT_TRUE(box->verticalScrollBar()->isVisible());
    EXPECT_EQ(frame->findChild<QPushButton*>(QStringLiteral("btnCalculate"))->geometry().top(), 243);
    // the last row can be reached
    EXPECT_GE(box->widget()->height(), edit(QStringLiteral("v13"))->geometry().bottom());
}

TEST_F(CalculatorTest, ClosingThePickerWithoutChoosingChangesNothing)
{
    pick(QStringLiteral("uitest:rect"));
    type(QStringLiteral("a"), QStringLiteral("7"));
    TPrimitive* before = frame->currentShape();

    onNextModal([](QDialog* dialog) {
        // a thumbnail clicked, then the dialog closed with its close box
        for (CImgContainer* item : dialog->findChildren<CImgContainer*>()) {
            if (item->Key == 0)
                QTest::mouseClick(item, Qt::LeftButton);
        }
        dialog->reject();
    });
    frame->pickShape();
    EXPECT_EQ(frame->currentShape(), before);
    EXPECT_EQ(edit(QStringLiteral("a"))->text(), QStringLiteral("7"));

    // choosing the same shape again rebuilds its rows
    int own = 0;
    while (frame->shapeList()[own].second != before)
        ++own;
    onNextModal([own](QDialog* dialog) { doubleClickThumbnail(dialog, own); });
    frame->pickShape();
    EXPECT_EQ(frame->currentShape(), before);
    EXPECT_EQ(edit(QStringLiteral("a"))->text(), QStringLiteral("0"));
}

TEST_F(CalculatorTest, ReTranslationKeepsTypedValuesInTheSeparatorInForce)
{
    pick(QStringLiteral("uitest:rect"));
    type(QStringLiteral("a"), QStringLiteral("2.5"));
    type(QStringLiteral("b"), QStringLiteral("oops"));
    calculate();
    messages.clear();

    DecimalSeparator = QLatin1Char(',');
    frame->translate(QStringLiteral("en"));
    EXPECT_EQ(edit(QStringLiteral("a"))->text(), QStringLiteral("2,5"));
    EXPECT_EQ(edit(QStringLiteral("b"))->text(), QStringLiteral("oops"));  // not a number: left for the user
    EXPECT_EQ(label(QStringLiteral("lblVolValue")), QStringLiteral("0,00"));

    type(QStringLiteral("b"), QStringLiteral("4"));
    calculate();
    EXPECT_EQ(label(QStringLiteral("lblAreaValue")), QStringLiteral("10,00"));

    // the same separator: the text stays exactly as typed
    type(QStringLiteral("a"), QStringLiteral("0,50"));
    frame->translate(QStringLiteral("en"));
    EXPECT_EQ(edit(QStringLiteral("a"))->text(), QStringLiteral("0,50"));
}

TEST_F(CalculatorTest, TheKeyboardLeadsFromThePickToTheResult)
{
    ASSERT_TRUE(frame->showCategories(QStringLiteral("flat"), {QStringLiteral("uitest")}));
    int rect = 0;
    while (frame->shapeList()[rect].first != QLatin1String("uitest:rect"))
        ++rect;
    onNextModal([rect](QDialog* dialog) { doubleClickThumbnail(dialog, rect); });
    frame->pickShape();
    QLineEdit* a = edit(QStringLiteral("a"));
    QLineEdit* b = edit(QStringLiteral("b"));
    EXPECT_EQ(frame->focusWidget(), a) << "the first field has the focus after a pick";
    // the closing picker hands the keyboard back, with or without a window manager
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), a);
    EXPECT_EQ(a->selectedText(), QStringLiteral("0"));
    QTest::keyClicks(a, QStringLiteral("3"));
    EXPECT_EQ(a->text(), QStringLiteral("3"));  // replaces the 0, no "03"

    // Tab: fields, Calculate, the copy buttons, More info, Working, and round again
    const QStringList order = {QStringLiteral("b"), QStringLiteral("btnCalculate"), QStringLiteral("btnCopyVolume"),
        QStringLiteral("btnCopyArea"), QStringLiteral("btnMoreInfo"), QStringLiteral("btnWorking"), QStringLiteral("a")};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
        if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            EXPECT_EQ(field->selectedText(), field->text()) << next.toStdString();
        }
    }
    QTest::keyClick(a, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("btnWorking"));

    // a click into a field selects its text as well; Return on Calculate computes
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, b->height() / 2));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), b);
    EXPECT_EQ(b->selectedText(), QStringLiteral("0"));
    QTest::keyClicks(b, QStringLiteral("4"));
    auto* calculateButton = frame->findChild<QPushButton*>(QStringLiteral("btnCalculate"));
    calculateButton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(calculateButton, Qt::Key_Return);
    EXPECT_EQ(label(QStringLiteral("lblAreaValue")), QStringLiteral("12.00"));
    EXPECT_EQ(label(QStringLiteral("diag")), QStringLiteral("5.00"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
}

TEST_F(CalculatorTest, FreshResultsFollowThePrecisionAndTheInfoButtonIsNoToggle)
{
    CalcPrecision = 4;
    frame->translate(QStringLiteral("en"));
    EXPECT_EQ(label(QStringLiteral("lblVolValue")), QStringLiteral("0.0000"));
    pick(QStringLiteral("uitest:rect"));
    EXPECT_EQ(label(QStringLiteral("lblVolValue")), QStringLiteral("0.0000"));
    EXPECT_EQ(label(QStringLiteral("lblAreaValue")), QStringLiteral("0.0000"));
    EXPECT_EQ(label(QStringLiteral("diag")), QStringLiteral("0.0000"));
    CalcPrecision = 0;
    pick(QStringLiteral("uitest:root"));
    EXPECT_EQ(label(QStringLiteral("lblAreaValue")), QStringLiteral("0"));

    // "More info >>" and "<< Less info" are the same kind of button: never held down
    auto* toggle = frame->findChild<QPushButton*>(QStringLiteral("btnMoreInfo"));
    const bool flat = toggle->isFlat();
    for (const char* key : {"hideinfo", "moreinfo"}) {
        QTest::mouseClick(toggle, Qt::LeftButton);
        EXPECT_EQ(toggle->text(), langText(QString::fromLatin1(key)));
        EXPECT_FALSE(toggle->isChecked());
        EXPECT_FALSE(toggle->isDown());
        EXPECT_EQ(toggle->isFlat(), flat);
    }
}

TEST_F(CalculatorTest, PromptsAndPictureArea)
{
    const auto* prompt = frame->findChild<QLabel*>(QStringLiteral("lblSelShape"));
    const auto* noImage = frame->findChild<QLabel*>(QStringLiteral("lblNoImage"));
    EXPECT_TRUE(prompt->isVisible());
    EXPECT_FALSE(noImage->isVisible());
    EXPECT_EQ(prompt->x(), (300 - prompt->width()) / 2);
    EXPECT_EQ(prompt->text(), langText(QStringLiteral("selshape")));

    pick(QStringLiteral("uitest:rect"));  // no picture
    EXPECT_FALSE(prompt->isVisible());
    EXPECT_TRUE(noImage->isVisible());

    frame->selectShape(99);
    EXPECT_EQ(frame->currentShape(), nullptr);
    EXPECT_TRUE(prompt->isVisible());
    EXPECT_FALSE(noImage->isVisible());
    EXPECT_EQ(frame->findChild<QScrollArea*>(QStringLiteral("scrVars"))->widget()->findChildren<QLineEdit*>().size(), 0);
}

} // namespace

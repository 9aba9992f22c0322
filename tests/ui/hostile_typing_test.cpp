// SPDX-License-Identifier: MIT
// Hostile and odd texts typed into an input field of a real shape and into the
// precision field of the settings dialog: each is accepted or refused as the
// number grammar says, and no label ever shows "nan" or "inf".
#include "lang/error.h"
#include "base/numbers.h"
#include "base/settings.h"
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"
#include "ui/settingsDialog.h"
#include "ui/shapeCalculator.h"

#include "message_recorder.h"
#include "program_state.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace {

const QString ProgramFolder = QStringLiteral(KOLVENT_BINARY_DIR);

// "١٫٥": one and a half in Arabic-Indic digits with the Arabic decimal separator.
const QString ArabicIndic = QString::fromUtf8("\u0661\u066B\u0665");
const QString ArabicIndicFive = QString::fromUtf8("\u0665");

struct Typed {
    QString text;
    // The number the decimal reader gives with "." and with "," in force;
    // nothing where it must refuse the text.
    std::optional<double> point;
    std::optional<double> comma;
    // The precision the settings dialog takes; nothing where it must refuse.
    std::optional<int> precision;
};

const std::vector<Typed>& typedTexts()
{
    const std::nullopt_t no = std::nullopt;
    static const std::vector<Typed> all = {
        {QString(), no, no, no},
        {QStringLiteral(" "), no, no, no},
        {QStringLiteral("1e999"), no, no, no},
        // Below the smallest double: reads as zero, like any underflow.
        {QStringLiteral("-1e-999"), -0.0, -0.0, no},
        {QStringLiteral("nan"), no, no, no},
        {QStringLiteral("inf"), no, no, no},
        {QStringLiteral("0x10"), no, no, no}, // 16: a whole number above 15
        {QStringLiteral("1,5"), no, 1.5, no},
        {QStringLiteral("1.5"), 1.5, no, no},
        {ArabicIndic, no, no, no},
        {ArabicIndicFive, no, no, no},
        {QString(10000, QLatin1Char('9')), no, no, no},
        {QStringLiteral("0.") + QString(9998, QLatin1Char('3')), 1.0 / 3.0, no, no},
        {QStringLiteral("0,") + QString(9998, QLatin1Char('3')), no, 1.0 / 3.0, no},
        {QString(10000, QLatin1Char('0')), 0.0, 0.0, 0},
        {QStringLiteral("+-1"), no, no, no},
        {QStringLiteral("1e"), no, no, no},
        {QStringLiteral("."), no, no, no},
        {QStringLiteral("-.5"), -0.5, no, no},
        {QStringLiteral("5."), 5.0, no, no},
        {QStringLiteral("1e+308"), 1e308, 1e308, no},
        {QStringLiteral("4.9e-324"), 4.9e-324, no, no},
        {QStringLiteral("4,9e-324"), no, 4.9e-324, no},
        // Whole numbers the precision field takes, and its edges.
        {QStringLiteral("5"), 5.0, 5.0, 5},
        {QStringLiteral("  7"), 7.0, 7.0, 7},
        {QStringLiteral("7 "), 7.0, 7.0, no},
        {QStringLiteral("0xF"), no, no, 15},
        {QStringLiteral("$a"), no, no, 10},
        {QStringLiteral("+15"), 15.0, 15.0, 15},
        {QStringLiteral("-0"), -0.0, -0.0, 0},
        {QStringLiteral("16"), 16.0, 16.0, no},
        {QStringLiteral("-1"), -1.0, -1.0, no},
        {QStringLiteral("99999999999"), 99999999999.0, 99999999999.0, no},
    };
    return all;
}

const QRegularExpression NotANumber(QStringLiteral("\\b(nan|inf(inity)?)\\b"), QRegularExpression::CaseInsensitiveOption);

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->clear();
    if (text.size() > 200) {
        edit->insert(text); // typed key by key, ten thousand digits take too long
    } else {
        // QTest types Latin-1 only; other characters come as the text of a key press.
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, c.toLatin1());
            } else {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(edit, &press);
            }
        }
    }
    ASSERT_EQ(edit->text(), text);
}

bool sameNumber(double actual, double expected)
{
    if (expected == 0.0)
        return actual == 0.0;
    return std::abs(actual - expected) <= 1e-15 * std::abs(expected);
}

// The decimal separator in force.
class HostileTypingTest : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override
    {
        DecimalSeparator = QLatin1Char(GetParam());
        registerCatalogue(PrimitivesLibrary);
        frame = std::make_unique<TfrShapeCalculator>(nullptr, ProgramFolder);
        frame->initialize(QStringLiteral("img"), QStringLiteral("en"), nullptr);
        frame->show();
        ASSERT_TRUE(frame->showGroup(QStringLiteral("solid")));
        const TNameList& shapes = frame->shapeList();
        for (int i = 0; i < static_cast<int>(shapes.size()); ++i) {
            if (shapes[i].first == QLatin1String("cone:round"))
                frame->selectShape(i);
        }
        ASSERT_NE(frame->currentShape(), nullptr) << "no round cone registered";
        radius = frame->findChild<QLineEdit*>(QStringLiteral("l"));
        height = frame->findChild<QLineEdit*>(QStringLiteral("h"));
        calculate = frame->findChild<QPushButton*>(QStringLiteral("btnCalculate"));
        volume = frame->findChild<QLabel*>(QStringLiteral("lblVolValue"));
        area = frame->findChild<QLabel*>(QStringLiteral("lblAreaValue"));
        ASSERT_TRUE(radius && height && calculate && volume && area);
    }

    void TearDown() override
    {
        frame.reset();
    }

    // Every label of the frame, results and extra values included.
    void expectNoLabelShowsANonNumber(const QString& typed)
    {
        for (const QLabel* label : frame->findChildren<QLabel*>()) {
            EXPECT_FALSE(NotANumber.match(label->text()).hasMatch())
                << label->objectName().toStdString() << " shows " << label->text().toStdString() << " after "
                << typed.left(40).toStdString();
        }
    }

    ProgramState state;
    std::unique_ptr<TfrShapeCalculator> frame;
    QLineEdit* radius = nullptr;
    QLineEdit* height = nullptr;
    QPushButton* calculate = nullptr;
    QLabel* volume = nullptr;
    QLabel* area = nullptr;
};

TEST_P(HostileTypingTest, InputFieldTakesExactlyWhatTheGrammarReads)
{
    const QChar separator = QLatin1Char(GetParam());
    const QString refusal = correctFieldMessage(QStringLiteral("l"), QStringLiteral("en"));
    for (const Typed& typed : typedTexts()) {
        SCOPED_TRACE("typed: " + typed.text.left(40).toStdString());
        const std::optional<double> expected = separator == QLatin1Char('.') ? typed.point : typed.comma;

        // A known good state first: radius 1, height 2.
        typeInto(radius, QStringLiteral("1"));
        typeInto(height, QStringLiteral("2"));
        MessageRecorder recorder;
        calculate->click();
        ASSERT_TRUE(recorder.messages.isEmpty()) << recorder.messages.join(QLatin1Char('|')).toStdString();
        const QString volumeBefore = volume->text();
        const QString areaBefore = area->text();

        typeInto(radius, typed.text);
        calculate->click();
        const double stored = frame->currentShape()->getVar(QStringLiteral("l"));
        if (!expected) {
            EXPECT_EQ(recorder.messages, QStringList {refusal});
            EXPECT_EQ(stored, 1.0);
            EXPECT_EQ(volume->text(), volumeBefore);
            EXPECT_EQ(area->text(), areaBefore);
        } else {
            EXPECT_FALSE(recorder.messages.contains(refusal)) << "refused";
            EXPECT_TRUE(sameNumber(stored, *expected)) << stored << " instead of " << *expected;
            const double volumeExpected = std::numbers::pi * stored * stored * 2.0 / 3.0;
            // A negative diameter gives no cone: refused like a volume beyond any double.
            if (std::isfinite(volumeExpected) && stored >= 0) {
                EXPECT_TRUE(recorder.messages.isEmpty()) << recorder.messages.join(QLatin1Char('|')).toStdString();
                // The result reads back as a number written with the separator in force.
                EXPECT_TRUE(readDecimal(volume->text(), separator)) << volume->text().toStdString();
                EXPECT_TRUE(readDecimal(area->text(), separator)) << area->text().toStdString();
            } else {
                // No cone, or a volume beyond any double: told so, the last results stay.
                EXPECT_EQ(recorder.messages.size(), 1);
                EXPECT_EQ(volume->text(), volumeBefore);
                EXPECT_EQ(area->text(), areaBefore);
            }
        }
        expectNoLabelShowsANonNumber(typed.text);
    }
}

TEST_P(HostileTypingTest, PrecisionFieldTakesOnlyWholeNumbersFromZeroToFifteen)
{
    for (const Typed& typed : typedTexts()) {
        SCOPED_TRACE("typed: " + typed.text.left(40).toStdString());
        OptPrecision = CalcPrecision = 2;
        TfrmSettings dialog;
        dialog.translate();
        dialog.show();
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("edtFloatPrecise"));
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("btnOK"));
        ASSERT_TRUE(field && ok);
        typeInto(field, typed.text);
        MessageRecorder recorder;
        ok->click();
        if (typed.precision) {
            EXPECT_TRUE(recorder.messages.isEmpty()) << recorder.messages.join(QLatin1Char('|')).toStdString();
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(OptPrecision, *typed.precision);
        } else {
            EXPECT_EQ(recorder.messages.size(), 1);
            EXPECT_TRUE(dialog.isVisible()) << "the dialog closed on a refused precision";
            EXPECT_EQ(OptPrecision, 2);
            dialog.reject();
        }
        // The precision in force then shapes a result that is still a number.
        CalcPrecision = OptPrecision;
        typeInto(radius, QStringLiteral("1"));
        typeInto(height, QStringLiteral("2"));
        calculate->click();
        EXPECT_TRUE(readDecimal(volume->text(), QLatin1Char(GetParam()))) << volume->text().toStdString();
        expectNoLabelShowsANonNumber(typed.text);
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, HostileTypingTest, ::testing::Values('.', ','),
    [](const ::testing::TestParamInfo<char>& info) { return std::string(info.param == '.' ? "Point" : "Comma"); });

} // namespace

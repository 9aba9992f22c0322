// SPDX-License-Identifier: MIT
// The working's own rules: how numbers are put into formulas, when a value is
// marked as rounded, what a refusal stops, and how lines read as text.
#include "hang_guard.h"
#include "lang/language.h"
#include "lang/workingText.h"
#include "model/primitivesLibrary.h"
#include "model/working.h"
#include "shapes/catalogue.h"

#include <gtest/gtest.h>

#include <QString>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

using Kind = TWorking::Line::Kind;

const TWorking::Line& lastLine(const TWorking& working)
{
    return working.lines().back();
}

QStringList texts(const TWorking& working)
{
    QStringList lines;
    for (const TWorkingText& line : workingText(working))
        lines.append(line.text);
    return lines;
}

std::string joined(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n')).toStdString();
}

struct PutCase {
    const char* name;
    double value;
    QChar separator;
    const char* formula;
    const char* substituted;
};

class WorkingPutTest : public ::testing::TestWithParam<PutCase> {};

TEST_P(WorkingPutTest, PutsNamesInTheFormulaAndShownValuesInTheNumbers)
{
    const PutCase& c = GetParam();
    TWorking working(2, c.separator);
    working.given(QStringLiteral("a"), c.value);
    working.step(QStringLiteral("q"), QStringLiteral("%1 · 2"), {QStringLiteral("a")}, 2 * c.value);
    working.step(QStringLiteral("r"), QString::fromUtf8(c.formula), {QStringLiteral("q"), QStringLiteral("a")}, 1.0);
    EXPECT_EQ(lastLine(working).substituted, QString::fromUtf8(c.substituted)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, WorkingPutTest,
    ::testing::Values(
        // The intermediate goes in as shown, the typed value in full.
        PutCase{"shown", 1.23456, QLatin1Char('.'), "%1 + %2", "2.47 + 1.23456"},
        PutCase{"repeated", 1.5, QLatin1Char('.'), "%2 · %2 − %1", "1.5 · 1.5 − 3.00"},
        PutCase{"comma", 1.5, QLatin1Char(','), "F(%1, %2)", "F(3,00; 1,5)"},
        PutCase{"negative", -2, QLatin1Char('.'), "%2²", "(−2)²"},
        PutCase{"exponent", 1e100, QLatin1Char('.'), "√%2", "√(1e+100)"},
        PutCase{"missing", 1, QLatin1Char('.'), "%1 + %3", "2.00 + "}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundingCase {
    const char* name;
    double value;
    int precision;
    bool rounded;
};

class WorkingRoundingTest : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(WorkingRoundingTest, MarksOnlyAShownValueThatIsNotTheValue)
{
    const RoundingCase& c = GetParam();
    TWorking working(c.precision, QLatin1Char('.'));
    working.step(QStringLiteral("x"), QStringLiteral("1"), {}, c.value);
    EXPECT_EQ(lastLine(working).rounded, c.rounded) << c.name << " " << lastLine(working).valueText.toStdString();
    EXPECT_EQ(texts(working).last().contains(QStringLiteral(" ≈ ")), c.rounded);
}

INSTANTIATE_TEST_SUITE_P(Cases, WorkingRoundingTest,
    ::testing::Values(RoundingCase{"whole", 6, 2, false}, RoundingCase{"cut", 6.125, 2, true},
        RoundingCase{"exactDecimals", 6.125, 3, false}, RoundingCase{"pi", std::acos(-1.0), 13, true},
        // 2 · 5 + 3.7 · 7.6 in doubles lies next to 38.12, not on it; beyond the
        // 15 significant digits a double holds, nothing counts as rounding.
        RoundingCase{"sumOfProducts", 2 * 5 + 3.7 * 7.6, 2, false}, RoundingCase{"third", 1.0 / 3, 14, true},
        RoundingCase{"thirdInFifteenDigits", 1.0 / 3, 15, false},
        RoundingCase{"zeroDecimals", 2.5, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WorkingTest, ARefusalStopsTheStepsAfterIt)
{
    TWorking working(2, QLatin1Char('.'));
    working.given(QStringLiteral("a"), 1e200);
    working.step(QStringLiteral("V"), QStringLiteral("%1³"), {QStringLiteral("a")}, std::pow(1e200, 3));
    working.step(QStringLiteral("S"), QStringLiteral("%1²"), {QStringLiteral("a")}, 1.0);
    working.fault(QStringLiteral("workdoesnothold"), QStringLiteral("%1 ≥ 0"), {QStringLiteral("a")});
    ASSERT_TRUE(working.refused());
    ASSERT_EQ(working.lines().size(), 2u);
    const TWorking::Line& fault = lastLine(working);
    EXPECT_EQ(fault.kind, Kind::Fault);
    EXPECT_EQ(fault.key, QStringLiteral("worktoolarge"));
    EXPECT_EQ(fault.symbol, QStringLiteral("V"));
    EXPECT_EQ(fault.formula, QStringLiteral("a³"));
    EXPECT_EQ(fault.substituted, QStringLiteral("(1e+200)³"));
    EXPECT_EQ(workingText(working).back().text.toStdString(),
        "V = a³ = (1e+200)³: the value is beyond the largest number the calculator holds");
    EXPECT_TRUE(std::isnan(working.value(QStringLiteral("V"))));
}

TEST(WorkingTest, ASpecialFunctionIsNamedOnce)
{
    TWorking working(2, QLatin1Char('.'));
    working.note(QStringLiteral("workellint"));
    working.step(QStringLiteral("x"), QStringLiteral("1"), {}, 1);
    working.note(QStringLiteral("workellint"));
    EXPECT_EQ(working.lines().size(), 2u);
}

TEST(WorkingTextTest, LinesReadAsFormulaNumbersAndValue)
{
    loadLanguage(QString(), QStringLiteral("DEFAULT"));
    TWorking working(2, QLatin1Char('.'));
    working.heading(QStringLiteral("workheight"), QStringLiteral("b"));
    working.given(QStringLiteral("b"), 4);
    working.step(QStringLiteral("q"), QStringLiteral("%1 / 3"), {QStringLiteral("b")}, 4.0 / 3);
    // Nothing to put in, and a step that only names an earlier value.
    working.step(QStringLiteral("z"), QStringLiteral("0"), {}, 0);
    working.step(QStringLiteral("c"), QStringLiteral("%1"), {QStringLiteral("b")}, 4);
    working.heading(QStringLiteral("area"));
    EXPECT_EQ(joined(texts(working)), "Height onto side b\nb = 4\nq = b / 3 = 4 / 3 ≈ 1.33\nz = 0 = 0.00\nc = b = 4.00");
}

TEST(WorkingTextTest, ARefusalLeadsAndNamesTheCondition)
{
    loadLanguage(QString(), QStringLiteral("DEFAULT"));
    TWorking working(2, QLatin1Char('.'));
    working.given(QStringLiteral("n"), 4.5);
    working.heading(QStringLiteral("perimeter"));
    working.fault(QStringLiteral("worksideswhole"), QStringLiteral("%1"), {QStringLiteral("n")}, QStringLiteral("n"));
    working.heading(QStringLiteral("area"));
    EXPECT_EQ(joined(texts(working)),
        "The dimensions typed do not give a valid shape:\nn = 4.5\nPerimeter\nn = 4.5: n must be a whole number ≥ 3");
    EXPECT_EQ(workingPlainText(working).count(QLatin1Char('\n')), 4);
}

TEST(WorkingTextTest, RussianComesFromTheLanguageFile)
{
    ASSERT_TRUE(loadLanguage(QStringLiteral(KOLVENT_SOURCE_DATA "/langs/kolvent.ru"), QStringLiteral("DEFAULT")));
    TWorking working(2, QLatin1Char(','));
    working.heading(QStringLiteral("workgiven"));
    working.given(QStringLiteral("a"), 1);
    working.given(QStringLiteral("c"), 4);
    working.fault(QStringLiteral("workdoesnothold"), QStringLiteral("%1 + %1 ≥ %2"), {QStringLiteral("a"), QStringLiteral("c")});
    const QStringList lines = texts(working);
    loadLanguage(QString(), QStringLiteral("DEFAULT"));
    EXPECT_EQ(lines.first(), QStringLiteral("Введённые размеры не образуют фигуру:"));
    EXPECT_EQ(lines[1], QStringLiteral("Дано"));
    EXPECT_EQ(lines.last(), QStringLiteral("a + a ≥ c: 1 + 1 ≥ 4 не выполняется"));
}

// The working is written when it is shown, on every Calculate while its window
// is open: it must cost nothing a user could notice.
TEST(WorkingSpeedTest, EveryShapeWritesItsWorkingInWellUnderAMillisecond)
{
    TPrimitivesLibrary library;
    registerCatalogue(library);
    double slowest = 0;
    QString slowestId;
    for (const auto& [id, shape] : library.shapesById()) {
        for (int i = 0; i < shape->varCount(); ++i) {
            if (shape->isInputVar(shape->varName(i)))
                shape->setVar(shape->varName(i), 3 + 0.7 * i);
        }
        constexpr int Rounds = 50;
        const auto start = std::chrono::steady_clock::now();
        for (int round = 0; round < Rounds; ++round) {
            TWorking working(15, QLatin1Char('.'));
            shape->explain(working);
            ASSERT_FALSE(workingText(working).empty()) << id.toStdString();
        }
        const double micros
            = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / Rounds;
        if (micros > slowest) {
            slowest = micros;
            slowestId = id;
        }
    }
    std::printf("slowest working: %s, %.1f µs\n", qPrintable(slowestId), slowest);
    // An optimised build takes about 15 µs.
    EXPECT_LT(slowest, HangGuard::StepMs * 1000.0);
}

} // namespace

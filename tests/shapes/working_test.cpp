// SPDX-License-Identifier: MIT
// The working of every shape, read as a person would check it: each line's
// numbers put into its formula give the value it shows, the values it ends in
// are the ones the calculator shows, refusals name the condition that fails,
// and both languages have its texts.
#include "base/numbers.h"
#include "lang/language.h"
#include "lang/workingText.h"
#include "model/primitive2D.h"
#include "model/primitive3D.h"
#include "model/primitivesLibrary.h"
#include "model/working.h"
#include "shapes/catalogue.h"
#include "shapes/expression.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

#include <cfloat>
#include <cmath>
#include <map>
#include <vector>

namespace {

using Kind = TWorking::Line::Kind;
const QChar Separators[] = {QLatin1Char('.'), QLatin1Char(',')};
const QChar Minus(0x2212);

struct Dimension {
    const char* name;
    double value;
};
struct Row {
    const char* id;
    std::vector<Dimension> dimensions;
};

// Every shape with ordinary and awkward dimensions, and each branch of a
// formula: the longer axis either way, oblate, prolate and round spheroids,
// ellipsoids with two axes equal, the halves on the cut axis.
const Row Rows[] = {
    {"rhomb", {{"a", 6}, {"b", 8}}},
    {"rhomb", {{"a", 3.7}, {"b", 0.41}}},
    {"triangle", {{"a", 3}, {"b", 4}, {"c", 5}}},
    {"triangle", {{"a", 3.7}, {"b", 12.9}, {"c", 9.6}}},
    {"triangle:isosceles:2", {{"a", 6}, {"h", 4}}},
    {"triangle:isosceles:2", {{"a", 0.41}, {"h", 12.9}}},
    {"triangle:isosceles:1", {{"a", 6}, {"b", 5}}},
    {"triangle:isosceles:1", {{"a", 0.41}, {"b", 3.7}}},
    {"triangle:equilateral", {{"a", 2}}},
    {"triangle:equilateral", {{"a", 12.9}}},
    {"square", {{"a", 5}}},
    {"square", {{"a", 0.41}}},
    {"rectangle", {{"a", 3}, {"b", 4}}},
    {"rectangle", {{"a", 3.7}, {"b", 0.41}}},
    {"trapezium:isosceles", {{"a", 10}, {"b", 4}, {"c", 4}}},
    {"trapezium:isosceles", {{"a", 3.7}, {"b", 12.9}, {"c", 0.41}}},
    {"regpolygon", {{"a", 2}, {"n", 6}}},
    {"regpolygon", {{"a", 3.7}, {"n", 7}}},
    {"circle", {{"a", 2}}},
    {"circle", {{"a", 3.7}}},
    {"circle:half", {{"a", 2}}},
    {"circle:half", {{"a", 12.9}}},
    {"ellipse", {{"a", 10}, {"b", 6}}},
    {"ellipse", {{"a", 3.7}, {"b", 12.9}}},
    {"ellipse:half", {{"a", 10}, {"b", 3}}},
    {"ellipse:half", {{"a", 3.7}, {"b", 12.9}}},
    {"ellipse:halves", {{"a", 1}, {"c", 5}, {"b", 4}}},
    {"ellipse:halves", {{"a", 3.7}, {"c", 0.41}, {"b", 12.9}}},
    {"cylinder", {{"Pbs", 10}, {"Abs", 6}, {"h", 3}}},
    {"cylinder", {{"Pbs", 12.9}, {"Abs", 0.41}, {"h", 3.7}}},
    {"prism", {{"Pbs", 10}, {"Abs", 6}, {"h", 3}}},
    {"prism", {{"Pbs", 3.7}, {"Abs", 12.9}, {"h", 0.41}}},
    {"cylinder:round", {{"h", 3}, {"l", 2}}},
    {"cylinder:round", {{"h", 0.41}, {"l", 12.9}}},
    {"cylinder:round:half", {{"h", 3}, {"l", 2}}},
    {"cylinder:round:half", {{"h", 12.9}, {"l", 0.41}}},
    {"cylinder:elliptic", {{"h", 3}, {"l", 6}, {"w", 4}}},
    {"cylinder:elliptic", {{"h", 0.41}, {"l", 3.7}, {"w", 12.9}}},
    {"cylinder:elliptic:half", {{"h", 2}, {"l", 10}, {"w", 3}}},
    {"cylinder:elliptic:half", {{"h", 3.7}, {"l", 0.41}, {"w", 12.9}}},
    {"prism:square", {{"l", 3}}},
    {"prism:square", {{"l", 0.41}}},
    {"prism:rectangle", {{"h", 2}, {"l", 3}, {"w", 4}}},
    {"prism:rectangle", {{"h", 0.41}, {"l", 12.9}, {"w", 3.7}}},
    {"prism:triangle", {{"h", 2}, {"a", 3}, {"b", 4}, {"c", 5}}},
    {"prism:triangle", {{"h", 0.41}, {"a", 3.7}, {"b", 12.9}, {"c", 9.6}}},
    {"prism:right", {{"h", 2}, {"a", 1}, {"n", 6}}},
    {"prism:right", {{"h", 12.9}, {"a", 3.7}, {"n", 5}}},
    {"prism:rhomb", {{"h", 2}, {"l", 6}, {"w", 8}}},
    {"prism:rhomb", {{"h", 0.41}, {"l", 12.9}, {"w", 3.7}}},
    {"cone:round", {{"l", 6}, {"h", 4}}},
    {"cone:round", {{"l", 0.41}, {"h", 12.9}}},
    {"cone:elliptic", {{"a", 4}, {"b", 2}, {"h", 3}}},
    {"cone:elliptic", {{"a", 0.41}, {"b", 3.7}, {"h", 12.9}}},
    {"cone:elliptic", {{"a", 0}, {"b", 4}, {"h", 3}}},
    {"cone:round:frustum", {{"a", 2}, {"l", 4}, {"b", 3}}},
    {"cone:round:frustum", {{"a", 12.9}, {"l", 3.7}, {"b", 0.41}}},
    {"sphere", {{"l", 2}}},
    {"sphere", {{"l", 12.9}}},
    {"sphere:half", {{"l", 2}}},
    {"sphere:half", {{"l", 0.41}}},
    {"sphere:cap", {{"a", 8}, {"h", 2}}},
    {"sphere:cap", {{"a", 12.9}, {"h", 3.7}}},
    {"spheroid", {{"l", 6}, {"h", 2}}},
    {"spheroid", {{"l", 3.7}, {"h", 12.9}}},
    {"spheroid", {{"l", 5}, {"h", 5}}},
    {"spheroid:half", {{"l", 4}, {"h", 1}}},
    {"spheroid:half", {{"l", 3.7}, {"h", 12.9}}},
    {"spheroid:half", {{"l", 4}, {"h", 2}}},
    {"ellipsoid", {{"l", 3.7}, {"w", 12.9}, {"h", 0.41}}},
    {"ellipsoid", {{"l", 6}, {"w", 6}, {"h", 2}}},
    {"ellipsoid", {{"l", 4}, {"w", 4}, {"h", 6}}},
    {"ellipsoid", {{"l", 6}, {"w", 2}, {"h", 2}}},
    {"ellipsoid", {{"l", 5}, {"w", 5}, {"h", 5}}},
    {"ellipsoid:half", {{"l", 3.7}, {"w", 12.9}, {"h", 0.41}}},
    {"ellipsoid:half", {{"l", 6}, {"w", 6}, {"h", 2}}},
    {"ellipsoid:half", {{"l", 4}, {"w", 4}, {"h", 2}}},
};

std::optional<double> read(QString text, QChar separator)
{
    return readDecimal(text.replace(Minus, QLatin1Char('-')), separator);
}

// A number as it stands among operators: with a sign or an exponent, in parentheses.
QString operand(QString text)
{
    text.replace(QLatin1Char('-'), Minus);
    return text.startsWith(Minus) || text.contains(QLatin1Char('e')) ? QLatin1Char('(') + text + QLatin1Char(')')
                                                                     : text;
}

// Letters, digits and subscripts (L₁, S₀); a power sign ends a name.
bool isNameCharacter(QChar c)
{
    return c.isLetter() || c.isDigit() || (c.unicode() >= 0x2080 && c.unicode() <= 0x2089);
}

// The formula with every quantity it names replaced by the text shown for it
// before; the longest name wins, so that E(k) is one quantity and not E of k.
QString putNumbers(const QString& formula, const std::map<QString, QString>& known, const QString& except,
    QChar separator)
{
    QString result;
    for (qsizetype i = 0; i < formula.size();) {
        QString name;
        for (const auto& [symbol, text] : known) {
            const qsizetype end = i + symbol.size();
            if (symbol != except && symbol.size() > name.size() && formula.mid(i).startsWith(symbol)
                && (i == 0 || !isNameCharacter(formula[i - 1]))
                && (end == formula.size() || !isNameCharacter(formula[end])))
                name = symbol;
        }
        if (!name.isEmpty()) {
            result += known.at(name);
            i += name.size();
        } else {
            result += separator == QLatin1Char(',') && formula[i] == QLatin1Char(',') ? QLatin1Char(';') : formula[i];
            ++i;
        }
    }
    return result;
}

class Working : public ::testing::Test {
protected:
    void SetUp() override { registerCatalogue(library); }

    TPrimitive* shape(const char* id, const std::vector<Dimension>& dimensions)
    {
        TPrimitive* found = library.findPrimitive(QString::fromUtf8(id));
        if (!found)
            return nullptr;
        int inputs = 0;
        for (int i = 0; i < found->varCount(); ++i)
            inputs += found->isInputVar(found->varName(i)) ? 1 : 0;
        EXPECT_EQ(inputs, static_cast<int>(dimensions.size())) << id;
        for (const Dimension& dimension : dimensions) {
            EXPECT_TRUE(found->isInputVar(QString::fromUtf8(dimension.name))) << id << ' ' << dimension.name;
            found->setVar(QString::fromUtf8(dimension.name), dimension.value);
        }
        return found;
    }

    TPrimitivesLibrary library;
};

// Every step of the working at 15 decimals, as the step shows it and as the
// calculator shows the same value.
void checkWorking(const TPrimitive& shape, QChar separator)
{
    TWorking working(15, separator);
    shape.explain(working);
    const std::vector<TWorkingText> rendered = workingText(working);
    ASSERT_FALSE(working.refused()) << workingPlainText(working).toStdString();
    ASSERT_EQ(rendered.size(), working.lines().size());
    std::map<QString, QString> known;
    std::map<QString, QString> last;
    for (std::size_t i = 0; i < rendered.size(); ++i) {
        const TWorking::Line& line = working.lines()[i];
        SCOPED_TRACE(rendered[i].text.toStdString());
        EXPECT_NE(line.kind, Kind::Fault);
        if (line.kind == Kind::Given) {
            // Typed dimensions in full: the text reads back as the very value.
            EXPECT_EQ(read(line.valueText, separator), shape.getVar(line.symbol));
            known[line.symbol] = operand(line.valueText);
        }
        if (line.kind != Kind::Step)
            continue;
        const Evaluation evaluated = evaluate(line.substituted, separator);
        EXPECT_TRUE(evaluated.error.isEmpty()) << evaluated.error.toStdString();
        const std::optional<double> shown = read(line.valueText, separator);
        ASSERT_TRUE(shown);
        // Within the last of 15 decimals, and the 1e-13 relative that 16-digit
        // doubles and 15-digit intermediates put in allow.
        const long double tolerance = 1e-15L + 1e-13L * std::fabs(*shown);
        EXPECT_LE(std::fabs(evaluated.value - *shown), tolerance) << line.substituted.toStdString();
        // Not rounded: shown exactly, or equal to the value's 15 significant digits.
        const std::optional<double> held = read(generalText(line.value, separator), separator);
        EXPECT_EQ(*shown == line.value || (held && *shown == *held), !line.rounded);
        EXPECT_TRUE(rendered[i].text.endsWith((line.rounded ? QStringLiteral(" ≈ ") : QStringLiteral(" = "))
            + line.valueText));
        // Quantities are put in by the text shown for them, a restated one included.
        EXPECT_TRUE(line.substituted == putNumbers(line.formula, known, line.symbol, separator)
            || line.substituted == putNumbers(line.formula, known, QString(), separator))
            << line.formula.toStdString() << " put in as " << line.substituted.toStdString();
        known[line.symbol] = operand(line.valueText);
        last[line.symbol] = line.valueText;
    }

    const auto shows = [&](const QString& symbol, double value) {
        EXPECT_TRUE(last.count(symbol)) << "no line of " << symbol.toStdString();
        if (last.count(symbol)) {
            EXPECT_EQ(last[symbol], formatFixed(value, 15, separator)) << symbol.toStdString();
        }
    };
    if (const auto* flat = dynamic_cast<const T2DPrimitive*>(&shape)) {
        shows(QStringLiteral("P"), flat->getMeasure());
        shows(QStringLiteral("A"), flat->getArea());
    } else if (const auto* solid = dynamic_cast<const T3DPrimitive*>(&shape)) {
        shows(QStringLiteral("V"), solid->getMeasure());
        shows(QStringLiteral("S"), solid->getArea());
    }
    for (int i = 0; i < shape.extraVarCount(); ++i) {
        const QString name = shape.extraVarName(i);
        if (shape.isExtraVar(name))
            shows(name, shape.getVar(name));
    }
}

TEST_F(Working, EveryStepOfEveryShapeAddsUp)
{
    QSet<QString> covered;
    for (const Row& row : Rows) {
        TPrimitive* found = shape(row.id, row.dimensions);
        ASSERT_NE(found, nullptr) << row.id;
        covered.insert(found->getId());
        for (const QChar separator : Separators) {
            SCOPED_TRACE(std::string(row.id) + " with '" + char(separator.unicode()) + "'");
            checkWorking(*found, separator);
        }
    }
    EXPECT_EQ(covered.size(), static_cast<qsizetype>(library.shapesById().size()));
}

struct Refusal {
    const char* id;
    std::vector<Dimension> dimensions;
    const char* key;
    // In English, with a decimal point.
    const char* line;
};

const Refusal Refusals[] = {
    {"triangle", {{"a", 1}, {"b", 2}, {"c", 4}}, "workdoesnothold", "a + b ≥ c: 1 + 2 ≥ 4 does not hold"},
    {"prism:triangle", {{"h", 1}, {"a", 1}, {"b", 2}, {"c", 4}}, "workdoesnothold",
        "a + b ≥ c: 1 + 2 ≥ 4 does not hold"},
    {"triangle:isosceles:1", {{"a", 5}, {"b", 2}}, "workdoesnothold", "b + b ≥ a: 2 + 2 ≥ 5 does not hold"},
    {"regpolygon", {{"a", 1}, {"n", 4.5}}, "worksideswhole", "n = 4.5: n must be a whole number ≥ 3"},
    {"regpolygon", {{"a", 1}, {"n", 2}}, "worksideswhole", "n = 2: n must be a whole number ≥ 3"},
    {"prism:right", {{"h", 1}, {"a", 1}, {"n", 4.5}}, "worksideswhole", "n = 4.5: n must be a whole number ≥ 3"},
    {"circle", {{"a", -1}}, "workdoesnothold", "a ≥ 0: (−1) ≥ 0 does not hold"},
    {"cone:round", {{"l", 2}, {"h", -0.5}}, "workdoesnothold", "h ≥ 0: (−0.5) ≥ 0 does not hold"},
    {"prism:rectangle", {{"h", 1}, {"l", 2}, {"w", -3}}, "workdoesnothold", "w ≥ 0: (−3) ≥ 0 does not hold"},
    {"ellipsoid", {{"l", 1}, {"w", -2}, {"h", 3}}, "workdoesnothold", "w ≥ 0: (−2) ≥ 0 does not hold"},
    {"sphere", {{"l", 1e200}}, "worktoolarge",
        "V = π · l³ / 6 = π · (1e+200)³ / 6: the value is beyond the largest number the calculator holds"},
};

QString dataFile(const char* name)
{
    return QStringLiteral(KOLVENT_SOURCE_DATA "/langs/") + QString::fromUtf8(name);
}

TEST_F(Working, RefusalsNameTheConditionInEitherLanguage)
{
    for (const Refusal& row : Refusals) {
        TPrimitive* found = shape(row.id, row.dimensions);
        ASSERT_NE(found, nullptr) << row.id;
        for (const QChar separator : Separators) {
            SCOPED_TRACE(std::string(row.id) + " with '" + char(separator.unicode()) + "'");
            TWorking working(15, separator);
            found->explain(working);
            EXPECT_TRUE(working.refused());
            int faults = 0;
            QString argument;
            for (const TWorking::Line& line : working.lines()) {
                EXPECT_NE(line.kind, Kind::Step) << line.symbol.toStdString();
                if (line.kind != Kind::Fault)
                    continue;
                ++faults;
                argument = line.argument;
                EXPECT_EQ(line.key, QLatin1String(row.key));
                // A value out of range is one indeed, computed here in the wider long double.
                if (line.key == QLatin1String("worktoolarge")) {
                    EXPECT_GT(evaluate(line.substituted, separator).value, static_cast<long double>(DBL_MAX));
                }
            }
            EXPECT_EQ(faults, 1);
            QString english = QString::fromUtf8(row.line);
            english.replace(QLatin1Char('.'), separator);
            ASSERT_TRUE(loadLanguage(dataFile("kolvent.en"), QStringLiteral("DEFAULT")));
            EXPECT_EQ(workingText(working).front().text, QStringLiteral("The dimensions typed do not give a valid shape:"));
            const QString inEnglish = workingPlainText(working);
            EXPECT_TRUE(inEnglish.contains(QLatin1Char('\n') + english + QLatin1Char('\n'))) << inEnglish.toStdString();
            // In Russian the formula and the numbers stay, the reason is translated.
            const QString key = QString::fromUtf8(row.key);
            const QString reason = langText(key).replace(QStringLiteral("%1"), argument);
            ASSERT_TRUE(loadLanguage(dataFile("kolvent.ru"), QStringLiteral("DEFAULT")));
            const QString russian = english.replace(reason, langText(key).replace(QStringLiteral("%1"), argument));
            const QString inRussian = workingPlainText(working);
            EXPECT_TRUE(inRussian.contains(QLatin1Char('\n') + russian + QLatin1Char('\n'))) << inRussian.toStdString();
        }
    }
}

// The Russian text with the mathematical names taken out has no Latin letter.
bool hasLatinWord(QString text, const QStringList& names)
{
    static const QStringList mathematics = {QStringLiteral("%1"), QStringLiteral("F(φ, k)"), QStringLiteral("E(φ, k)"),
        QStringLiteral("E(k)"), QStringLiteral("dθ"), QStringLiteral("sin"), QStringLiteral("k")};
    // Longest first, so that a one-letter name does not break up "Base".
    QStringList all = names + mathematics;
    std::sort(all.begin(), all.end(), [](const QString& x, const QString& y) { return x.size() > y.size(); });
    for (const QString& name : all) {
        if (!name.isEmpty())
            text.replace(name, QStringLiteral(" "));
    }
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    return text.contains(latin);
}

TEST(WorkingLanguages, EveryKeyIsInBothFilesAndRussianIsRussian)
{
    const auto& keys = workingTextKeys();
    ASSERT_TRUE(loadLanguage(dataFile("kolvent.en"), QStringLiteral("DEFAULT")));
    for (const auto& [key, builtIn] : keys)
        EXPECT_EQ(langText(key), builtIn) << key.toStdString();
    ASSERT_TRUE(loadLanguage(dataFile("kolvent.ru"), QStringLiteral("DEFAULT")));
    for (const auto& [key, builtIn] : keys) {
        EXPECT_FALSE(langText(key).isEmpty()) << key.toStdString();
        EXPECT_FALSE(hasLatinWord(langText(key), {})) << langText(key).toStdString();
    }
}

TEST_F(Working, RussianWorkingHasNoEnglishOutsideFormulas)
{
    ASSERT_TRUE(loadLanguage(dataFile("kolvent.ru"), QStringLiteral("DEFAULT")));
    const auto check = [this](const char* id, const std::vector<Dimension>& dimensions) {
        TPrimitive* found = shape(id, dimensions);
        ASSERT_NE(found, nullptr) << id;
        TWorking working(15, QLatin1Char(','));
        found->explain(working);
        // Formulas, numbers, symbols and arguments of every line may hold Latin names.
        QStringList names;
        for (const TWorking::Line& line : working.lines())
            names << line.formula << line.substituted << line.symbol << line.argument;
        for (const TWorkingText& line : workingText(working)) {
            if (line.kind == Kind::Heading || line.kind == Kind::Note || line.kind == Kind::Fault) {
                EXPECT_FALSE(hasLatinWord(line.text, names)) << id << ": " << line.text.toStdString();
            }
        }
    };
    for (const Row& row : Rows)
        check(row.id, row.dimensions);
    for (const Refusal& row : Refusals)
        check(row.id, row.dimensions);
}

} // namespace

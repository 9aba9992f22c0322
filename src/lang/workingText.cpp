// SPDX-License-Identifier: MIT
#include "lang/workingText.h"

#include "base/numbers.h"
#include "lang/language.h"

namespace {

const QString Equals = QStringLiteral(" = ");
const QString About = QStringLiteral(" ≈ ");

QString textOf(const QString& key, const QString& argument)
{
    for (const auto& [known, builtIn] : workingTextKeys()) {
        if (known == key) {
            QString text = langTextOr(key, builtIn);
            return text.replace(QStringLiteral("%1"), argument);
        }
    }
    return key;
}

// "4" and "4.00" (or "4,00") say the same: a step that only names an earlier
// value need not show it twice.
bool sameNumber(const QString& first, const QString& second)
{
    for (const QChar separator : {QLatin1Char('.'), QLatin1Char(',')}) {
        const auto a = readDecimal(first, separator);
        const auto b = readDecimal(second, separator);
        if (a && b)
            return *a == *b;
    }
    return false;
}

QString stepText(const TWorking::Line& line)
{
    QString text = line.symbol;
    if (line.formula != line.symbol)
        text += Equals + line.formula;
    if (line.substituted != line.formula && !sameNumber(line.substituted, line.valueText))
        text += Equals + line.substituted;
    return text + (line.rounded ? About : Equals) + line.valueText;
}

QString faultText(const TWorking::Line& line)
{
    const QString why = textOf(line.key, line.argument);
    if (line.key == QLatin1String("workdoesnothold"))
        return line.formula + QStringLiteral(": ") + line.substituted + QLatin1Char(' ') + why;
    // A value beyond the range of numbers is named by its symbol.
    const QString formula = line.symbol.isEmpty() ? line.formula : line.symbol + Equals + line.formula;
    if (line.formula == line.substituted)
        return formula + QStringLiteral(": ") + why;
    return formula + Equals + line.substituted + QStringLiteral(": ") + why;
}

} // namespace

const std::vector<std::pair<QString, QString>>& workingTextKeys()
{
    static const std::vector<std::pair<QString, QString>> keys{
        {QStringLiteral("workgiven"), QStringLiteral("Given")},
        {QStringLiteral("perimeter"), QStringLiteral("Perimeter")},
        {QStringLiteral("area"), QStringLiteral("Area")},
        {QStringLiteral("volume"), QStringLiteral("Volume")},
        {QStringLiteral("worksurface"), QStringLiteral("Total surface area")},
        {QStringLiteral("workheight"), QStringLiteral("Height onto side %1")},
        {QStringLiteral("workside"), QStringLiteral("Side %1")},
        {QStringLiteral("worklateral"), QStringLiteral("Lateral surface (%1)")},
        {QStringLiteral("workbase"), QStringLiteral("Base area (%1)")},
        {QStringLiteral("workbaseperimeter"), QStringLiteral("Base perimeter (%1)")},
        {QStringLiteral("workradius"), QStringLiteral("Radius %1 of the sphere the cap is cut from")},
        {QStringLiteral("workellint"),
            QStringLiteral("E(k): complete elliptic integral of the second kind, ∫ √(1 − k² · sin² θ) dθ from 0 to π/2")},
        {QStringLiteral("workellinc"),
            QStringLiteral("F(φ, k) and E(φ, k): incomplete elliptic integrals of the first and second kind, "
                           "∫ dθ / √(1 − k² · sin² θ) and ∫ √(1 − k² · sin² θ) dθ from 0 to φ")},
        {QStringLiteral("workdoesnothold"), QStringLiteral("does not hold")},
        {QStringLiteral("worksideswhole"), QStringLiteral("%1 must be a whole number ≥ 3")},
        {QStringLiteral("worktoolarge"), QStringLiteral("the value is beyond the largest number the calculator holds")},
        {QStringLiteral("workrefused"), QStringLiteral("The dimensions typed do not give a valid shape:")},
    };
    return keys;
}

std::vector<TWorkingText> workingText(const TWorking& working)
{
    std::vector<TWorkingText> result;
    if (working.refused())
        result.push_back({TWorking::Line::Kind::Fault, textOf(QStringLiteral("workrefused"), QString())});
    for (const TWorking::Line& line : working.lines()) {
        switch (line.kind) {
        case TWorking::Line::Kind::Heading:
            result.push_back({line.kind, textOf(line.key, line.argument)});
            break;
        case TWorking::Line::Kind::Given:
            result.push_back({line.kind, line.symbol + Equals + line.valueText});
            break;
        case TWorking::Line::Kind::Step:
            result.push_back({line.kind, stepText(line)});
            break;
        case TWorking::Line::Kind::Note:
            result.push_back({line.kind, textOf(line.key, QString())});
            break;
        case TWorking::Line::Kind::Fault:
            result.push_back({line.kind, faultText(line)});
            break;
        }
    }
    // A refused shape leaves headings with nothing under them.
    std::vector<TWorkingText> shown;
    for (std::size_t i = 0; i < result.size(); ++i) {
        const bool heading = result[i].kind == TWorking::Line::Kind::Heading;
        const bool empty = i + 1 == result.size() || result[i + 1].kind == TWorking::Line::Kind::Heading;
        if (!heading || !empty)
            shown.push_back(result[i]);
    }
    return shown;
}

QString workingPlainText(const TWorking& working)
{
    QStringList lines;
    for (const TWorkingText& line : workingText(working))
        lines.append(line.text);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

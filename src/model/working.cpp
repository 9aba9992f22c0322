// SPDX-License-Identifier: MIT
#include "model/working.h"

#include "base/numbers.h"

#include <cmath>
#include <limits>

TWorking::TWorking(int precision, QChar separator)
    : m_precision(precision)
    , m_separator(separator)
{
}

void TWorking::given(const QString& name, double value)
{
    const QString text = generalText(value, m_separator);
    m_quantities.push_back({name, value, text});
    Line line;
    line.kind = Line::Kind::Given;
    line.symbol = name;
    line.value = value;
    line.valueText = text;
    if (text.startsWith(QLatin1Char('-')))
        line.valueText[0] = QChar(0x2212);
    m_lines.push_back(line);
}

void TWorking::heading(const QString& key, const QString& argument)
{
    Line line;
    line.kind = Line::Kind::Heading;
    line.key = key;
    line.argument = argument;
    m_lines.push_back(line);
}

double TWorking::step(const QString& symbol, const QString& formula, const QStringList& operands, double value)
{
    if (m_refused)
        return value;
    if (!std::isfinite(value)) {
        // Every operand was finite: the value itself left the range of numbers.
        fault(QStringLiteral("worktoolarge"), formula, operands);
        m_lines.back().symbol = symbol;
        return value;
    }
    Line line;
    line.kind = Line::Kind::Step;
    line.symbol = symbol;
    line.formula = put(formula, operands, false);
    line.substituted = put(formula, operands, true);
    line.value = value;
    line.valueText = shown(value);
    // Shown exactly, or differing only beyond the 15 significant digits a
    // double holds, is no rounding: 2 · 5 + 3.7 · 7.6 shows as = 38.12.
    const auto back = readDecimal(line.valueText, m_separator);
    const auto held = readDecimal(generalText(value, m_separator), m_separator);
    line.rounded = !back || (*back != value && (!held || *back != *held));
    m_lines.push_back(line);
    for (Quantity& quantity : m_quantities) {
        if (quantity.symbol == symbol) {
            quantity = {symbol, value, line.valueText};
            return value;
        }
    }
    m_quantities.push_back({symbol, value, line.valueText});
    return value;
}

void TWorking::note(const QString& key)
{
    for (const Line& line : m_lines) {
        if (line.kind == Line::Kind::Note && line.key == key)
            return;
    }
    Line line;
    line.kind = Line::Kind::Note;
    line.key = key;
    m_lines.push_back(line);
}

void TWorking::fault(const QString& key, const QString& condition, const QStringList& operands, const QString& argument)
{
    // The first condition that fails is the one to name.
    if (m_refused)
        return;
    Line line;
    line.kind = Line::Kind::Fault;
    line.key = key;
    line.argument = argument;
    line.formula = put(condition, operands, false);
    line.substituted = put(condition, operands, true);
    line.value = std::numeric_limits<double>::quiet_NaN();
    m_lines.push_back(line);
    m_refused = true;
}

double TWorking::value(const QString& symbol) const
{
    const Quantity* quantity = find(symbol);
    return quantity ? quantity->value : std::numeric_limits<double>::quiet_NaN();
}

const TWorking::Quantity* TWorking::find(const QString& symbol) const
{
    for (const Quantity& quantity : m_quantities) {
        if (quantity.symbol == symbol)
            return &quantity;
    }
    return nullptr;
}

QString TWorking::put(const QString& formula, const QStringList& operands, bool numbers) const
{
    QString result;
    for (qsizetype i = 0; i < formula.size(); ++i) {
        const QChar c = formula[i];
        if (c == QLatin1Char('%') && i + 1 < formula.size() && formula[i + 1] >= QLatin1Char('1')
            && formula[i + 1] <= QLatin1Char('9')) {
            const qsizetype index = formula[i + 1].digitValue() - 1;
            ++i;
            if (index >= operands.size())
                continue;
            const QString& name = operands[index];
            if (!numbers) {
                result += name;
                continue;
            }
            const Quantity* quantity = find(name);
            QString text = quantity ? quantity->text : name;
            // A number with an exponent or a sign would run into the operators around it.
            const bool wrap = text.contains(QLatin1Char('e')) || text.startsWith(QLatin1Char('-'));
            if (text.startsWith(QLatin1Char('-')))
                text[0] = QChar(0x2212);
            result += wrap ? QLatin1Char('(') + text + QLatin1Char(')') : text;
            continue;
        }
        // With a decimal comma, the arguments of a function part with a semicolon.
        if (numbers && m_separator == QLatin1Char(',') && c == QLatin1Char(',')) {
            result += QLatin1Char(';');
            continue;
        }
        result += c;
    }
    return result;
}

QString TWorking::shown(double value) const
{
    return formatFixed(value, m_precision, m_separator);
}

// SPDX-License-Identifier: MIT
// The working of a shape's results: every value with its formula in school
// notation, the same formula with the numbers put in, and the value at the
// precision shown. Each shape writes its working beside its computation; the
// language layer turns it into text. Nothing here is made until the working
// is asked for.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

class TWorking {
public:
    struct Line {
        enum class Kind {
            // A value's title: the text under Key, %1 in it replaced by Argument.
            Heading,
            // A typed dimension: Symbol = ValueText.
            Given,
            // Symbol = Formula = Substituted = (or ≈) ValueText.
            Step,
            // The text under Key, naming a special function.
            Note,
            // Why there is no shape: Formula (a condition) with Substituted,
            // and the text under Key; %1 in it replaced by Argument.
            Fault,
        };
        Kind kind = Kind::Step;
        QString key;
        QString argument;
        QString symbol;
        QString formula;
        QString substituted;
        double value = 0;
        QString valueText;
        // The value shown is not the value exactly.
        bool rounded = false;
    };

    // Values are shown with the decimals and the separator given.
    TWorking(int precision, QChar separator);

    // A dimension as the shape holds it, shown in full.
    void given(const QString& name, double value);
    void heading(const QString& key, const QString& argument = QString());
    // A line of the working. %1 to %9 in the formula stand for the operands:
    // quantities given or stepped before, put in by name in the formula and by
    // their shown value in the substituted one. The value becomes the symbol's
    // for the lines after. A value that is not finite refuses the shape; once
    // refused, steps add nothing. Returns the value.
    double step(const QString& symbol, const QString& formula, const QStringList& operands, double value);
    // Names a special function, once in the whole working.
    void note(const QString& key);
    // Refuses the shape: the condition that failed, with names and numbers;
    // nothing once refused.
    void fault(const QString& key, const QString& condition, const QStringList& operands,
        const QString& argument = QString());
    bool refused() const { return m_refused; }

    // The value of a quantity given or stepped; NaN for an unknown one.
    double value(const QString& symbol) const;
    const std::vector<Line>& lines() const { return m_lines; }

private:
    struct Quantity {
        QString symbol;
        double value;
        QString text;
    };
    const Quantity* find(const QString& symbol) const;
    QString put(const QString& formula, const QStringList& operands, bool numbers) const;
    QString shown(double value) const;

    int m_precision;
    QChar m_separator;
    bool m_refused = false;
    std::vector<Quantity> m_quantities;
    std::vector<Line> m_lines;
};

// SPDX-License-Identifier: MIT
#include "ui/resultLabel.h"

#include "base/numbers.h"
#include "base/settings.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace {

// A scientific form is only worth more digits than a double carries when the
// fixed form has them.
constexpr int MostSignificantDigits = 17;
// A fixed form longer than this would not help as a tooltip.
constexpr int LongestTooltip = 80;

int significantDigits(const QString& fixed)
{
    int count = 0;
    bool seenNonZero = false;
    for (const QChar c : fixed) {
        if (!c.isDigit())
            continue;
        seenNonZero = seenNonZero || c != QLatin1Char('0');
        if (seenNonZero)
            ++count;
    }
    return count;
}

QString fittingText(double value, const QString& fixed, const QFontMetrics& metrics, int room)
{
    if (metrics.horizontalAdvance(fixed) <= room)
        return fixed;
    for (int digits = std::min(MostSignificantDigits, significantDigits(fixed)); digits > 1; --digits) {
        const QString scientific = formatScientific(value, digits, DecimalSeparator);
        if (metrics.horizontalAdvance(scientific) <= room)
            return scientific;
    }
    return formatScientific(value, 1, DecimalSeparator);
}

} // namespace

void setResultText(QLabel* label, const QString& text, int room)
{
    label->setText(text);
    label->adjustSize();
    label->resize(std::min(label->width(), room), label->height());
}

void showResult(QLabel* label, double value, int room)
{
    const int margins = label->contentsMargins().left() + label->contentsMargins().right() + 2 * label->margin();
    const QString fixed = formatResult(value);
    const QString text = fittingText(value, fixed, label->fontMetrics(), room - margins);
    setResultText(label, text, room);
    label->setToolTip(text != fixed && fixed.size() <= LongestTooltip ? fixed : QString());
}

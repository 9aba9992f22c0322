// SPDX-License-Identifier: MIT
// Every text the number readers accept must give a finite number that formats
// as a number again, under both separators.
#include "base/numbers.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void requireNumberText(const QString& text)
{
    if (text.isEmpty() || text.contains(QLatin1String("nan"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("inf"), Qt::CaseInsensitive))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QChar separator : {QLatin1Char('.'), QLatin1Char(',')}) {
        if (const auto value = readDecimal(text, separator)) {
            if (!std::isfinite(*value))
                std::abort();
            requireNumberText(formatFixed(*value, 15, separator));
            requireNumberText(formatFixed(*value, 0, separator));
            const QString stored = generalText(*value, separator);
            const auto again = readDecimal(stored, separator);
            // The stored form keeps 15 significant digits.
            if (!again || std::fabs(*again - *value) > std::fabs(*value) * 1e-14)
                std::abort();
        }
    }
    if (const auto whole = readWholeNumber(text))
        requireNumberText(QString::number(*whole));
    return 0;
}

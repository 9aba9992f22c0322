// SPDX-License-Identifier: MIT
#include "base/settings.h"

#include "base/numbers.h"

#include <algorithm>

QChar DecimalSeparator = QLatin1Char('.');
int CalcPrecision = 2;
int OptPrecision = 2;
QString OptLanguage = QStringLiteral("en");

QString formatResult(double value)
{
    return formatFixed(value, std::clamp(CalcPrecision, 0, MaxPrecision), DecimalSeparator);
}

// SPDX-License-Identifier: MIT
// Settings that last while the program runs, and the text form of results.
#pragma once

#include <QChar>
#include <QString>

// Separator of every conversion between numbers and text: '.' or ','.
extern QChar DecimalSeparator;
// Decimals shown in results (applied from OptPrecision by the main window).
extern int CalcPrecision;
// Precision last confirmed in the settings dialog.
extern int OptPrecision;
// Language code last confirmed or switched to.
extern QString OptLanguage;

// Highest number of decimals a result is shown with.
constexpr int MaxPrecision = 15;

// A result in fixed-point form with CalcPrecision decimals (clamped to 0..15)
// and the separator in force; a value that is not finite gives empty text.
QString formatResult(double value);

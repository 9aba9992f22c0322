// SPDX-License-Identifier: MIT
// Numbers to text and back, independent of the process locale.
#pragma once

#include <QChar>
#include <QString>

#include <optional>

// Shortest general form with at most 15 significant digits ("%.15g"), written
// with the given separator; a value whose 15-digit form would lie beyond the
// largest double keeps its shortest exact form, so every finite value reads
// back. Not-finite values give "nan", "inf" or "-inf".
QString generalText(double value, QChar separator);
// Fixed-point form with the given decimals (clamped to 0..15), rounded half
// away from zero on the value's exact decimal expansion (2.5 gives "3"; 1.005,
// which is below 1.005 in binary, gives "1.00"); empty for a value that is not
// finite. A value that rounds to zero has no minus sign.
QString formatFixed(double value, int decimals, QChar separator);
// Scientific form "d.ddde-7" with at most the given significant digits
// (1..17), rounded as formatFixed and without trailing zeros; empty for a
// value that is not finite.
QString formatScientific(double value, int significant, QChar separator);

// Strict decimal reader: optional blanks, optional sign, digits with at most one
// separator (the one given) and at least one digit, an optional exponent of "e"
// or "E", optional sign and digits, optional blanks. Nothing else; a value
// outside the range of a double is refused.
std::optional<double> readDecimal(const QString& text, QChar separator);
// Whole-number reader: optional leading blanks, optional sign, decimal digits,
// or hexadecimal digits after "$", "x" or "0x"; within the signed 32-bit range.
std::optional<int> readWholeNumber(const QString& text);

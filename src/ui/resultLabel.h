// SPDX-License-Identifier: MIT
// Result labels show their value whole: never cut, never in a smaller type.
#pragma once

#include <QString>

class QLabel;

// Puts a text into a result label sized to it; the label never reaches past the room.
void setResultText(QLabel* label, const QString& text, int room);
// Puts a value into a result label: the fixed form with the decimals chosen
// when it fits the room, otherwise the scientific form with as many of the
// same significant digits as fit; the tooltip then holds the fixed form.
void showResult(QLabel* label, double value, int room);

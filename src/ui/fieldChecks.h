// SPDX-License-Identifier: MIT
// Checks of typed numbers: on bad text the user is told which field to correct
// and the focus goes back to it.
#pragma once

#include <QString>

class QLineEdit;

// True when the edit holds a decimal number written with DecimalSeparator.
bool checkFloatEdit(QLineEdit* edit, const QString& fieldName, const QString& language);
// True when the edit holds a whole number within the signed 32-bit range.
bool checkIntEdit(QLineEdit* edit, const QString& fieldName, const QString& language);

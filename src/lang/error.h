// SPDX-License-Identifier: MIT
// The message that asks the user to correct a typed number.
#pragma once

#include "model/arrays.h"

#include <QString>

// Language code to "Please, correct the content of the field [ %s ]".
extern IStringArray MsgCorrectField;

// The message in the language with the field's name in place of %s.
QString correctFieldMessage(const QString& fieldName, const QString& language);

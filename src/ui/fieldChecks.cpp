// SPDX-License-Identifier: MIT
#include "ui/fieldChecks.h"

#include "lang/error.h"
#include "base/numbers.h"
#include "base/settings.h"
#include "model/messages.h"

#include <QLineEdit>

namespace {

bool refuse(QLineEdit* edit, const QString& fieldName, const QString& language)
{
    showMessage(correctFieldMessage(fieldName, language));
    edit->setFocus();
    return false;
}

} // namespace

bool checkFloatEdit(QLineEdit* edit, const QString& fieldName, const QString& language)
{
    if (!edit)
        return false;
    if (readDecimal(edit->text(), DecimalSeparator))
        return true;
    return refuse(edit, fieldName, language);
}

bool checkIntEdit(QLineEdit* edit, const QString& fieldName, const QString& language)
{
    if (!edit)
        return false;
    if (readWholeNumber(edit->text()))
        return true;
    return refuse(edit, fieldName, language);
}

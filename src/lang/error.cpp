// SPDX-License-Identifier: MIT
#include "lang/error.h"

namespace {

IStringArray makeMessages()
{
    IStringArray messages = TArray::create();
    messages->setString(QStringLiteral("en"), QStringLiteral("Please, correct the content of the field [ %s ]"));
    messages->setString(QStringLiteral("ru"), QStringLiteral("Пожалуйста, исправьте содержимое поля [ %s ]"));
    return messages;
}

} // namespace

IStringArray MsgCorrectField = makeMessages();

QString correctFieldMessage(const QString& fieldName, const QString& language)
{
    QString message = MsgCorrectField->getString(language);
    // A language without a message of its own never leaves the box empty.
    if (message.isEmpty())
        message = MsgCorrectField->getString(QStringLiteral("en"));
    const qsizetype at = message.indexOf(QLatin1String("%s"));
    if (at >= 0)
        message.replace(at, 2, fieldName);
    return message;
}

// SPDX-License-Identifier: MIT
#include "lang/language.h"

#include "lang/profile.h"

namespace {

IStringArray makeLanguages()
{
    IStringArray languages = TArray::create();
    languages->setString(QStringLiteral("en"), QStringLiteral("English"));
    languages->setString(QStringLiteral("ru"), QStringLiteral("Русский"));
    return languages;
}

} // namespace

IStringArray LangStrings = TArray::create();
IStringArray Languages = makeLanguages();

bool loadLanguage(const QString& path, const QString& section)
{
    const std::optional<TProfile> profile = TProfile::read(path);
    if (!profile)
        return false;
    LangStrings->clear();
    for (const QString& name : profile->entryNames(section)) {
        if (name.isEmpty())
            continue;
        const QString value = profile->value(section, name);
        if (!value.isEmpty())
            LangStrings->setString(name, value);
    }
    return true;
}

QString langText(const QString& key)
{
    return LangStrings->getString(key);
}

QString langTextOr(const QString& key, const QString& builtIn)
{
    const QString text = langText(key);
    return text.isEmpty() ? builtIn : text;
}

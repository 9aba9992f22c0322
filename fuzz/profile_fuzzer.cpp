// SPDX-License-Identifier: MIT
// The profile reader and loadLanguage on arbitrary bytes.
#include "lang/language.h"
#include "lang/profile.h"
#include "temp_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TProfile profile = TProfile::parse(bytes);
    for (const char* section : {"DEFAULT", "FORMCategories"}) {
        const QString name = QString::fromLatin1(section);
        const QStringList names = profile.entryNames(name);
        if (!names.isEmpty() && !profile.hasSection(name))
            std::abort();
        for (const QString& entry : names)
            (void)profile.value(name, entry);
    }
    loadLanguage(writeInputFile("kolvent.en", data, size), QStringLiteral("DEFAULT"));
    for (LangStrings->first(); !LangStrings->eof(); LangStrings->next()) {
        // Stored values are never empty and are found again by their key.
        if (LangStrings->currentString().isEmpty()
            || langText(LangStrings->currentKey().text()) != LangStrings->currentString())
            std::abort();
    }
    return 0;
}

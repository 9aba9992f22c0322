// SPDX-License-Identifier: MIT
// Language files: the interface texts of the current language and the list of
// languages the program knows.
#pragma once

#include "model/arrays.h"

#include <QString>

// DEFAULT section of the current language file, key to text (case ignored).
extern IStringArray LangStrings;
// Language code to display name: "en" "English", then "ru" "Русский".
extern IStringArray Languages;

// Replaces LangStrings with one section of a language file. A missing file or
// section empties it; false only when the reader itself fails.
bool loadLanguage(const QString& path, const QString& section);
// The text under the key in LangStrings, or empty text.
QString langText(const QString& key);
// The text under the key, or the built-in text when the file gives none.
QString langTextOr(const QString& key, const QString& builtIn);

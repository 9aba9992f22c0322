// SPDX-License-Identifier: MIT
// A working as lines of text in the interface language: headings, notes and
// the reasons of a refusal come from the language file, the formulas are the
// same in every language.
#pragma once

#include "model/working.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

struct TWorkingText {
    TWorking::Line::Kind kind;
    QString text;
};

std::vector<TWorkingText> workingText(const TWorking& working);
// One line per step, for the clipboard.
QString workingPlainText(const TWorking& working);
// Every key a working may use, with its built-in English text.
const std::vector<std::pair<QString, QString>>& workingTextKeys();

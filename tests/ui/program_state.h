// SPDX-License-Identifier: MIT
// The program-wide state a window test changes, put back when the test ends:
// the shape library (an empty one stands in), the settings, the language
// strings, and the message hook (messages are recorded meanwhile).
#pragma once

#include "message_recorder.h"
#include "base/settings.h"
#include "lang/language.h"
#include "model/primitivesLibrary.h"

#include <utility>

class ProgramState : public MessageRecorder {
public:
    ProgramState()
        : m_library(std::exchange(PrimitivesLibrary, TPrimitivesLibrary()))
    {
    }
    ~ProgramState()
    {
        DecimalSeparator = m_separator;
        CalcPrecision = m_calcPrecision;
        OptPrecision = m_optPrecision;
        OptLanguage = m_language;
        LangStrings->clear();
        PrimitivesLibrary = std::move(m_library);
    }

private:
    TPrimitivesLibrary m_library;
    QChar m_separator = DecimalSeparator;
    int m_calcPrecision = CalcPrecision;
    int m_optPrecision = OptPrecision;
    QString m_language = OptLanguage;
};

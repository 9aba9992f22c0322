// SPDX-License-Identifier: MIT
// Records what the core shows to the user, for the lifetime of the recorder.
#pragma once

#include "model/messages.h"

#include <QStringList>

class MessageRecorder {
public:
    MessageRecorder()
        : m_previous(setMessageHook([this](const QString& text) { messages << text; }))
    {
    }
    ~MessageRecorder() { setMessageHook(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList messages;

private:
    MessageHook m_previous;
};

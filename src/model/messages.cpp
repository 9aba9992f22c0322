// SPDX-License-Identifier: MIT
#include "model/messages.h"

#include <utility>

namespace {
MessageHook& currentHook()
{
    static MessageHook hook;
    return hook;
}
}

MessageHook setMessageHook(MessageHook hook)
{
    return std::exchange(currentHook(), std::move(hook));
}

void showMessage(const QString& text)
{
    if (const MessageHook& hook = currentHook())
        hook(text);
}

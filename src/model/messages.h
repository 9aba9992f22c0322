// SPDX-License-Identifier: MIT
// The one way the core reports to the user: a hook that the interface sets to a
// modal message box and that tests set to a recorder.
#pragma once

#include <QString>

#include <functional>

using MessageHook = std::function<void(const QString& text)>;

// Installs the hook and returns the one it replaces.
MessageHook setMessageHook(MessageHook hook);
// Shows the text through the hook; without a hook nothing is shown.
void showMessage(const QString& text);

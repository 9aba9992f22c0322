// SPDX-License-Identifier: MIT
// Applies a section of a language file to a window's named controls.
#pragma once

#include <QString>

class QWidget;

// For every entry of the section, in file order: the control of that name
// (letter case ignored) among the window's descendants gets the text. Labels
// take it as caption and tooltip; group boxes, push buttons, check boxes, radio
// buttons and tab pages as caption. An entry whose name holds ".hint" (any
// case) sets the tooltip of the control named by what comes before it. Empty
// values, unknown names and other kinds of control are passed over; the
// window's own title is never set.
void translateForm(QWidget* window, const QString& section, const QString& path);

// SPDX-License-Identifier: MIT
// The interface font: the windows are laid out in pixels for it.
#pragma once

#include <QFont>

// Pixel size of the interface font.
constexpr int InterfaceFontPixels = 11;

// The platform's default sans font at InterfaceFontPixels.
QFont interfaceFont();
// Makes interfaceFont() the application's font; call before any window exists.
void applyInterfaceFont();

// Variable names beside the fields: bold italic serif, as in the shape
// pictures, whose l (hooked foot) is not taken for I or |.
QFont variableFont();

class QLabel;
class QWidget;

// Gives the keyboard back to the window that owns a closing dialog: without a
// window manager nobody else does, and typing would go nowhere.
void handBackKeyboard(QWidget* dialog);

// Smallest pixel size fitLabel goes down to.
constexpr int SmallestFontPixels = 9;

// Sets the label in the font and sizes it to its text; a text wider than
// maxWidth is set smaller (not below SmallestFontPixels) so that a long
// translation does not run into the control beside it.
void fitLabel(QLabel* label, int maxWidth, const QFont& font);
// The same, starting from the font of the label's parent.
void fitLabel(QLabel* label, int maxWidth);

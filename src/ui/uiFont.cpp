// SPDX-License-Identifier: MIT
#include "ui/uiFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>

QFont interfaceFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(InterfaceFontPixels);
    return font;
}

QFont variableFont()
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(InterfaceFontPixels + 1);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

void handBackKeyboard(QWidget* dialog)
{
    if (QWidget* owner = dialog->parentWidget())
        owner->window()->activateWindow();
}

void applyInterfaceFont()
{
    QApplication::setFont(interfaceFont());
}

void fitLabel(QLabel* label, int maxWidth, const QFont& start)
{
    QFont font = start;
    if (font.pixelSize() <= 0)
        font.setPixelSize(QFontInfo(font).pixelSize());
    label->setFont(font);
    label->adjustSize();
    while (label->width() > maxWidth && font.pixelSize() > SmallestFontPixels) {
        font.setPixelSize(font.pixelSize() - 1);
        label->setFont(font);
        label->adjustSize();
    }
}

void fitLabel(QLabel* label, int maxWidth)
{
    fitLabel(label, maxWidth, label->parentWidget() ? label->parentWidget()->font() : QApplication::font());
}

// SPDX-License-Identifier: MIT
#include "ui/copyButton.h"

#include <QPainter>

TCopyButton::TCopyButton(QWidget* parent)
    : QToolButton(parent)
{
}

void TCopyButton::paintEvent(QPaintEvent* event)
{
    if (icon().isNull()) {
        QToolButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap pixmap = icon().pixmap(size(), devicePixelRatioF(), mode);
    painter.drawPixmap(0, 0, pixmap);
    if (isDown()) {
        // Pressed: darken the icon a little, as a flat button sinks.
        painter.fillRect(rect(), QColor(0, 0, 0, 40));
    }
}

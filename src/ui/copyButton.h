// SPDX-License-Identifier: MIT
// The small flat button beside a result that copies it: its icon fills the
// whole button, unscaled, at the screen's device pixel ratio.
#pragma once

#include <QToolButton>

class TCopyButton : public QToolButton {
    Q_OBJECT
public:
    explicit TCopyButton(QWidget* parent = nullptr);

protected:
    // The style would frame the icon and shrink it into what is left.
    void paintEvent(QPaintEvent* event) override;
};

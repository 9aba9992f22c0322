// SPDX-License-Identifier: MIT
// The Working window: how the results of the current shape come about, line
// by line. It shows what the calculator hands it and keeps nothing else; the
// calculator refreshes it whenever its results change while it is shown.
#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;
class TWorking;

class TfrmWorking : public QWidget {
    Q_OBJECT
public:
    // A separate window that closes and goes with its owner.
    explicit TfrmWorking(QWidget* owner);

    // Title and buttons in the interface language.
    void translate();
    // The lines of a working. A refresh of the same subject keeps the line at
    // the top of the view where it was; another subject starts at the top.
    void showWorking(const QString& subject, const TWorking& working);
    // A sentence in place of a working: why there is none.
    void showNote(const QString& text);
    // Puts the line (as counted in the view, from 0) at the top of the view.
    void scrollToLine(int line);
    // Puts the window beside its owner on the first showing, where the screen has room.
    void placeBesideOwner();

    void btnCopyClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Without a window manager nobody else gives the keyboard back to the calculator.
    void hideEvent(QHideEvent* event) override;

private:
    // The line at the top of the view and how far the view is into it.
    struct Place {
        int line = 0;
        int offset = 0;
    };
    Place place() const;
    void restore(const Place& place);

    QTextBrowser* m_text;
    QPushButton* m_btnCopy;
    QPushButton* m_btnClose;
    QString m_subject;
    QString m_plainText;
    bool m_placed = false;
};

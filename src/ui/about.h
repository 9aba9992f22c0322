// SPDX-License-Identifier: MIT
// The About box.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

#include <functional>

class QLabel;
class QPushButton;

// Address of the project's web page and its contact mail address.
extern const QString KolventWebSite;
extern const QString KolventEmail;

// Data flow: the program picture and texts of the interface language (translate); clicks on the web or mail address -> desktop shell (UrlOpener).
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    using UrlOpener = std::function<void(const QUrl&)>;

    // The picture is read from iconPath; a missing or damaged file shows none.
    explicit TfrmAbout(const QString& iconPath = defaultIconPath(), QWidget* parent = nullptr);

    // img/ui/kolvent.gif beside the executable.
    static QString defaultIconPath();
    // Replaces the desktop shell's opener (tests record the address instead);
    // returns the opener it replaces.
    static UrlOpener setUrlOpener(UrlOpener opener);

    // Title and texts from the current language texts, English where they give none.
    void translate();
    void lblWebSiteClick();
    void lblEmailClick();

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_lblVersion;
    QLabel* m_lblNotice;
    QLabel* m_lblComments;
    QPushButton* m_btnOK;
    QLabel* m_lblWebSite;
    QLabel* m_lblEmail;
};

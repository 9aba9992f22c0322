// SPDX-License-Identifier: MIT
// The settings dialog: decimals shown, decimal separator, interface language.
#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// Data flow: OptPrecision/DecimalSeparator/OptLanguage -> fields; OK checks precision 0..15 and writes them back; Cancel writes nothing.
class TfrmSettings : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSettings(QWidget* parent = nullptr);

    // Captions from the current language texts; refills the separator list.
    void translate();
    void btnOKClick();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void fillSeparators();

    QTabWidget* m_pgSettings;
    QLabel* m_lblFloatPrecise;
    QLabel* m_lblDecSeparator;
    QLineEdit* m_edtFloatPrecise;
    QComboBox* m_cbxDecSeparator;
    QLabel* m_lblLanguage;
    QComboBox* m_cbxLanguage;
    QPushButton* m_btnOK;
    QPushButton* m_btnCancel;
};

// SPDX-License-Identifier: MIT
#include "ui/settingsDialog.h"

#include "lang/language.h"
#include "base/numbers.h"
#include "base/settings.h"
#include "model/messages.h"
#include "ui/uiFont.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <optional>

namespace {

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QWidget* makePage(const QString& name, const QString& groupName, QGroupBox*& group)
{
    auto* page = new QWidget;
    page->setObjectName(name);
    group = new QGroupBox(page);
    group->setObjectName(groupName);
    group->setGeometry(0, 0, 225, 121);
    return page;
}

// Labels end this far before the field to their right.
constexpr int LabelGap = 3;

void setCaption(QLabel* label, const QString& key, const QWidget* field)
{
    label->setText(langText(key));
    fitLabel(label, field->x() - label->x() - LabelGap);
}

} // namespace

TfrmSettings::TfrmSettings(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setFixedSize(239, 199);

    m_pgSettings = new QTabWidget(this);
    m_pgSettings->setObjectName(QStringLiteral("pgSettings"));
    m_pgSettings->setGeometry(4, 4, 233, 157);

    QGroupBox* calculation = nullptr;
    QWidget* tbCalculation = makePage(QStringLiteral("tbCalculation"), QStringLiteral("grpCalculation"), calculation);
    m_lblFloatPrecise = makeLabel(QStringLiteral("lblFloatPrecise"), QStringLiteral("Float precise"), calculation, 8, 16);
    m_lblDecSeparator = makeLabel(QStringLiteral("lblDecSeparator"), QStringLiteral("Decimal separator"), calculation, 8, 40);
    m_edtFloatPrecise = new QLineEdit(QStringLiteral("2"), calculation);
    m_edtFloatPrecise->setObjectName(QStringLiteral("edtFloatPrecise"));
    m_edtFloatPrecise->setGeometry(128, 13, 33, 21);
    m_cbxDecSeparator = new QComboBox(calculation);
    m_cbxDecSeparator->setObjectName(QStringLiteral("cbxDecSeparator"));
    m_cbxDecSeparator->setGeometry(128, 37, 89, 21);
    m_pgSettings->addTab(tbCalculation, QStringLiteral("Calculation"));

    QGroupBox* language = nullptr;
    QWidget* tbLanguage = makePage(QStringLiteral("tbLanguage"), QStringLiteral("GroupBox1"), language);
    m_lblLanguage = makeLabel(QStringLiteral("lblLanguage"), QStringLiteral("Language"), language, 8, 16);
    m_cbxLanguage = new QComboBox(language);
    m_cbxLanguage->setObjectName(QStringLiteral("cbxLanguage"));
    m_cbxLanguage->setGeometry(72, 13, 145, 21);
    m_pgSettings->addTab(tbLanguage, QStringLiteral("Language"));
    m_pgSettings->setCurrentIndex(0);

    m_btnOK = new QPushButton(QStringLiteral("OK"), this);
    m_btnOK->setObjectName(QStringLiteral("btnOK"));
    m_btnOK->setGeometry(72, 168, 75, 25);
    m_btnOK->setDefault(true);
    connect(m_btnOK, &QPushButton::clicked, this, &TfrmSettings::btnOKClick);

    m_btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_btnCancel->setGeometry(152, 168, 75, 25);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    m_edtFloatPrecise->setText(QString::number(OptPrecision));
    // Opened from the keyboard, the dialog takes the new number of decimals at once.
    m_edtFloatPrecise->setFocus();
    m_edtFloatPrecise->selectAll();
    const QString current = Languages->getString(OptLanguage);
    for (Languages->first(); !Languages->eof(); Languages->next()) {
        const QString name = Languages->currentString();
        m_cbxLanguage->addItem(name);
        if (QString::compare(name, current, Qt::CaseInsensitive) == 0)
            m_cbxLanguage->setCurrentIndex(m_cbxLanguage->count() - 1);
    }
    fillSeparators();
}

void TfrmSettings::fillSeparators()
{
    m_cbxDecSeparator->clear();
    m_cbxDecSeparator->addItem(langText(QStringLiteral("dot")));
    m_cbxDecSeparator->addItem(langText(QStringLiteral("comma")));
    m_cbxDecSeparator->setCurrentIndex(DecimalSeparator == QLatin1Char('.') ? 0 : 1);
}

void TfrmSettings::translate()
{
    setWindowTitle(langTextOr(QStringLiteral("frmSettings"), QStringLiteral("Settings")));
    m_pgSettings->setTabText(0, langText(QStringLiteral("calculation")));
    m_pgSettings->setTabText(1, langText(QStringLiteral("lang")));
    setCaption(m_lblFloatPrecise, QStringLiteral("floatprecise"), m_edtFloatPrecise);
    setCaption(m_lblDecSeparator, QStringLiteral("decseparator"), m_cbxDecSeparator);
    setCaption(m_lblLanguage, QStringLiteral("lang"), m_cbxLanguage);
    m_btnOK->setText(langText(QStringLiteral("ok")));
    m_btnCancel->setText(langText(QStringLiteral("cancel")));
    fillSeparators();
}

void TfrmSettings::btnOKClick()
{
    // Anything but a whole number of decimals within the range the formatter
    // honours is refused with a message that says the range.
    const std::optional<int> precision = readWholeNumber(m_edtFloatPrecise->text());
    if (!precision || *precision < 0 || *precision > MaxPrecision) {
        showMessage(langTextOr(QStringLiteral("precisionrange"),
                        QStringLiteral("Decimals go from 0 to %1: please, correct the field [ %s ]"))
                        .replace(QStringLiteral("%1"), QString::number(MaxPrecision))
                        .replace(QStringLiteral("%s"), m_lblFloatPrecise->text()));
        m_edtFloatPrecise->setFocus();
        return;
    }
    OptPrecision = *precision;
    const int language = m_cbxLanguage->currentIndex();
    if (language >= 0 && language < Languages->count())
        OptLanguage = Languages->keyAt(language).text();
    DecimalSeparator = m_cbxDecSeparator->currentIndex() == 0 ? QLatin1Char('.') : QLatin1Char(',');
    accept();
}

void TfrmSettings::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    handBackKeyboard(this);
}

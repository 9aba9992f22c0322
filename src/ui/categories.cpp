// SPDX-License-Identifier: MIT
#include "ui/categories.h"

#include "lang/language.h"
#include "ui/translateForm.h"
#include "ui/uiFont.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int BoxLeft = 8;
constexpr int BoxWidth = 160;
constexpr int BoxStep = 20;
constexpr int FirstBoxTop = 4;
}

TfrmCategories::TfrmCategories(QWidget* parent)
    : QDialog(parent)
    , m_categoryKeys(TArray::create())
{
    setObjectName(QStringLiteral("frmCategories"));
    setWindowTitle(QStringLiteral("Categories"));
    setFixedSize(209, 225);

    m_lblCheckCategories = new QLabel(QStringLiteral("Check categories you want to view"), this);
    m_lblCheckCategories->setObjectName(QStringLiteral("lblCheckCategories"));
    m_lblCheckCategories->move(8, 8);
    m_lblCheckCategories->adjustSize();

    m_scrCategories = new QScrollArea(this);
    m_scrCategories->setObjectName(QStringLiteral("scrCategories"));
    m_scrCategories->setGeometry(8, 24, 193, 161);
    m_scrCategories->setWidgetResizable(true);
    m_scrCategories->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_boxes = new QWidget;
    m_boxes->setObjectName(QStringLiteral("scrCategoriesContent"));
    m_scrCategories->setWidget(m_boxes);

    m_btnOK = new QPushButton(QStringLiteral("OK"), this);
    m_btnOK->setObjectName(QStringLiteral("btnOK"));
    m_btnOK->setGeometry(40, 192, 75, 25);
    m_btnOK->setDefault(true);
    connect(m_btnOK, &QPushButton::clicked, this, &QDialog::accept);

    m_btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_btnCancel->setGeometry(128, 192, 75, 25);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmCategories::fillCategories(const IMultiArray& catalogue, const QString& language,
                                    const QString& languageFile)
{
    m_catalogue = catalogue;
    m_language = language;
    if (!languageFile.isEmpty())
        translateForm(this, QStringLiteral("FORMCategories"), languageFile);

    int y = FirstBoxTop;
    if (m_catalogue) {
        int position = 0;
        for (m_catalogue->first(); !m_catalogue->eof(); m_catalogue->next(), ++position) {
            auto* box = new QCheckBox(m_boxes);
            box->setObjectName(QStringLiteral("cbx%1").arg(position));
            box->setGeometry(BoxLeft, y, BoxWidth, box->sizeHint().height());
            box->setChecked(false);
            m_checkBoxes.append(box);
            m_categoryKeys->setString(position, m_catalogue->currentKey().text());
            y += BoxStep;
        }
    }
    m_boxes->setMinimumSize(BoxLeft + BoxWidth, y);
    m_filled = true;
    translate(language);
    return true;
}

void TfrmCategories::translate(const QString& language, const QString& languageFile)
{
    m_language = language;
    if (!languageFile.isEmpty())
        translateForm(this, QStringLiteral("FORMCategories"), languageFile);
    setWindowTitle(langTextOr(QStringLiteral("frmCategories"), QStringLiteral("Categories")));
    m_lblCheckCategories->setText(langText(QStringLiteral("checkcategory")));
    fitLabel(m_lblCheckCategories, width() - 2 * m_lblCheckCategories->x());
    m_btnOK->setText(langText(QStringLiteral("ok")));
    m_btnCancel->setText(langText(QStringLiteral("cancel")));
    if (!m_filled || !m_catalogue)
        return;
    setBoxTitles();
}

// A title longer than the usual box widens it as far as the scroll box shows.
void TfrmCategories::setBoxTitles()
{
    int visible = m_scrCategories->maximumViewportSize().width();
    if (m_boxes->minimumHeight() > m_scrCategories->maximumViewportSize().height())
        visible -= m_scrCategories->verticalScrollBar()->sizeHint().width();
    const int widest = std::max(BoxWidth, visible - BoxLeft);
    int position = 0;
    for (m_catalogue->first(); !m_catalogue->eof() && position < m_checkBoxes.size();
         m_catalogue->next(), ++position) {
        QCheckBox* box = m_checkBoxes[position];
        const QString title = m_catalogue->currentChild()->child(m_language)->nodeText();
        box->setText(title);
        box->resize(std::clamp(box->sizeHint().width(), BoxWidth, widest), box->height());
        box->setToolTip(box->sizeHint().width() > box->width() ? title : QString());
    }
}

QStringList TfrmCategories::checkedCategories() const
{
    QStringList keys;
    for (int position = 0; position < m_checkBoxes.size(); ++position) {
        if (m_checkBoxes[position]->isChecked())
            keys.append(m_categoryKeys->getString(position));
    }
    return keys;
}

void TfrmCategories::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    handBackKeyboard(this);
}

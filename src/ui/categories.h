// SPDX-License-Identifier: MIT
// The dialog in which the user checks the categories of the group in view.
#pragma once

#include "model/arrays.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;

// Data flow: category catalogue (fillCategories) -> one check box per category, titled per language -> checkedCategories() keys.
class TfrmCategories : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCategories(QWidget* parent = nullptr);

    // Builds one unchecked box per category; texts from the section
    // "FORMCategories" of the language file when the path is not empty.
    bool fillCategories(const IMultiArray& catalogue, const QString& language,
                        const QString& languageFile);
    // Texts of the language; hints from the section "FORMCategories" of the
    // language file too when one is given.
    void translate(const QString& language, const QString& languageFile = QString());
    // Keys of the checked categories, in the order of the boxes.
    QStringList checkedCategories() const;

    const QList<QCheckBox*>& checkBoxes() const { return m_checkBoxes; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void setBoxTitles();

    QLabel* m_lblCheckCategories;
    QScrollArea* m_scrCategories;
    QWidget* m_boxes;
    QPushButton* m_btnOK;
    QPushButton* m_btnCancel;
    QList<QCheckBox*> m_checkBoxes;
    IStringArray m_categoryKeys;
    IMultiArray m_catalogue;
    QString m_language;
    bool m_filled = false;
};

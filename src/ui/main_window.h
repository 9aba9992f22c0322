// SPDX-License-Identifier: MIT
// The main window of Kolvent.
#pragma once

#include "ui/categories.h"
#include "ui/shapeCalculator.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class QAction;
class QMenu;
class TfrmAbout;

// Data flow: creation loads the English texts and the catalogues into the
// library, translates the menus and puts the solid shapes in view; the View menu hands a group or
// the checked categories to the calculator frame, which then opens its picker;
// Settings writes the options, which applySettings carries into the precision
// in force and the interface language before the frame recalculates.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // The program folder holds langs/ and img/; empty means the folder of the
    // running executable.
    explicit TfrmMain(const QString& programFolder = QString(), QWidget* parent = nullptr);
    ~TfrmMain() override;

    void applySettings();
    void setLanguage(const QString& code);
    void frameWidthChanged(TfrShapeCalculator* sender);

    void itmViewFlatAllClick();
    void itmViewFlatCategoriesClick();
    void itmViewSolidAllClick();
    void itmViewSolidCategoriesClick();
    void itmSettingsClick();
    void itmHelpAboutClick();
    void itmWorkingClick();

    QString language() const { return m_language; }
    TfrShapeCalculator* calculator() const { return m_frShapeCalculator; }
    TfrmCategories* categories() const { return m_categories.get(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void formCreate();
    void createMenus();
    void translateMenus();
    QString languageFile(const QString& code) const;
    void rebuildCategories(const QString& group);
    void viewAll(const QString& group, QAction* item);
    void viewCategories(const QString& group, QAction* item);

    // The view before a change: put back when no shape is chosen.
    struct ViewState {
        QString group;
        QAction* checked;
        TfrShapeCalculator::View frame;
        // The categories dialog of the group left, kept while the change is open.
        std::unique_ptr<TfrmCategories> categories;
    };
    ViewState viewState() const;
    void switchView(const QString& group, QAction* item, ViewState& before);
    void restoreViewState(ViewState& before);

    QString m_programFolder;
    QString m_language;
    QString m_langsFolder;
    QString m_filePrefix;
    // The group of the checked View item: the categories dialog is built for it.
    QString m_viewGroup;
    // The View item of the view in force; a menu click checks the new one at once.
    QAction* m_viewItem = nullptr;
    QWidget* m_client;
    TfrShapeCalculator* m_frShapeCalculator;
    std::unique_ptr<TfrmCategories> m_categories;
    TfrmAbout* m_about = nullptr;
    bool m_centred = false;

    QAction* m_itmSettings;
    QMenu* m_itmView;
    QAction* m_itmViewFlatAll;
    QAction* m_itmViewFlatCategories;
    QAction* m_itmViewSolidAll;
    QAction* m_itmViewSolidCategories;
    QAction* m_itmViewCompound;
    QAction* m_itmWorking;
    QAction* m_itmQuit;
    QMenu* m_itmHelp;
    QAction* m_itmHelpAbout;
};

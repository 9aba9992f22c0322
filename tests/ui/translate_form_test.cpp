// SPDX-License-Identifier: MIT
#include "ui/translateForm.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

template <class T>
T* named(QWidget* parent, const char* name, const char* text = "built-in")
{
    auto* control = new T(parent);
    control->setObjectName(QString::fromUtf8(name));
    if constexpr (std::is_base_of_v<QLabel, T> || std::is_base_of_v<QAbstractButton, T>
                  || std::is_base_of_v<QLineEdit, T>)
        control->setText(QString::fromUtf8(text));
    else if constexpr (std::is_base_of_v<QGroupBox, T>)
        control->setTitle(QString::fromUtf8(text));
    return control;
}

// A small dialog shaped like the categories dialog, with one control of each kind.
class Form : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_window.setObjectName(QStringLiteral("frmCategories"));
        m_window.setWindowTitle(QStringLiteral("Categories"));
        label = named<QLabel>(&m_window, "lblCheckCategories");
        hintOnly = named<QLabel>(&m_window, "lblNote");
        ok = named<QPushButton>(&m_window, "btnOK");
        cancel = named<QPushButton>(&m_window, "btnCancel");
        group = named<QGroupBox>(&m_window, "grpCategories");
        check = named<QCheckBox>(group, "chkAll");
        radio = named<QRadioButton>(group, "rbFlat");
        edit = named<QLineEdit>(&m_window, "edtFilter");
        tabs = new QTabWidget(&m_window);
        tabs->setObjectName(QStringLiteral("pgPages"));
        page = new QWidget;
        page->setObjectName(QStringLiteral("tbFirst"));
        tabs->addTab(page, QStringLiteral("First"));
        tabs->addTab(new QWidget, QStringLiteral("Second"));
        action = new QAction(QStringLiteral("built-in"), &m_window);
        action->setObjectName(QStringLiteral("actRefresh"));
    }

    QString write(const QByteArray& text)
    {
        const QString path = m_dir.filePath(QStringLiteral("kolvent.xx"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    QDialog m_window;
    QTemporaryDir m_dir;
    QLabel* label = nullptr;
    QLabel* hintOnly = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QGroupBox* group = nullptr;
    QCheckBox* check = nullptr;
    QRadioButton* radio = nullptr;
    QLineEdit* edit = nullptr;
    QTabWidget* tabs = nullptr;
    QWidget* page = nullptr;
    QAction* action = nullptr;
};

TEST_F(Form, AppliesCaptionsAndHintsByControlKind)
{
    const QString file = write("[DEFAULT]\nbtnOK=from the wrong section\n"
                               "[formcategories]\n"
                               "lblcheckcategories = Tick what you want to see\n"
                               "btnOK.HINT = Show the ticked categories\n"
                               "BTNCANCEL=Close\n"
                               "btnCancel.Hint=\n"
                               "lblNote.hint=Only a hint\n"
                               "grpCategories=Kinds\n"
                               "chkAll=Everything\n"
                               "rbFlat=\"Flat\"\n"
                               "tbFirst=Page one\n"
                               "edtFilter=typed\n"
                               "edtFilter.hint=Filter hint\n"
                               "actRefresh=Refresh\n"
                               "actRefresh.hint=Refresh hint\n"
                               "frmCategories=New title\n"
                               "lblMissing=Nowhere\n"
                               "chkAll=second value\n");
    translateForm(&m_window, QStringLiteral("FORMCategories"), file);

    EXPECT_EQ(label->text(), QStringLiteral("Tick what you want to see"));
    EXPECT_EQ(label->toolTip(), QStringLiteral("Tick what you want to see"));
    EXPECT_EQ(ok->text(), QStringLiteral("built-in"));
    EXPECT_EQ(ok->toolTip(), QStringLiteral("Show the ticked categories"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Close"));
    EXPECT_EQ(cancel->toolTip(), QString());
    EXPECT_EQ(hintOnly->text(), QStringLiteral("built-in"));
    EXPECT_EQ(hintOnly->toolTip(), QStringLiteral("Only a hint"));
    EXPECT_EQ(group->title(), QStringLiteral("Kinds"));
    EXPECT_EQ(check->text(), QStringLiteral("Everything"));
    EXPECT_EQ(radio->text(), QStringLiteral("Flat"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Page one"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Second"));
    EXPECT_EQ(edit->text(), QStringLiteral("built-in"));
    EXPECT_EQ(edit->toolTip(), QStringLiteral("Filter hint"));
    EXPECT_EQ(action->text(), QStringLiteral("built-in"));
    EXPECT_EQ(action->toolTip(), QStringLiteral("built-in"));
    EXPECT_EQ(m_window.windowTitle(), QStringLiteral("Categories"));
}

TEST_F(Form, DoesNothingWithoutWindowSectionOrFile)
{
    const QString file = write("[FORMCategories]\nbtnOK=Changed\n");
    translateForm(nullptr, QStringLiteral("FORMCategories"), file);
    translateForm(&m_window, QString(), file);
    translateForm(&m_window, QStringLiteral("FORMCategories"), m_dir.filePath(QStringLiteral("kolvent.none")));
    translateForm(&m_window, QStringLiteral("Other"), file);
    EXPECT_EQ(ok->text(), QStringLiteral("built-in"));
    translateForm(&m_window, QStringLiteral("formcategories"), file);
    EXPECT_EQ(ok->text(), QStringLiteral("Changed"));
}

} // namespace

// SPDX-License-Identifier: MIT
// The categories dialog, the settings dialog and the About box.
#include "lang/language.h"
#include "base/settings.h"
#include "model/messages.h"
#include "ui/about.h"
#include "ui/categories.h"
#include "ui/settingsDialog.h"
#include "ui/uiFont.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gif_lib.h>

#include <gtest/gtest.h>

namespace {

const QString DataLangs = QStringLiteral(KOLVENT_SOURCE_DATA "/langs/");

// Records messages instead of showing them, and puts back every setting a
// dialog may change.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        applyInterfaceFont();
        previousHook = setMessageHook([this](const QString& text) { messages.append(text); });
        saved = {OptPrecision, CalcPrecision, OptLanguage, DecimalSeparator};
        ASSERT_TRUE(loadLanguage(DataLangs + QStringLiteral("kolvent.en"), QStringLiteral("DEFAULT")));
    }
    void TearDown() override
    {
        setMessageHook(previousHook);
        OptPrecision = saved.optPrecision;
        CalcPrecision = saved.calcPrecision;
        OptLanguage = saved.language;
        DecimalSeparator = saved.separator;
        loadLanguage(QString(), QStringLiteral("DEFAULT"));
    }

    // A click on the box itself, where a user ticks it.
    static void tick(QCheckBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    template <class T>
    static T* control(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Every label, button and check box shows its whole text inside its parent.
    static void expectNothingClipped(QWidget& window)
    {
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const bool text = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget);
            if (!text || !widget->parentWidget())
                continue;
            const QRect inParent = widget->geometry();
            EXPECT_TRUE(widget->parentWidget()->rect().contains(inParent))
                << widget->objectName().toStdString() << " leaves its parent";
            if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull()) {
                EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
            }
            if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                EXPECT_GE(box->width(), box->sizeHint().width()) << box->text().toStdString();
            }
        }
    }

    struct Saved {
        int optPrecision;
        int calcPrecision;
        QString language;
        QChar separator;
    } saved {};
    MessageHook previousHook;
    QStringList messages;
};

// Category key -> language -> title, in the order given.
IMultiArray catalogue(const QList<QStringList>& rows)
{
    IMultiArray result = TArray::create();
    for (const QStringList& row : rows) {
        IMultiArray titles = result->child(row[0]);
        if (row.size() > 1)
            titles->child(QStringLiteral("en"))->setNodeText(row[1]);
        if (row.size() > 2)
            titles->child(QStringLiteral("ru"))->setNodeText(row[2]);
    }
    return result;
}

const QList<QStringList> SolidCategories = {
    {QStringLiteral("prism"), QStringLiteral("Prisms"), QStringLiteral("Призмы")},
    {QStringLiteral("cone"), QStringLiteral("Cones"), QStringLiteral("Конусы")},
    {QStringLiteral("sphere"), QStringLiteral("Spheres"), QStringLiteral("Шары")},
};

using CategoriesTest = DialogTest;

TEST_F(CategoriesTest, BoxesFollowTheCatalogue)
{
    TfrmCategories dialog;
    ASSERT_TRUE(dialog.fillCategories(catalogue(SolidCategories), QStringLiteral("en"),
                                      DataLangs + QStringLiteral("kolvent.en")));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Categories"));
    EXPECT_EQ(dialog.size(), QSize(209, 225));
    const QStringList titles = {QStringLiteral("Prisms"), QStringLiteral("Cones"), QStringLiteral("Spheres")};
    for (int i = 0; i < 3; ++i) {
        auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("cbx%1").arg(i));
        ASSERT_NE(box, nullptr) << i;
        EXPECT_EQ(box->text(), titles[i]);
        EXPECT_EQ(box->geometry().topLeft(), QPoint(8, 4 + 20 * i));
        EXPECT_EQ(box->width(), 160);
        EXPECT_FALSE(box->isChecked());
    }
    EXPECT_EQ(control<QLabel>(dialog, "lblCheckCategories")->text(), langText(QStringLiteral("checkcategory")));
    // The section of the dialog gives the hints.
    EXPECT_FALSE(control<QPushButton>(dialog, "btnOK")->toolTip().isEmpty());
    EXPECT_TRUE(dialog.checkedCategories().isEmpty());
}

TEST_F(CategoriesTest, CheckMarksLastBetweenOpeningsAndCancelKeepsThem)
{
    TfrmCategories dialog;
    dialog.fillCategories(catalogue(SolidCategories), QStringLiteral("en"), QString());
    dialog.open();
    tick(control<QCheckBox>(dialog, "cbx2"));
    QTest::mouseClick(control<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.checkedCategories(), QStringList {QStringLiteral("sphere")});

    dialog.open();
    EXPECT_TRUE(control<QCheckBox>(dialog, "cbx2")->isChecked());
    tick(control<QCheckBox>(dialog, "cbx0"));
    QTest::mouseClick(control<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.open();
    EXPECT_TRUE(control<QCheckBox>(dialog, "cbx0")->isChecked());
    EXPECT_EQ(dialog.checkedCategories(), (QStringList {QStringLiteral("prism"), QStringLiteral("sphere")}));
    dialog.close();

    // The dialog built for the other group starts with every box clear.
    TfrmCategories flat;
    flat.fillCategories(catalogue({{QStringLiteral("triangle"), QStringLiteral("Triangles")},
                                   {QStringLiteral("circle"), QStringLiteral("Circles")}}),
                        QStringLiteral("en"), QString());
    for (QCheckBox* box : flat.checkBoxes())
        EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(flat.checkedCategories().isEmpty());
}

TEST_F(CategoriesTest, TranslateRecaptionsAndMissingTitleIsEmpty)
{
    TfrmCategories dialog;
    QList<QStringList> rows = SolidCategories;
    rows.append({QStringLiteral("compound"), QStringLiteral("Compound")});
    rows.append({QStringLiteral("cuboids"), QStringLiteral("Cubes and boxes"), QStringLiteral("Кубы и параллелепипеды")});
    dialog.fillCategories(catalogue(rows), QStringLiteral("en"), QString());
    tick(control<QCheckBox>(dialog, "cbx1"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Categories"));

    ASSERT_TRUE(loadLanguage(DataLangs + QStringLiteral("kolvent.ru"), QStringLiteral("DEFAULT")));
    dialog.translate(QStringLiteral("ru"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Категории"));
    EXPECT_EQ(control<QCheckBox>(dialog, "cbx0")->text(), QStringLiteral("Призмы"));
    EXPECT_EQ(control<QCheckBox>(dialog, "cbx3")->text(), QString());
    EXPECT_EQ(control<QPushButton>(dialog, "btnCancel")->text(), langText(QStringLiteral("cancel")));
    EXPECT_TRUE(control<QCheckBox>(dialog, "cbx1")->isChecked());
    expectNothingClipped(dialog);
}

TEST_F(CategoriesTest, ManyCategoriesScroll)
{
    QList<QStringList> rows;
    for (int i = 0; i < 12; ++i)
        rows.append({QStringLiteral("c%1").arg(i), QStringLiteral("Category %1").arg(i)});
    TfrmCategories dialog;
    dialog.fillCategories(catalogue(rows), QStringLiteral("en"), QString());
    dialog.show();
    QApplication::processEvents();
    EXPECT_GT(control<QScrollArea>(dialog, "scrCategories")->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(control<QCheckBox>(dialog, "cbx11")->y(), 4 + 20 * 11);
}

using SettingsTest = DialogTest;

TEST_F(SettingsTest, OkStoresPrecisionCommaAndRussian)
{
    TfrmSettings dialog;
    dialog.translate();
    dialog.open();
    auto* precision = control<QLineEdit>(dialog, "edtFloatPrecise");
    EXPECT_EQ(precision->text(), QString::number(OptPrecision));
    precision->clear();
    QTest::keyClicks(precision, QStringLiteral("5"));
    control<QComboBox>(dialog, "cbxDecSeparator")->setCurrentIndex(1);
    control<QComboBox>(dialog, "cbxLanguage")->setCurrentIndex(1);
    QTest::mouseClick(control<QPushButton>(dialog, "btnOK"), Qt::LeftButton);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(OptPrecision, 5);
    EXPECT_EQ(DecimalSeparator, QLatin1Char(','));
    EXPECT_EQ(OptLanguage, QStringLiteral("ru"));

    // Reopened, it shows what is in force.
    TfrmSettings again;
    again.translate();
    EXPECT_EQ(control<QLineEdit>(again, "edtFloatPrecise")->text(), QStringLiteral("5"));
    EXPECT_EQ(control<QComboBox>(again, "cbxDecSeparator")->currentIndex(), 1);
    EXPECT_EQ(control<QComboBox>(again, "cbxLanguage")->currentText(), QStringLiteral("Русский"));
}

TEST_F(SettingsTest, CancelChangesNothing)
{
    OptPrecision = 3;
    TfrmSettings dialog;
    dialog.translate();
    dialog.open();
    auto* precision = control<QLineEdit>(dialog, "edtFloatPrecise");
    precision->setText(QStringLiteral("7"));
    control<QComboBox>(dialog, "cbxDecSeparator")->setCurrentIndex(1);
    control<QComboBox>(dialog, "cbxLanguage")->setCurrentIndex(1);
    QTest::mouseClick(control<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(OptPrecision, 3);
    EXPECT_EQ(DecimalSeparator, QLatin1Char('.'));
    EXPECT_EQ(OptLanguage, QStringLiteral("en"));

    TfrmSettings closed;
    closed.open();
    control<QLineEdit>(closed, "edtFloatPrecise")->setText(QStringLiteral("9"));
    closed.close();
    EXPECT_EQ(closed.result(), QDialog::Rejected);
    EXPECT_EQ(OptPrecision, 3);
}

TEST_F(SettingsTest, PrecisionOutsideZeroToFifteenIsRefused)
{
    // Every refusal says the range, naming the field by its caption.
    const QString expected = QStringLiteral("Decimals go from 0 to 15: please, correct the field [ %1 ]")
                                 .arg(langText(QStringLiteral("floatprecise")));
    const struct {
        const char* typed;
        bool accepted;
        int precision;
    } cases[] = {
        {"0", true, 0},    {"15", true, 15},   {" 7", true, 7},   {"16", false, 0},
        {"-1", false, 0},  {"abc", false, 0},  {"", false, 0},    {"3.0", false, 0},
        {"3,5", false, 0}, {"99999999999", false, 0}, {"$F", true, 15}, {"0x10", false, 0},
    };
    for (const auto& c : cases) {
        OptPrecision = 2;
        messages.clear();
        TfrmSettings dialog;
        dialog.translate();
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        auto* precision = control<QLineEdit>(dialog, "edtFloatPrecise");
        precision->setText(QString::fromUtf8(c.typed));
        control<QPushButton>(dialog, "btnOK")->setFocus();
        QTest::mouseClick(control<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
        if (c.accepted) {
            EXPECT_TRUE(messages.isEmpty()) << c.typed;
            EXPECT_EQ(OptPrecision, c.precision) << c.typed;
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.typed;
        } else {
            EXPECT_EQ(messages, QStringList {expected}) << c.typed;
            EXPECT_EQ(OptPrecision, 2) << c.typed;
            EXPECT_TRUE(dialog.isVisible()) << c.typed;
            EXPECT_TRUE(precision->hasFocus()) << c.typed;
        }
    }
}

TEST_F(SettingsTest, LayoutAndTexts)
{
    TfrmSettings dialog;
    EXPECT_EQ(control<QLabel>(dialog, "lblFloatPrecise")->text(), QStringLiteral("Float precise"));
    dialog.translate();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(dialog.size(), QSize(239, 199));
    auto* pages = control<QTabWidget>(dialog, "pgSettings");
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(pages->tabText(0), langText(QStringLiteral("calculation")));
    auto* separators = control<QComboBox>(dialog, "cbxDecSeparator");
    ASSERT_EQ(separators->count(), 2);
    EXPECT_EQ(separators->itemText(0), langText(QStringLiteral("dot")));
    EXPECT_EQ(separators->itemText(1), langText(QStringLiteral("comma")));
    auto* languages = control<QComboBox>(dialog, "cbxLanguage");
    ASSERT_EQ(languages->count(), 2);
    EXPECT_EQ(languages->itemText(0), QStringLiteral("English"));
    EXPECT_EQ(languages->currentIndex(), 0);
    expectNothingClipped(dialog);
    // The labels end before the fields to their right.
    EXPECT_LE(control<QLabel>(dialog, "lblFloatPrecise")->geometry().right(),
              control<QLineEdit>(dialog, "edtFloatPrecise")->x());
    EXPECT_LE(control<QLabel>(dialog, "lblDecSeparator")->geometry().right(),
              control<QComboBox>(dialog, "cbxDecSeparator")->x());

    ASSERT_TRUE(loadLanguage(DataLangs + QStringLiteral("kolvent.ru"), QStringLiteral("DEFAULT")));
    dialog.translate();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Настройки"));
    expectNothingClipped(dialog);
    EXPECT_LE(control<QLabel>(dialog, "lblFloatPrecise")->geometry().right(),
              control<QLineEdit>(dialog, "edtFloatPrecise")->x());
    EXPECT_LE(control<QLabel>(dialog, "lblDecSeparator")->geometry().right(),
              control<QComboBox>(dialog, "cbxDecSeparator")->x());
}

using AboutTest = DialogTest;

TEST_F(AboutTest, ShowsPictureTextsAndOpensAddresses)
{
    QTemporaryDir dir;
    const QString iconPath = dir.filePath("kolvent.gif");
    {
        int error = 0;
        GifFileType* gif = EGifOpenFileName(QFile::encodeName(iconPath).constData(), false, &error);
        ASSERT_NE(gif, nullptr);
        GifColorType colours[2] = {{0, 0, 128}, {255, 255, 255}};
        ColorMapObject* map = GifMakeMapObject(2, colours);
        EGifPutScreenDesc(gif, 4, 4, 1, 1, map);
        EGifPutImageDesc(gif, 0, 0, 4, 4, false, nullptr);
        GifPixelType row[4] = {0, 1, 0, 1};
        for (int y = 0; y < 4; ++y)
            EGifPutLine(gif, row, 4);
        GifFreeMapObject(map);
        ASSERT_EQ(EGifCloseFile(gif, &error), GIF_OK);
    }
    TfrmAbout about(iconPath);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Kolvent"));
    EXPECT_EQ(about.size(), QSize(255, 140));
    auto* icon = control<QLabel>(about, "ProgramIcon");
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(icon->geometry(), QRect(9, 8, 72, 51));
    EXPECT_EQ(control<QLabel>(about, "Label1")->text(), QStringLiteral("Version 0.9.2"));
    EXPECT_EQ(control<QLabel>(about, "Label4")->text(), QStringLiteral("Please send your comments to"));
    expectNothingClipped(about);

    QList<QUrl> opened;
    const auto previous = TfrmAbout::setUrlOpener([&](const QUrl& url) { opened.append(url); });
    about.show();
    QTest::mouseClick(control<QLabel>(about, "lblWebSite"), Qt::LeftButton);
    QTest::mouseClick(control<QLabel>(about, "lblEmail"), Qt::LeftButton);
    TfrmAbout::setUrlOpener(previous);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl(KolventWebSite));
    EXPECT_EQ(opened[1].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opened[1].path(), KolventEmail);
    EXPECT_TRUE(about.isVisible());
    QTest::mouseClick(control<QPushButton>(about, "OKButton"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());

    TfrmAbout withoutPicture(dir.filePath("missing.gif"));
    EXPECT_TRUE(control<QLabel>(withoutPicture, "ProgramIcon")->pixmap().isNull());

    // in Russian, and in English again where a language file gives no texts
    ASSERT_TRUE(loadLanguage(DataLangs + QStringLiteral("kolvent.ru"), QStringLiteral("DEFAULT")));
    about.translate();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе Kolvent"));
    EXPECT_EQ(control<QLabel>(about, "Label1")->text(), QStringLiteral("Версия 0.9.2"));
    EXPECT_EQ(control<QLabel>(about, "Label4")->text(), langText(QStringLiteral("aboutcomments")));
    EXPECT_EQ(control<QPushButton>(about, "OKButton")->text(), QStringLiteral("ОК"));
    expectNothingClipped(about);
    loadLanguage(QString(), QStringLiteral("DEFAULT"));
    about.translate();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Kolvent"));
    EXPECT_EQ(control<QLabel>(about, "Label1")->text(), QStringLiteral("Version 0.9.2"));
}

} // namespace

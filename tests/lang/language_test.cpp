// SPDX-License-Identifier: MIT
#include "lang/error.h"
#include "lang/language.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class LanguageFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    // Leaves the shared table empty, as the program finds it at start.
    void TearDown() override { LangStrings->clear(); }

    QString write(const char* name, const QByteArray& text)
    {
        const QString path = m_dir.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

private:
    QTemporaryDir m_dir;
};

TEST_F(LanguageFile, LoadsTheSectionWithItsRules)
{
    const QString file = write("kolvent.xx", "[FORMCategories]\nselshape=wrong section\n"
                                             "[default]\n"
                                             "SelShape = Pick one\n"
                                             "calculate=\"  Go  \"\n"
                                             "empty=\n"
                                             "quotes=\"\"\n"
                                             "=nameless\n"
                                             "selshape=second value\n"
                                             "btnOK.hint=kept as it is\n");
    ASSERT_TRUE(loadLanguage(file, QStringLiteral("DEFAULT")));
    EXPECT_EQ(LangStrings->count(), 3);
    EXPECT_EQ(LangStrings->keyAt(0).text(), QStringLiteral("SelShape"));
    struct Case {
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"selshape", "Pick one"}, {"SELSHAPE", "Pick one"}, {"calculate", "  Go  "},
        {"empty", ""},            {"quotes", ""},           {"btnok.HINT", "kept as it is"},
        {"absent", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(langText(QString::fromUtf8(c.key)), QString::fromUtf8(c.expected)) << c.key;
    EXPECT_FALSE(LangStrings->find(QStringLiteral("empty")));
}

TEST_F(LanguageFile, EachLoadReplacesTheTableWholesale)
{
    const QString first = write("kolvent.a", "[DEFAULT]\nok=OK\ncancel=Cancel\n");
    const QString second = write("kolvent.b", "[DEFAULT]\nok=Хорошо\n");
    const QString noSection = write("kolvent.c", "[Other]\nok=x\n");
    const IStringArray heldByAWindow = LangStrings;

    ASSERT_TRUE(loadLanguage(first, QStringLiteral("DEFAULT")));
    ASSERT_TRUE(loadLanguage(second, QStringLiteral("DEFAULT")));
    EXPECT_EQ(langText(QStringLiteral("ok")), QStringLiteral("Хорошо"));
    EXPECT_EQ(langText(QStringLiteral("cancel")), QString());
    EXPECT_EQ(heldByAWindow->count(), 1);

    EXPECT_TRUE(loadLanguage(noSection, QStringLiteral("DEFAULT")));
    EXPECT_EQ(LangStrings->count(), 0);

    ASSERT_TRUE(loadLanguage(first, QStringLiteral("DEFAULT")));
    EXPECT_TRUE(loadLanguage(path("kolvent.missing"), QStringLiteral("DEFAULT")));
    EXPECT_EQ(LangStrings->count(), 0);
}

TEST_F(LanguageFile, AReaderFailureKeepsTheTexts)
{
    const QString good = write("kolvent.en", "[DEFAULT]\nok=OK\n");
    ASSERT_TRUE(loadLanguage(good, QStringLiteral("DEFAULT")));
    EXPECT_FALSE(loadLanguage(path(""), QStringLiteral("DEFAULT")));
    EXPECT_EQ(langText(QStringLiteral("ok")), QStringLiteral("OK"));
}

TEST(Languages, KnowsEnglishThenRussian)
{
    ASSERT_EQ(Languages->count(), 2);
    EXPECT_EQ(Languages->keyAt(0).text(), QStringLiteral("en"));
    EXPECT_EQ(Languages->keyAt(1).text(), QStringLiteral("ru"));
    EXPECT_EQ(Languages->getString(QStringLiteral("EN")), QStringLiteral("English"));
    EXPECT_EQ(Languages->getString(QStringLiteral("ru")), QStringLiteral("Русский"));
}

TEST(CorrectFieldMessage, NamesTheFieldInEitherLanguage)
{
    struct Case {
        const char* field;
        const char* language;
        const char* expected;
    };
    const Case cases[] = {
        {"a", "en", "Please, correct the content of the field [ a ]"},
        {"Float precise", "EN", "Please, correct the content of the field [ Float precise ]"},
        {"h", "ru", "Пожалуйста, исправьте содержимое поля [ h ]"},
        {"%s", "en", "Please, correct the content of the field [ %s ]"},
        {"", "en", "Please, correct the content of the field [  ]"},
        {"w", "de", "Please, correct the content of the field [ w ]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(correctFieldMessage(QString::fromUtf8(c.field), QString::fromUtf8(c.language)),
                  QString::fromUtf8(c.expected))
            << c.field << " " << c.language;
    }
    EXPECT_EQ(MsgCorrectField->count(), 2);
}

} // namespace

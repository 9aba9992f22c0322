// SPDX-License-Identifier: MIT
#include "lang/profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TProfile parse(const char* text)
{
    return TProfile::parse(QByteArray(text));
}

TEST(Profile, NamesIgnoreCaseAndBlanksAndQuotesAreStripped)
{
    const TProfile profile = parse("[Default]\n"
                                   "  SelShape  =   Click here  \n"
                                   "quoted = \"  spaced out  \"\n"
                                   "single='one'\n"
                                   "unmatched = \"left only\n"
                                   "mixed = \"a'\n");
    struct Case {
        const char* section;
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"DEFAULT", "selshape", "Click here"},
        {"default", "SELSHAPE", "Click here"},
        {"Default", "quoted", "  spaced out  "},
        {"Default", "single", "one"},
        {"Default", "unmatched", "\"left only"},
        {"Default", "mixed", "\"a'"},
        {"Default", "absent", ""},
        {"Other", "selshape", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(profile.value(QString::fromUtf8(c.section), QString::fromUtf8(c.name)),
                  QString::fromUtf8(c.expected))
            << c.section << "/" << c.name;
    }
    EXPECT_EQ(profile.entryNames(QStringLiteral("DEFAULT")),
              QStringList({QStringLiteral("SelShape"), QStringLiteral("quoted"), QStringLiteral("single"),
                           QStringLiteral("unmatched"), QStringLiteral("mixed")}));
}

TEST(Profile, FirstValueWinsAndFileOrderIsKept)
{
    const TProfile profile = parse("[s]\nb=1\na=2\nB=3\nc=4\n[t]\nb=other\n[S]\na=5\nd=6\n");
    EXPECT_EQ(profile.entryNames(QStringLiteral("s")),
              QStringList({QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("b")), QStringLiteral("1"));
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("a")), QStringLiteral("2"));
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("d")), QStringLiteral("6"));
    EXPECT_EQ(profile.value(QStringLiteral("t"), QStringLiteral("b")), QStringLiteral("other"));
}

TEST(Profile, ValuesAreKeptLiterally)
{
    const TProfile profile = parse("[s]\r\n"
                                   "list = a, b, c\r\n"
                                   "path = C:\\langs\\kolvent.en\r\n"
                                   "variant = @Variant(\\0\\0\\0)\r\n"
                                   "semi = one; two\r\n"
                                   "eq = x=y\r\n"
                                   "; comment = no\r\n"
                                   "no equals sign\r\n"
                                   "utf = Русский\r\n");
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("list")), QStringLiteral("a, b, c"));
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("path")), QStringLiteral("C:\\langs\\kolvent.en"));
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("variant")), QStringLiteral("@Variant(\\0\\0\\0)"));
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("semi")), QStringLiteral("one; two"));
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("eq")), QStringLiteral("x=y"));
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("utf")), QStringLiteral("Русский"));
    EXPECT_EQ(profile.entryNames(QStringLiteral("s")).size(), 6);
}

TEST(Profile, EntriesBeforeAnySectionAndBrokenHeadersAreIgnored)
{
    const TProfile profile = parse("\xEF\xBB\xBF" "top=1\n[broken\nx=2\n[s]\ny=3");
    EXPECT_FALSE(profile.hasSection(QString()));
    EXPECT_TRUE(profile.hasSection(QStringLiteral("s")));
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("y")), QStringLiteral("3"));
    EXPECT_EQ(profile.entryNames(QStringLiteral("s")), QStringList({QStringLiteral("y")}));
}

TEST(Profile, HostileBytesNeverStopTheReader)
{
    QByteArray text("[s]\nlong=");
    text += QByteArray(200000, 'x');
    text += "\nnul=a";
    text += '\0';
    text += "b\nbad=\xFF\xFE\xC3\nafter=ok\n";
    const TProfile profile = TProfile::parse(text);
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("long")).size(), 200000);
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("nul")).size(), 3);
    EXPECT_FALSE(profile.value(QStringLiteral("s"), QStringLiteral("bad")).isEmpty());
    EXPECT_EQ(profile.value(QStringLiteral("s"), QStringLiteral("after")), QStringLiteral("ok"));
}

TEST(Profile, FilesThatAreMissingOrNotReadable)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    const std::optional<TProfile> missing = TProfile::read(dir.filePath(QStringLiteral("absent.en")));
    ASSERT_TRUE(missing);
    EXPECT_TRUE(missing->entryNames(QStringLiteral("DEFAULT")).isEmpty());

    EXPECT_FALSE(TProfile::read(dir.path()));

    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(TProfile::read(fifo));

    const QString large = dir.filePath(QStringLiteral("large"));
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[DEFAULT]\nok=1\n");
    file.write(QByteArray(TProfile::MaxFileSize, ';'));
    file.close();
    EXPECT_FALSE(TProfile::read(large));

    const QString good = dir.filePath(QStringLiteral("good"));
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::WriteOnly));
    goodFile.write("[DEFAULT]\nok=1\n");
    goodFile.close();
    const std::optional<TProfile> read = TProfile::read(good);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->value(QStringLiteral("default"), QStringLiteral("OK")), QStringLiteral("1"));
}

} // namespace

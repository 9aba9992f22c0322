// SPDX-License-Identifier: MIT
// Where the program finds its data: share/kolvent beside bin/ once installed,
// its own folder in the build tree.
#include "ui/installation.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DataFolder, InstalledLayoutBuildTreeAndIncompleteShareFolder)
{
    const struct {
        const char* name;
        QStringList folders; // made below the root
        const char* expected; // relative to the root
    } rows[] = {
        {"installed", {"usr/bin", "usr/share/kolvent/langs", "usr/share/kolvent/img"}, "usr/share/kolvent"},
        {"build tree", {"usr/bin/langs", "usr/bin/img"}, "usr/bin"},
        {"share folder without pictures", {"usr/bin/langs", "usr/bin/img", "usr/share/kolvent/langs"}, "usr/bin"},
        {"nothing anywhere", {"usr/bin"}, "usr/bin"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        for (const QString& folder : row.folders)
            ASSERT_TRUE(QDir(root.path()).mkpath(folder));
        const QString found = dataFolderFor(root.filePath(QStringLiteral("usr/bin")));
        EXPECT_EQ(QDir(found).canonicalPath(), QDir(root.filePath(QString::fromLatin1(row.expected))).canonicalPath());
    }
}

TEST(DataFolder, TheRunningTestFindsTheDataCopiedBesideTheBuild)
{
    // The test binaries live in the build tree, beside langs/ and img/.
    EXPECT_TRUE(QDir(dataFolder()).exists(QStringLiteral("langs/kolvent.en")));
    EXPECT_TRUE(QDir(dataFolder()).exists(QStringLiteral("img/ui/kolvent.gif")));
}

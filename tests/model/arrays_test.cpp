// SPDX-License-Identifier: MIT
#include "model/arrays.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList keysInOrder(const TArrayPtr& array)
{
    QStringList keys;
    for (int i = 0; i < array->count(); ++i)
        keys << array->keyAt(i).text();
    return keys;
}

TEST(TArray, IteratesInFirstInsertionOrderAndFindsByKey)
{
    auto array = TArray::create();
    array->setString("b", "1");
    array->setString("a", "2");
    array->setString("c", "3");
    EXPECT_EQ(keysInOrder(array), QStringList({"b", "a", "c"}));
    const char* keys[] = {"b", "a", "c"};
    for (int expected = 0; expected < 3; ++expected) {
        int position = -2;
        EXPECT_TRUE(array->find(keys[expected], &position));
        EXPECT_EQ(position, expected);
    }
    int position = 7;
    EXPECT_FALSE(array->find("d", &position));
    EXPECT_EQ(position, -1);
}

TEST(TArray, TextKeysIgnoreLetterCaseAndKeepTheFirstSpelling)
{
    auto array = TArray::create();
    array->setString("a", "first");
    array->setString("x", "other");
    array->setString("A", "second");
    EXPECT_EQ(array->count(), 2);
    EXPECT_EQ(array->keyAt(0).text(), "a");
    EXPECT_EQ(array->getString("a"), "second");
    EXPECT_EQ(array->getString("A"), "second");
}

TEST(TArray, IntegerAndTextKeysAreDistinct)
{
    auto array = TArray::create();
    array->setInteger(1, 10);
    array->setInteger("1", 20);
    array->setInteger(-5, 30);
    EXPECT_EQ(array->count(), 3);
    EXPECT_EQ(array->getInteger(1), 10);
    EXPECT_EQ(array->getInteger("1"), 20);
    EXPECT_EQ(array->getInteger(-5), 30);
    EXPECT_FALSE(array->keyAt(0).isText());
}

TEST(TArray, AbsentKeysReadEmptyWithoutAddingButChildAdds)
{
    auto array = TArray::create();
    EXPECT_EQ(array->getString("none"), QString());
    EXPECT_EQ(array->getInteger("none"), 0);
    EXPECT_EQ(array->count(), 0);
    auto child = array->child("group");
    ASSERT_TRUE(child);
    EXPECT_EQ(array->count(), 1);
    EXPECT_EQ(array->child("GROUP"), child);
}

TEST(TArray, ManyKeysStaySearchableAfterRandomInsertion)
{
    auto array = TArray::create();
    QStringList inserted;
    for (int i = 0; i < 200; ++i) {
        const QString key = QStringLiteral("k%1").arg((i * 37) % 200);
        inserted << key;
        array->setInteger(key, i);
    }
    EXPECT_EQ(keysInOrder(array), inserted);
    for (int i = 0; i < 200; ++i) {
        int position = -1;
        ASSERT_TRUE(array->find(inserted[i].toUpper(), &position));
        EXPECT_EQ(position, i);
        EXPECT_EQ(array->getInteger(inserted[i]), i);
    }
}

TEST(TArray, RenameKeyKeepsPositionAndValue)
{
    auto array = TArray::create();
    array->setString("x", "1");
    array->setString("z", "2");
    EXPECT_TRUE(array->renameKey("x", "y"));
    EXPECT_EQ(keysInOrder(array), QStringList({"y", "z"}));
    EXPECT_EQ(array->getString("y"), "1");
    EXPECT_FALSE(array->find("x"));

    EXPECT_FALSE(array->renameKey("y", "Z"));
    EXPECT_FALSE(array->renameKey("missing", "w"));
    EXPECT_EQ(keysInOrder(array), QStringList({"y", "z"}));
    // The renamed key is found in its new sorted place.
    EXPECT_TRUE(array->renameKey("y", "zz"));
    EXPECT_EQ(array->getString("ZZ"), "1");
    EXPECT_EQ(array->getString("z"), "2");
}

TEST(TArray, CursorWalksEveryEntryOnceAndStopsPastTheLast)
{
    auto array = TArray::create();
    EXPECT_TRUE(array->eof());
    array->first();
    EXPECT_TRUE(array->eof());

    array->setString("one", "1");
    array->setString("two", "2");
    array->setString("three", "3");
    EXPECT_TRUE(array->eof()) << "storing does not clear eof until first";
    QStringList walked;
    for (array->first(); !array->eof(); array->next())
        walked << array->currentKey().text() + "=" + array->currentString();
    EXPECT_EQ(walked, QStringList({"one=1", "two=2", "three=3"}));
    EXPECT_EQ(array->currentKey().text(), "three") << "the cursor stays on the last entry";
}

TEST(TArray, PositionsOutsideTheEntriesRaiseWithThePosition)
{
    auto array = TArray::create();
    array->setString("a", "1");
    try {
        array->keyAt(1);
        FAIL() << "no exception";
    } catch (const EArrayError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Индекс за пределами массива (1)"));
    }
    EXPECT_THROW(array->keyAt(-1), EArrayError);
    auto empty = TArray::create();
    empty->first();
    EXPECT_THROW(empty->currentKey(), EArrayError);
}

TEST(TArray, NestedArraysHaveOwnValueAndOutliveClear)
{
    auto root = TArray::create();
    auto solid = root->child("solid");
    solid->child("conical")->child("en")->setNodeText("Cones");
    EXPECT_EQ(root->child("SOLID")->child("Conical")->child("EN")->nodeText(), "Cones");
    EXPECT_EQ(solid->nodeText(), QString());

    root->clear();
    EXPECT_EQ(root->count(), 0);
    EXPECT_EQ(solid->child("conical")->child("en")->nodeText(), "Cones");
}

TEST(TArray, CurrentChildCreatesAnArrayInAnEmptyEntry)
{
    auto root = TArray::create();
    root->setChild("g", TArray::create());
    root->first();
    auto first = root->currentChild();
    first->setNodeText("title");
    EXPECT_EQ(root->child("g")->nodeText(), "title");
    EXPECT_EQ(root->currentChild(), first);
}

TEST(TArray, StoringUnderAnExistingKeyReplacesTheValueInPlace)
{
    auto array = TArray::create();
    array->setString("a", "1");
    array->setString("b", "2");
    array->setString("A", "3");
    array->setInteger("b", 4);
    EXPECT_EQ(keysInOrder(array), QStringList({"a", "b"}));
    EXPECT_EQ(array->getString("a"), "3");
    EXPECT_EQ(array->getInteger("b"), 4);
}

} // namespace

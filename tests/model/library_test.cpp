// SPDX-License-Identifier: MIT
#include "model/primitive2D.h"
#include "model/primitivesLibrary.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// A flat shape with the identity it is given.
class TLabelled : public T2DPrimitive {
public:
    TLabelled(QString id, QString category, QString group)
        : m_id(std::move(id)), m_category(std::move(category)), m_group(std::move(group))
    {
    }
    bool init() override
    {
        const bool result = T2DPrimitive::init();
        setId(m_id);
        setCategory(m_category);
        setGroup(m_group);
        return result;
    }
    double getMeasure() const override { return 0; }
    double getArea() const override { return 0; }

private:
    QString m_id;
    QString m_category;
    QString m_group;
};

QStringList names(const TNameList* list)
{
    QStringList result;
    if (list) {
        for (const auto& entry : *list)
            result << entry.first;
    }
    return result;
}

TPrimitive* add(TPrimitivesLibrary& library, const char* id, const char* category, const char* group)
{
    auto shape = create<TLabelled>(QString::fromUtf8(id), QString::fromUtf8(category), QString::fromUtf8(group));
    TPrimitive* raw = shape.get();
    library.addPrimitive(std::move(shape));
    return raw;
}

TEST(TPrimitivesLibrary, ListsAreSortedWithoutRegardToCase)
{
    TPrimitivesLibrary library;
    add(library, "cylinder", "round", "solid");
    add(library, "cone:round:frustum", "round", "solid");
    add(library, "Cone:round", "round", "solid");
    add(library, "cone:elliptic", "round", "solid");
    add(library, "cone", "round", "solid");
    const QStringList sorted({"cone", "cone:elliptic", "Cone:round", "cone:round:frustum", "cylinder"});
    EXPECT_EQ(names(&library.shapesById()), sorted);
    EXPECT_EQ(names(library.getCategoryList("ROUND")), sorted);
    EXPECT_EQ(names(library.getGroupList("solid")), sorted);
}

TEST(TPrimitivesLibrary, TheFirstPrototypeKeepsAnId)
{
    TPrimitivesLibrary library;
    TPrimitive* first = add(library, "circle", "circular", "flat");
    add(library, "CIRCLE", "other", "solid");
    EXPECT_EQ(library.findPrimitive("Circle"), first);
    EXPECT_EQ(library.shapesById().size(), 1u);
    EXPECT_EQ(library.getCategoryList("other"), nullptr);
    EXPECT_EQ(library.getGroupList("solid"), nullptr);
    EXPECT_EQ(names(library.getCategoryList("circular")), QStringList({"circle"}));
    library.addPrimitive(nullptr);
    EXPECT_EQ(library.shapesById().size(), 1u);
}

TEST(TPrimitivesLibrary, CategoriesSplitAtEveryColon)
{
    struct Case {
        const char* category;
        QStringList expected;
    };
    const Case cases[] = {
        {"prismatic", {"prismatic"}},
        {"polygonal:regular", {"polygonal", "regular"}},
        {"x:", {"x"}},
        {":x", {"", "x"}},
        {"cuboids:cuboids", {"cuboids"}},
    };
    for (const Case& c : cases) {
        TPrimitivesLibrary library;
        TPrimitive* shape = add(library, "s", c.category, "flat");
        for (const QString& name : c.expected) {
            const TNameList* list = library.getCategoryList(name);
            ASSERT_TRUE(list) << c.category << " lacks " << name.toStdString();
            ASSERT_EQ(list->size(), 1u) << c.category;
            EXPECT_EQ(list->front().second, shape);
        }
    }
    TPrimitivesLibrary library;
    add(library, "s", "x:", "flat");
    EXPECT_EQ(library.getCategoryList(""), nullptr) << "an empty last piece is not a category";
}

TEST(TPrimitivesLibrary, GroupsRegisterEveryLeadingPath)
{
    TPrimitivesLibrary library;
    TPrimitive* shape = add(library, "s", "c", "a:b");
    add(library, "t", "c", "a");
    EXPECT_EQ(names(library.getGroupList("a")), QStringList({"s", "t"}));
    EXPECT_EQ(names(library.getGroupList("A:B")), QStringList({"s"}));
    EXPECT_EQ(library.getGroupList("a:b")->front().second, shape);
    EXPECT_EQ(library.getGroupList("b"), nullptr);
    EXPECT_EQ(library.getGroupList("none"), nullptr);
}

TEST(NameList, AddSortedUniqueIgnoresADuplicateInAnyCase)
{
    TNameList list;
    EXPECT_TRUE(addSortedUnique(list, "b", nullptr));
    EXPECT_TRUE(addSortedUnique(list, "a", nullptr));
    EXPECT_FALSE(addSortedUnique(list, "B", nullptr));
    EXPECT_EQ(names(&list), QStringList({"a", "b"}));
}

} // namespace

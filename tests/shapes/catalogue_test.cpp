// SPDX-License-Identifier: MIT
#include "shapes/catalogue.h"

#include "model/primitivesLibrary.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList idsOf(const TNameList* list)
{
    QStringList ids;
    if (list) {
        for (const auto& entry : *list)
            ids << entry.first;
    }
    return ids;
}

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override { registerCatalogue(library); }
    TPrimitivesLibrary library;
};

TEST_F(Catalogue, RegistersTheShapesInTheOrderOfTheTable)
{
    const QStringList expected = {
        "rhomb", "triangle", "triangle:isosceles:2", "ellipse", "cone:elliptic", "ellipse:half",
        "triangle:isosceles:1", "triangle:equilateral", "square", "trapezium:isosceles", "ellipse:halves",
        "ellipsoid:half", "sphere", "circle", "spheroid:half", "spheroid", "ellipsoid", "cone:round:frustum",
        "cylinder", "cylinder:elliptic:half", "prism", "prism:square", "prism:triangle", "regpolygon",
        "prism:right", "circle:half", "rectangle", "prism:rectangle", "cylinder:round:half", "cylinder:elliptic",
        "cylinder:round", "prism:rhomb", "sphere:cap", "sphere:half", "cone:round"};
    QStringList registered;
    for (const auto& prototype : library.prototypes())
        registered << prototype->getId();
    EXPECT_EQ(registered, expected);
    EXPECT_EQ(library.shapesById().size(), 35u);
}

TEST_F(Catalogue, GroupsHoldFourteenFlatAndTwentyOneSolidShapes)
{
    EXPECT_EQ(idsOf(library.getGroupList("flat")),
              QStringList({"circle", "circle:half", "ellipse", "ellipse:half", "ellipse:halves", "rectangle",
                           "regpolygon", "rhomb", "square", "trapezium:isosceles", "triangle",
                           "triangle:equilateral", "triangle:isosceles:1", "triangle:isosceles:2"}));
    EXPECT_EQ(idsOf(library.getGroupList("solid")),
              QStringList({"cone:elliptic", "cone:round", "cone:round:frustum", "cylinder", "cylinder:elliptic",
                           "cylinder:elliptic:half", "cylinder:round", "cylinder:round:half", "ellipsoid",
                           "ellipsoid:half", "prism", "prism:rectangle", "prism:rhomb", "prism:right", "prism:square",
                           "prism:triangle", "sphere", "sphere:cap", "sphere:half", "spheroid", "spheroid:half"}));
    EXPECT_EQ(library.getGroupList("none"), nullptr);
}

TEST_F(Catalogue, CategoriesHoldTheirShapes)
{
    struct Row {
        const char* category;
        QStringList ids;
    };
    const Row rows[] = {
        {"parallelograms", {"rectangle", "rhomb", "square"}},
        {"triangular", {"triangle", "triangle:equilateral", "triangle:isosceles:1", "triangle:isosceles:2"}},
        {"circular", {"circle", "circle:half", "ellipse", "ellipse:half", "ellipse:halves"}},
        {"polygonal", {"regpolygon", "trapezium:isosceles"}},
        {"regular", {"regpolygon"}},
        {"conical", {"cone:elliptic", "cone:round", "cone:round:frustum"}},
        {"spherical",
         {"ellipsoid", "ellipsoid:half", "sphere", "sphere:cap", "sphere:half", "spheroid", "spheroid:half"}},
        {"cylindrical",
         {"cylinder", "cylinder:elliptic", "cylinder:elliptic:half", "cylinder:round", "cylinder:round:half"}},
        {"prismatic",
         {"prism", "prism:rectangle", "prism:rhomb", "prism:right", "prism:square", "prism:triangle"}},
        {"cuboids", {"prism:rectangle", "prism:square"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(idsOf(library.getCategoryList(row.category)), row.ids) << row.category;
    EXPECT_EQ(library.getCategoryList("none"), nullptr);
}

} // namespace

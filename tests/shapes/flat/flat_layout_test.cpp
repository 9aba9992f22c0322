// SPDX-License-Identifier: MIT
// Identity and variable tables of every flat shape: these build the
// calculator's rows, inputs first in declaration order, then the results.
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"
#include "shapes/flat/pr2Circle.h"
#include "shapes/flat/pr2Parallelograms.h"
#include "shapes/flat/pr2Polygonal.h"
#include "shapes/flat/pr2Triangle.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace {

struct Layout {
    std::function<std::unique_ptr<T2DPrimitive>()> make;
    const char* id;
    const char* classId;
    const char* category;
    const char* image;
    // Every variable in table order, marked: "+" input, "*" extra, "-" hidden.
    std::vector<const char*> vars;
    // The extras in the order of their result rows.
    std::vector<const char*> extras;
};

const std::vector<Layout>& layouts()
{
    static const std::vector<Layout> table = {
        {[] { return create<T2DTriangle>(); }, "triangle", "triangle", "triangular", "triangle.gif",
         {"+a", "+b", "+c", "*ha", "*hb", "*hc"}, {"ha", "hb", "hc"}},
        {[] { return create<T2DTriangleIsosceles2>(); }, "triangle:isosceles:2", "triangle:isosceles:2",
         "triangular", "triangle_isosceles_2.gif", {"+a", "*b", "*c", "*ha", "*hb", "*hc", "+h"},
         {"ha", "hb", "hc", "b", "c"}},
        {[] { return create<T2DTriangleIsosceles>(); }, "triangle:isosceles:1", "triangle:isosceles:1",
         "triangular", "triangle_isosceles.gif", {"+a", "+b", "-c", "*ha", "*hb", "*hc"}, {"ha", "hb", "hc"}},
        {[] { return create<T2DTriangleEquilateral>(); }, "triangle:equilateral", "triangle:equilateral",
         "triangular", "triangle_equilateral.gif", {"+a", "-b", "-c", "*ha", "*hb", "*hc"}, {"ha", "hb", "hc"}},
        {[] { return create<T2DRhomb>(); }, "rhomb", "rhomb", "parallelograms", "rhomb.gif", {"+a", "+b", "-s"}, {}},
        {[] { return create<T2DSquare>(); }, "square", "square", "parallelograms", "square.gif", {"+a"}, {}},
        {[] { return create<T2DRectangle>(); }, "rectangle", "rectangle", "parallelograms", "rectangle.gif",
         {"+a", "+b"}, {}},
        {[] { return create<T2DTrapeziumIsosceles>(); }, "trapezium:isosceles", "trapezium", "polygonal",
         "trapezium_isosceles.gif", {"+a", "+b", "+c"}, {}},
        {[] { return create<T2DPolygonRegular>(); }, "regpolygon", "regpolygon", "polygonal:regular",
         "polygon_regular.gif", {"+a", "+n"}, {}},
        {[] { return create<T2DCircle>(); }, "circle", "circle", "circular", "circle.gif", {"+a"}, {}},
        {[] { return create<T2DCircleHalf>(); }, "circle:half", "circle:half", "circular", "circle_half.gif",
         {"+a"}, {}},
        {[] { return create<T2DEllipse>(); }, "ellipse", "ellipse", "circular", "ellipse.gif", {"+a", "+b"}, {}},
        {[] { return create<T2DEllipseHalf>(); }, "ellipse:half", "ellipse:half", "circular", "ellipse_half.gif",
         {"+a", "+b"}, {}},
        {[] { return create<T2DEllipseHalves>(); }, "ellipse:halves", "ellipse:halves", "circular",
         "ellipse_halves.gif", {"+a", "+c", "+b"}, {}},
    };
    return table;
}

TEST(FlatLayout, IdentityVariablesAndKindsInOrder)
{
    for (const Layout& layout : layouts()) {
        SCOPED_TRACE(layout.id);
        auto shape = layout.make();
        EXPECT_EQ(shape->getId(), QLatin1String(layout.id));
        EXPECT_EQ(shape->getClassId(), QLatin1String(layout.classId));
        EXPECT_EQ(shape->getCategory(), QLatin1String(layout.category));
        EXPECT_EQ(shape->getGroup(), QStringLiteral("flat"));
        EXPECT_EQ(shape->getImage(), QLatin1String(layout.image));

        ASSERT_EQ(shape->varCount(), static_cast<int>(layout.vars.size()));
        for (int i = 0; i < shape->varCount(); ++i) {
            const QString name = QString::fromLatin1(layout.vars[i] + 1);
            const char kind = layout.vars[i][0];
            EXPECT_EQ(shape->varName(i), name);
            EXPECT_EQ(shape->isInputVar(name), kind == '+') << name.toStdString();
            EXPECT_EQ(shape->isExtraVar(name), kind == '*') << name.toStdString();
        }
        ASSERT_EQ(shape->extraVarCount(), static_cast<int>(layout.extras.size()));
        for (int i = 0; i < shape->extraVarCount(); ++i)
            EXPECT_EQ(shape->extraVarName(i), QLatin1String(layout.extras[i]));
    }
}

TEST(FlatLayout, FreshShapesShowZeros)
{
    for (const Layout& layout : layouts()) {
        SCOPED_TRACE(layout.id);
        auto shape = layout.make();
        for (int i = 0; i < shape->varCount(); ++i)
            EXPECT_EQ(shape->getVar(shape->varName(i)), 0);
        EXPECT_EQ(shape->getMeasure(), 0);
        EXPECT_EQ(shape->getArea(), 0);
    }
}

TEST(FlatLayout, CatalogueRegistersTheFourteenFlatShapes)
{
    TPrimitivesLibrary library;
    registerCatalogue(library);
    const TNameList* flat = library.getGroupList(QStringLiteral("flat"));
    ASSERT_NE(flat, nullptr);
    const QStringList ids = {"circle", "circle:half", "ellipse", "ellipse:half", "ellipse:halves",
                             "rectangle", "regpolygon", "rhomb", "square", "trapezium:isosceles",
                             "triangle", "triangle:equilateral", "triangle:isosceles:1",
                             "triangle:isosceles:2"};
    ASSERT_EQ(flat->size(), static_cast<size_t>(ids.size()));
    for (int i = 0; i < ids.size(); ++i) {
        EXPECT_EQ((*flat)[i].first, ids[i]);
        EXPECT_EQ((*flat)[i].second->getId(), ids[i]);
        EXPECT_NE(dynamic_cast<T2DPrimitive*>((*flat)[i].second), nullptr);
    }

    const struct {
        const char* category;
        QStringList ids;
    } categories[] = {
        {"triangular", {"triangle", "triangle:equilateral", "triangle:isosceles:1", "triangle:isosceles:2"}},
        {"parallelograms", {"rectangle", "rhomb", "square"}},
        {"polygonal", {"regpolygon", "trapezium:isosceles"}},
        {"regular", {"regpolygon"}},
        {"circular", {"circle", "circle:half", "ellipse", "ellipse:half", "ellipse:halves"}},
    };
    for (const auto& c : categories) {
        SCOPED_TRACE(c.category);
        const TNameList* list = library.getCategoryList(QLatin1String(c.category));
        ASSERT_NE(list, nullptr);
        QStringList found;
        for (const auto& entry : *list)
            found << entry.first;
        EXPECT_EQ(found, c.ids);
    }
}

} // namespace

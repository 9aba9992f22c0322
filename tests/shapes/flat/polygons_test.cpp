// SPDX-License-Identifier: MIT
#include "shapes/flat/pr2Parallelograms.h"
#include "shapes/flat/pr2Polygonal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

using Values = std::vector<std::pair<const char*, double>>;

struct ShapeCase {
    const char* name;
    std::function<std::unique_ptr<T2DPrimitive>()> make;
    Values inputs;
    double perimeter;
    double area;
};

// Area of the regular n-gon of side a from its inscribed radius.
double cotangentArea(int n, double a)
{
    return n * a * a / (4 * std::tan(std::numbers::pi / n));
}

const ShapeCase shapeCases[] = {
    {"rhomb 6-8", [] { return create<T2DRhomb>(); }, {{"a", 6}, {"b", 8}}, 20, 24},
    {"square", [] { return create<T2DSquare>(); }, {{"a", 3}}, 12, 9},
    {"rectangle", [] { return create<T2DRectangle>(); }, {{"a", 2}, {"b", 5}}, 14, 10},
    {"trapezium", [] { return create<T2DTrapeziumIsosceles>(); }, {{"a", 10}, {"b", 4}, {"c", 4}}, 24, 28},
    {"trapezium with equal sides", [] { return create<T2DTrapeziumIsosceles>(); }, {{"a", 3}, {"b", 3}, {"c", 2}},
     10, 6},
    {"hexagon", [] { return create<T2DPolygonRegular>(); }, {{"a", 1}, {"n", 6}}, 6, 3 * std::sqrt(3.0) / 2},
    {"square as polygon", [] { return create<T2DPolygonRegular>(); }, {{"n", 4}, {"a", 2}}, 8, 4},
    {"thirteen sides", [] { return create<T2DPolygonRegular>(); }, {{"a", 1}, {"n", 13}}, 13, cotangentArea(13, 1)},
    {"nothing typed yet", [] { return create<T2DPolygonRegular>(); }, {{"a", 0}, {"n", 0}}, 0, 0},
};

class Polygons : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(Polygons, HeadlineResults)
{
    const ShapeCase& c = GetParam();
    auto shape = c.make();
    for (const auto& [name, value] : c.inputs)
        shape->setVar(QString::fromLatin1(name), value);
    EXPECT_NEAR(shape->getMeasure(), c.perimeter, 1e-12 * std::max(1.0, std::fabs(c.perimeter)));
    EXPECT_NEAR(shape->getArea(), c.area, 1e-12 * std::max(1.0, std::fabs(c.area)));
}

INSTANTIATE_TEST_SUITE_P(Flat, Polygons, ::testing::ValuesIn(shapeCases), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.name; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

TEST(Rhomb, SideFollowsTheDiagonalsOnly)
{
    auto shape = create<T2DRhomb>();
    shape->setVar(QStringLiteral("a"), 6);
    shape->setVar(QStringLiteral("b"), 8);
    EXPECT_DOUBLE_EQ(shape->getVar(QStringLiteral("s")), 5);
    shape->setVar(QStringLiteral("s"), 7);
    EXPECT_DOUBLE_EQ(shape->getVar(QStringLiteral("s")), 5);
    shape->setVar(QStringLiteral("a"), 24);
    shape->setVar(QStringLiteral("b"), 10);
    EXPECT_DOUBLE_EQ(shape->getVar(QStringLiteral("s")), 13);
}

TEST(Rhomb, BuiltWithOtherNames)
{
    auto shape = create<T2DRhomb>(QStringLiteral("l"), QStringLiteral("w"), QStringLiteral("side"));
    shape->setVar(QStringLiteral("a"), 6);
    EXPECT_EQ(shape->getVar(QStringLiteral("s")), 0);
    EXPECT_EQ(shape->getMeasure(), 0);
    shape->setVar(QStringLiteral("l"), 6);
    shape->setVar(QStringLiteral("w"), 8);
    EXPECT_DOUBLE_EQ(shape->getVar(QStringLiteral("side")), 5);
    EXPECT_DOUBLE_EQ(shape->getArea(), 24);
    EXPECT_FALSE(shape->isInputVar(QStringLiteral("side")));
}

TEST(QuadrilateralsWithOtherNames, AnswerOnlyToTheirNames)
{
    auto square = create<T2DSquare>(QStringLiteral("l"));
    square->setVar(QStringLiteral("a"), 5);
    square->setVar(QStringLiteral("l"), 3);
    EXPECT_DOUBLE_EQ(square->getArea(), 9);

    auto rectangle = create<T2DRectangle>(QStringLiteral("l"), QStringLiteral("w"));
    rectangle->setVar(QStringLiteral("l"), 2);
    rectangle->setVar(QStringLiteral("w"), 5);
    rectangle->setVar(QStringLiteral("b"), 100);
    EXPECT_DOUBLE_EQ(rectangle->getMeasure(), 14);

    auto polygon = create<T2DPolygonRegular>(QStringLiteral("l"), QStringLiteral("k"));
    polygon->setVar(QStringLiteral("l"), 2);
    polygon->setVar(QStringLiteral("k"), 8);
    polygon->setVar(QStringLiteral("n"), 3);
    EXPECT_DOUBLE_EQ(polygon->getMeasure(), 16);
    EXPECT_NEAR(polygon->getArea(), cotangentArea(8, 2), 1e-12);
}

TEST(PolygonRegular, EveryWholeSideCountMatchesTheCotangentForm)
{
    auto shape = create<T2DPolygonRegular>();
    shape->setVar(QStringLiteral("a"), 1.7);
    for (int n = 3; n <= 30; ++n) {
        shape->setVar(QStringLiteral("n"), n);
        EXPECT_NEAR(shape->getArea(), cotangentArea(n, 1.7), 1e-13 * cotangentArea(n, 1.7)) << n;
        EXPECT_NEAR(shape->getMeasure(), n * 1.7, 1e-13) << n;
    }
}

TEST(PolygonRegular, SideCountsBeyondAnIntAreStillPolygons)
{
    // Nearly a circle of circumference n · a: the area tends to (n · a)² / (4π).
    for (double n : {2147483648.0, 1e10, 1e15}) {
        auto shape = create<T2DPolygonRegular>();
        shape->setVar(QStringLiteral("a"), 2);
        shape->setVar(QStringLiteral("n"), n);
        const double circle = (n * 2) * (n * 2) / (4 * std::numbers::pi);
        EXPECT_NEAR(shape->getArea(), circle, 1e-12 * circle) << n;
        EXPECT_DOUBLE_EQ(shape->getMeasure(), n * 2) << n;
    }
    // Too big for its area to be a double: not a finite result, so refused.
    auto shape = create<T2DPolygonRegular>();
    shape->setVar(QStringLiteral("a"), 2);
    shape->setVar(QStringLiteral("n"), 1e300);
    EXPECT_FALSE(std::isfinite(shape->getArea()));
}

} // namespace

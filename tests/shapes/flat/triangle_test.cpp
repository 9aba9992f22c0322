// SPDX-License-Identifier: MIT
#include "shapes/flat/pr2Triangle.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Values = std::vector<std::pair<const char*, double>>;

void expectRelNear(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, 1e-12 * std::max(1.0, std::fabs(expected)));
}

struct TriangleCase {
    const char* name;
    std::function<std::unique_ptr<T2DTriangle>()> make;
    Values inputs;
    double perimeter;
    double area;
    Values expected; // derived values read back after the inputs
};

// Heights are twice the area over the side they stand on.
const double area13 = 84;
const double sqrt3 = std::sqrt(3.0);

const TriangleCase triangleCases[] = {
    {"right 3-4-5", [] { return create<T2DTriangle>(); }, {{"a", 3}, {"b", 4}, {"c", 5}}, 12, 6,
     {{"ha", 4}, {"hb", 3}, {"hc", 2.4}}},
    {"scalene 13-14-15", [] { return create<T2DTriangle>(); }, {{"a", 13}, {"b", 14}, {"c", 15}}, 42, area13,
     {{"ha", 2 * area13 / 13}, {"hb", 2 * area13 / 14}, {"hc", 2 * area13 / 15}}},
    {"sides in another order", [] { return create<T2DTriangle>(); }, {{"c", 3}, {"a", 5}, {"b", 4}}, 12, 6,
     {{"ha", 2.4}, {"hb", 3}, {"hc", 4}}},
    {"degenerate 1-2-3", [] { return create<T2DTriangle>(); }, {{"a", 1}, {"b", 2}, {"c", 3}}, 6, 0,
     {{"ha", 0}, {"hb", 0}, {"hc", 0}}},
    {"zero side", [] { return create<T2DTriangle>(); }, {{"a", 0}, {"b", 5}, {"c", 5}}, 10, 0,
     {{"ha", 0}, {"hb", 0}, {"hc", 0}}},
    {"isosceles by height", [] { return create<T2DTriangleIsosceles2>(); }, {{"a", 6}, {"h", 4}}, 16, 12,
     {{"b", 5}, {"c", 5}, {"ha", 4}, {"hb", 4.8}, {"hc", 4.8}}},
    {"isosceles by height, height first", [] { return create<T2DTriangleIsosceles2>(); }, {{"h", 4}, {"a", 6}},
     16, 12, {{"b", 5}, {"c", 5}, {"ha", 4}}},
    // Flat: the legs lie along the base.
    {"isosceles of zero height", [] { return create<T2DTriangleIsosceles2>(); }, {{"a", 6}, {"h", 0}}, 12, 0,
     {{"b", 3}, {"c", 3}, {"ha", 0}, {"hb", 0}, {"hc", 0}}},
    {"isosceles of zero base", [] { return create<T2DTriangleIsosceles2>(); }, {{"a", 0}, {"h", 5}}, 10, 0,
     {{"b", 5}, {"c", 5}, {"ha", 5}, {"hb", 0}, {"hc", 0}}},
    {"isosceles by leg", [] { return create<T2DTriangleIsosceles>(); }, {{"a", 6}, {"b", 5}}, 16, 12,
     {{"c", 5}, {"ha", 4}, {"hb", 4.8}, {"hc", 4.8}}},
    {"isosceles flat on its base", [] { return create<T2DTriangleIsosceles>(); }, {{"a", 6}, {"b", 3}}, 12, 0,
     {{"c", 3}, {"ha", 0}, {"hb", 0}}},
    {"equilateral", [] { return create<T2DTriangleEquilateral>(); }, {{"a", 2}}, 6, sqrt3,
     {{"b", 2}, {"c", 2}, {"ha", sqrt3}, {"hb", sqrt3}, {"hc", sqrt3}}},
};

class Triangles : public ::testing::TestWithParam<TriangleCase> {};

TEST_P(Triangles, HeadlineResultsAndHeights)
{
    const TriangleCase& c = GetParam();
    auto shape = c.make();
    for (const auto& [name, value] : c.inputs)
        shape->setVar(QString::fromLatin1(name), value);
    expectRelNear(shape->getMeasure(), c.perimeter);
    expectRelNear(shape->getArea(), c.area);
    for (const auto& [name, value] : c.expected) {
        SCOPED_TRACE(name);
        // Values travel as text of 15 significant digits.
        EXPECT_NEAR(shape->getVar(QString::fromLatin1(name)), value, 1e-13 * std::max(1.0, std::fabs(value)));
    }
}

INSTANTIATE_TEST_SUITE_P(Flat, Triangles, ::testing::ValuesIn(triangleCases),
                         [](const auto& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(Triangle, DegenerateSidesGiveZeroHeightsEvenThroughRounding)
{
    // 0.1 + 0.1 = 0.2 closes on paper; in doubles a radicand falls below zero.
    auto shape = create<T2DTriangle>();
    shape->setVar(QStringLiteral("a"), 0.1);
    shape->setVar(QStringLiteral("b"), 0.1);
    shape->setVar(QStringLiteral("c"), 0.2);
    for (const char* h : {"ha", "hb", "hc"}) {
        const double height = shape->getVar(QString::fromLatin1(h));
        EXPECT_FALSE(std::isnan(height)) << h;
        EXPECT_LT(std::fabs(height), 1e-6) << h;
    }
    EXPECT_EQ(shape->getArea(), 0);
}

TEST(Triangle, HeightsCannotBeTyped)
{
    auto shape = create<T2DTriangle>();
    shape->setVar(QStringLiteral("a"), 3);
    shape->setVar(QStringLiteral("b"), 4);
    shape->setVar(QStringLiteral("c"), 5);
    shape->setVar(QStringLiteral("ha"), 100);
    EXPECT_DOUBLE_EQ(shape->getVar(QStringLiteral("ha")), 4);
    shape->setVar(QStringLiteral("nothing"), 7);
    EXPECT_EQ(shape->varCount(), 6);
    EXPECT_EQ(shape->getVar(QStringLiteral("nothing")), 0);
    EXPECT_DOUBLE_EQ(shape->getVar(QStringLiteral("hc")), 2.4);
}

TEST(Triangle, BuiltWithOtherNamesAnswersOnlyToThem)
{
    auto shape = create<T2DTriangle>(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"));
    const QStringList order = {"x", "y", "z", "ha", "hb", "hc"};
    ASSERT_EQ(shape->varCount(), order.size());
    for (int i = 0; i < order.size(); ++i)
        EXPECT_EQ(shape->varName(i), order[i]);

    shape->setVar(QStringLiteral("a"), 9);
    EXPECT_EQ(shape->getVar(QStringLiteral("a")), 0);
    EXPECT_EQ(shape->varCount(), 6);

    shape->setVar(QStringLiteral("x"), 3);
    shape->setVar(QStringLiteral("y"), 4);
    shape->setVar(QStringLiteral("z"), 5);
    EXPECT_DOUBLE_EQ(shape->getMeasure(), 12);
    EXPECT_DOUBLE_EQ(shape->getArea(), 6);
    EXPECT_DOUBLE_EQ(shape->getVar(QStringLiteral("ha")), 4);
    EXPECT_TRUE(shape->isInputVar(QStringLiteral("x")));
    EXPECT_FALSE(shape->isInputVar(QStringLiteral("a")));
}

TEST(Triangle, SubclassesBuiltWithOtherNamesFollowThem)
{
    auto isosceles = create<T2DTriangleIsosceles>(QStringLiteral("p"), QStringLiteral("q"), QStringLiteral("r"));
    isosceles->setVar(QStringLiteral("p"), 6);
    isosceles->setVar(QStringLiteral("q"), 5);
    EXPECT_DOUBLE_EQ(isosceles->getVar(QStringLiteral("r")), 5);
    EXPECT_DOUBLE_EQ(isosceles->getArea(), 12);
    EXPECT_FALSE(isosceles->isInputVar(QStringLiteral("r")));

    auto equilateral = create<T2DTriangleEquilateral>(QStringLiteral("p"), QStringLiteral("q"), QStringLiteral("r"));
    equilateral->setVar(QStringLiteral("a"), 2);
    EXPECT_EQ(equilateral->getMeasure(), 0);
    equilateral->setVar(QStringLiteral("p"), 2);
    EXPECT_DOUBLE_EQ(equilateral->getMeasure(), 6);
    EXPECT_NEAR(equilateral->getArea(), std::sqrt(3.0), 1e-14);

    auto byHeight = create<T2DTriangleIsosceles2>(QStringLiteral("p"), QStringLiteral("q"), QStringLiteral("r"));
    byHeight->setVar(QStringLiteral("p"), 6);
    byHeight->setVar(QStringLiteral("h"), 4);
    EXPECT_DOUBLE_EQ(byHeight->getVar(QStringLiteral("q")), 5);
    EXPECT_DOUBLE_EQ(byHeight->getVar(QStringLiteral("r")), 5);
    EXPECT_DOUBLE_EQ(byHeight->getArea(), 12);
}

TEST(Triangle, IsoscelesLegFollowsOnlyTheLeg)
{
    auto shape = create<T2DTriangleIsosceles>();
    shape->setVar(QStringLiteral("b"), 5);
    shape->setVar(QStringLiteral("a"), 6);
    EXPECT_DOUBLE_EQ(shape->getVar(QStringLiteral("c")), 5);
    // The base does not drag the legs along.
    shape->setVar(QStringLiteral("a"), 8);
    EXPECT_DOUBLE_EQ(shape->getVar(QStringLiteral("b")), 5);
    EXPECT_DOUBLE_EQ(shape->getVar(QStringLiteral("c")), 5);
    EXPECT_DOUBLE_EQ(shape->getVar(QStringLiteral("ha")), 3);
}

} // namespace

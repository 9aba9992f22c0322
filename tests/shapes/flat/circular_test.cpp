// SPDX-License-Identifier: MIT
#include "shapes/flat/pr2Circle.h"

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

constexpr double Pi = std::numbers::pi;

// Circumference of the ellipse of full axes A, B from the complete elliptic integral.
double exactEllipsePerimeter(double A, double B)
{
    const double a = std::max(A, B) / 2;
    const double b = std::min(A, B) / 2;
    return 4 * a * std::comp_ellint_2(std::sqrt(1 - (b / a) * (b / a)));
}

using Values = std::vector<std::pair<const char*, double>>;

struct CircularCase {
    const char* name;
    std::function<std::unique_ptr<T2DPrimitive>()> make;
    Values inputs;
    double perimeter;
    double area;
    // Relative tolerance of the perimeter: exact forms are tight, the ellipse
    // approximation is within 1e-4 of the elliptic integral.
    double tolerance;
};

const CircularCase circularCases[] = {
    {"circle", [] { return create<T2DCircle>(); }, {{"a", 2}}, 2 * Pi, Pi, 1e-14},
    {"half circle", [] { return create<T2DCircleHalf>(); }, {{"a", 2}}, Pi + 2, Pi / 2, 1e-14},
    {"ellipse as circle", [] { return create<T2DEllipse>(); }, {{"a", 2}, {"b", 2}}, 2 * Pi, Pi, 1e-14},
    {"flat ellipse", [] { return create<T2DEllipse>(); }, {{"a", 4}, {"b", 0}}, 8, 0, 1e-14},
    {"ellipse 6 by 2", [] { return create<T2DEllipse>(); }, {{"a", 6}, {"b", 2}}, exactEllipsePerimeter(6, 2),
     3 * Pi, 1e-4},
    {"ellipse 2 by 6", [] { return create<T2DEllipse>(); }, {{"a", 2}, {"b", 6}}, exactEllipsePerimeter(6, 2),
     3 * Pi, 1e-4},
    {"half ellipse as half circle", [] { return create<T2DEllipseHalf>(); }, {{"a", 4}, {"b", 2}}, 2 * Pi + 4,
     2 * Pi, 1e-14},
    {"half ellipse 10 by 1", [] { return create<T2DEllipseHalf>(); }, {{"a", 10}, {"b", 1}},
     10 + exactEllipsePerimeter(10, 2) / 2, Pi * 10 * 2 / 8, 1e-4},
    {"halves as circle", [] { return create<T2DEllipseHalves>(); }, {{"a", 2}, {"c", 2}, {"b", 4}}, 4 * Pi,
     4 * Pi, 1e-14},
    {"halves with a flat second half", [] { return create<T2DEllipseHalves>(); }, {{"a", 2}, {"c", 0}, {"b", 4}},
     2 * Pi + 4, 2 * Pi, 1e-14},
    {"halves of different heights", [] { return create<T2DEllipseHalves>(); }, {{"a", 1}, {"c", 3}, {"b", 4}},
     (exactEllipsePerimeter(4, 2) + exactEllipsePerimeter(4, 6)) / 2, Pi * 4 * 1 / 4 + Pi * 4 * 3 / 4, 1e-4},
};

class Circular : public ::testing::TestWithParam<CircularCase> {};

TEST_P(Circular, HeadlineResults)
{
    const CircularCase& c = GetParam();
    auto shape = c.make();
    for (const auto& [name, value] : c.inputs)
        shape->setVar(QString::fromLatin1(name), value);
    EXPECT_NEAR(shape->getMeasure(), c.perimeter, c.tolerance * std::max(1.0, c.perimeter));
    EXPECT_NEAR(shape->getArea(), c.area, 1e-14 * std::max(1.0, c.area));
}

INSTANTIATE_TEST_SUITE_P(Flat, Circular, ::testing::ValuesIn(circularCases), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.name; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

TEST(Circular, NegativeEllipseAxisGivesNaNNotAGuess)
{
    auto ellipse = create<T2DEllipse>();
    ellipse->setVar(QStringLiteral("a"), -4);
    ellipse->setVar(QStringLiteral("b"), 2);
    EXPECT_TRUE(std::isnan(ellipse->getMeasure()));

    auto half = create<T2DEllipseHalf>();
    half->setVar(QStringLiteral("a"), 4);
    half->setVar(QStringLiteral("b"), -1);
    EXPECT_TRUE(std::isnan(half->getMeasure()));

    auto halves = create<T2DEllipseHalves>();
    halves->setVar(QStringLiteral("a"), 1);
    halves->setVar(QStringLiteral("c"), -1);
    halves->setVar(QStringLiteral("b"), 4);
    EXPECT_TRUE(std::isnan(halves->getMeasure()));
}

TEST(Circular, BuiltWithOtherNamesAnswerOnlyToThem)
{
    auto circle = create<T2DCircle>(QStringLiteral("l"));
    circle->setVar(QStringLiteral("a"), 5);
    EXPECT_EQ(circle->getArea(), 0);
    circle->setVar(QStringLiteral("l"), 2);
    EXPECT_DOUBLE_EQ(circle->getArea(), Pi);
    EXPECT_EQ(circle->varCount(), 1);

    auto half = create<T2DCircleHalf>(QStringLiteral("l"));
    EXPECT_EQ(half->getId(), QStringLiteral("circle:half"));
    half->setVar(QStringLiteral("l"), 2);
    EXPECT_DOUBLE_EQ(half->getMeasure(), Pi + 2);

    auto ellipse = create<T2DEllipse>(QStringLiteral("l"), QStringLiteral("w"));
    ellipse->setVar(QStringLiteral("l"), 2);
    ellipse->setVar(QStringLiteral("w"), 2);
    ellipse->setVar(QStringLiteral("b"), 9);
    EXPECT_NEAR(ellipse->getMeasure(), 2 * Pi, 1e-14);

    auto halfEllipse = create<T2DEllipseHalf>(QStringLiteral("l"), QStringLiteral("w"));
    EXPECT_EQ(halfEllipse->getId(), QStringLiteral("ellipse:half"));
    EXPECT_EQ(halfEllipse->varName(0), QStringLiteral("l"));
    EXPECT_EQ(halfEllipse->varName(1), QStringLiteral("w"));
    halfEllipse->setVar(QStringLiteral("l"), 4);
    halfEllipse->setVar(QStringLiteral("w"), 2);
    EXPECT_NEAR(halfEllipse->getArea(), 2 * Pi, 1e-14);
}

} // namespace

// SPDX-License-Identifier: MIT
#include "shapes/solid/pr3Cylinder.h"
#include "shapes/solid/pr3Prism.h"

#include "solid_check.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace solidtest;

TEST(Prislinders, LayoutOfEveryRegisteredPrismAndCylinder)
{
    const QStringList noParts;
    const QStringList parts = {"base", "lat_surf"};
    const LayoutCase cases[] = {
        {make<T3DCylinder>(), "cylinder", "cylindrical", "cylinder.gif", {"Pbs", "Abs", "h"}, {"Alat"}, noParts},
        {make<T3DPrism>(), "prism", "prismatic", "prism.gif", {"Pbs", "Abs", "h"}, {"Alat"}, noParts},
        {make<T3DCylinderRound>(), "cylinder:round", "cylindrical", "cylinder_round.gif", {"h", "l"}, {"Alat"},
         parts},
        {make<T3DCylinderRoundHalf>(), "cylinder:round:half", "cylindrical", "cylinder_round_half.gif",
         {"h", "l"}, {"Alat"}, parts},
        {make<T3DCylinderElliptic>(), "cylinder:elliptic", "cylindrical", "cylinder_elliptic.gif",
         {"h", "l", "w"}, {"Alat", "Pbs", "Abs"}, parts},
        {make<T3DCylinderEllipticHalf>(), "cylinder:elliptic:half", "cylindrical", "cylinder_elliptic_half.gif",
         {"h", "l", "w"}, {"Alat"}, parts},
        {make<T3DPrismTriangle>(), "prism:triangle", "prismatic", "prism_triangle.gif", {"h", "a", "b", "c"},
         {"Alat"}, parts},
        {make<T3DPrismRight>(), "prism:right", "prismatic", "prism_right.gif", {"h", "a", "n"}, {"Alat"}, parts},
        {make<T3DPrismRhombic>(), "prism:rhomb", "prismatic", "prism_rhomb.gif", {"h", "l", "w"}, {"Alat"}, parts},
        {make<T3DCube>(), "prism:square", "prismatic:cuboids", "prism_cube.gif", {"l"}, {"Alat"}, parts},
        {make<T3DBox>(), "prism:rectangle", "prismatic:cuboids", "prism_box.gif", {"h", "l", "w"}, {"Alat"},
         parts},
    };
    for (const LayoutCase& row : cases)
        checkLayout(row);
}

TEST(Prislinders, BaseDimensionsAreHiddenWhereABaseDerivesThem)
{
    const auto cylinder = create<T3DCylinderRound>();
    for (const char* name : {"Pbs", "Abs"}) {
        EXPECT_FALSE(cylinder->isInputVar(name)) << name;
        EXPECT_FALSE(cylinder->isExtraVar(name)) << name;
    }
    // The rhombus side and the triangle heights stay the base's own.
    EXPECT_EQ(create<T3DPrismRhombic>()->varCount(), 6);
    EXPECT_EQ(create<T3DPrismTriangle>()->varCount(), 7);
}

TEST(Prislinders, VolumeSurfaceAndDerivedValues)
{
    const double root3 = std::sqrt(3.0);
    const ResultCase cases[] = {
        {"cube", make<T3DCube>(), {{"l", 2}}, 8, 24, {{"Pbs", 8}, {"Abs", 4}, {"Alat", 16}}},
        {"box", make<T3DBox>(), {{"h", 4}, {"l", 2}, {"w", 3}}, 24, 52, {{"Alat", 40}, {"Pbs", 10}, {"Abs", 6}}},
        {"round cylinder", make<T3DCylinderRound>(), {{"h", 3}, {"l", 2}}, 3 * Pi, 8 * Pi, {{"Alat", 6 * Pi}}},
        {"half round cylinder", make<T3DCylinderRoundHalf>(), {{"h", 3}, {"l", 2}}, 3 * Pi / 2, 6 + 4 * Pi,
         {{"Pbs", 2 + Pi}, {"Abs", Pi / 2}, {"Alat", 6 + 3 * Pi}}},
        {"elliptic cylinder over a circle", make<T3DCylinderElliptic>(), {{"h", 3}, {"l", 2}, {"w", 2}}, 3 * Pi,
         8 * Pi, {{"Alat", 6 * Pi}, {"Pbs", 2 * Pi}, {"Abs", Pi}}},
        {"half elliptic cylinder over a half circle", make<T3DCylinderEllipticHalf>(),
         {{"h", 1}, {"l", 4}, {"w", 2}}, 2 * Pi, 6 * Pi + 4, {{"Alat", 2 * Pi + 4}, {"Abs", 2 * Pi}}},
        {"3-4-5 prism", make<T3DPrismTriangle>(), {{"h", 2}, {"a", 3}, {"b", 4}, {"c", 5}}, 12, 36,
         {{"Alat", 24}, {"Pbs", 12}, {"Abs", 6}}},
        {"prism over a flat triangle", make<T3DPrismTriangle>(), {{"h", 3}, {"a", 1}, {"b", 2}, {"c", 3}}, 0, 18,
         {{"Alat", 18}}},
        {"hexagonal prism", make<T3DPrismRight>(), {{"h", 2}, {"a", 1}, {"n", 6}}, 3 * root3, 3 * root3 + 12,
         {{"Alat", 12}, {"Abs", 3 * root3 / 2}}},
        {"square prism", make<T3DPrismRight>(), {{"h", 1}, {"a", 2}, {"n", 4}}, 4, 16, {{"Alat", 8}}},
        {"prism over a 13-gon", make<T3DPrismRight>(), {{"h", 1}, {"a", 1}, {"n", 13}}, 13 / 4.0 / std::tan(Pi / 13),
         13 / 2.0 / std::tan(Pi / 13) + 13, {{"Alat", 13}}},
        {"rhombic prism", make<T3DPrismRhombic>(), {{"h", 2}, {"l", 6}, {"w", 8}}, 48, 88, {{"Alat", 40}}},
        {"rhombic prism ignores a typed side", make<T3DPrismRhombic>(), {{"h", 2}, {"l", 6}, {"w", 8}, {"s", 7}},
         48, 88, {{"Alat", 40}, {"Pbs", 20}}},
        {"prism typed by its base", make<T3DPrism>(), {{"Pbs", 10}, {"Abs", 6}, {"h", 2}}, 12, 32, {{"Alat", 20}}},
        {"cylinder typed by its base", make<T3DCylinder>(), {{"Pbs", 10}, {"Abs", 6}, {"h", 2}}, 12, 32,
         {{"Alat", 20}}},
        {"cube has no height of its own", make<T3DCube>(), {{"l", 2}, {"h", 5}}, 8, 24, {{"Alat", 16}}},
        {"cylinder of no height", make<T3DCylinderRound>(), {{"h", 0}, {"l", 2}}, 0, 2 * Pi, {{"Alat", 0}}},
    };
    for (const ResultCase& row : cases)
        checkResults(row);
}

TEST(Prislinders, NamingConstructorsCarryTheNamesToBaseAndSide)
{
    const auto box = create<T3DBox>(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"));
    EXPECT_EQ(inputNames(*box), QStringList({"z", "x", "y"}));
    for (const char* name : {"l", "w", "h"})
        box->setVar(name, 9);
    EXPECT_EQ(box->getMeasure(), 0.0);
    box->setVar("x", 2);
    box->setVar("y", 3);
    box->setVar("z", 4);
    EXPECT_EQ(box->getMeasure(), 24.0);
    EXPECT_EQ(box->getArea(), 52.0);

    const auto cube = create<T3DCube>(QStringLiteral("s"));
    EXPECT_EQ(inputNames(*cube), QStringList({"s"}));
    cube->setVar("s", 3);
    EXPECT_EQ(cube->getMeasure(), 27.0);
    EXPECT_EQ(cube->getPart("lat_surf")->getVar("s"), 3.0);
}

TEST(Prislinders, PartsReceiveTheValuesUnderTheSharedNames)
{
    const auto cylinder = create<T3DCylinderRound>();
    cylinder->setVar("l", 2);
    cylinder->setVar("h", 3);
    const T2DPrimitive* base = cylinder->getPart("base");
    const T2DPrimitive* side = cylinder->getPart("LAT_SURF");
    ASSERT_TRUE(base && side);
    EXPECT_EQ(base->getVar("a"), 0.0);
    EXPECT_EQ(base->getVar("l"), 2.0);
    EXPECT_EQ(side->getVar("h"), 3.0);
    EXPECT_TRUE(closeTo(base->getArea(), Pi));
    EXPECT_TRUE(closeTo(side->getArea(), 6 * Pi));
}

} // namespace

// SPDX-License-Identifier: MIT
#include "shapes/solid/Formulas3D.h"
#include "shapes/solid/pr3Cone.h"

#include "message_recorder.h"
#include "solid_check.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace solidtest;

const double Root2 = std::sqrt(2.0);

TEST(Cones, LayoutOfEveryCone)
{
    const LayoutCase cases[] = {
        {make<T3DConeRound>(), "cone:round", "conical", "", {"l", "h"}, {"Base", "Lat"}, {"base", "lat_surf"}},
        {make<T3DConeElliptic>(), "cone:elliptic", "conical", "cone_elliptic.gif", {"a", "b", "h"},
         {"Base", "Lat"}, {"base", "lat_surf"}},
        {make<T3DConeRoundFrustum>(), "cone:round:frustum", "conical", "cone_round_frustum.gif", {"a", "l", "b"},
         {}, {"base_a", "base_l", "lat_surf"}},
    };
    for (const LayoutCase& row : cases)
        checkLayout(row);
}

TEST(Cones, VolumeSurfaceAndDerivedValues)
{
    // An ellipse of axes 4 and 2 under a height of 3; its side is checked
    // against its integral with the formulas.
    const double side423 = ConeEllipticLateralArea(4, 2, 3);
    const ResultCase cases[] = {
        {"round cone", make<T3DConeRound>(), {{"l", 2}, {"h", 1}}, Pi / 3, Pi + Pi * Root2,
         {{"Base", Pi}, {"Lat", Pi * Root2}}},
        {"3-4-5 cone", make<T3DConeRound>(), {{"l", 6}, {"h", 4}}, 12 * Pi, 9 * Pi + 15 * Pi,
         {{"Base", 9 * Pi}, {"Lat", 15 * Pi}}},
        {"flat cone", make<T3DConeRound>(), {{"l", 2}, {"h", 0}}, 0, 2 * Pi, {{"Base", Pi}, {"Lat", Pi}}},
        {"elliptic cone with equal axes", make<T3DConeElliptic>(), {{"a", 2}, {"b", 2}, {"h", 1}}, Pi / 3,
         Pi + Pi * Root2, {{"Base", Pi}, {"Lat", Pi * Root2}}},
        {"elliptic cone", make<T3DConeElliptic>(), {{"a", 4}, {"b", 2}, {"h", 3}}, 2 * Pi, 2 * Pi + side423,
         {{"Base", 2 * Pi}, {"Lat", side423}}},
        {"elliptic cone, axes exchanged", make<T3DConeElliptic>(), {{"a", 2}, {"b", 4}, {"h", 3}}, 2 * Pi,
         2 * Pi + side423, {{"Base", 2 * Pi}, {"Lat", side423}}},
        // Over a segment: two triangles of base 4 and height 3.
        {"elliptic cone without an axis", make<T3DConeElliptic>(), {{"a", 4}, {"b", 0}, {"h", 3}}, 0, 12,
         {{"Base", 0}, {"Lat", 12}}},
        {"frustum as cylinder", make<T3DConeRoundFrustum>(), {{"a", 2}, {"l", 2}, {"b", 3}}, 3 * Pi, 8 * Pi, {}},
        {"frustum as cone", make<T3DConeRoundFrustum>(), {{"a", 0}, {"l", 2}, {"b", 1}}, Pi / 3, Pi + Pi * Root2,
         {}},
        {"frustum, radii 1 and 4, slant 5", make<T3DConeRoundFrustum>(), {{"a", 8}, {"l", 2}, {"b", 4}},
         28 * Pi, 25 * Pi + 17 * Pi, {}},
    };
    for (const ResultCase& row : cases)
        checkResults(row);
}

TEST(Cones, PartsReceiveTheValuesUnderTheSharedNames)
{
    const auto cone = create<T3DConeRound>();
    cone->setVar("l", 2);
    cone->setVar("h", 3);
    EXPECT_EQ(cone->getPart("base")->getVar("l"), 2.0);
    EXPECT_EQ(cone->getPart("lat_surf")->getVar("l"), 2.0);
    EXPECT_EQ(cone->getPart("lat_surf")->getVar("h"), 3.0);

    const auto frustum = create<T3DConeRoundFrustum>();
    frustum->setVar("a", 4);
    frustum->setVar("l", 2);
    frustum->setVar("b", 1);
    EXPECT_TRUE(closeTo(frustum->getPart("base_a")->getArea(), 4 * Pi));
    EXPECT_TRUE(closeTo(frustum->getPart("base_l")->getArea(), Pi));
    EXPECT_EQ(frustum->getPart("lat_surf")->getVar("b"), 1.0);
    // Radii 2 and 1 a height of 1 apart: slant √2.
    EXPECT_TRUE(closeTo(frustum->getPart("lat_surf")->getArea(), 3 * Pi * Root2));
}

TEST(Cones, NameThatNoPartHasChangesNothing)
{
    const auto cone = create<T3DConeRound>();
    cone->setVar("l", 2);
    cone->setVar("h", 1);
    const int count = cone->varCount();
    cone->setVar("q", 7);
    EXPECT_EQ(cone->varCount(), count);
    EXPECT_EQ(cone->getVar("q"), 0.0);
    EXPECT_TRUE(closeTo(cone->getVar("Lat"), Pi * Root2));
}

TEST(Cones, MissingPartIsReported)
{
    MessageRecorder recorder;
    const auto cone = create<T3DConeRound>();
    EXPECT_EQ(cone->getPart("apex"), nullptr);
    EXPECT_EQ(recorder.messages, QStringList({"Class [cone:round]: part \"apex\" doesn't found!"}));
}

TEST(Cones, NegativeDimensionsGiveNaNWithoutThrowing)
{
    const auto cone = create<T3DConeElliptic>();
    EXPECT_NO_THROW({
        cone->setVar("a", -4);
        cone->setVar("b", 2);
        cone->setVar("h", 3);
    });
    EXPECT_TRUE(std::isnan(cone->getArea()));
}

} // namespace

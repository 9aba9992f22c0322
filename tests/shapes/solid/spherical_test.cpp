// SPDX-License-Identifier: MIT
#include "shapes/solid/pr3Spherical.h"

#include "solid_check.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace solidtest;

const double Root3 = std::sqrt(3.0);
// Oblate spheroid of equator 2 and axis 1, prolate of equator 1 and axis 2.
const double Oblate21 = 2.0 * Pi + Pi * std::log(7.0 + 4.0 * Root3) / (2.0 * Root3);
const double Prolate12 = Pi / 2.0 + 2.0 * Pi * Pi / (3.0 * Root3);
// Ellipsoid of semi-axes 3, 2 and 1.
const double Triaxial321 = 48.8821463026;

TEST(SphericalSolids, LayoutOfEverySphericalSolid)
{
    const QStringList none;
    const QStringList parts = {"base", "lat_surf"};
    const LayoutCase cases[] = {
        {make<T3DSphere>(), "sphere", "spherical", "sphere.gif", {"l"}, none, none},
        {make<T3DSpheroid>(), "spheroid", "spherical", "spheroid.gif", {"l", "h"}, none, none},
        {make<T3DSphereHalf>(), "sphere:half", "spherical", "sphere_half.gif", {"l"}, none, parts},
        {make<T3DSphereCap>(), "sphere:cap", "spherical", "sphere_cap.gif", {"a", "h"}, {"r", "Lat", "Base"}, parts},
        {make<T3DSpheroidHalf>(), "spheroid:half", "spherical", "spheroid_half.gif", {"l", "h"}, none, parts},
        {make<T3DEllipsoid>(), "ellipsoid", "spherical", "ellipsoid.gif", {"l", "w", "h"}, none, none},
        {make<T3DEllipsoidHalf>(), "ellipsoid:half", "spherical", "ellipsoid_half.gif", {"l", "w", "h"}, none,
         parts},
    };
    for (const LayoutCase& row : cases)
        checkLayout(row);
}

TEST(SphericalSolids, VolumeSurfaceAndDerivedValues)
{
    const ResultCase cases[] = {
        {"sphere", make<T3DSphere>(), {{"l", 2}}, 4 * Pi / 3, 4 * Pi, {}},
        {"hemisphere", make<T3DSphereHalf>(), {{"l", 2}}, 2 * Pi / 3, 3 * Pi, {}},
        {"hemispherical cap", make<T3DSphereCap>(), {{"a", 2}, {"h", 1}}, 2 * Pi / 3, 3 * Pi,
         {{"r", 1}, {"Lat", 2 * Pi}, {"Base", Pi}}},
        // Cut 1 deep from a sphere of radius 5: base radius 3.
        {"shallow cap", make<T3DSphereCap>(), {{"a", 6}, {"h", 1}}, 14 * Pi / 3, 19 * Pi,
         {{"r", 5}, {"Lat", 10 * Pi}, {"Base", 9 * Pi}}},
        {"cap of no height", make<T3DSphereCap>(), {{"a", 2}, {"h", 0}}, 0, 2 * Pi,
         {{"r", 0}, {"Lat", Pi}, {"Base", Pi}}},
        {"spheroid as sphere", make<T3DSpheroid>(), {{"l", 2}, {"h", 2}}, 4 * Pi / 3, 4 * Pi, {}},
        {"oblate spheroid", make<T3DSpheroid>(), {{"l", 2}, {"h", 1}}, 2 * Pi / 3, Oblate21, {}},
        {"prolate spheroid", make<T3DSpheroid>(), {{"l", 1}, {"h", 2}}, Pi / 3, Prolate12, {}},
        {"half spheroid as hemisphere", make<T3DSpheroidHalf>(), {{"l", 2}, {"h", 1}}, 2 * Pi / 3, 3 * Pi, {}},
        {"half oblate spheroid", make<T3DSpheroidHalf>(), {{"l", 2}, {"h", 0.5}}, Pi / 3, Oblate21 / 2 + Pi, {}},
        {"ellipsoid as sphere", make<T3DEllipsoid>(), {{"l", 2}, {"w", 2}, {"h", 2}}, 4 * Pi / 3, 4 * Pi, {}},
        {"ellipsoid as oblate spheroid", make<T3DEllipsoid>(), {{"l", 2}, {"w", 2}, {"h", 1}}, 2 * Pi / 3, Oblate21,
         {}},
        {"ellipsoid as prolate spheroid", make<T3DEllipsoid>(), {{"l", 2}, {"w", 1}, {"h", 1}}, Pi / 3, Prolate12,
         {}},
        {"ellipsoid, semi-axes 3, 2, 1", make<T3DEllipsoid>(), {{"l", 6}, {"w", 4}, {"h", 2}}, 8 * Pi, Triaxial321,
         {}},
        {"ellipsoid, semi-axes 1, 2, 3", make<T3DEllipsoid>(), {{"l", 2}, {"w", 4}, {"h", 6}}, 8 * Pi, Triaxial321,
         {}},
        {"half ellipsoid as hemisphere", make<T3DEllipsoidHalf>(), {{"l", 2}, {"w", 2}, {"h", 1}}, 2 * Pi / 3,
         3 * Pi, {}},
        {"half ellipsoid, semi-axes 3, 2, 1", make<T3DEllipsoidHalf>(), {{"l", 6}, {"w", 4}, {"h", 1}}, 4 * Pi,
         Triaxial321 / 2 + 6 * Pi, {}},
    };
    for (const ResultCase& row : cases)
        checkResults(row, 1e-10);
}

TEST(SphericalSolids, PartsReceiveTheValuesUnderTheSharedNames)
{
    const auto cap = create<T3DSphereCap>();
    cap->setVar("a", 6);
    cap->setVar("h", 1);
    EXPECT_EQ(cap->getPart("base")->getVar("a"), 6.0);
    EXPECT_EQ(cap->getPart("lat_surf")->getVar("h"), 1.0);
    // The derived names stay the solid's own.
    EXPECT_EQ(cap->getPart("lat_surf")->getVar("r"), 0.0);

    const auto half = create<T3DEllipsoidHalf>();
    half->setVar("l", 6);
    half->setVar("w", 4);
    half->setVar("h", 1);
    EXPECT_TRUE(closeTo(half->getPart("base")->getArea(), 6 * Pi));
    EXPECT_TRUE(closeTo(half->getPart("lat_surf")->getArea(), Triaxial321 / 2, 1e-10));
}

TEST(SphericalSolids, SpheroidKeepsTheSphereNameUnderOtherNames)
{
    const auto spheroid = create<T3DSpheroid>(QStringLiteral("d"), QStringLiteral("p"));
    EXPECT_EQ(inputNames(*spheroid), QStringList({"d", "p"}));
    spheroid->setVar("d", 2);
    spheroid->setVar("p", 1);
    EXPECT_TRUE(closeTo(spheroid->getMeasure(), 2 * Pi / 3));
    EXPECT_TRUE(closeTo(spheroid->getArea(), Oblate21));
}

} // namespace

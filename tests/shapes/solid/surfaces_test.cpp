// SPDX-License-Identifier: MIT
#include "shapes/flat/pr2Parallelograms.h"
#include "shapes/solid/pr3Cone.h"
#include "shapes/solid/pr3Prislinder.h"
#include "shapes/solid/pr3Spherical.h"

#include "solid_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

using solidtest::closeTo;
using solidtest::inputNames;
using solidtest::Pi;
using solidtest::Values;

struct SurfaceCase {
    const char* name;
    std::function<std::unique_ptr<T2DPrimitive>()> surface;
    const char* id;
    QStringList variables;
    Values inputs;
    double area;
};

template <class T, class... Names>
std::function<std::unique_ptr<T2DPrimitive>()> surface(Names... names)
{
    return [=] { return std::unique_ptr<T2DPrimitive>(create<T>(QString::fromUtf8(names)...)); };
}

TEST(LateralSurfaces, IdentityVariablesAndArea)
{
    const SurfaceCase cases[] = {
        {"round cone", surface<T2DSurfConeRound>(), "surf:cone:round", {"l", "h"}, {{"l", 2}, {"h", 1}},
         Pi * std::sqrt(2.0)},
        {"round cone under other names", surface<T2DSurfConeRound>("d", "x"), "surf:cone:round", {"d", "x"},
         {{"d", 6}, {"x", 4}, {"l", 100}, {"h", 100}}, 15 * Pi},
        {"elliptic cone, equal axes", surface<T2DSurfConeElliptic>(), "surf:cone:round", {"a", "b", "h"},
         {{"a", 2}, {"b", 2}, {"h", 1}}, Pi * std::sqrt(2.0)},
        {"frustum as cylinder", surface<T2DSurfConeRoundFrustum>(), "surf:cone:round:frustum", {"a", "l", "h"},
         {{"a", 2}, {"l", 2}, {"h", 3}}, 6 * Pi},
        {"hemisphere", surface<T2DSurfSphereHalf>(), "surf:sphere:half", {"l"}, {{"l", 2}}, 2 * Pi},
        {"cap of no height", surface<T2DSurfSphereCap>(), "surf:sphere:cap", {"a", "h"}, {{"a", 2}, {"h", 0}}, Pi},
        {"hemispherical cap", surface<T2DSurfSphereCap>(), "surf:sphere:cap", {"a", "h"}, {{"a", 2}, {"h", 1}},
         2 * Pi},
        {"half spheroid as hemisphere", surface<T2DSurfSpheroidHalf>(), "surf:spheroid:half", {"l", "h"},
         {{"l", 2}, {"h", 1}}, 2 * Pi},
        {"half ellipsoid as hemisphere", surface<T2DSurfEllipsoidHalf>(), "surf:ellipsoid:half", {"l", "w", "h"},
         {{"l", 4}, {"w", 4}, {"h", 2}}, 8 * Pi},
        {"half ellipsoid, semi-axes 3, 2 and height 1", surface<T2DSurfEllipsoidHalf>(), "surf:ellipsoid:half",
         {"l", "w", "h"}, {{"l", 6}, {"w", 4}, {"h", 1}}, 48.8821463026 / 2},
    };
    for (const SurfaceCase& row : cases) {
        SCOPED_TRACE(row.name);
        const auto part = row.surface();
        EXPECT_EQ(part->getId(), QString::fromUtf8(row.id));
        EXPECT_EQ(part->getClassId(), QString::fromUtf8(row.id));
        EXPECT_EQ(part->getGroup(), QStringLiteral("flat"));
        EXPECT_EQ(part->getCategory(), QStringLiteral("none"));
        EXPECT_TRUE(part->getImage().isEmpty());
        EXPECT_EQ(inputNames(*part), row.variables);
        EXPECT_EQ(part->varCount(), row.variables.size());
        EXPECT_EQ(part->getArea(), 0.0);
        for (const auto& [name, value] : row.inputs)
            part->setVar(name, value);
        EXPECT_TRUE(closeTo(part->getArea(), row.area, 1e-10));
    }
}

TEST(PrislinderSurface, WithoutABaseEverythingIsZero)
{
    const auto side = create<T2DPrislinderSurf>();
    side->setVar("h", 5);
    EXPECT_EQ(side->getVar("h"), 5.0);
    EXPECT_EQ(side->getMeasure(), 0.0);
    EXPECT_EQ(side->getArea(), 0.0);
    EXPECT_EQ(side->getBaseArea(), 0.0);
    EXPECT_EQ(side->getId(), QStringLiteral("surf:prislinder"));
    EXPECT_EQ(inputNames(*side), QStringList({"h"}));
}

TEST(PrislinderSurface, AsksItsBaseEveryTime)
{
    const auto square = create<T2DSquare>();
    const auto side = create<T2DPrislinderSurf>(square.get(), QStringLiteral("z"));
    EXPECT_EQ(inputNames(*side), QStringList({"z"}));
    square->setVar("a", 2);
    side->setVar("z", 3);
    EXPECT_EQ(side->getMeasure(), 8.0);
    EXPECT_EQ(side->getArea(), 24.0);
    EXPECT_EQ(side->getBaseArea(), 4.0);
    square->setVar("a", 1);
    EXPECT_EQ(side->getMeasure(), 4.0);
    EXPECT_EQ(side->getArea(), 12.0);
    EXPECT_EQ(side->getBaseArea(), 1.0);
}

} // namespace

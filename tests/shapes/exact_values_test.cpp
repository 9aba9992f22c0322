// SPDX-License-Identifier: MIT
// Every catalogue shape against exact geometry across scales and thin shapes,
// and every kind of impossible dimensions refused.
#include "model/primitive2D.h"
#include "model/primitive3D.h"
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"
#include "shapes/flat/Formulas2D.h"
#include "shapes/solid/Formulas3D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Values = std::vector<std::pair<const char*, double>>;

struct ExactCase {
    const char* shape;
    Values inputs;
    double measure;
    double area;
    Values extras;
};

// The exact results, from the generator named in the file.
const ExactCase exactCases[] = {
#include "shapes/exact_values.inc"
};

struct Results {
    double measure = 0;
    double area = 0;
    std::vector<double> extras;
};

// Sets the inputs in order, as the calculator does, and reads what it shows:
// the two headline results and the extra values through the store.
class Shapes : public ::testing::Test {
protected:
    void SetUp() override { registerCatalogue(library); }

    Results compute(const char* id, const Values& inputs, const Values& extras = {})
    {
        TPrimitive* shape = library.findPrimitive(QString::fromLatin1(id));
        EXPECT_NE(shape, nullptr) << id;
        Results results;
        if (!shape)
            return results;
        for (const auto& [name, value] : inputs)
            shape->setVar(QString::fromLatin1(name), value);
        if (auto* flat = dynamic_cast<T2DPrimitive*>(shape)) {
            results.measure = flat->getMeasure();
            results.area = flat->getArea();
        } else if (auto* solid = dynamic_cast<T3DPrimitive*>(shape)) {
            results.measure = solid->getMeasure();
            results.area = solid->getArea();
        }
        for (const auto& [name, value] : extras)
            results.extras.push_back(shape->getVar(QString::fromLatin1(name)));
        return results;
    }

    TPrimitivesLibrary library;
};

double relativeError(double actual, double expected)
{
    if (expected == 0)
        return actual == 0 ? 0 : std::numeric_limits<double>::infinity();
    return std::fabs(actual - expected) / std::fabs(expected);
}

std::string describe(const ExactCase& row)
{
    std::ostringstream text;
    text << row.shape << std::setprecision(15);
    for (const auto& [name, value] : row.inputs)
        text << " " << name << "=" << value;
    return text.str();
}

TEST_F(Shapes, EveryResultWithinOnePartIn1e13OfExactGeometry)
{
    // Worst relative error per shape, printed as the measured figure.
    std::map<std::string, double> worst;
    for (const ExactCase& row : exactCases) {
        SCOPED_TRACE(describe(row));
        const Results got = compute(row.shape, row.inputs, row.extras);
        std::vector<std::pair<std::string, std::pair<double, double>>> checks = {
            {"measure", {got.measure, row.measure}}, {"area", {got.area, row.area}}};
        for (std::size_t i = 0; i < row.extras.size(); ++i)
            checks.push_back({row.extras[i].first, {got.extras[i], row.extras[i].second}});
        for (const auto& [what, values] : checks) {
            const double error = relativeError(values.first, values.second);
            EXPECT_LE(error, 1e-13) << what << ": got " << values.first << ", exact " << values.second;
            worst[row.shape] = std::max(worst[row.shape], error);
        }
    }
    for (const auto& [shape, error] : worst)
        std::cout << "worst relative error " << shape << ": " << error << "\n";
}

TEST_F(Shapes, ResultsBeyondTheNormalDoublesLoseOnlyWhatTheirSpacingHolds)
{
    // A volume of about 5e-313 lies among the subnormal doubles, 4.9e-324 apart:
    // relative 1e-13 cannot hold there, the nearest subnormals can.
    const Results got = compute("sphere:cap", {{"a", 1e-100}, {"h", 1e-112}});
    const double exact = 3.9269908169872415074e-313;  // π/24 · h · (3a² + 4h²), mpmath
    EXPECT_LE(std::fabs(got.measure - exact), std::numeric_limits<double>::denorm_min());
    EXPECT_GT(std::numeric_limits<double>::denorm_min() / exact, 1e-13);
    // Above the largest double there is no number to show: the result is not
    // finite, so the calculator refuses it rather than show a wrong one.
    EXPECT_FALSE(std::isfinite(compute("sphere", {{"l", 1e103}}).measure));
    EXPECT_FALSE(std::isfinite(compute("square", {{"a", 1e155}}).area));
}

TEST(SquaresOfSquares, StayInRangeWhereTheResultFits)
{
    // The side of the elliptic cone 4 x 2 x 3 scaled, whose volume no longer fits;
    // exact by quadrature in mpmath on the unit cone, times the scale squared.
    const struct {
        double scale, exact;
    } cases[] = {
        {1e150, 1.5891936618631063882e301}, {1e-150, 1.5891936618631064487e-299},
        {1e77, 1.5891936618631062567e155}, {1e-77, 1.5891936618631063065e-153},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        const double side = ConeEllipticLateralArea(4 * c.scale, 2 * c.scale, 3 * c.scale);
        EXPECT_LE(relativeError(side, c.exact), 1e-13) << side;
    }
}

TEST(Needles, FarThinnerThanAnyTargetStillCompute)
{
    // The needle 1, 1, c: area c · sqrt(4 - c²) / 4, height sqrt(1 - c²/4) onto c
    // and twice the area onto a leg; for these c, to the last bit c / 2, 1 and c.
    for (double c : {1e-100, 1e-200, 1e-300}) {
        SCOPED_TRACE(c);
        EXPECT_LE(relativeError(TriangleArea(1, 1, c), c / 2), 1e-15);
        EXPECT_LE(relativeError(TriangleHeight(c, 1, 1), 1), 1e-15);
        EXPECT_LE(relativeError(TriangleHeight(1, 1, c), c), 1e-15);
    }
}

struct InvalidCase {
    const char* shape;
    Values inputs;
};

// Each impossible or meaningless set of dimensions; the calculator refuses a
// result that is not finite and keeps the last good one on show.
const InvalidCase invalidCases[] = {
    {"triangle", {{"a", 1}, {"b", 2}, {"c", 4}}},
    {"triangle", {{"a", 4}, {"b", 1}, {"c", 2}}},
    {"triangle", {{"a", 2}, {"b", 4}, {"c", 1}}},
    {"triangle", {{"a", 1}, {"b", 2}, {"c", 3.00000000000001}}},
    {"triangle", {{"a", -3}, {"b", 4}, {"c", 5}}},
    {"triangle", {{"a", 3}, {"b", 0}, {"c", 0}}},
    {"triangle:isosceles:1", {{"a", 6}, {"b", 2}}},
    {"triangle:isosceles:1", {{"a", 6}, {"b", -5}}},
    {"triangle:isosceles:1", {{"a", -6}, {"b", 5}}},
    {"triangle:isosceles:2", {{"a", 6}, {"h", -4}}},
    {"triangle:isosceles:2", {{"a", -6}, {"h", 4}}},
    {"triangle:equilateral", {{"a", -2}}},
    {"rhomb", {{"a", -2}, {"b", -2}}},
    {"rhomb", {{"a", 2}, {"b", -2}}},
    {"square", {{"a", -3}}},
    {"rectangle", {{"a", -2}, {"b", 5}}},
    {"trapezium:isosceles", {{"a", -2}, {"b", 3}, {"c", 3}}},
    {"trapezium:isosceles", {{"a", 2}, {"b", 3}, {"c", -3}}},
    {"regpolygon", {{"a", 1}, {"n", 5.5}}},
    {"regpolygon", {{"a", 1}, {"n", 2}}},
    {"regpolygon", {{"a", 1}, {"n", 1}}},
    {"regpolygon", {{"a", 1}, {"n", 0}}},
    {"regpolygon", {{"a", 1}, {"n", -6}}},
    {"regpolygon", {{"a", -1}, {"n", 6}}},
    {"circle", {{"a", -2}}},
    {"circle:half", {{"a", -2}}},
    {"ellipse", {{"a", -2}, {"b", 2}}},
    {"ellipse:half", {{"a", 2}, {"b", -1}}},
    {"ellipse:halves", {{"a", 1}, {"c", -1}, {"b", 2}}},
    {"cylinder", {{"Pbs", -10}, {"Abs", 7}, {"h", 4}}},
    {"cylinder", {{"Pbs", 10}, {"Abs", -7}, {"h", 4}}},
    {"prism", {{"Pbs", 10}, {"Abs", 7}, {"h", -4}}},
    {"cylinder:round", {{"h", 3}, {"l", -2}}},
    {"cylinder:round:half", {{"h", -3}, {"l", 2}}},
    {"cylinder:elliptic", {{"h", 3}, {"l", 2}, {"w", -1}}},
    {"cylinder:elliptic:half", {{"h", 3}, {"l", -2}, {"w", 1}}},
    {"prism:triangle", {{"h", 3}, {"a", 1}, {"b", 1}, {"c", 5}}},
    {"prism:triangle", {{"h", -3}, {"a", 3}, {"b", 4}, {"c", 5}}},
    {"prism:right", {{"h", 1}, {"a", 1}, {"n", 5.5}}},
    {"prism:right", {{"h", 1}, {"a", 1}, {"n", 2}}},
    {"prism:rhomb", {{"h", 1}, {"l", -6}, {"w", 8}}},
    {"prism:square", {{"l", -2}}},
    {"prism:rectangle", {{"h", 4}, {"l", 2}, {"w", -3}}},
    {"cone:round", {{"l", 2}, {"h", -1}}},
    {"cone:elliptic", {{"a", 4}, {"b", -2}, {"h", 3}}},
    {"cone:round:frustum", {{"a", 2}, {"l", -2}, {"b", 1}}},
    {"cone:round:frustum", {{"a", 2}, {"l", 2}, {"b", -1}}},
    {"sphere", {{"l", -2}}},
    {"sphere:half", {{"l", -2}}},
    {"sphere:cap", {{"a", 2}, {"h", -1}}},
    {"sphere:cap", {{"a", -2}, {"h", 1}}},
    {"spheroid", {{"l", 2}, {"h", -1}}},
    {"spheroid", {{"l", -2}, {"h", 1}}},
    {"spheroid:half", {{"l", 2}, {"h", -1}}},
    {"ellipsoid", {{"l", 3}, {"w", 2}, {"h", -1}}},
    {"ellipsoid", {{"l", -2}, {"w", -2}, {"h", -2}}},
    {"ellipsoid:half", {{"l", 3}, {"w", -2}, {"h", 1}}},
};

TEST_F(Shapes, ImpossibleDimensionsGiveNoFiniteResult)
{
    for (const InvalidCase& row : invalidCases) {
        SCOPED_TRACE(describe({row.shape, row.inputs, 0, 0, {}}));
        TPrimitive* shape = library.findPrimitive(QString::fromLatin1(row.shape));
        ASSERT_NE(shape, nullptr);
        Values extras;
        for (int i = 0; i < shape->extraVarCount(); ++i)
            extras.push_back({nullptr, 0});
        std::vector<QByteArray> names;
        for (int i = 0; i < shape->extraVarCount(); ++i)
            names.push_back(shape->extraVarName(i).toLatin1());
        for (std::size_t i = 0; i < names.size(); ++i)
            extras[i].first = names[i].constData();
        const Results got = compute(row.shape, row.inputs, extras);
        // Perimeter or volume, area and every extra value: none may pass for a result.
        EXPECT_TRUE(std::isnan(got.area)) << got.area;
        for (std::size_t i = 0; i < got.extras.size(); ++i)
            EXPECT_FALSE(std::isfinite(got.extras[i])) << extras[i].first << " " << got.extras[i];
    }
}

TEST_F(Shapes, ZeroDimensionsDegenerateToZerosOrTheFlattenedShape)
{
    const ExactCase cases[] = {
        {"triangle", {{"a", 0}, {"b", 0}, {"c", 0}}, 0, 0, {{"ha", 0}, {"hb", 0}, {"hc", 0}}},
        {"triangle", {{"a", 1}, {"b", 2}, {"c", 3}}, 6, 0, {{"ha", 0}, {"hb", 0}, {"hc", 0}}},
        // Equal to the sum within the rounding of the typed values: degenerate, not 5.8e-10.
        {"triangle", {{"a", 0.1}, {"b", 0.2}, {"c", 0.3}}, 0.6, 0, {{"ha", 0}, {"hb", 0}, {"hc", 0}}},
        {"triangle", {{"a", 0.3}, {"b", 0.1}, {"c", 0.2}}, 0.6, 0, {{"ha", 0}, {"hb", 0}, {"hc", 0}}},
        {"regpolygon", {{"a", 0}, {"n", 0}}, 0, 0, {}},
        {"regpolygon", {{"a", 0}, {"n", 6}}, 0, 0, {}},
        {"rhomb", {{"a", 0}, {"b", 0}}, 0, 0, {}},
        {"ellipse", {{"a", 4}, {"b", 0}}, 8, 0, {}},
        {"prism:rectangle", {{"h", 0}, {"l", 2}, {"w", 3}}, 0, 12, {{"Alat", 0}}},
        {"cone:round", {{"l", 0}, {"h", 0}}, 0, 0, {{"Base", 0}, {"Lat", 0}}},
        {"cone:elliptic", {{"a", 0}, {"b", 0}, {"h", 0}}, 0, 0, {{"Base", 0}, {"Lat", 0}}},
        // A cap of no height is its base disc, counted on both faces.
        {"sphere:cap", {{"a", 2}, {"h", 0}}, 0, 2 * 3.14159265358979323846, {{"Lat", 3.14159265358979323846}}},
        {"spheroid", {{"l", 2}, {"h", 0}}, 0, 2 * 3.14159265358979323846, {}},
        {"ellipsoid", {{"l", 0}, {"w", 0}, {"h", 0}}, 0, 0, {}},
    };
    for (const ExactCase& row : cases) {
        SCOPED_TRACE(describe(row));
        const Results got = compute(row.shape, row.inputs, row.extras);
        EXPECT_LE(relativeError(got.measure, row.measure), 1e-15) << got.measure;
        EXPECT_LE(relativeError(got.area, row.area), 1e-15) << got.area;
        for (std::size_t i = 0; i < row.extras.size(); ++i)
            EXPECT_LE(relativeError(got.extras[i], row.extras[i].second), 1e-14) << row.extras[i].first;
    }
}

TEST(ShapeFaults, NameTheConditionThatFailed)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(lengthFault({1, 0, 2}), ShapeFault::None);
    EXPECT_EQ(lengthFault({1, -0.5}), ShapeFault::NegativeLength);
    EXPECT_EQ(lengthFault({nan}), ShapeFault::NegativeLength);
    EXPECT_EQ(triangleFault(3, 4, 5), ShapeFault::None);
    EXPECT_EQ(triangleFault(1, 2, 3), ShapeFault::None);
    EXPECT_EQ(triangleFault(0.1, 0.2, 0.3), ShapeFault::None);
    EXPECT_EQ(triangleFault(1, 2, 4), ShapeFault::SidesDoNotClose);
    EXPECT_EQ(triangleFault(1, -2, 2), ShapeFault::NegativeLength);
    // A needle far thinner than any rounding still closes.
    EXPECT_EQ(triangleFault(1, 1, 1e-200), ShapeFault::None);
    EXPECT_EQ(polygonFault(6, 1), ShapeFault::None);
    EXPECT_EQ(polygonFault(0, 0), ShapeFault::None);
    EXPECT_EQ(polygonFault(5.5, 1), ShapeFault::SidesNotWhole);
    EXPECT_EQ(polygonFault(nan, 1), ShapeFault::SidesNotWhole);
    EXPECT_EQ(polygonFault(2, 1), ShapeFault::TooFewSides);
    EXPECT_EQ(polygonFault(0, 1), ShapeFault::TooFewSides);
    EXPECT_EQ(polygonFault(-3, 1), ShapeFault::TooFewSides);
    EXPECT_EQ(polygonFault(6, -1), ShapeFault::NegativeLength);
}

TEST(EllipticIntegral, TheMeanIsExactWhereTheLibraryIsNot)
{
    // E by the complementary modulus kc; exact values mpmath.ellipe(1 - kc²) at 60 digits.
    const struct {
        double kc, exact;
    } cases[] = {
        {1, 1.5707963267948966192}, {0.999999, 1.570795541396831374}, {0.9, 1.4932901081312072032},
        {0.5, 1.2110560275684595248}, {0.2, 1.0505022269844500518}, {0.1, 1.0159935450252239371},
        {0.05, 1.0048564047864903648}, {0.01, 1.0002745824306629652}, {5e-3, 1.0000773083030057037},
        {2e-3, 1.0000142018244718396}, {1e-3, 1.0000038970261720612}, {1e-4, 1.0000000504831738439},
        {1.5e-4, 1.0000001090256591456}, {1e-6, 1.0000000000073509025}, {1e-8, 1.0000000000000009653},
        {1e-12, 1.0}, {1e-50, 1.0}, {1e-300, 1.0}, {0, 1.0},
    };
    double worstMean = 0;
    double worstLibrary = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kc);
        const double mean = relativeError(EllipticIntegralEc(c.kc), c.exact);
        const double library = relativeError(std::comp_ellint_2(std::sqrt((1 - c.kc) * (1 + c.kc))), c.exact);
        EXPECT_LE(mean, 1e-15);
        worstMean = std::max(worstMean, mean);
        worstLibrary = std::max(worstLibrary, library);
    }
    std::cout << "E(k) worst relative error: mean " << worstMean << ", std::comp_ellint_2 " << worstLibrary << "\n";
    EXPECT_LT(worstMean, worstLibrary);
}

} // namespace

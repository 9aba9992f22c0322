// SPDX-License-Identifier: MIT
// Shared checks of the solid tests: relative comparison, the variable layout a
// solid shows the calculator, and one table row of inputs and expected results.
#pragma once

#include "model/primitive3D.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <utility>
#include <vector>

namespace solidtest {

constexpr double Pi = std::numbers::pi;

inline ::testing::AssertionResult closeTo(double actual, double expected, double relative = 1e-12)
{
    const double allowed = relative * std::max(1.0, std::fabs(expected));
    if (std::fabs(actual - expected) <= allowed)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << actual << ", expected " << expected;
}

// The calculator's edit rows: input names in variable order.
inline QStringList inputNames(const TPrimitive& shape)
{
    QStringList names;
    for (int i = 0; i < shape.varCount(); ++i) {
        if (shape.isInputVar(shape.varName(i)))
            names << shape.varName(i);
    }
    return names;
}

// The calculator's result rows: extra names in their order.
inline QStringList extraNames(const TPrimitive& shape)
{
    QStringList names;
    for (int i = 0; i < shape.extraVarCount(); ++i) {
        if (shape.isExtraVar(shape.extraVarName(i)))
            names << shape.extraVarName(i);
    }
    return names;
}

using Values = std::vector<std::pair<QString, double>>;
using Factory = std::function<std::unique_ptr<T3DPrimitive>()>;

template <class T>
Factory make()
{
    return [] { return std::unique_ptr<T3DPrimitive>(create<T>()); };
}

struct ResultCase {
    const char* name;
    Factory shape;
    Values inputs;
    double volume;
    double surface;
    Values extras;
};

// Sets the inputs in order, as the calculator does, then compares the results.
inline void checkResults(const ResultCase& row, double relative = 1e-12)
{
    SCOPED_TRACE(row.name);
    const auto solid = row.shape();
    for (const auto& [name, value] : row.inputs)
        solid->setVar(name, value);
    EXPECT_TRUE(closeTo(solid->getMeasure(), row.volume, relative)) << "volume";
    EXPECT_TRUE(closeTo(solid->getArea(), row.surface, relative)) << "surface";
    for (const auto& [name, value] : row.extras)
        EXPECT_TRUE(closeTo(solid->getVar(name), value, relative)) << name.toStdString();
}

struct LayoutCase {
    Factory shape;
    const char* id;
    const char* category;
    const char* image;
    QStringList inputs;
    QStringList extras;
    QStringList parts;
};

inline void checkLayout(const LayoutCase& row)
{
    SCOPED_TRACE(row.id);
    const auto solid = row.shape();
    EXPECT_EQ(solid->getId(), QString::fromUtf8(row.id));
    EXPECT_EQ(solid->getClassId(), QString::fromUtf8(row.id));
    EXPECT_EQ(solid->getGroup(), QStringLiteral("solid"));
    EXPECT_EQ(solid->getCategory(), QString::fromUtf8(row.category));
    EXPECT_EQ(solid->getImage(), QString::fromUtf8(row.image));
    EXPECT_EQ(inputNames(*solid), row.inputs);
    EXPECT_EQ(extraNames(*solid), row.extras);
    ASSERT_EQ(solid->partCount(), row.parts.size());
    for (int i = 0; i < row.parts.size(); ++i)
        EXPECT_EQ(solid->getPart(row.parts[i]), solid->getPartAt(i)) << row.parts[i].toStdString();
    // A fresh solid computes on zeros.
    EXPECT_EQ(solid->getMeasure(), 0.0);
    EXPECT_EQ(solid->getArea(), 0.0);
    for (const QString& name : row.extras)
        EXPECT_EQ(solid->getVar(name), 0.0) << name.toStdString();
}

} // namespace solidtest

// SPDX-License-Identifier: MIT
#include "shapes/conditions.h"

#include "model/working.h"
#include "shapes/flat/Formulas2D.h"

#include <algorithm>
#include <array>

namespace {

const QString DoesNotHold = QStringLiteral("workdoesnothold");

} // namespace

bool explainLengths(TWorking& working, const QStringList& names)
{
    if (working.refused())
        return false;
    for (const QString& name : names) {
        if (lengthFault({working.value(name)}) != ShapeFault::None) {
            working.fault(DoesNotHold, QStringLiteral("%1 ≥ 0"), {name});
            return false;
        }
    }
    return true;
}

bool explainTriangle(TWorking& working, const QString& a, const QString& b, const QString& c)
{
    if (!explainLengths(working, {a, b, c}))
        return false;
    if (triangleFault(working.value(a), working.value(b), working.value(c)) == ShapeFault::None)
        return true;
    // The two shorter sides against the longest.
    std::array<QString, 3> sides{a, b, c};
    std::stable_sort(sides.begin(), sides.end(),
        [&](const QString& x, const QString& y) { return working.value(x) < working.value(y); });
    working.fault(DoesNotHold, QStringLiteral("%1 + %2 ≥ %3"), {sides[0], sides[1], sides[2]});
    return false;
}

bool explainPolygon(TWorking& working, const QString& n, const QString& a)
{
    if (!explainLengths(working, {a}))
        return false;
    const ShapeFault fault = polygonFault(working.value(n), working.value(a));
    if (fault == ShapeFault::SidesNotWhole || fault == ShapeFault::TooFewSides) {
        working.fault(QStringLiteral("worksideswhole"), QStringLiteral("%1"), {n}, n);
        return false;
    }
    return true;
}

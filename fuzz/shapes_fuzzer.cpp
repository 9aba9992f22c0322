// SPDX-License-Identifier: MIT
// Arbitrary names and values set on every registered shape: nothing may crash,
// hang or throw, every variable must read back as a number, and the working of
// whatever the shape holds must be written and rendered.
#include "model/primitive2D.h"
#include "model/primitive3D.h"
#include "model/primitivesLibrary.h"
#include "lang/workingText.h"
#include "model/working.h"
#include "shapes/catalogue.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

TPrimitivesLibrary& library()
{
    static TPrimitivesLibrary* instance = [] {
        auto* created = new TPrimitivesLibrary;
        registerCatalogue(*created);
        return created;
    }();
    return *instance;
}

double results(TPrimitive* shape)
{
    if (auto* flat = dynamic_cast<T2DPrimitive*>(shape))
        return flat->getMeasure() + flat->getArea();
    if (auto* solid = dynamic_cast<T3DPrimitive*>(shape))
        return solid->getMeasure() + solid->getArea();
    return 0;
}

} // namespace

// Input: records of one shape selector byte, eight value bytes, a name length
// byte and the name; a name of length 0 picks one of the shape's own names.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TNameList& shapes = library().shapesById();
    if (shapes.empty())
        return 0;
    size_t at = 0;
    while (at + 10 <= size) {
        const uint8_t selector = data[at];
        TPrimitive* shape = shapes[selector % shapes.size()].second;
        double value = 0;
        std::memcpy(&value, data + at + 1, sizeof value);
        const size_t length = data[at + 9];
        at += 10;
        QString name;
        if (length == 0) {
            if (shape->varCount() > 0)
                name = shape->varName(static_cast<int>(data[at - 2]) % shape->varCount());
        } else {
            const size_t take = std::min(length, size - at);
            name = QString::fromUtf8(reinterpret_cast<const char*>(data + at), static_cast<qsizetype>(take));
            at += take;
        }
        shape->setVar(name, value);
        (void)results(shape);
        for (int i = 0; i < shape->varCount(); ++i)
            (void)shape->getVar(shape->varName(i));
        // The selector's high bits choose the precision and the separator.
        TWorking working((selector >> 3) % 16, selector & 0x80 ? QLatin1Char(',') : QLatin1Char('.'));
        shape->explain(working);
        (void)workingPlainText(working);
    }
    return 0;
}

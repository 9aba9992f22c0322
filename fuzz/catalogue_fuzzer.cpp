// SPDX-License-Identifier: MIT
// The shape and category catalogue loaders on arbitrary files.
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"
#include "temp_file.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TPrimitivesLibrary* library = [] {
        auto* created = new TPrimitivesLibrary;
        registerCatalogue(*created);
        return created;
    }();
    const QString path = writeInputFile("catalogue.xml", data, size);
    library->loadShapeNames(path);
    library->loadCategories(path);
    return 0;
}

// SPDX-License-Identifier: MIT
// Registry of the catalogue: one prototype per shape, indexed by id, category
// and group, and the tree of category titles.
#pragma once

#include "model/arrays.h"
#include "model/primitive.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

// An ordered list of (text, shape); texts compare without regard to letter case.
using TNameList = std::vector<std::pair<QString, TPrimitive*>>;

// Sorted insert that ignores a name already present; returns whether it was added.
bool addSortedUnique(TNameList& list, const QString& name, TPrimitive* shape);

class TPrimitivesLibrary {
public:
    TPrimitivesLibrary();

    // Registers and owns the prototype; an Id taken already (any letter case)
    // leaves everything as it was and the prototype is dropped.
    void addPrimitive(std::unique_ptr<TPrimitive> prototype);
    TPrimitive* findPrimitive(const QString& id) const;
    const TNameList& addToCategory(const QString& name, TPrimitive* shape);
    const TNameList& addToGroup(const QString& path, TPrimitive* shape);
    const TNameList* getCategoryList(const QString& name) const;
    const TNameList* getGroupList(const QString& path) const;

    // Titles and pictures of the registered shapes from a flat or solid catalogue.
    void loadShapeNames(const QString& path);
    // Category titles from the categories catalogue.
    void loadCategories(const QString& path);

    const TNameList& shapesById() const { return m_shapesById; }
    // The prototypes in the order in which they were registered.
    const std::vector<std::unique_ptr<TPrimitive>>& prototypes() const { return m_prototypes; }
    // Group id, then category id, then language code; the title is the node text.
    IMultiArray categoryTitles() const { return m_categoryTitles; }

private:
    using Index = std::vector<std::pair<QString, TNameList>>;
    static const TNameList& addTo(Index& index, const QString& name, TPrimitive* shape);
    static const TNameList* lookup(const Index& index, const QString& name);

    std::vector<std::unique_ptr<TPrimitive>> m_prototypes;
    TNameList m_shapesById;
    Index m_categoryIndex;
    Index m_groupIndex;
    IMultiArray m_categoryTitles;
};

// The one library of the running program.
extern TPrimitivesLibrary PrimitivesLibrary;

// SPDX-License-Identifier: MIT
#include "model/primitivesLibrary.h"

#include <QStringList>

#include <algorithm>

TPrimitivesLibrary PrimitivesLibrary;

namespace {

int compareNames(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive);
}

} // namespace

bool addSortedUnique(TNameList& list, const QString& name, TPrimitive* shape)
{
    const auto at = std::lower_bound(list.begin(), list.end(), name,
        [](const auto& entry, const QString& key) { return compareNames(entry.first, key) < 0; });
    if (at != list.end() && compareNames(at->first, name) == 0)
        return false;
    list.insert(at, {name, shape});
    return true;
}

TPrimitivesLibrary::TPrimitivesLibrary() : m_categoryTitles(TArray::create()) {}

void TPrimitivesLibrary::addPrimitive(std::unique_ptr<TPrimitive> prototype)
{
    if (!prototype || findPrimitive(prototype->getId()))
        return;
    TPrimitive* shape = prototype.get();
    m_prototypes.push_back(std::move(prototype));
    addSortedUnique(m_shapesById, shape->getId(), shape);

    // Every piece before a ':' counts, even empty; the last one only when not empty.
    const QStringList categories = shape->getCategory().split(QLatin1Char(':'));
    for (int i = 0; i < categories.size(); ++i) {
        if (i + 1 < categories.size() || !categories[i].isEmpty())
            addToCategory(categories[i], shape);
    }
    // Every leading path of the group: a, a:b, a:b:c.
    const QStringList groups = shape->getGroup().split(QLatin1Char(':'));
    for (int i = 1; i <= groups.size(); ++i)
        addToGroup(groups.mid(0, i).join(QLatin1Char(':')), shape);
}

TPrimitive* TPrimitivesLibrary::findPrimitive(const QString& id) const
{
    for (const auto& entry : m_shapesById) {
        if (compareNames(entry.first, id) == 0)
            return entry.second;
    }
    return nullptr;
}

const TNameList& TPrimitivesLibrary::addTo(Index& index, const QString& name, TPrimitive* shape)
{
    auto at = std::find_if(index.begin(), index.end(),
                           [&](const auto& entry) { return compareNames(entry.first, name) == 0; });
    if (at == index.end()) {
        index.emplace_back(name, TNameList());
        at = index.end() - 1;
    }
    addSortedUnique(at->second, shape->getId(), shape);
    return at->second;
}

const TNameList* TPrimitivesLibrary::lookup(const Index& index, const QString& name)
{
    for (const auto& entry : index) {
        if (compareNames(entry.first, name) == 0)
            return &entry.second;
    }
    return nullptr;
}

const TNameList& TPrimitivesLibrary::addToCategory(const QString& name, TPrimitive* shape)
{
    return addTo(m_categoryIndex, name, shape);
}

const TNameList& TPrimitivesLibrary::addToGroup(const QString& path, TPrimitive* shape)
{
    return addTo(m_groupIndex, path, shape);
}

const TNameList* TPrimitivesLibrary::getCategoryList(const QString& name) const
{
    return lookup(m_categoryIndex, name);
}

const TNameList* TPrimitivesLibrary::getGroupList(const QString& path) const
{
    return lookup(m_groupIndex, path);
}

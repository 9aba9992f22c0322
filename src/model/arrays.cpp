// SPDX-License-Identifier: MIT
#include "model/arrays.h"

EArrayError::EArrayError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString TKey::text() const
{
    if (const auto* t = std::get_if<QString>(&m_value))
        return *t;
    return QString::number(std::get<qint64>(m_value));
}

qint64 TKey::integer() const
{
    if (const auto* n = std::get_if<qint64>(&m_value))
        return *n;
    return 0;
}

int TKey::compare(const TKey& other) const
{
    if (m_value.index() != other.m_value.index())
        return m_value.index() < other.m_value.index() ? -1 : 1;
    if (isText())
        return QString::compare(std::get<QString>(m_value), std::get<QString>(other.m_value),
                                Qt::CaseInsensitive);
    const qint64 a = std::get<qint64>(m_value);
    const qint64 b = std::get<qint64>(other.m_value);
    return a < b ? -1 : (a > b ? 1 : 0);
}

TArrayPtr TArray::create()
{
    return TArrayPtr(new TArray());
}

TArray::TArray()
{
    setCursor(-1);
}

int TArray::lowerBound(const TKey& key, bool& found) const
{
    int low = 0;
    int high = static_cast<int>(m_sorted.size());
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (m_sorted[middle]->key.compare(key) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    found = low < static_cast<int>(m_sorted.size()) && m_sorted[low]->key.compare(key) == 0;
    return low;
}

const TArray::EntryPtr* TArray::lookup(const TKey& key) const
{
    bool found = false;
    const int at = lowerBound(key, found);
    return found ? &m_sorted[at] : nullptr;
}

int TArray::iterationPosition(const EntryPtr& entry) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_insertion[i] == entry)
            return i;
    }
    throw EArrayError(QStringLiteral("Внутренняя ошибка поиска индекса"));
}

const TArray::Entry& TArray::entryAt(int position) const
{
    if (position < 0 || position >= count())
        throw EArrayError(QStringLiteral("Индекс за пределами массива (%1)").arg(position));
    return *m_insertion[position];
}

TKey TArray::keyAt(int position) const
{
    return entryAt(position).key;
}

bool TArray::find(const TKey& key, int* position) const
{
    const EntryPtr* entry = lookup(key);
    if (position)
        *position = entry ? iterationPosition(*entry) : -1;
    return entry != nullptr;
}

void TArray::store(const TKey& key, Value value)
{
    bool found = false;
    const int at = lowerBound(key, found);
    if (found) {
        m_sorted[at]->value = std::move(value);
        return;
    }
    auto entry = std::make_shared<Entry>(Entry{key, std::move(value)});
    m_sorted.insert(m_sorted.begin() + at, entry);
    m_insertion.push_back(std::move(entry));
}

static QString valueAsString(const TArray::Value& value)
{
    if (const auto* text = std::get_if<QString>(&value))
        return *text;
    if (const auto* number = std::get_if<qint64>(&value))
        return QString::number(*number);
    return {};
}

QString TArray::getString(const TKey& key) const
{
    const EntryPtr* entry = lookup(key);
    return entry ? valueAsString((*entry)->value) : QString();
}

void TArray::setString(const TKey& key, const QString& value)
{
    store(key, value);
}

qint64 TArray::getInteger(const TKey& key) const
{
    const EntryPtr* entry = lookup(key);
    if (!entry)
        return 0;
    if (const auto* number = std::get_if<qint64>(&(*entry)->value))
        return *number;
    return 0;
}

void TArray::setInteger(const TKey& key, qint64 value)
{
    store(key, value);
}

bool TArray::renameKey(const TKey& oldKey, const TKey& newKey)
{
    bool oldFound = false;
    const int oldAt = lowerBound(oldKey, oldFound);
    bool newFound = false;
    lowerBound(newKey, newFound);
    if (!oldFound || newFound)
        return false;
    EntryPtr entry = m_sorted[oldAt];
    m_sorted.erase(m_sorted.begin() + oldAt);
    bool unused = false;
    const int newAt = lowerBound(newKey, unused);
    entry->key = newKey;
    m_sorted.insert(m_sorted.begin() + newAt, std::move(entry));
    return true;
}

void TArray::clear()
{
    m_sorted.clear();
    m_insertion.clear();
}

void TArray::setCursor(int position)
{
    m_beforeFirst = position < 0;
    m_cursor = position < 0 ? 0 : position;
    m_pastLast = m_cursor >= count();
    if (m_pastLast)
        m_cursor = count() - 1;
}

void TArray::first()
{
    setCursor(0);
    m_beforeFirst = true;
}

void TArray::next()
{
    setCursor(m_cursor + 1);
}

TKey TArray::currentKey() const
{
    return entryAt(m_cursor).key;
}

QString TArray::currentString() const
{
    return valueAsString(entryAt(m_cursor).value);
}

TArrayPtr TArray::child(const TKey& key)
{
    if (const EntryPtr* entry = lookup(key)) {
        if (const auto* nested = std::get_if<TArrayPtr>(&(*entry)->value); nested && *nested)
            return *nested;
    }
    TArrayPtr nested = create();
    store(key, nested);
    return nested;
}

TArrayPtr TArray::currentChild()
{
    Entry& entry = const_cast<Entry&>(entryAt(m_cursor));
    if (const auto* nested = std::get_if<TArrayPtr>(&entry.value); nested && *nested)
        return *nested;
    TArrayPtr nested = create();
    entry.value = nested;
    return nested;
}

void TArray::setChild(const TKey& key, TArrayPtr nested)
{
    store(key, std::move(nested));
}

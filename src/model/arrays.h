// SPDX-License-Identifier: MIT
// Keyed value arrays: the one container of the shape model.
#pragma once

#include <QString>

#include <memory>
#include <stdexcept>
#include <variant>
#include <vector>

class EArrayError : public std::runtime_error {
public:
    explicit EArrayError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// A key is text (compared without regard to letter case) or an integer.
class TKey {
public:
    TKey(const QString& text) : m_value(text) {}
    TKey(const char* text) : m_value(QString::fromUtf8(text)) {}
    TKey(int number) : m_value(static_cast<qint64>(number)) {}
    TKey(qint64 number) : m_value(number) {}

    bool isText() const { return std::holds_alternative<QString>(m_value); }
    QString text() const;
    qint64 integer() const;
    // Keys of different kinds order by kind; text keys ignore letter case.
    int compare(const TKey& other) const;
    bool operator==(const TKey& other) const { return compare(other) == 0; }

private:
    std::variant<qint64, QString> m_value;
};

class TArray;
using TArrayPtr = std::shared_ptr<TArray>;

// Typed views of one array; all views reach the same object.
using IStringArray = TArrayPtr;
using IIntegerArray = TArrayPtr;
using IMultiArray = TArrayPtr;
using IVariantArray = TArrayPtr;

// Associative array walked in first-insertion order, searched in key order.
class TArray {
public:
    using Value = std::variant<std::monostate, QString, qint64, TArrayPtr>;

    static TArrayPtr create();

    int count() const { return static_cast<int>(m_insertion.size()); }
    TKey keyAt(int position) const;
    bool find(const TKey& key, int* position = nullptr) const;

    QString getString(const TKey& key) const;
    void setString(const TKey& key, const QString& value);
    qint64 getInteger(const TKey& key) const;
    void setInteger(const TKey& key, qint64 value);
    bool renameKey(const TKey& oldKey, const TKey& newKey);
    void clear();

    void first();
    void next();
    bool eof() const { return m_pastLast; }
    TKey currentKey() const;
    QString currentString() const;

    TArrayPtr child(const TKey& key);
    TArrayPtr currentChild();
    void setChild(const TKey& key, TArrayPtr child);
    QString nodeText() const { return m_nodeText; }
    void setNodeText(const QString& text) { m_nodeText = text; }

private:
    struct Entry {
        TKey key;
        Value value;
    };
    using EntryPtr = std::shared_ptr<Entry>;

    TArray();
    // Index in the key order of the first entry not below the key; sets found.
    int lowerBound(const TKey& key, bool& found) const;
    const EntryPtr* lookup(const TKey& key) const;
    void store(const TKey& key, Value value);
    int iterationPosition(const EntryPtr& entry) const;
    const Entry& entryAt(int position) const;
    void setCursor(int position);

    std::vector<EntryPtr> m_sorted;
    std::vector<EntryPtr> m_insertion;
    int m_cursor = 0;
    bool m_beforeFirst = false;
    bool m_pastLast = false;
    QString m_nodeText;
};

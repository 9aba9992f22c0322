// SPDX-License-Identifier: MIT
// Reader of profile (INI) files: "[section]" lines followed by "name=value"
// lines. Section and entry names ignore letter case; blanks around names and
// values are dropped and one pair of matching quotes around a value removed; a
// name given twice keeps its first value. Everything else in a value (commas,
// backslashes, ";", "@Variant(") is kept literally.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

class TProfile {
public:
    // Largest file the reader takes; language files are a few kilobytes.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    // A missing file reads as a profile without sections; nothing when the
    // path exists but cannot be read as a file (a folder, a FIFO, no access,
    // larger than MaxFileSize).
    static std::optional<TProfile> read(const QString& path);
    // Parses UTF-8 text; invalid bytes and NUL characters never stop it.
    static TProfile parse(const QByteArray& text);

    bool hasSection(const QString& section) const;
    // The section's entry names in file order, each once, spelled as first met.
    QStringList entryNames(const QString& section) const;
    // The first value of the entry; empty text when there is none.
    QString value(const QString& section, const QString& name) const;

private:
    struct Section {
        std::vector<std::pair<QString, QString>> entries;
        // Case-folded name to position in entries.
        QHash<QString, qsizetype> positions;
    };
    const Section* findSection(const QString& name) const;

    // Case-folded section name to its entries.
    QHash<QString, Section> m_sections;
};

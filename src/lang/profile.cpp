// SPDX-License-Identifier: MIT
#include "lang/profile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
}

QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString unquote(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

std::optional<TProfile> TProfile::read(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking, so that a FIFO never stalls the open; it is refused below.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return TProfile();
        return std::nullopt;
    }
    struct stat info {};
    QByteArray bytes;
    bool readable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= MaxFileSize;
    if (readable) {
        bytes.resize(MaxFileSize + 1);
        qsizetype filled = 0;
        while (filled < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                readable = false;
                break;
            }
            if (got == 0)
                break;
            filled += got;
        }
        // A file that grew past the limit while being read is refused too.
        readable = readable && filled <= MaxFileSize;
        bytes.truncate(filled);
    }
    ::close(fd);
    if (!readable)
        return std::nullopt;
    return parse(bytes);
}

TProfile TProfile::parse(const QByteArray& text)
{
    TProfile profile;
    Section* current = nullptr;
    qsizetype start = 0;
    // A byte-order mark at the start is not part of the first line.
    if (text.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start <= text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QString line = trimBlanks(QString::fromUtf8(text.constData() + start, end - start));
        start = end + 1;

        if (line.isEmpty() || line.front() == QLatin1Char(';'))
            continue;
        if (line.front() == QLatin1Char('[')) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0)
                continue;
            current = &profile.m_sections[trimBlanks(line.mid(1, close - 1)).toCaseFolded()];
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!current || equals < 0)
            continue;
        const QString name = trimBlanks(line.left(equals));
        const QString key = name.toCaseFolded();
        if (current->positions.contains(key))
            continue;
        current->positions.insert(key, static_cast<qsizetype>(current->entries.size()));
        current->entries.emplace_back(name, unquote(trimBlanks(line.mid(equals + 1))));
    }
    return profile;
}

const TProfile::Section* TProfile::findSection(const QString& name) const
{
    const auto found = m_sections.constFind(name.toCaseFolded());
    return found == m_sections.constEnd() ? nullptr : &found.value();
}

bool TProfile::hasSection(const QString& section) const
{
    return findSection(section) != nullptr;
}

QStringList TProfile::entryNames(const QString& section) const
{
    QStringList names;
    if (const Section* found = findSection(section)) {
        for (const auto& entry : found->entries)
            names << entry.first;
    }
    return names;
}

QString TProfile::value(const QString& section, const QString& name) const
{
    const Section* found = findSection(section);
    if (!found)
        return {};
    const auto position = found->positions.constFind(name.toCaseFolded());
    return position == found->positions.constEnd() ? QString() : found->entries[static_cast<size_t>(*position)].second;
}

// SPDX-License-Identifier: MIT
// The fuzz input as a file, for the readers that take a path.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <unistd.h>

inline QString writeInputFile(const char* name, const uint8_t* data, size_t size)
{
    static const QString folder = [] {
        const QString path = QDir::tempPath() + QStringLiteral("/kolvent-fuzz-%1").arg(getpid());
        QDir().mkpath(path);
        return path;
    }();
    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    return path;
}

// SPDX-License-Identifier: MIT
// Damaged catalogues shared by the loader, main window and start-up tests.
#pragma once

#include <QByteArray>

// One shape element with 60,000 distinct attributes, about 540 KB: libxml2's
// duplicate-attribute check takes seconds over it.
inline QByteArray manyAttributes(const QByteArray& shapeId)
{
    QByteArray out = "<shapes><shape id=\"" + shapeId + "\"";
    for (int i = 0; i < 60000; ++i)
        out += " a" + QByteArray::number(i) + "=\"\"";
    return out + "/></shapes>";
}

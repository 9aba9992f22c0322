// SPDX-License-Identifier: MIT
// Reading the elements of a parsed catalogue.
#pragma once

#include <QString>

#include <libxml/tree.h>

#include <optional>

// An element whose name is exactly the given one (letter case counts).
inline bool isElementNamed(const xmlNode* node, const char* name)
{
    return node->type == XML_ELEMENT_NODE && xmlStrcmp(node->name, BAD_CAST name) == 0;
}

// The attribute's value, or nothing when the element lacks it.
inline std::optional<QString> attributeText(const xmlNode* node, const char* name)
{
    xmlChar* value = xmlGetProp(node, BAD_CAST name);
    if (!value)
        return std::nullopt;
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

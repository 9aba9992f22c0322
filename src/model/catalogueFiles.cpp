// SPDX-License-Identifier: MIT
// Readers of the XML catalogues: shape titles and pictures, category titles.
// The files are deployment data but are read defensively: no network, no
// external entities, no DOCTYPE at all, a size limit, and nothing printed.
#include "model/primitivesLibrary.h"

#include "model/messages.h"
#include "model/xmlNodes.h"

#include <QFile>

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Our catalogues are a few kilobytes; anything far larger is not one of them.
// The cap must stay small: libxml2 checks the attributes of one element for
// duplicates in quadratic time, so half a megabyte of them stalls start-up.
constexpr qsizetype MaxCatalogueSize = 64 * 1024;

const QString LibraryOrigin = QStringLiteral("[PrimitivesLibrary]\r\n");

void ignoreGenericError(void*, const char*, ...) {}
void ignoreStructuredError(void*, xmlErrorPtr) {}

// A DOCTYPE ends the parse at once: our catalogues need none, and entities
// declared in one could expand without bound when attributes are read.
void refuseDoctype(void* context, const xmlChar* name, const xmlChar* externalId, const xmlChar* systemId)
{
    xmlSAX2InternalSubset(context, name, externalId, systemId);
    xmlStopParser(static_cast<xmlParserCtxtPtr>(context));
}

// The bytes of a regular file of at most MaxCatalogueSize bytes. Opened without
// blocking so that a FIFO is refused instead of waiting for a writer.
std::optional<QByteArray> readCatalogueBytes(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= MaxCatalogueSize;
    QByteArray bytes;
    if (ok) {
        bytes.resize(MaxCatalogueSize + 1);
        qsizetype filled = 0;
        while (filled < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                ok = got == 0;
                break;
            }
            filled += got;
        }
        ok = ok && filled <= MaxCatalogueSize;
        bytes.truncate(filled);
    }
    ::close(fd);
    if (!ok)
        return std::nullopt;
    return bytes;
}

struct DocumentDeleter {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};
struct ContextDeleter {
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};
using Document = std::unique_ptr<xmlDoc, DocumentDeleter>;

// The parsed catalogue, or nothing when the file is missing, unreadable, too
// large, not well-formed, without a root element or declares a DOCTYPE.
Document parseCatalogue(const QString& path)
{
    xmlSetGenericErrorFunc(nullptr, ignoreGenericError);
    xmlSetStructuredErrorFunc(nullptr, ignoreStructuredError);

    const std::optional<QByteArray> bytes = readCatalogueBytes(path);
    if (!bytes)
        return nullptr;
    std::unique_ptr<xmlParserCtxt, ContextDeleter> context(xmlNewParserCtxt());
    if (!context)
        return nullptr;
    context->sax->internalSubset = refuseDoctype;
    const QByteArray url = QFile::encodeName(path);
    Document document(xmlCtxtReadMemory(context.get(), bytes->constData(), static_cast<int>(bytes->size()),
                                        url.constData(), nullptr,
                                        XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    if (!document || document->intSubset || document->extSubset || !xmlDocGetRootElement(document.get()))
        return nullptr;
    return document;
}

bool isElement(const xmlNode* node)
{
    return node->type == XML_ELEMENT_NODE;
}

bool hasName(const xmlNode* node, const char* name)
{
    return xmlStrcmp(node->name, BAD_CAST name) == 0;
}

QString elementName(const xmlNode* node)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(node->name));
}

void warnUnknownTag(const xmlNode* node)
{
    showMessage(LibraryOrigin + QStringLiteral("WARRNING: Unknown tag <") + elementName(node) + QLatin1Char('>'));
}

} // namespace

void TPrimitivesLibrary::loadShapeNames(const QString& path)
{
    const Document document = parseCatalogue(path);
    if (!document) {
        showMessage(LibraryOrigin + QStringLiteral("ERROR: Can't load shape names from xml-file\r\n\"") + path
                    + QLatin1Char('"'));
        return;
    }
    for (const xmlNode* node = xmlDocGetRootElement(document.get())->children; node; node = node->next) {
        if (!isElement(node))
            continue;
        if (!hasName(node, "shape")) {
            warnUnknownTag(node);
            continue;
        }
        const std::optional<QString> id = attributeText(node, "id");
        if (!id)
            continue;
        TPrimitive* shape = findPrimitive(*id);
        if (!shape) {
            showMessage(LibraryOrigin + QStringLiteral("WARRNING: Primitive \"") + *id + QStringLiteral("\" doesn't found!"));
            continue;
        }
        shape->loadFromXml(node);
    }
}

void TPrimitivesLibrary::loadCategories(const QString& path)
{
    const Document document = parseCatalogue(path);
    if (!document) {
        showMessage(LibraryOrigin + QStringLiteral("ERROR: Can't load category names from xml-file\r\n\"") + path
                    + QLatin1Char('"'));
        return;
    }
    for (const xmlNode* group = xmlDocGetRootElement(document.get())->children; group; group = group->next) {
        if (!isElement(group) || !hasName(group, "group"))
            continue;
        const std::optional<QString> groupId = attributeText(group, "id");
        if (!groupId)
            continue;
        if (!m_categoryTitles->find(*groupId))
            m_categoryTitles->setChild(*groupId, TArray::create());
        const IMultiArray groupTitles = m_categoryTitles->child(*groupId);
        for (const xmlNode* category = group->children; category; category = category->next) {
            if (!isElement(category))
                continue;
            if (!hasName(category, "category")) {
                warnUnknownTag(category);
                continue;
            }
            const std::optional<QString> categoryId = attributeText(category, "id");
            if (!categoryId)
                continue;
            if (!groupTitles->find(*categoryId))
                groupTitles->setChild(*categoryId, TArray::create());
            const IMultiArray titles = groupTitles->child(*categoryId);
            for (const xmlNode* name = category->children; name; name = name->next) {
                if (!isElement(name) || !hasName(name, "name"))
                    continue;
                const std::optional<QString> language = attributeText(name, "lang");
                const std::optional<QString> title = attributeText(name, "title");
                if (language && title)
                    titles->child(*language)->setNodeText(*title);
            }
        }
    }
}

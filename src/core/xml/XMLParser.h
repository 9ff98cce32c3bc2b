#pragma once

#include "core/xml/XmlNode.h"

#include <QByteArray>
#include <QString>

#include <deque>
#include <memory>
#include <optional>

// Builds the full tree of a document and answers "/"-separated path
// queries. A document that is not well-formed yields what was built up to
// the fault.
class XMLParser {
public:
    XMLParser();
    ~XMLParser();
    XMLParser(const XMLParser&) = delete;
    XMLParser& operator=(const XMLParser&) = delete;

    // Always true: callers never learn of malformed documents.
    bool parseData(const QByteArray& data);
    // Whether the last document was read to its end without a fault.
    bool lastParseWasComplete() const { return m_complete; }

    XmlNodePtr rootNode() const;

    XmlNodePtr dictAtPath(QStringView path) const { return dictAtPath(path, rootNode()); }
    const XmlNodeList* arrayAtPath(QStringView path) const { return arrayAtPath(path, &m_document->root); }

    // The deepest node reached along the path (the start node when the first
    // name is missing); nullptr only when the start node is nullptr.
    static XmlNodePtr dictAtPath(QStringView path, const XmlNodePtr& root);
    // All elements of the last name under the first element of each earlier
    // name; nullptr when a name is missing.
    static const XmlNodeList* arrayAtPath(QStringView path, const XmlNode* root);
    static std::optional<QString> valueForInfo(QStringView key, qsizetype index, const XmlNode* root);

private:
    // Every node of one document, kept together: a node handed out shares
    // ownership of all of them.
    struct Document {
        XmlNode root;
        std::deque<XmlNode> nodes;
    };

    std::shared_ptr<Document> m_document;
    bool m_complete = false;
};

#pragma once

#include "XmlNode.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class NameCache;

// Builds the full tree of a reply and answers "/"-separated path queries.
// A document that is not well-formed yields what was built up to the error.
class XMLParser {
public:
    XMLParser();
    ~XMLParser();
    XMLParser(const XMLParser&) = delete;
    XMLParser& operator=(const XMLParser&) = delete;

    // Always true: callers never learn of malformed documents.
    bool parseData(const QByteArray& data);
    // Whether the last document was read to its end without an error.
    bool lastParseWasComplete() const { return m_complete; }

    const XmlNodePtr& rootNode() const { return m_rootNode; }
    const std::optional<std::string>& textInProgress() const { return m_textInProgress; }

    XmlNodePtr dictAtPath(QStringView path) const { return dictAtPath(path, m_rootNode); }
    const XmlNodeList* arrayAtPath(QStringView path) const { return arrayAtPath(path, m_rootNode.get()); }

    // The deepest node reached along the path (the start node when the first
    // name is missing); nullptr only when the start node is nullptr.
    static XmlNodePtr dictAtPath(QStringView path, const XmlNodePtr& root);
    // All elements of the last name under the first element of each earlier
    // name; nullptr when a name is missing.
    static const XmlNodeList* arrayAtPath(QStringView path, const XmlNode* root);
    static std::optional<QString> valueForInfo(QStringView key, qsizetype index, const XmlNode* root);

private:
    static void onStart(void* self, const char* name, const char** attributes);
    static void onEnd(void* self, const char* name);
    static void onText(void* self, const char* text, int length);
    static void onCdataStart(void* self);
    static void onCdataEnd(void* self);

    XmlNodePtr m_rootNode;
    std::vector<XmlNode*> m_treePath;
    std::optional<std::string> m_textInProgress;
    NameCache* m_names = nullptr; // valid during parseData only
    bool m_inCdata = false;
    bool m_complete = false;
};

#pragma once

#include "core/xml/AttributeMap.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class XmlNode;
// A node handed out of a reply: it keeps the whole reply alive, however
// long it is kept.
using XmlNodePtr = std::shared_ptr<XmlNode>;
// Children of one name, in document order; they live as long as the reply.
using XmlNodeList = std::vector<XmlNode*>;

// One element of a reply: its attributes, its text when it has no child
// elements, and its children grouped by name in the order the names first
// appear. The document node holds only the document element.
class XmlNode {
public:
    // More distinct child names than any real reply or skin uses; a hostile
    // document cannot make a node hold more.
    static constexpr int maxChildNames = 256;

    AttributeMap attributeDict;
    // Set only for elements in which no child element started.
    std::optional<QString> nodeText;

    // Children named name; nullptr when there are none.
    const XmlNodeList* children(QStringView name) const;
    // The group for name, created when new; nullptr when the node already
    // holds maxChildNames names.
    XmlNodeList* childrenCreating(const QString& name);
    const std::vector<std::pair<QString, XmlNodeList>>& childGroups() const { return m_children; }

    // The text of the first child element named key, else attribute key.
    std::optional<QString> XMLObjectForKey(QStringView key) const;

private:
    // Past a few names, groups are found through an index, so that a node
    // with many names costs no more per child than one with a few.
    static constexpr size_t indexFrom = 8;
    int groupIndex(QStringView name) const;

    std::vector<std::pair<QString, XmlNodeList>> m_children;
    QHash<QString, int> m_index;
};

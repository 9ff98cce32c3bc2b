#pragma once

#include "core/xml/AttributeMap.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <vector>

// Collects, in document order, the attributes of every element whose name is
// of interest, wherever it stands; text and nesting are ignored.
class XMLPlaylistParser {
public:
    void setInterestingKeys(const QSet<QString>& keys) { m_interestingKeys = keys; }
    const QSet<QString>& interestingKeys() const { return m_interestingKeys; }
    // Collect only inside the first child element of the document element.
    void setFirstBranchOnly(bool only) { m_firstBranchOnly = only; }

    // Always true; a malformed document yields the items read before the fault.
    bool parseData(const QByteArray& data);
    bool lastParseWasComplete() const { return m_complete; }

    const std::vector<AttributeMap>& items() const { return m_items; }
    std::vector<AttributeMap> takeItems() { return std::move(m_items); }

private:
    QSet<QString> m_interestingKeys;
    std::vector<AttributeMap> m_items;
    bool m_complete = false;
    bool m_firstBranchOnly = false;
};

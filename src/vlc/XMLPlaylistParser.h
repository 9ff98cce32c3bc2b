#pragma once

#include "AttributeMap.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <string>
#include <vector>

class NameCache;

// Collects, in document order, the attributes of every element whose name is
// of interest, wherever it stands; text and nesting are ignored.
class XMLPlaylistParser {
public:
    void setInterestingKeys(const QSet<QString>& keys);
    const QSet<QString>& interestingKeys() const { return m_interestingKeys; }

    // Always true; a malformed document yields the items read before the error.
    bool parseData(const QByteArray& data);
    // Collect only inside the first child element of the document element.
    void setFirstBranchOnly(bool only) { m_firstBranchOnly = only; }
    bool lastParseWasComplete() const { return m_complete; }

    const std::vector<AttributeMap>& items() const { return m_items; }
    std::vector<AttributeMap> takeItems() { return std::move(m_items); }

private:
    static void onStart(void* self, const char* name, const char** attributes);
    static void onEnd(void* self, const char* name);

    QSet<QString> m_interestingKeys;
    std::vector<std::string> m_interestingUtf8;
    std::vector<AttributeMap> m_items;
    NameCache* m_names = nullptr;
    bool m_complete = false;
    bool m_firstBranchOnly = false;
    int m_depth = 0;    // open elements
    int m_branches = 0; // children of the document element seen so far
};

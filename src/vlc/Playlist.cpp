#include "vlc/Playlist.h"

#include "core/xml/XmlDocument.h"
#include "vlc/ReplyNumbers.h"

#include <cstring>

Playlist Playlist::read(const QByteArray& body, bool firstBranchOnly)
{
    Playlist playlist;
    XmlDocument document;
    document.load(body, XmlDocument::Input::WholeDocument);
    pugi::xml_node top = document.documentElement();
    if (firstBranchOnly) {
        top = top.first_child();
        while (top && top.type() != pugi::node_element)
            top = top.next_sibling();
    }
    // Document order, without recursion; only the attributes kept are read.
    for (pugi::xml_node node = top; node;) {
        if (node.type() == pugi::node_element && std::strcmp(node.name(), "leaf") == 0) {
            PlaylistItem& item = playlist.m_items.emplace_back();
            for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
                const char* name = a.name();
                if (std::strcmp(name, "id") == 0) {
                    item.id = ReplyNumbers::integer(a.value(), 0, ReplyNumbers::maxCount);
                } else if (std::strcmp(name, "name") == 0) {
                    item.name = a.value();
                } else if (std::strcmp(name, "uri") == 0) {
                    item.uri = a.value();
                } else if (std::strcmp(name, "duration") == 0) {
                    item.duration = ReplyNumbers::integer(a.value(), -1, ReplyNumbers::maxSeconds);
                    item.hasDuration = true;
                } else if (std::strcmp(name, "current") == 0) {
                    item.isCurrent = true;
                }
            }
        }
        if (pugi::xml_node child = node.first_child()) {
            node = child;
            continue;
        }
        while (node && node != top && !node.next_sibling())
            node = node.parent();
        if (!node || node == top)
            break;
        node = node.next_sibling();
    }
    // The items' texts live in the document's text, which outlives the tree.
    playlist.m_text = std::make_shared<const QByteArray>(document.takeText());
    return playlist;
}

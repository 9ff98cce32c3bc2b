#include "vlc/Playlist.h"

#include "core/xml/TagScanner.h"
#include "vlc/ReplyNumbers.h"

namespace {
// Numbers are read as written; one given through a character reference is
// decoded first, as a document reader would have.
int64_t numberOf(std::string_view raw, int64_t low, int64_t high)
{
    if (raw.find('&') == std::string_view::npos)
        return ReplyNumbers::integer(raw, low, high);
    std::string scratch;
    return ReplyNumbers::integer(decodedAttribute(raw, scratch), low, high);
}
}

Playlist Playlist::read(const QByteArray& body, bool firstBranchOnly)
{
    Playlist playlist;
    playlist.m_text = body;
    // Bytes the reply only lends (raw data) are copied, so that the items'
    // texts stay valid as long as the playlist.
    if (!playlist.m_text.data_ptr().isMutable())
        playlist.m_text = QByteArray(body.constData(), body.size());
    const std::string_view text(playlist.m_text.constData(), size_t(playlist.m_text.size()));

    // The branch read: the document element, or its first element child.
    const int topDepth = firstBranchOnly ? 1 : 0;
    bool inTop = false;
    TagScanner scanner(text);
    for (TagScanner::Event event; (event = scanner.next()) != TagScanner::Event::End;) {
        if (event == TagScanner::Event::EndTag) {
            if (inTop && scanner.depth() == topDepth)
                break;
            continue;
        }
        if (!inTop) {
            if (scanner.depth() != topDepth)
                continue;
            inTop = true;
        }
        if (scanner.name() == "leaf") {
            PlaylistItem& item = playlist.m_items.emplace_back();
            for (const TagScanner::Attribute& a : scanner.attributes()) {
                if (a.name == "id") {
                    item.id = numberOf(a.value, 0, ReplyNumbers::maxCount);
                } else if (a.name == "name") {
                    item.name = a.value;
                } else if (a.name == "uri") {
                    item.uri = a.value;
                } else if (a.name == "duration") {
                    item.duration = numberOf(a.value, -1, ReplyNumbers::maxSeconds);
                    item.hasDuration = true;
                } else if (a.name == "current") {
                    item.isCurrent = true;
                }
            }
        }
        if (scanner.selfClosing() && scanner.depth() == topDepth)
            break; // the branch was one empty element
    }
    return playlist;
}

#include "vlc/FolderListing.h"

#include "core/xml/XMLPlaylistParser.h"

std::vector<BrowseEntry> FolderListing::read(const QByteArray& body)
{
    XMLPlaylistParser parser;
    parser.setInterestingKeys({ QStringLiteral("element") });
    parser.parseData(body);
    return parser.takeItems();
}

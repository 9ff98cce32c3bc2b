// libFuzzer target: the XML reader (pugixml under our partial-document
// rules) and the tree built from it. Run by make fuzz;
// it is not part of make test.
#include "core/xml/XMLParser.h"
#include "core/xml/XMLPlaylistParser.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray doc(reinterpret_cast<const char*>(data), qsizetype(size));
    XMLParser tree;
    tree.parseData(doc);
    tree.dictAtPath(u"root/information/category");
    XMLPlaylistParser list;
    list.setInterestingKeys({ QStringLiteral("leaf") });
    list.parseData(doc);
    return 0;
}

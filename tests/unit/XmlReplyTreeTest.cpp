#include "core/xml/XMLParser.h"
#include "core/xml/XMLPlaylistParser.h"
#include "vlc/Playlist.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {
XmlNodePtr parse(const QByteArray& xml, XMLParser& parser)
{
    parser.parseData(xml);
    return parser.dictAtPath(u"a");
}
}

TEST(ReplyTree, RepeatedChildrenStayInDocumentOrder)
{
    XMLParser parser;
    EXPECT_TRUE(parser.parseData("<a><b>1</b><b>2</b></a>"));
    const XmlNodeList* top = parser.rootNode()->children(u"a");
    ASSERT_TRUE(top);
    ASSERT_EQ(top->size(), 1u);
    const XmlNode& a = *top->front();
    EXPECT_TRUE(a.attributeDict.isEmpty());
    EXPECT_FALSE(a.nodeText.has_value());
    const XmlNodeList* b = a.children(u"b");
    ASSERT_TRUE(b);
    ASSERT_EQ(b->size(), 2u);
    EXPECT_EQ((*b)[0]->nodeText, QStringLiteral("1"));
    EXPECT_EQ((*b)[1]->nodeText, QStringLiteral("2"));
    EXPECT_TRUE(parser.lastParseWasComplete());
}

TEST(ReplyTree, ValueForInfoReadsChildTextThenAttributes)
{
    XMLParser parser;
    const XmlNodePtr a = parse("<a x='attr' b='shadowed'><b>1</b><b>2</b><c><d/></c></a>", parser);
    EXPECT_EQ(XMLParser::valueForInfo(u"b", 1, a.get()), QStringLiteral("2"));
    EXPECT_EQ(XMLParser::valueForInfo(u"b", 2, a.get()), std::nullopt);
    // A child wins over an attribute of the same name.
    EXPECT_EQ(XMLParser::valueForInfo(u"b", 0, a.get()), QStringLiteral("1"));
    EXPECT_EQ(XMLParser::valueForInfo(u"x", 0, a.get()), QStringLiteral("attr"));
    EXPECT_EQ(XMLParser::valueForInfo(u"x", 1, a.get()), std::nullopt);
    EXPECT_EQ(XMLParser::valueForInfo(u"missing", 0, a.get()), std::nullopt);
    // A child with children of its own has no text, and there is no
    // fall-back to attributes then.
    EXPECT_EQ(XMLParser::valueForInfo(u"c", 0, a.get()), std::nullopt);
    EXPECT_EQ(XMLParser::valueForInfo(u"nodeText", 5, parser.dictAtPath(u"a/b").get()), QStringLiteral("1"));
    EXPECT_EQ(XMLParser::valueForInfo(u"b", 0, nullptr), std::nullopt);
    EXPECT_EQ(a->XMLObjectForKey(u"x"), QStringLiteral("attr"));
}

TEST(ReplyTree, LeafTextIsKeptExactlyAndEmptyElementsHaveEmptyText)
{
    XMLParser parser;
    const XmlNodePtr a = parse("<a><e></e><s/><m>\n  two\n  lines &amp; more\n</m>"
                               "<mixed>lost<x/>after</mixed><c><![CDATA[hidden]]>seen</c></a>",
                               parser);
    EXPECT_EQ(a->children(u"e")->front()->nodeText, QString());
    EXPECT_TRUE(a->children(u"e")->front()->nodeText.has_value());
    EXPECT_EQ(a->children(u"s")->front()->nodeText, QString());
    EXPECT_EQ(a->children(u"m")->front()->nodeText, QStringLiteral("\n  two\n  lines & more\n"));
    // Text of mixed content is lost; the element has children, so no text.
    EXPECT_FALSE(a->children(u"mixed")->front()->nodeText.has_value());
    // CDATA blocks are not collected.
    EXPECT_EQ(a->children(u"c")->front()->nodeText, QStringLiteral("seen"));
}

TEST(ReplyTree, PathQueriesStopWhereTheTreeEnds)
{
    XMLParser parser;
    parser.parseData(fixture(QStringLiteral("vlc3-status-playing.xml")));
    const XmlNodePtr root = parser.dictAtPath(u"root");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->XMLObjectForKey(u"state"), QStringLiteral("playing"));
    // A missing name: the deepest node reached, and no array.
    EXPECT_EQ(parser.dictAtPath(u"root/nothing"), root);
    EXPECT_EQ(parser.arrayAtPath(u"root/nothing"), nullptr);
    // A missing first name gives the start node itself.
    EXPECT_EQ(XMLParser::dictAtPath(u"nothing", root), root);
    // The empty path: the start node, and no array.
    EXPECT_EQ(XMLParser::dictAtPath(u"", root), root);
    EXPECT_EQ(XMLParser::arrayAtPath(u"", root.get()), nullptr);
    EXPECT_EQ(XMLParser::dictAtPath(u"root", nullptr), nullptr);

    const XmlNodeList* categories = XMLParser::arrayAtPath(u"information/category", root.get());
    ASSERT_TRUE(categories);
    ASSERT_EQ(categories->size(), 2u);
    // name is an attribute: no child of that name, so the attribute answers.
    EXPECT_EQ(XMLParser::valueForInfo(u"name", 0, (*categories)[1]), QStringLiteral("Stream 0"));
    EXPECT_EQ((*categories)[1]->children(u"info")->size(), 6u);
}

TEST(ReplyTree, ArrayPathFollowsTheFirstElementOfEachEarlierName)
{
    XMLParser parser;
    parser.parseData("<r><d><cs><c>1</c><c>2</c></cs><cs><c>3</c></cs></d><d><cs><c>4</c></cs></d></r>");
    const XmlNodeList* chapters = XMLParser::arrayAtPath(u"d/cs/c", parser.dictAtPath(u"r").get());
    ASSERT_TRUE(chapters);
    ASSERT_EQ(chapters->size(), 2u);
    EXPECT_EQ((*chapters)[1]->nodeText, QStringLiteral("2"));
}

TEST(ReplyTree, BrokenDocumentsKeepWhatWasRead)
{
    XMLParser cut;
    EXPECT_TRUE(cut.parseData("<root><state>playing</state><volume>25"));
    EXPECT_FALSE(cut.lastParseWasComplete());
    EXPECT_EQ(cut.dictAtPath(u"root")->XMLObjectForKey(u"state"), QStringLiteral("playing"));
    EXPECT_EQ(cut.dictAtPath(u"root")->XMLObjectForKey(u"volume"), std::nullopt);

    // Bytes that are not UTF-8 stop the reader there.
    XMLParser invalid;
    EXPECT_TRUE(invalid.parseData("<root><a>ok</a><b>\xff\xfe</b><c>never</c></root>"));
    EXPECT_FALSE(invalid.lastParseWasComplete());
    EXPECT_EQ(invalid.dictAtPath(u"root")->XMLObjectForKey(u"a"), QStringLiteral("ok"));
    EXPECT_EQ(invalid.dictAtPath(u"root")->XMLObjectForKey(u"c"), std::nullopt);

    XMLParser empty;
    EXPECT_TRUE(empty.parseData(QByteArray()));
    EXPECT_TRUE(empty.rootNode()->childGroups().empty());
}

TEST(ReplyTree, EntityExpansionIsBounded)
{
    // A "billion laughs" document must not eat the machine: entities of a
    // document type are never expanded.
    QByteArray bomb = "<?xml version='1.0'?><!DOCTYPE r [<!ENTITY a '0123456789'>";
    QByteArray previous = "a";
    for (char c = 'b'; c <= 'k'; ++c) {
        bomb += "<!ENTITY " + QByteArray(1, c) + " '";
        for (int i = 0; i < 10; ++i)
            bomb += "&" + previous + ";";
        bomb += "'>";
        previous = QByteArray(1, c);
    }
    bomb += "]><r><ok>1</ok><x>&k;</x></r>";
    XMLParser parser;
    parser.parseData(bomb);
    EXPECT_EQ(parser.dictAtPath(u"r")->XMLObjectForKey(u"ok"), QStringLiteral("1"));
    EXPECT_LT(parser.dictAtPath(u"r")->XMLObjectForKey(u"x").value_or(QString()).size(), 10);
}

TEST(ReplyTree, ManyNamesAndDeepNestingStayCheap)
{
    // Each name is found through an index past a few, and a node keeps a
    // bounded number of names; nesting does not use the stack.
    QByteArray wide = "<root>";
    for (int i = 0; i < 2000; ++i)
        wide += "<n" + QByteArray::number(i) + ">" + QByteArray::number(i) + "</n" + QByteArray::number(i) + ">";
    wide += "<state>playing</state></root>";
    XMLParser parser;
    parser.parseData(wide);
    const XmlNodePtr root = parser.dictAtPath(u"root");
    EXPECT_EQ(root->childGroups().size(), size_t(XmlNode::maxChildNames));
    EXPECT_EQ(root->XMLObjectForKey(u"n200"), QStringLiteral("200"));
    EXPECT_EQ(root->XMLObjectForKey(u"n20"), QStringLiteral("20"));

    QByteArray deep;
    for (int i = 0; i < 20000; ++i)
        deep += "<v>";
    XMLParser nested;
    nested.parseData(deep);
    EXPECT_FALSE(nested.lastParseWasComplete());
    EXPECT_TRUE(nested.dictAtPath(u"v/v/v")->children(u"v"));
}

TEST(FlatCollector, CollectsInterestingElementsAtAnyDepthInOrder)
{
    XMLPlaylistParser parser;
    parser.setInterestingKeys({ QStringLiteral("leaf") });
    EXPECT_TRUE(parser.parseData(fixture(QStringLiteral("legacy-playlist.xml"))));
    const auto& items = parser.items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].value(u"id"), QStringLiteral("5"));
    EXPECT_TRUE(items[0].contains(u"current"));
    EXPECT_EQ(items[1].value(u"id"), QStringLiteral("6")); // nested in an album node
    EXPECT_EQ(items[3].value(u"id"), QStringLiteral("8"));
    for (const AttributeMap& item : items)
        EXPECT_FALSE(item.value(u"name").isEmpty());

    // A second parse starts afresh.
    parser.parseData("<node><leaf id='1'/></node>");
    EXPECT_EQ(parser.items().size(), 1u);
}

TEST(FlatCollector, FirstBranchOnlySkipsVlcsMediaLibrary)
{
    XMLPlaylistParser parser;
    parser.setInterestingKeys({ QStringLiteral("leaf") });
    parser.setFirstBranchOnly(true);
    parser.parseData(fixture(QStringLiteral("legacy-playlist.xml")));
    ASSERT_EQ(parser.items().size(), 3u);
    EXPECT_EQ(parser.items()[2].value(u"id"), QStringLiteral("7"));

    parser.parseData(fixture(QStringLiteral("vlc3-playlist.xml")));
    ASSERT_EQ(parser.items().size(), 2u);
    EXPECT_EQ(parser.items()[1].value(u"name"), QStringLiteral("Bob's Café Song.wav"));
}

TEST(FlatCollector, BrokenListingsKeepTheItemsBeforeTheFault)
{
    XMLPlaylistParser parser;
    parser.setInterestingKeys({ QStringLiteral("element") });
    EXPECT_TRUE(parser.parseData("<root><element name='a'/><element name='b'/><element name="));
    EXPECT_FALSE(parser.lastParseWasComplete());
    ASSERT_EQ(parser.items().size(), 2u);
    EXPECT_EQ(parser.items()[1].value(u"name"), QStringLiteral("b"));
}

// The playlist is read in one pass over the tags, without a tree; it must
// still read what a document reader would.
TEST(PlaylistReading, ReadsTheFirstBranchAsADocumentReaderWould)
{
    const Playlist vlc3 = Playlist::read(fixture(QStringLiteral("vlc3-playlist.xml")), true);
    ASSERT_EQ(vlc3.size(), 2);
    EXPECT_EQ(vlc3.at(1)->nameText(), QStringLiteral("Bob's Café Song.wav"));

    // References in values (a referenced line break stays one, a written
    // tab becomes a space), '>' inside quotes, markup in
    // comments and CDATA, and items nested at any depth of the first branch.
    const Playlist tricky = Playlist::read(
        "<?xml version='1.0'?><!DOCTYPE x [<!ENTITY a 'b'>]><root a='1'>"
        "<node><!-- <leaf id='90'/> --><leaf id='&#49;0' name='A &amp; B &#x263A; &bogus; x&#10;y\tz' uri=\"u>v\" "
        "duration='7' current='current'/><node><![CDATA[<leaf id='91'/>]]><leaf id='11'></leaf></node></node>"
        "<node name='Media Library'><leaf id='99'/></node></root>",
        true);
    ASSERT_EQ(tricky.size(), 2);
    EXPECT_EQ(tricky.at(0)->id, 10);
    EXPECT_EQ(tricky.at(0)->nameText(), QStringLiteral("A & B \u263A &bogus; x\ny z"));
    EXPECT_EQ(tricky.at(0)->uriText(), QStringLiteral("u>v"));
    EXPECT_TRUE(tricky.at(0)->hasDuration && tricky.at(0)->isCurrent);
    EXPECT_EQ(tricky.at(1)->id, 11);
    EXPECT_EQ(Playlist::read("<root><leaf id='1'/><node><leaf id='2'/></node></root>", false).size(), 2);

    // A broken reply keeps the items before the fault: a cut tag, an
    // unquoted value, an end tag that closes another element.
    EXPECT_EQ(Playlist::read("<root><node><leaf id='1'/><leaf id='2' name='cut", true).size(), 1);
    EXPECT_EQ(Playlist::read("<root><node><leaf id='1'/><leaf id=2/><leaf id='3'/></node></root>", true).size(), 1);
    EXPECT_EQ(Playlist::read("<root><node><leaf id='1'/></nod><leaf id='3'/></node></root>", true).size(), 1);

    // The texts outlive bytes the reply only lent.
    QByteArray lent("<root><node><leaf id='1' name='kept'/></node></root>");
    const Playlist fromRaw = Playlist::read(QByteArray::fromRawData(lent.constData(), lent.size()), true);
    lent.fill('x');
    EXPECT_EQ(fromRaw.at(0)->nameText(), QStringLiteral("kept"));
}

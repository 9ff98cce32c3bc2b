#include "core/xml/XmlDocument.h"
#include "TestSupport.h"
#include "vlc/PlainStatusReader.h"
#include "vlc/PlayerStatus.h"
#include "vlc/StatusAssembler.h"

#include <gtest/gtest.h>

namespace {
PlayerStatus throughDocument(const QByteArray& body, const PlayerStatus* previous = nullptr)
{
    XmlDocument document;
    document.load(body, XmlDocument::Input::WholeDocument);
    return PlayerStatus::read(document, previous);
}

std::optional<PlayerStatus> inOnePass(const QByteArray& body, const PlayerStatus* previous = nullptr,
                                      PlainStatusReader::Memo* memo = nullptr)
{
    return PlainStatusReader::read(std::string_view(body.constData(), size_t(body.size())), previous, memo);
}

QByteArray playing()
{
    return fixture(QStringLiteral("vlc3-status-playing.xml"));
}

QByteArray replaced(QByteArray body, const QByteArray& from, const QByteArray& to)
{
    EXPECT_TRUE(body.contains(from)) << from.constData();
    return body.replace(from, to);
}
}

TEST(StatusReaders, EveryElementReadIsFoundByItsNameAndNoOther)
{
    for (int slot = 0; slot < StatusAssembler::SlotCount; ++slot) {
        const std::string name = StatusAssembler::nameOf(StatusAssembler::Slot(slot));
        EXPECT_EQ(StatusAssembler::slotOf(name), slot) << name;
        EXPECT_EQ(StatusAssembler::slotOf(name + "s"), -1) << name;
        EXPECT_EQ(StatusAssembler::slotOf(name.substr(1)), -1) << name;
    }
    for (const char* other : { "", "fullscreen", "stats", "equalizers", "subtitleDelay", "seek_sec", "Loop", "rates" })
        EXPECT_EQ(StatusAssembler::slotOf(other), -1) << other;
}

TEST(StatusReaders, TheOnePassReaderReadsWhatTheDocumentReaderReads)
{
    const QByteArray replies[] = {
        playing(),
        fixture(QStringLiteral("vlc3-status-paused.xml")),
        fixture(QStringLiteral("vlc3-status-stopped.xml")),
        fixture(QStringLiteral("vlc3-status-empty.xml")),
        fixture(QStringLiteral("vlc3-status-tracks.xml")),
        fixture(QStringLiteral("vlc3-status-chapters.xml")),
        fixture(QStringLiteral("vlc3-status-equalizer.xml")),
        fixture(QStringLiteral("vlc3-status-equalizer-unset.xml")),
        // Shapes a reply may take that the one-pass reader still reads.
        "\xEF\xBB\xBF<root><state >stopped</state ><volume/></root>\n",
        "<root volume='12' state=\"playing\"><volume>40</volume><volume>41</volume><random><x/></random></root>",
        replaced(playing(), "<state>playing</state>", "<state>p&#233;&lt;&amp;&gt;&quot;&apos;&#x41;</state>"),
        replaced(playing(), "<category name=\"meta\">", "<category name=\"a&#10;b\tc&amp;\">"),
        replaced(playing(), "<info name='Codec'>", "<info name='Co\nd\tec'>"),
        replaced(playing(), "<info name='Codec'>", "<info name='Type'>Video</info><info name='Codec'>"),
        replaced(playing(), "<info name='Decoded channels'>Mono</info>", "<info/><info name='Bitrate'>again</info>"),
        // Equalizers: twice, self-closed, with strangers, ids repeated,
        // missing or out of range, values with elements in them.
        replaced(playing(), "<equalizer></equalizer>", "<equalizer/><equalizer><preamp>3</preamp></equalizer>"),
        replaced(playing(), "<equalizer></equalizer>",
                 "<equalizer>x<other><preamp>9</preamp></other><preamp><b/></preamp><preamp>4</preamp>"
                 "<bands><band id='3'>1.5</band ><band>2</band><band id=\"3\">7</band><band id='12'>1</band>"
                 "<band id='-1'>1</band><bnd id='4'>1</bnd><band id='5'/><band id='6'><x/></band></bands>"
                 "<bands><band id='7'>7</band></bands><presets/><presets><preset id='2'>A&amp;B</preset></presets>"
                 "</equalizer>"),
        replaced(playing(), "<equalizer></equalizer>",
                 "<equalizer><presets><preset id='9'>Z</preset><preset id='1' x='1'>A</preset>"
                 "<preset id='9'>again</preset><preset name='n'>none</preset></presets></equalizer>"),
    };
    for (const QByteArray& reply : replies) {
        const std::optional<PlayerStatus> status = inOnePass(reply);
        ASSERT_TRUE(status) << reply.constData();
        EXPECT_TRUE(*status == throughDocument(reply)) << reply.constData();
    }
    const PlayerStatus expected = throughDocument(playing());
    EXPECT_EQ(expected.state, QStringLiteral("playing"));
    EXPECT_EQ(expected.metaTitle, QStringLiteral("Bob's Café Song.wav"));
    ASSERT_EQ(expected.streams.size(), 1u);
    EXPECT_EQ(expected.streams[0].details.value(u"Codec"), QStringLiteral("PCM S16 LE (s16l)"));

    // Strings shared with a previous status, and categories taken from it
    // where the reply repeats them byte for byte, change no value, whatever
    // that status held.
    for (const QByteArray& reply : replies) {
        const PlayerStatus before = throughDocument(reply);
        EXPECT_TRUE(inOnePass(playing(), &before) == expected);
        EXPECT_TRUE(throughDocument(playing(), &before) == expected);
        PlainStatusReader::Memo memo;
        const std::optional<PlayerStatus> read = inOnePass(reply, nullptr, &memo);
        EXPECT_TRUE(inOnePass(playing(), &*read, &memo) == expected) << reply.constData();
        EXPECT_TRUE(inOnePass(reply, &expected, &memo) == read) << reply.constData();
    }
}

TEST(StatusReaders, WhatTheOnePassReaderCannotVouchForGoesToTheDocumentReader)
{
    const QByteArray handedOver[] = {
        fixture(QStringLiteral("legacy-status.xml")),
        playing().replace("\n", "\r\n"),
        replaced(playing(), "<state>", "<!-- now --><state>"),
        replaced(playing(), "playing</state>", "<![CDATA[playing]]></state>"),
        replaced(playing(), "<state>playing", "<state>&#0;playing"),
        replaced(playing(), "<state>playing", "<state>&#x110000;playing"),
        replaced(playing(), "<state>playing", QByteArray("<state>play\0ing", 15)),
        replaced(playing(), "<fullscreen>0</fullscreen>", "<1full>0</1full>"),
        replaced(playing(), "<gamma>1</gamma>", "<gamma>1</gama>"),
        replaced(playing(), "<rate>1</rate>", "<rate a=1>1</rate>"),
        replaced(playing(), "<rate>1</rate>", "<rate a=\"1\"b=\"2\">1</rate>"),
        replaced(playing(), "<state>playing</state>", "<aspectRatios><aspectRatio>1:1</aspectRatio></aspectRatios>"),
        replaced(playing(), "<info name='Codec'>", "<info name='Codec'><name>x</name>"),
        replaced(playing(), "<equalizer></equalizer>", "<equalizer><bands><band a='1' b='2' c='3' d='4' id='1'>2</band></bands></equalizer>"),
        replaced(playing(), "<equalizer></equalizer>", "<equalizer><preamp>1</preamp>"),
        replaced(playing(), "</root>", "</root>more"),
        playing().left(900),
        "<status><state>playing</state></status>",
    };
    for (const QByteArray& reply : handedOver)
        EXPECT_FALSE(inOnePass(reply)) << reply.constData();
}

TEST(StatusReaders, TheEqualizerIsOffWhileEmptyAndElseListsItsGainsAndPresetsInOrder)
{
    EXPECT_EQ(throughDocument(playing()).equalizer, PlayerStatus::Equalizer {});
    EXPECT_FALSE(throughDocument(fixture(QStringLiteral("legacy-status.xml"))).equalizer);

    const PlayerStatus on = throughDocument(fixture(QStringLiteral("vlc3-status-equalizer.xml")));
    ASSERT_TRUE(on.equalizer);
    EXPECT_TRUE(on.equalizer->enabled);
    EXPECT_EQ(on.equalizer->preamp, 5.0);
    const std::array<double, 10> fullBass { -8, 9.6, 9.6, 5.6, 1.6, -4, -8, -10.18, -11.18, -3.5 };
    for (size_t band = 0; band < fullBass.size(); ++band)
        EXPECT_EQ(on.equalizer->bands[band], fullBass[band]) << band;
    ASSERT_EQ(on.equalizer->presets.size(), 18u);
    EXPECT_EQ(on.equalizer->presets[0], (PlayerStatus::Equalizer::Preset { 0, QStringLiteral("Flat") }));
    EXPECT_EQ(on.equalizer->presets[17], (PlayerStatus::Equalizer::Preset { 17, QStringLiteral("Techno") }));

    // On, before VLC has any gains: the preamp alone.
    const PlayerStatus unset = throughDocument(fixture(QStringLiteral("vlc3-status-equalizer-unset.xml")));
    ASSERT_TRUE(unset.equalizer);
    EXPECT_TRUE(unset.equalizer->enabled);
    EXPECT_EQ(unset.equalizer->preamp, 12.0);
    EXPECT_EQ(unset.equalizer->bands, (std::array<std::optional<double>, 10> {}));

    // What VLC applies, whatever it was told: -20 to 20 dB.
    const PlayerStatus loud = throughDocument(replaced(playing(), "<equalizer></equalizer>",
        "<equalizer><preamp>40</preamp><bands><band id='2'>-35</band><band id='3'>nan</band></bands></equalizer>"));
    EXPECT_EQ(loud.equalizer->preamp, 20.0);
    EXPECT_EQ(loud.equalizer->bands[2], -20.0);
    EXPECT_EQ(loud.equalizer->bands[3], 0.0);
}

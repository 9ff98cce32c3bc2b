#include "ExpatEvents.h"
#include "ScannerEvents.h"
#include "TestSupport.h"
#include "vlc/XmlScanner.h"

#include <QDir>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {
ScannerEvents ours(const QByteArray& doc)
{
    return ScannerEvents::of(std::string_view(doc.constData(), size_t(doc.size())));
}

QList<QByteArray> fixtures()
{
    QList<QByteArray> all;
    const QDir dir(QStringLiteral(PLAYERLINK_FIXTURES_DIR));
    for (const QString& name : dir.entryList({ "*.xml", "*.html" }, QDir::Files))
        all.append(fixture(name));
    return all;
}
}

TEST(XmlScanner, ReadsRealRepliesExactlyAsExpatDoes)
{
    for (const QByteArray& doc : fixtures()) {
        const ExpatEvents expat = ExpatEvents::of(doc);
        const ScannerEvents mine = ours(doc);
        EXPECT_EQ(mine.complete, expat.complete) << doc.left(200).toStdString();
        if (expat.complete)
            EXPECT_EQ(mine.events, expat.events);
    }
}

TEST(XmlScanner, AgreesWithExpatOnTheCornersOfXml)
{
    const char* documents[] = {
        "<a x=\"1\" y='two' z=\"a&amp;b&lt;&gt;&quot;&apos;&#39;&#x41;&#233;\"/>",
        "<a>line1\r\nline2\rline3</a>",
        "<a x=\"tab\there\nnewline\r\ncrlf\"/>",
        "<a x='&#10;&#9;'/>",
        "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\" ?>\n<!-- c --><a><?pi data?><b/><![CDATA[<x>]]>t</a><!-- end -->\n",
        "\xEF\xBB\xBF<a>bom</a>",
        "<!DOCTYPE a PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" \"x.dtd\"><a/>",
        "<a><b>1</b>mixed<c/>tail</a>",
        "<a>caf\xC3\xA9 \xF0\x9F\x8E\xB5</a>",
        "<ns:a ns:x='1'><ns:b/></ns:a>",
        "<a   x = '1'   ></a   >",
        // Faults: each must stop the reader.
        "<a><b></a></b>",
        "<a x='1' x='2'/>",
        "<a x='<'/>",
        "<a>&unknown;</a>",
        "<a>&#0;</a>",
        "<a>&#xD800;</a>",
        "<a>&amp</a>",
        "<a>]]></a>",
        "<a/><b/>",
        "text<a/>",
        "<a x='1'y='2'/>",
        "<a>\x01</a>",
        "<a>\xC3\x28</a>",
        "<a>\xEF\xBF\xBF</a>",
        "<a><!-- a -- b --></a>",
        "<a><?xml version='1.0'?></a>",
        "<a",
        "<a x=",
        "<a>",
        "",
        "   ",
        "<1a/>",
        "<a><![CDATA[never closed</a>",
        "<![CDATA[x]]><a/>",
    };
    for (const char* text : documents) {
        const QByteArray doc(text);
        const ExpatEvents expat = ExpatEvents::of(doc);
        const ScannerEvents mine = ours(doc);
        EXPECT_EQ(mine.complete, expat.complete) << text;
        if (expat.complete && mine.complete)
            EXPECT_EQ(mine.events, expat.events) << text;
    }
}

TEST(XmlScanner, MangledRepliesNeverCrashAndAgreeWhenBothFinish)
{
    // A small fuzzer with a fixed seed: cut, flip and splice real replies.
    QRandomGenerator random(20261208);
    const QList<QByteArray> seeds = fixtures();
    const QByteArray tokens[] = { "<", ">", "/", "&", ";", "'", "\"", "=", "<!--", "-->", "<![CDATA[", "]]>", "&#",
                                  "&amp;", " ", "\r\n", "\xC3", "\xA9", "<a>", "</a>", "<?", "?>", "\0" };
    int agreedComplete = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray doc = seeds[int(random.bounded(seeds.size()))];
        const int edits = 1 + int(random.bounded(4));
        for (int e = 0; e < edits && !doc.isEmpty(); ++e) {
            const int at = int(random.bounded(doc.size()));
            switch (random.bounded(4)) {
            case 0:
                doc.truncate(at);
                break;
            case 1:
                doc[at] = char(random.bounded(256));
                break;
            case 2: {
                const QByteArray& t = tokens[random.bounded(int(std::size(tokens)))];
                doc.insert(at, t.isEmpty() ? QByteArray(1, '\0') : t);
                break;
            }
            default:
                doc.remove(at, int(random.bounded(20)));
                break;
            }
        }
        const ExpatEvents expat = ExpatEvents::of(doc);
        const ScannerEvents mine = ours(doc);
        if (expat.complete && mine.complete) {
            ++agreedComplete;
            EXPECT_EQ(mine.events, expat.events) << doc.toStdString();
        }
        // We may refuse a little more than expat (entities declared in a
        // DOCTYPE); with ASCII names we never accept what it refuses. Beyond
        // ASCII we take any letter in a name, expat only those of its tables.
        const bool ascii = std::all_of(doc.begin(), doc.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (mine.complete && ascii)
            EXPECT_TRUE(expat.complete) << doc.toStdString();
    }
    EXPECT_GT(agreedComplete, 50);
}

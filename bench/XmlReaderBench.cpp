// The XML readers we could use, on the same real replies in the same run:
// Qt's QXmlStreamReader, expat and pugixml (our own scanner was measured
// against them here, lost to pugixml and is gone), and the tag scanner that
// reads the playlist without a tree. Each reads the whole
// document and touches every element name and attribute value, the least
// that any of our uses needs. bench/compare.py prints the table.

#include <QByteArray>
#include <QFile>
#include <QXmlStreamReader>

#include "core/xml/TagScanner.h"

#include <benchmark/benchmark.h>
#include <expat.h>
#include <pugixml.hpp>

#include <cstdlib>
#include <cstring>

namespace {
QByteArray readFile(const char* envName)
{
    const char* path = std::getenv(envName);
    QFile file(QString::fromLocal8Bit(path ? path : ""));
    if (!file.open(QIODevice::ReadOnly)) {
        fprintf(stderr, "set %s to a reply file\n", envName);
        std::exit(2);
    }
    return file.readAll();
}

const QByteArray& document(int which)
{
    static const QByteArray status = readFile("PL_BENCH_STATUS");
    static const QByteArray playlist = readFile("PL_BENCH_PLAYLIST");
    return which == 0 ? status : playlist;
}

void BM_QXmlStreamReader(benchmark::State& state)
{
    const QByteArray& doc = document(int(state.range(0)));
    for (auto _ : state) {
        QXmlStreamReader reader(doc);
        size_t bytes = 0;
        while (!reader.atEnd()) {
            const auto token = reader.readNext();
            if (token == QXmlStreamReader::StartElement) {
                bytes += size_t(reader.name().size());
                for (const QXmlStreamAttribute& a : reader.attributes())
                    bytes += size_t(a.value().size());
            } else if (token == QXmlStreamReader::Characters) {
                bytes += size_t(reader.text().size());
            }
        }
        benchmark::DoNotOptimize(bytes);
    }
}

void XMLCALL expatStart(void* data, const XML_Char* name, const XML_Char** attributes)
{
    size_t& bytes = *static_cast<size_t*>(data);
    bytes += strlen(name);
    for (int i = 0; attributes[i]; i += 2)
        bytes += strlen(attributes[i + 1]);
}
void XMLCALL expatEnd(void*, const XML_Char*) { }
void XMLCALL expatText(void* data, const XML_Char*, int length)
{
    *static_cast<size_t*>(data) += size_t(length);
}

void BM_Expat(benchmark::State& state)
{
    const QByteArray& doc = document(int(state.range(0)));
    for (auto _ : state) {
        size_t bytes = 0;
        XML_Parser parser = XML_ParserCreate("UTF-8");
        XML_SetUserData(parser, &bytes);
        XML_SetElementHandler(parser, expatStart, expatEnd);
        XML_SetCharacterDataHandler(parser, expatText);
        XML_Parse(parser, doc.constData(), int(doc.size()), 1);
        XML_ParserFree(parser);
        benchmark::DoNotOptimize(bytes);
    }
}

size_t walk(const pugi::xml_node& node)
{
    size_t bytes = 0;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element) {
            bytes += strlen(child.name());
            for (pugi::xml_attribute a = child.first_attribute(); a; a = a.next_attribute())
                bytes += strlen(a.value());
            bytes += walk(child);
        } else if (child.type() == pugi::node_pcdata) {
            bytes += strlen(child.value());
        }
    }
    return bytes;
}

void BM_Pugixml(benchmark::State& state)
{
    const QByteArray& doc = document(int(state.range(0)));
    for (auto _ : state) {
        pugi::xml_document tree;
        tree.load_buffer(doc.constData(), size_t(doc.size()), pugi::parse_default | pugi::parse_ws_pcdata,
                         pugi::encoding_utf8);
        benchmark::DoNotOptimize(walk(tree));
    }
}
}

// Our one-pass tag scanner, which reads the playlist: every element name
// and attribute value, but no text.
void BM_TagScanner(benchmark::State& state)
{
    const QByteArray& doc = document(int(state.range(0)));
    for (auto _ : state) {
        TagScanner scanner(std::string_view(doc.constData(), size_t(doc.size())));
        size_t bytes = 0;
        while (scanner.next() != TagScanner::Event::End) {
            bytes += scanner.name().size();
            for (const TagScanner::Attribute& a : scanner.attributes())
                bytes += a.value.size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}

// Argument 0: the status reply; 1: the 10,000-item playlist.
BENCHMARK(BM_QXmlStreamReader)->Arg(0)->Arg(1);
BENCHMARK(BM_Expat)->Arg(0)->Arg(1);
BENCHMARK(BM_Pugixml)->Arg(0)->Arg(1);
BENCHMARK(BM_TagScanner)->Arg(0)->Arg(1);

BENCHMARK_MAIN();

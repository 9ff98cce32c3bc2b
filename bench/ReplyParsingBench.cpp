// Parse-and-store of real replies through VLCController, as the status and
// playlist polls do it; bench/compare.py runs the references beside it (the
// XML libraries alone, and Python's ElementTree).
#include "core/xml/XMLParser.h"
#include "core/xml/XMLPlaylistParser.h"
#include "core/xml/XmlDocument.h"
#include "vlc/Playlist.h"
#include "vlc/ReplyNumbers.h"
#include "vlc/HttpReply.h"
#include "vlc/VLCController.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

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

HttpReply replyOf(const QByteArray& body)
{
    HttpReply reply;
    reply.httpStatus = 200;
    reply.body = body;
    return reply;
}

// Two replies that differ in their time, as polls of a playing item do, so
// that neither is taken for the one before.
void BM_StatusParseAndStore(benchmark::State& state)
{
    const QByteArray body = readFile("PL_BENCH_STATUS");
    QByteArray other = body;
    other.replace("<time>", "<time>1");
    const HttpReply replies[] = { replyOf(body), replyOf(other) };
    const HttpReply& reply = replies[0];
    VLCController remote;
    size_t i = 0;
    for (auto _ : state) {
        remote.processResponse(replies[i++ & 1], VLCController::OrdinaryRequest);
        benchmark::DoNotOptimize(remote.state().volume());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * reply.body.size());
}
BENCHMARK(BM_StatusParseAndStore);

// Replies that differ in their item too, as on every change of track: the
// categories cannot be taken from the previous status.
void BM_StatusParseAndStoreNewItem(benchmark::State& state)
{
    const QByteArray body = readFile("PL_BENCH_STATUS");
    QByteArray other = body;
    other.replace("<time>", "<time>1").replace("Bob", "Rob");
    const HttpReply replies[] = { replyOf(body), replyOf(other) };
    VLCController remote;
    size_t i = 0;
    for (auto _ : state) {
        remote.processResponse(replies[i++ & 1], VLCController::OrdinaryRequest);
        benchmark::DoNotOptimize(remote.state().volume());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * body.size());
}
BENCHMARK(BM_StatusParseAndStoreNewItem);

void BM_StatusUnchanged(benchmark::State& state)
{
    const HttpReply reply = replyOf(readFile("PL_BENCH_STATUS"));
    VLCController remote;
    for (auto _ : state) {
        remote.processResponse(reply, VLCController::OrdinaryRequest);
        benchmark::DoNotOptimize(remote.state().volume());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * reply.body.size());
}
BENCHMARK(BM_StatusUnchanged);

void BM_StatusTreeOnly(benchmark::State& state)
{
    const QByteArray body = readFile("PL_BENCH_STATUS");
    for (auto _ : state) {
        XMLParser parser;
        parser.parseData(body);
        benchmark::DoNotOptimize(parser.rootNode());
    }
}
BENCHMARK(BM_StatusTreeOnly);

// A new playlist each time (another current item), as after a track change.
void BM_PlaylistParseAndStore(benchmark::State& state)
{
    const QByteArray body = readFile("PL_BENCH_PLAYLIST");
    QByteArray other = body;
    other.replace(" current=\"current\"", "");
    const HttpReply replies[] = { replyOf(body), replyOf(other) };
    VLCController remote;
    remote.processResponse(replyOf(readFile("PL_BENCH_STATUS")), VLCController::OrdinaryRequest); // VLC 3 dialect
    size_t i = 0;
    for (auto _ : state) {
        remote.processResponse(replies[i++ & 1], VLCController::OrdinaryRequest);
        benchmark::DoNotOptimize(remote.state().itemsInPlaylist());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * body.size());
    state.counters["items"] = remote.state().itemsInPlaylist();
}
BENCHMARK(BM_PlaylistParseAndStore)->Unit(benchmark::kMillisecond);

// The same bytes as the last reply: recognised by their hash, nothing read.
void BM_PlaylistUnchanged(benchmark::State& state)
{
    const HttpReply reply = replyOf(readFile("PL_BENCH_PLAYLIST"));
    VLCController remote;
    remote.processResponse(replyOf(readFile("PL_BENCH_STATUS")), VLCController::OrdinaryRequest);
    remote.processResponse(reply, VLCController::OrdinaryRequest);
    for (auto _ : state) {
        remote.processResponse(reply, VLCController::OrdinaryRequest);
        benchmark::DoNotOptimize(remote.state().itemsInPlaylist());
    }
}
BENCHMARK(BM_PlaylistUnchanged)->Unit(benchmark::kMillisecond);

// The reference: the same items read through the document reader's tree,
// as the playlist was read before the one-pass scan.
void BM_PlaylistThroughDocumentTree(benchmark::State& state)
{
    const QByteArray body = readFile("PL_BENCH_PLAYLIST");
    for (auto _ : state) {
        XmlDocument document;
        document.load(body, XmlDocument::Input::WholeDocument);
        pugi::xml_node top = document.documentElement().first_child();
        while (top && top.type() != pugi::node_element)
            top = top.next_sibling();
        std::vector<PlaylistItem> items;
        for (pugi::xml_node node = top; node;) {
            if (node.type() == pugi::node_element && std::strcmp(node.name(), "leaf") == 0) {
                PlaylistItem& item = items.emplace_back();
                for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
                    const char* name = a.name();
                    if (std::strcmp(name, "id") == 0)
                        item.id = ReplyNumbers::integer(a.value(), 0, ReplyNumbers::maxCount);
                    else if (std::strcmp(name, "name") == 0)
                        item.name = a.value();
                    else if (std::strcmp(name, "uri") == 0)
                        item.uri = a.value();
                    else if (std::strcmp(name, "duration") == 0)
                        item.duration = ReplyNumbers::integer(a.value(), -1, ReplyNumbers::maxSeconds), item.hasDuration = true;
                    else if (std::strcmp(name, "current") == 0)
                        item.isCurrent = true;
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
        benchmark::DoNotOptimize(items.size());
    }
}
BENCHMARK(BM_PlaylistThroughDocumentTree)->Unit(benchmark::kMillisecond);

void BM_PlaylistCollectOnly(benchmark::State& state)
{
    const QByteArray body = readFile("PL_BENCH_PLAYLIST");
    for (auto _ : state) {
        XMLPlaylistParser parser;
        parser.setInterestingKeys({ QStringLiteral("leaf") });
        parser.parseData(body);
        benchmark::DoNotOptimize(parser.items().size());
    }
}
BENCHMARK(BM_PlaylistCollectOnly)->Unit(benchmark::kMillisecond);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Parse-and-store of real replies through VLCController, as the status and
// playlist polls do it; bench/compare.py runs the references beside it (the
// XML libraries alone, and Python's ElementTree).
#include "core/xml/XMLParser.h"
#include "core/xml/XMLPlaylistParser.h"
#include "vlc/HttpReply.h"
#include "vlc/VLCController.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdlib>

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
        benchmark::DoNotOptimize(remote.volume());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * reply.body.size());
}
BENCHMARK(BM_StatusParseAndStore);

void BM_StatusUnchanged(benchmark::State& state)
{
    const HttpReply reply = replyOf(readFile("PL_BENCH_STATUS"));
    VLCController remote;
    for (auto _ : state) {
        remote.processResponse(reply, VLCController::OrdinaryRequest);
        benchmark::DoNotOptimize(remote.volume());
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
        benchmark::DoNotOptimize(remote.itemsInPlaylist());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * body.size());
    state.counters["items"] = remote.itemsInPlaylist();
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
        benchmark::DoNotOptimize(remote.itemsInPlaylist());
    }
}
BENCHMARK(BM_PlaylistUnchanged)->Unit(benchmark::kMillisecond);

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

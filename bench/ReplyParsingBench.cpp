// Parse-and-store of real replies through VLCController, as the status and
// playlist polls do it; bench/compare.py runs the Python reference beside it.
#include "vlc/HttpReply.h"
#include "vlc/RequestChannel.h"
#include "vlc/VLCController.h"
#include "vlc/XMLParser.h"
#include "vlc/XMLPlaylistParser.h"

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

void BM_StatusParseAndStore(benchmark::State& state)
{
    const HttpReply reply = replyOf(readFile("PL_BENCH_STATUS"));
    VLCController remote;
    for (auto _ : state) {
        remote.processResponse(reply, VLCController::OrdinaryRequest);
        benchmark::DoNotOptimize(remote.statusDict());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * reply.body.size());
}
BENCHMARK(BM_StatusParseAndStore);

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

void BM_PlaylistParseAndStore(benchmark::State& state)
{
    const HttpReply reply = replyOf(readFile("PL_BENCH_PLAYLIST"));
    VLCController remote;
    remote.processResponse(replyOf(readFile("PL_BENCH_STATUS")), VLCController::OrdinaryRequest); // VLC 3 dialect
    for (auto _ : state) {
        remote.processResponse(reply, VLCController::OrdinaryRequest);
        benchmark::DoNotOptimize(remote.itemsInPlaylist());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * reply.body.size());
    state.counters["items"] = remote.itemsInPlaylist();
}
BENCHMARK(BM_PlaylistParseAndStore)->Unit(benchmark::kMillisecond);

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
    RequestChannel::releaseNetworkManager();
    return 0;
}

// The remote screen's update path, as it runs once a second: a status reply
// that changes nothing against one that moves the time, the volume and the
// play state, with the shipped skin built.
#include "app/BundleInstaller.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/RemoteSession.h"
#include "screens/MainView/MainViewController.h"
#include "vlc/HttpReply.h"
#include "vlc/VLCController.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
QByteArray statusReply(const char* state, int volume, int time)
{
    QFile file(QString::fromLocal8Bit(std::getenv("PL_BENCH_STATUS")));
    file.open(QIODevice::ReadOnly);
    QByteArray body = file.readAll();
    // The recorded reply, with the values that change during play.
    body.replace("<state>playing</state>", QByteArray("<state>") + state + "</state>");
    body.replace("<volume>256</volume>", "<volume>" + QByteArray::number(volume) + "</volume>");
    body.replace("<time>1</time>", "<time>" + QByteArray::number(time) + "</time>");
    return body;
}

struct Screen {
    std::shared_ptr<VLCController> remote = std::make_shared<VLCController>();
    QWidget window;
    MainViewController* screen = new MainViewController(&window);
    Screen()
    {
        remote->setHostAddress(QStringLiteral("127.0.0.1:9")); // never answers; the bench feeds replies
        screen->setCurrentRemote(remote);
        window.resize(390, 672);
        screen->resize(390, 672);
        window.show();
        screen->beginAppearance(true, false);
        screen->endAppearance();
        screen->session().setActive(false);
        QFile playlist(QString::fromLocal8Bit(std::getenv("PL_BENCH_PLAYLIST_SMALL")));
        playlist.open(QIODevice::ReadOnly);
        feed(playlist.readAll());
    }
    void feed(const QByteArray& body)
    {
        HttpReply reply;
        reply.httpStatus = 200;
        reply.body = body;
        remote->processResponse(reply, VLCController::OrdinaryRequest);
    }
};

void BM_StatusReplyUnchanged(benchmark::State& state)
{
    Screen s;
    const QByteArray body = statusReply("paused", 256, 42);
    s.feed(body);
    for (auto _ : state)
        s.feed(body);
}
BENCHMARK(BM_StatusReplyUnchanged)->Unit(benchmark::kMicrosecond);

void BM_StatusReplyChanged(benchmark::State& state)
{
    Screen s;
    const QByteArray a = statusReply("paused", 256, 42);
    const QByteArray b = statusReply("playing", 300, 43);
    bool flip = false;
    for (auto _ : state) {
        s.feed(flip ? a : b);
        flip = !flip;
    }
}
BENCHMARK(BM_StatusReplyChanged)->Unit(benchmark::kMicrosecond);

void BM_UpdateOnlyUnchanged(benchmark::State& state)
{
    Screen s;
    s.feed(statusReply("paused", 256, 42));
    // What follows a stored reply: the session reads the remote and the
    // screen shows what changed (here nothing).
    for (auto _ : state)
        emit s.remote->albumArtChanged();
}
BENCHMARK(BM_UpdateOnlyUnchanged)->Unit(benchmark::kMicrosecond);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("PLAYERLINK_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    UserDefaults::standard().registerDefaults(PreferenceKeys::registeredDefaults());
    BundleInstaller::install();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// playerlink's remote screen, from nothing to its first frame: the
// window of Main.qml loaded with the remote screen open (the bundled skin,
// a remote that never answers) and drawn once by Qt Quick's software
// renderer, offscreen; and the memory the loaded window holds (resident
// set growth, in KiB). The reference, in the same run, is a bare Qt Quick
// window of the same size with one rectangle. The memory counter is of the
// process's first window: run each benchmark in a process of its own
// (--benchmark_filter) for it.
#include "bundle/BundleInstaller.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/AlertSheets.h"
#include "models/RemotesScreen.h"
#include "platform/DesktopPlatform.h"
#include "app/WindowKeys.h"
#include "app/skin/SkinImageProvider.h"
#include "models/skin/SkinImageFolders.h"

#include <QFile>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>

#include <benchmark/benchmark.h>

#include <memory>
#include <unistd.h>

Q_IMPORT_QML_PLUGIN(PlayerLinkPlugin)

namespace {
long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

// Loads one window with make(), draws its first frame, and reports the
// time of both and the memory the first window held (later ones reuse
// what the allocator kept).
template<typename Make>
void firstFrames(benchmark::State& state, Make make)
{
    // Of the process's first window, whichever of the library's runs (it
    // runs each benchmark several times to size its iterations) drew it:
    // one per kind of window, as each make() is a type of its own.
    static long heldKiB = -1;
    for (auto _ : state) {
        const long before = residentKiB();
        std::unique_ptr<QQmlApplicationEngine> engine = make();
        auto* window = engine->rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(engine->rootObjects().first());
        if (!window) {
            state.SkipWithError("the window did not load");
            return;
        }
        benchmark::DoNotOptimize(window->grabWindow());
        state.PauseTiming();
        if (heldKiB < 0)
            heldKiB = residentKiB() - before;
        engine.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["held_KiB"] = double(heldKiB);
}

void BM_RemoteScreenFirstFrame(benchmark::State& state)
{
    WindowKeys keys;
    QNetworkAccessManager network;
    AlertSheets alerts;
    DesktopPlatform platform(alerts);
    RemotesScreen remotes(&network, UserDefaults::standard(), alerts, platform.services());
    remotes.connectTo(QStringLiteral("127.0.0.1:9"), QString()); // nothing answers there
    firstFrames(state, [&] {
        auto engine = std::make_unique<QQmlApplicationEngine>();
        engine->addImportPath(QStringLiteral("qrc:/"));
        engine->addImageProvider(QString::fromLatin1(SkinImageFolders::providerId), new SkinImageProvider);
        engine->setInitialProperties({
            { QStringLiteral("keys"), QVariant::fromValue(&keys) },
            { QStringLiteral("remotes"), QVariant::fromValue(&remotes) },
            { QStringLiteral("alerts"), QVariant::fromValue(&alerts) },
            { QStringLiteral("skinDirectory"), UserDefaults::standard().stringForKey(PreferenceKeys::skin) },
            { QStringLiteral("openRemote"), true },
        });
        engine->load(QUrl(QStringLiteral("qrc:/PlayerLink/Main.qml")));
        return engine;
    });
}
BENCHMARK(BM_RemoteScreenFirstFrame)->Unit(benchmark::kMillisecond);

void BM_BareQuickWindowFirstFrame(benchmark::State& state)
{
    firstFrames(state, [] {
        auto engine = std::make_unique<QQmlApplicationEngine>();
        engine->loadData("import QtQuick\n"
                         "Window { width: 390; height: 716; visible: true\n"
                         "  Rectangle { anchors.fill: parent; color: '#101114' } }");
        return engine;
    });
}
BENCHMARK(BM_BareQuickWindowFirstFrame)->Unit(benchmark::kMillisecond);
}

int main(int argc, char** argv)
{
    // Qt Quick's software renderer, offscreen: the same drawing on every machine.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    QTemporaryDir home;
    qputenv("PLAYERLINK_HOME", home.path().toUtf8());
    QGuiApplication app(argc, argv);
    UserDefaults::standard().registerDefaults(PreferenceKeys::registeredDefaults());
    BundleInstaller::install();
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

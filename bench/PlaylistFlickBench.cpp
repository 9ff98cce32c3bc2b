// playerlink's playlist screen with a 10,000-item playlist, flicked:
// the time of one frame (the list moved on by a flick's step, polished,
// synchronised and drawn by Qt Quick's software renderer, offscreen). The
// reference, in the same run, is a plain ListView of the same texts with a
// one-label delegate.
#include "core/LastPathComponent.h"
#include "core/UserDefaults.h"
#include "models/RemoteSession.h"
#include "models/AlertSheets.h"
#include "models/RemotesScreen.h"
#include "platform/DesktopPlatform.h"
#include "vlc/HttpReply.h"
#include "vlc/VLCController.h"

#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>

#include <benchmark/benchmark.h>

Q_IMPORT_QML_PLUGIN(PlayerLinkPlugin)

namespace {
constexpr int items = 10000;
// A brisk flick: 2,400 px a second, at 60 frames a second.
constexpr qreal stepPerFrame = 40;

QByteArray playlistReply(int current)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\" ?>\n\n\n"
                     "<node name=\"\" id=\"0\" ro=\"rw\">\n<node name=\"Playlist\" id=\"1\" ro=\"ro\">";
    for (int i = 0; i < items; ++i) {
        const QByteArray n = QByteArray::number(i).rightJustified(5, '0');
        xml += "\n<leaf name=\"Track " + n + ".mp3\"" + (i == current ? " current=\"current\"" : "")
            + " ro=\"rw\" id=\"" + QByteArray::number(i + 3) + "\" uri=\"file:///home/someone/Music/Track%20" + n
            + ".mp3\" duration=\"" + QByteArray::number(180 + i % 240) + "\"/>";
    }
    return xml + "</node>\n<node name=\"Media Library\" id=\"2\" ro=\"ro\"></node></node>";
}

void feed(VLCController& remote, const QByteArray& body)
{
    HttpReply reply;
    reply.httpStatus = 200;
    reply.body = body;
    remote.processResponse(reply, VLCController::OrdinaryRequest);
}

// One window and its list, flicked a step and drawn per frame.
struct Flicked {
    QQmlApplicationEngine engine;
    QQuickWindow* window = nullptr;
    QQuickItem* list = nullptr;

    void load(const QByteArray& qml, const QVariantMap& properties)
    {
        engine.addImportPath(QStringLiteral("qrc:/"));
        engine.setInitialProperties(properties);
        engine.loadData(qml);
        window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
        list = window ? window->findChild<QQuickItem*>(QStringLiteral("flicked")) : nullptr;
        if (list)
            window->grabWindow();
    }
    bool ready(benchmark::State& state)
    {
        if (!list || list->property("count").toInt() != items) {
            state.SkipWithError("the list did not load");
            return false;
        }
        return true;
    }
    void frame()
    {
        const qreal end = list->property("contentHeight").toReal() - list->height();
        qreal y = list->property("contentY").toReal() + stepPerFrame;
        list->setProperty("contentY", y > end ? 0.0 : y);
        benchmark::DoNotOptimize(window->grabWindow());
    }
};

void BM_TouchPlaylistScreenFlick(benchmark::State& state)
{
    QNetworkAccessManager network;
    AlertSheets alerts;
    DesktopPlatform platform(alerts);
    RemotesScreen remotes(&network, UserDefaults::standard(), alerts, platform.services());
    remotes.connectTo(QStringLiteral("127.0.0.1:9"), QString()); // never asked; the bench feeds the replies
    VLCController& remote = *remotes.session().remote();
    feed(remote, "<root><apiversion>3</apiversion><state>playing</state></root>");
    feed(remote, playlistReply(10));
    Flicked f;
    f.load("import QtQuick\nimport PlayerLink\n"
           "Window { id: w; required property RemotesScreen remotes; width: 390; height: 716; visible: true\n"
           "  PlaylistPage { anchors.fill: parent; remotes: w.remotes } }",
           { { QStringLiteral("remotes"), QVariant::fromValue(&remotes) } });
    if (f.window)
        f.list = f.window->findChild<QQuickItem*>(QStringLiteral("playlistList"));
    if (!f.ready(state))
        return;
    for (auto _ : state)
        f.frame();
}
BENCHMARK(BM_TouchPlaylistScreenFlick)->Unit(benchmark::kMillisecond);

void BM_PlainListViewFlick(benchmark::State& state)
{
    QStringList names;
    for (int i = 0; i < items; ++i)
        names << lastPathComponent(QStringLiteral("Track %1.mp3").arg(i, 5, 10, QLatin1Char('0')));
    QStringListModel model(names);
    Flicked f;
    f.load("import QtQuick\n"
           "Window { id: w; required property var names; width: 390; height: 716; visible: true\n"
           "  ListView { objectName: 'flicked'; anchors.fill: parent; model: w.names\n"
           "    delegate: Text { required property string display; width: ListView.view.width; height: 52;\n"
           "                     text: display; verticalAlignment: Text.AlignVCenter } } }",
           { { QStringLiteral("names"), QVariant::fromValue<QObject*>(&model) } });
    if (!f.ready(state))
        return;
    for (auto _ : state)
        f.frame();
}
BENCHMARK(BM_PlainListViewFlick)->Unit(benchmark::kMillisecond);
}

int main(int argc, char** argv)
{
    // Qt Quick's software renderer, offscreen: the same drawing on every machine.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    QTemporaryDir home;
    qputenv("PLAYERLINK_HOME", home.path().toUtf8());
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

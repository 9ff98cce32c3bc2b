// The playlist screen with a 10,000-item playlist: from a reply's arrival to
// the table ready to paint, for a changed reply and for one that changes
// nothing. The reference, in the same run, is the naive screen: every reply
// parsed again and every row made a widget item of a QListWidget. Also a
// keystroke in the screen's search field, to the table ready to paint.
#include "app/BundleInstaller.h"
#include "core/AlertPresenter.h"
#include "core/Clock.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"
#include "screens/Common/LastPathComponent.h"
#include "screens/PlaylistView/PlaylistViewController.h"
#include "ui/BWNavigationController.h"
#include "vlc/HttpReply.h"
#include "vlc/Playlist.h"
#include "vlc/VLCController.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
constexpr int items = 10000;

// A playlist reply as VLC 3.0 prints it, with the given item current.
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

// The screen's alerts go nowhere: the bench never empties the list.
struct NoAlerts : AlertPresenter {
    void present(const AlertRequest&) override { }
};

struct Screen {
    std::shared_ptr<VLCController> remote = std::make_shared<VLCController>();
    NoAlerts alerts;
    Navigator navigator;
    BWNavigationController nav { new ViewController };
    PlaylistViewController* screen = new PlaylistViewController(
        AppContext { nullptr, UserDefaults::standard(), alerts, Clock::current(), navigator });
    Screen()
    {
        remote->setHostAddress(QStringLiteral("127.0.0.1:9")); // never answers; the bench feeds replies
        feed(QByteArray("<root><apiversion>3</apiversion><state>playing</state></root>"));
        screen->setCurrentRemote(remote);
        nav.resize(390, 700);
        nav.show();
        nav.pushViewController(screen, false);
        QApplication::processEvents();
    }
    ~Screen() { nav.popViewControllerAnimated(false); }
    void feed(const QByteArray& body)
    {
        HttpReply reply;
        reply.httpStatus = 200;
        reply.body = body;
        remote->processResponse(reply, VLCController::OrdinaryRequest);
    }
};

void BM_PlaylistScreenChangedReply(benchmark::State& state)
{
    Screen s;
    const QByteArray a = playlistReply(10), b = playlistReply(11);
    bool flip = false;
    for (auto _ : state) {
        s.feed(flip ? a : b);
        flip = !flip;
    }
}
BENCHMARK(BM_PlaylistScreenChangedReply)->Unit(benchmark::kMillisecond);

void BM_PlaylistScreenUnchangedReply(benchmark::State& state)
{
    Screen s;
    const QByteArray a = playlistReply(10);
    s.feed(a);
    const QByteArray same = a; // another buffer with the same bytes, as a new reply would be
    for (auto _ : state)
        s.feed(same);
}
BENCHMARK(BM_PlaylistScreenUnchangedReply)->Unit(benchmark::kMicrosecond);

// A keystroke in the search field: every name holds "track", fewer and
// fewer hold the number typed after it.
void BM_PlaylistScreenSearchKeystroke(benchmark::State& state)
{
    Screen s;
    s.feed(playlistReply(10));
    QLineEdit* field = s.screen->searchField();
    const QStringList typed { QStringLiteral("t"), QStringLiteral("tr"), QStringLiteral("track"),
                              QStringLiteral("track 0"), QStringLiteral("track 01"), QStringLiteral("track 012") };
    // The first keystroke after a playlist arrives also folds its names.
    field->setText(QStringLiteral("x"));
    qsizetype next = 0;
    for (auto _ : state) {
        field->setText(typed[next++ % typed.size()]);
        QApplication::processEvents();
    }
    field->clear();
}
BENCHMARK(BM_PlaylistScreenSearchKeystroke)->Unit(benchmark::kMillisecond);

// The reference: parse every reply and rebuild a list with an item per row.
struct NaiveScreen {
    QListWidget list;
    NaiveScreen()
    {
        list.resize(390, 700);
        list.show();
    }
    void show(const QByteArray& body)
    {
        const Playlist playlist = Playlist::read(body, true);
        list.clear();
        for (const PlaylistItem& item : playlist.items()) {
            auto* row = new QListWidgetItem(lastPathComponent(item.nameText()), &list);
            if (item.isCurrent) {
                QFont bold = row->font();
                bold.setBold(true);
                row->setFont(bold);
            }
        }
    }
};

void BM_NaiveListChangedReply(benchmark::State& state)
{
    NaiveScreen s;
    const QByteArray a = playlistReply(10), b = playlistReply(11);
    bool flip = false;
    for (auto _ : state) {
        s.show(flip ? a : b);
        flip = !flip;
    }
}
BENCHMARK(BM_NaiveListChangedReply)->Unit(benchmark::kMillisecond);

void BM_NaiveListUnchangedReply(benchmark::State& state)
{
    NaiveScreen s;
    const QByteArray a = playlistReply(10);
    for (auto _ : state)
        s.show(a);
}
BENCHMARK(BM_NaiveListUnchangedReply)->Unit(benchmark::kMillisecond);
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

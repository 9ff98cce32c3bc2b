#include "MemoryNetwork.h"
#include "core/UserDefaults.h"
#include "models/EqualizerModel.h"
#include "models/FolderModel.h"
#include "models/OpenAddressModel.h"
#include "models/PlaylistModel.h"
#include "models/PlaylistSearchModel.h"
#include "models/SendThrottle.h"
#include "TestSupport.h"
#include "vlc/VLCController.h"

#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {
// A VLC in memory that keeps the equalizer's gains it is sent, as VLC 3
// does, and tells them in its status.
struct EqualizerVlc {
    ManualClock clock;
    MemoryNetwork network;
    std::shared_ptr<VLCController> remote
        = std::make_shared<VLCController>(RemoteRecord::forAddress(QStringLiteral("vlc.test:8080")), &network);
    QByteArray status = fixture(QStringLiteral("vlc3-status-equalizer.xml"));
    bool takesGains = true;
    QStringList commands;

    EqualizerVlc()
    {
        network.setHandler([this](const QNetworkRequest& request) {
            const QUrlQuery query(request.url());
            if (query.hasQueryItem(QStringLiteral("command")))
                commands << query.toString();
            if (takesGains && query.queryItemValue(QStringLiteral("command")) == u"equalizer")
                setBand(query.queryItemValue(QStringLiteral("band")).toInt(), query.queryItemValue(QStringLiteral("val")));
            return MemoryNetwork::ok(status);
        });
    }
    void setBand(int band, const QString& value)
    {
        const QRegularExpression old(QStringLiteral("<band id=\"%1\">[^<]*</band >").arg(band));
        status = QString::fromUtf8(status).replace(old, QStringLiteral("<band id=\"%1\">%2</band >").arg(band).arg(value)).toUtf8();
    }
    bool settled() { return waitUntil([&] { return network.inFlight() == 0 && !remote->isBusy(); }); }
    QStringList gainCommands() const { return commands.filter(QStringLiteral("command=equalizer")); }
};
}

TEST(SendThrottle, SendsTheFirstAtOnceThenOnePerIntervalTheLastOfEachKeyAlways)
{
    SendThrottle throttle(0.1);
    EXPECT_EQ(throttle.submit(3, 1, 10.0), (SendThrottle::Send { 3, 1 }));
    EXPECT_FALSE(throttle.nextDue());
    for (int i = 2; i <= 9; ++i)
        EXPECT_FALSE(throttle.submit(3, i, 10.0 + i / 100.0));
    EXPECT_EQ(throttle.nextDue(), 10.1);
    EXPECT_FALSE(throttle.takeDue(10.09));
    EXPECT_EQ(throttle.takeDue(10.1), (SendThrottle::Send { 3, 9 }));
    EXPECT_FALSE(throttle.nextDue());

    // Keys wait in the order they began to; each sends its latest.
    EXPECT_FALSE(throttle.submit(4, 2, 10.12));
    EXPECT_FALSE(throttle.submit(3, 5, 10.13));
    EXPECT_FALSE(throttle.submit(4, 7, 10.14));
    EXPECT_EQ(throttle.takeDue(10.2), (SendThrottle::Send { 4, 7 }));
    EXPECT_FALSE(throttle.takeDue(10.25));
    EXPECT_TRUE(throttle.isWaiting(3));
    EXPECT_EQ(throttle.takeDue(10.3), (SendThrottle::Send { 3, 5 }));

    // A clock that went back does not hold a value for ever.
    EXPECT_FALSE(throttle.submit(1, 1, 10.31));
    EXPECT_EQ(throttle.takeDue(5.0), (SendThrottle::Send { 1, 1 }));

    // A drag of two seconds, a value every 10 ms, and a timer firing when due.
    SendThrottle drag(0.1);
    int sent = 0;
    double last = -1;
    for (int step = 0; step <= 200; ++step) {
        const double now = 20.0 + step * 0.01;
        if (const auto due = drag.takeDue(now))
            ++sent, last = due->value;
        if (const auto now_ = drag.submit(0, step, now))
            ++sent, last = now_->value;
    }
    while (const auto due = drag.nextDue())
        if (const auto send = drag.takeDue(*due))
            ++sent, last = send->value;
    EXPECT_LE(sent, 22);
    EXPECT_EQ(last, 200);
}

TEST(EqualizerModel, ShowsWhatVlcReportsAndFollowsChangesMadeElsewhere)
{
    EqualizerVlc vlc;
    EqualizerModel model;
    new QAbstractItemModelTester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal, &model);
    model.setRemote(vlc.remote);
    vlc.remote->updateStatus();
    ASSERT_TRUE(vlc.settled());
    ASSERT_EQ(model.rowCount(), 10);
    EXPECT_EQ(model.index(0).data().toString(), QStringLiteral("60 Hz"));
    EXPECT_EQ(model.index(4).data().toString(), QStringLiteral("1 kHz"));
    EXPECT_EQ(model.index(9).data().toString(), QStringLiteral("16 kHz"));
    EXPECT_EQ(model.index(1).data(EqualizerModel::GainRole).toDouble(), 9.6);
    EXPECT_TRUE(model.isAvailable());
    EXPECT_TRUE(model.isEnabled());
    EXPECT_EQ(model.preamp(), 5.0);
    ASSERT_EQ(model.presets()->rowCount(), 18);
    EXPECT_EQ(model.presets()->index(4).data().toString(), QStringLiteral("Full bass"));
    EXPECT_EQ(model.presets()->index(4).data(EqualizerPresetModel::PresetIdRole).toInt(), 4);

    // Another remote changed band 0 and turned it off: the gains it told
    // last stand, it is off, and only what changed is signalled.
    QSignalSpy gains(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy enabled(&model, &EqualizerModel::enabledChanged);
    vlc.setBand(0, QStringLiteral("3"));
    vlc.remote->updateStatus();
    ASSERT_TRUE(vlc.settled());
    ASSERT_EQ(gains.count(), 1);
    EXPECT_EQ(gains[0][0].toModelIndex().row(), 0);
    EXPECT_EQ(model.gain(0), 3.0);
    vlc.status = fixture(QStringLiteral("vlc3-status-playing.xml"));
    vlc.remote->updateStatus();
    ASSERT_TRUE(vlc.settled());
    EXPECT_FALSE(model.isEnabled());
    EXPECT_EQ(enabled.count(), 1);
    EXPECT_EQ(model.gain(0), 3.0);
    EXPECT_EQ(gains.count(), 1);

    // A VLC without an equalizer in its status has none to show.
    vlc.status = fixture(QStringLiteral("legacy-status.xml"));
    vlc.remote->updateStatus();
    ASSERT_TRUE(vlc.settled());
    EXPECT_FALSE(model.isAvailable());
}

TEST(EqualizerModel, ADragSendsAtMostTenGainsASecondAndTheLastOneArrives)
{
    EqualizerVlc vlc;
    EqualizerModel model;
    model.setRemote(vlc.remote);
    vlc.remote->updateStatus();
    ASSERT_TRUE(vlc.settled());

    // Thirty moves within one instant: the first goes, the rest wait for
    // the next tenth of a second and go as one, the last value.
    QSignalSpy gains(&model, &QAbstractItemModel::dataChanged);
    for (int i = 1; i <= 30; ++i)
        model.setGain(3, i / 2.0);
    EXPECT_EQ(model.gain(3), 15.0); // shown at once
    EXPECT_EQ(gains.count(), 30);
    ASSERT_TRUE(vlc.settled());
    EXPECT_EQ(vlc.gainCommands(), QStringList { QStringLiteral("command=equalizer&band=3&val=0.5") });
    // VLC's reply to the first, and a poll, do not undo the rest.
    vlc.remote->updateStatus();
    ASSERT_TRUE(vlc.settled());
    EXPECT_EQ(model.gain(3), 15.0);
    vlc.clock.advance(0.1);
    ASSERT_TRUE(waitUntil([&] { return vlc.gainCommands().size() == 2 && vlc.network.inFlight() == 0; }));
    EXPECT_EQ(vlc.gainCommands().last(), QStringLiteral("command=equalizer&band=3&val=15"));
    EXPECT_EQ(model.gain(3), 15.0);
    spinEventLoop(150);
    EXPECT_EQ(vlc.gainCommands().size(), 2);

    // A gain VLC does not take (its equalizer is off) shows until the
    // command's reply and the next status have both said otherwise.
    vlc.takesGains = false;
    vlc.clock.advance(1);
    model.setPreamp(-3);
    EXPECT_EQ(model.preamp(), -3.0);
    ASSERT_TRUE(vlc.settled());
    EXPECT_TRUE(vlc.commands.contains(QStringLiteral("command=preamp&val=-3")));
    EXPECT_EQ(model.preamp(), -3.0);
    vlc.remote->updateStatus();
    ASSERT_TRUE(vlc.settled());
    EXPECT_EQ(model.preamp(), 5.0);

    // Gains VLC cannot apply are brought within its range, and a preset
    // replaces whatever gain was on its way.
    vlc.clock.advance(1);
    model.setGain(9, 35);
    EXPECT_EQ(model.gain(9), 20.0);
    model.setGain(9, 19);
    model.choosePreset(1);
    ASSERT_TRUE(vlc.settled());
    vlc.clock.advance(1);
    spinEventLoop(150);
    EXPECT_EQ(vlc.commands.filter(QStringLiteral("band=9")), QStringList { QStringLiteral("command=equalizer&band=9&val=20") });
    EXPECT_EQ(vlc.commands.last(), QStringLiteral("command=setpreset&val=1"));
}

TEST(PlaylistModel, SortsByAKeyWordAndTheSortedListKeepsThePlayingItemInView)
{
    MemoryNetwork network;
    const QByteArray playlist = fixture(QStringLiteral("vlc3-playlist.xml"));
    QByteArray sorted = playlist; // Bob's song (playing) first, by duration
    const QByteArray alpha = "<leaf name=\"alpha.wav\" ro=\"rw\" id=\"4\" uri=\"file:///tmp/plmedia/alpha.wav\" duration=\"30\"/>\n";
    sorted.replace(alpha, "").replace("</node>", alpha + "</node>");
    QByteArray answer = playlist;
    network.setHandler([&](const QNetworkRequest& request) {
        if (request.url().path() == u"/requests/playlist.xml")
            return MemoryNetwork::ok(answer);
        return MemoryNetwork::ok(fixture(QStringLiteral("vlc3-status-playing.xml")));
    });
    auto remote = std::make_shared<VLCController>(RemoteRecord::forAddress(QStringLiteral("vlc.test")), &network);
    PlaylistModel model;
    PlaylistSearchModel search(&model);
    model.setRemote(remote);
    auto settled = [&] { return waitUntil([&] { return network.inFlight() == 0 && !remote->isBusy(); }); };
    remote->updatePlaylist();
    ASSERT_TRUE(settled());
    ASSERT_EQ(search.currentRow(), 1);

    // The oldest interface cannot sort: nothing goes.
    EXPECT_FALSE(model.canSort());
    network.clearRequests();
    search.sortBy(int(PlaylistModel::SortKey::Duration), false);
    EXPECT_TRUE(network.targets().isEmpty());

    remote->connection().setLuaMode(true);
    remote->updateStatus();
    ASSERT_TRUE(settled());
    EXPECT_TRUE(model.canSort());
    QSignalSpy shown(&search, &PlaylistSearchModel::currentToShow);
    answer = sorted;
    network.clearRequests();
    search.sortBy(int(PlaylistModel::SortKey::Duration), false);
    ASSERT_TRUE(waitUntil([&] { return shown.count() == 1; }));
    EXPECT_EQ(network.targets(), (QList<QByteArray> { "/requests/status.xml?command=pl_sort&id=0&val=duration",
                                                      "/requests/playlist.xml" }));
    EXPECT_EQ(shown[0][0].toInt(), 0);
    EXPECT_EQ(search.currentRow(), 0);
    model.sortBy(PlaylistModel::SortKey::Artist, true);
    ASSERT_TRUE(settled());
    EXPECT_EQ(network.targets()[2], "/requests/status.xml?command=pl_sort&id=1&val=artist");
}

TEST(FolderModel, OffersASubtitleFileAsTheSubtitlesOfWhatPlays)
{
    QTemporaryDir folder;
    UserDefaults defaults(folder.path() + QStringLiteral("/folder.ini"));
    MemoryNetwork network;
    QByteArray status = fixture(QStringLiteral("vlc3-status-stopped.xml"));
    network.setHandler([&](const QNetworkRequest&) { return MemoryNetwork::ok(status); });
    auto remote = std::make_shared<VLCController>(RemoteRecord::forAddress(QStringLiteral("vlc.test")), &network);
    FolderModel model(defaults);
    new QAbstractItemModelTester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal, &model);
    model.setRemote(remote);
    remote->setBrowseDir(QStringLiteral("/films"));
    remote->parseBrowseResponse("<root><element type='dir' path='/films/..' name='..'/>"
                                "<element type='file' path='/films/Film.mkv' name='Film.mkv'/>"
                                "<element type='file' path='/films/Film.en.SRT' name='Film.en.SRT'/>"
                                "<element type='file' path='/films/Bob&apos;s Film.vtt' name='Bob&apos;s Film.vtt'/>"
                                "<element type='file' path='/films/notes.srt.txt' name='notes.srt.txt'/>"
                                "<element type='dir' path='/films/subs.srt' name='subs.srt'/></root>");
    ASSERT_EQ(model.rowCount(), 6); // by name: "..", Bob's, Film.en, Film.mkv, notes, subs.srt
    auto role = [&](int row, int role) { return model.index(row).data(role).toBool(); };
    const std::vector<bool> subtitleFiles { false, true, true, false, false, false };
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(role(row, FolderModel::SubtitleFileRole), subtitleFiles[size_t(row)]) << row;
        EXPECT_FALSE(role(row, FolderModel::SubtitlesOfferedRole)) << row; // nothing plays
    }
    EXPECT_FALSE(model.useAsSubtitles(2));

    QSignalSpy offered(&model, &QAbstractItemModel::dataChanged);
    status = fixture(QStringLiteral("vlc3-status-playing.xml"));
    remote->updateStatus();
    ASSERT_TRUE(waitUntil([&] { return model.takesSubtitles(); }));
    EXPECT_EQ(offered.count(), 1);
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(role(row, FolderModel::SubtitlesOfferedRole), subtitleFiles[size_t(row)]) << row;
    network.clearRequests();
    EXPECT_FALSE(model.useAsSubtitles(3));
    EXPECT_FALSE(model.useAsSubtitles(5));
    EXPECT_TRUE(network.targets().isEmpty());
    EXPECT_TRUE(model.useAsSubtitles(1));
    EXPECT_EQ(network.targets(), QList<QByteArray> { "/requests/status.xml?command=addsubtitle&val=%2Ffilms%2FBob's%20Film.vtt" });
}

TEST(OpenAddressModel, AnAddressGoesOnlyOnceItCanAndElseSaysWhy)
{
    MemoryNetwork network;
    network.setHandler([](const QNetworkRequest&) { return MemoryNetwork::ok(fixture(QStringLiteral("vlc3-status-playing.xml"))); });
    auto remote = std::make_shared<VLCController>(RemoteRecord::forAddress(QStringLiteral("vlc.test")), &network);
    OpenAddressModel model;
    model.setRemote(remote);
    EXPECT_EQ(model.problem(), OpenAddressModel::Problem::Empty);
    QSignalSpy problem(&model, &OpenAddressModel::problemChanged);
    model.setAddress(QStringLiteral("file:///etc/passwd"));
    EXPECT_EQ(model.problem(), OpenAddressModel::Problem::UnsupportedScheme);
    EXPECT_TRUE(model.problemText().contains(QStringLiteral("\"file\""))) << model.problemText().toStdString();
    EXPECT_FALSE(model.play());
    model.setAddress(QStringLiteral("http://radio.example/my stream"));
    EXPECT_EQ(model.problem(), OpenAddressModel::Problem::Whitespace);
    EXPECT_FALSE(model.problemText().isEmpty());
    EXPECT_FALSE(model.enqueue());
    EXPECT_EQ(problem.count(), 2);
    EXPECT_TRUE(network.targets().isEmpty());

    model.setAddress(QStringLiteral(" http://radio.example/live.mp3?id=7&x=a+b\n"));
    EXPECT_TRUE(model.isAcceptable());
    EXPECT_TRUE(model.problemText().isEmpty());
    EXPECT_TRUE(model.play());
    EXPECT_TRUE(model.enqueue());
    EXPECT_EQ(network.targets(),
              (QList<QByteArray> { "/requests/status.xml?command=in_play&input=http%3A%2F%2Fradio.example%2Flive.mp3%3Fid%3D7%26x%3Da%2Bb",
                                   "/requests/status.xml?command=in_enqueue&input=http%3A%2F%2Fradio.example%2Flive.mp3%3Fid%3D7%26x%3Da%2Bb" }));
}

#include "core/UserDefaults.h"
#include "models/FolderModel.h"
#include "models/Navigator.h"
#include "models/PlaylistModel.h"
#include "models/RemoteSession.h"
#include "models/RemotesModel.h"
#include "RealVlcTest.h"
#include "SampleMedia.h"
#include "TestSupport.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaProperty>
#include <QNetworkAccessManager>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {
// The remote screen's session on a real VLC, polling as it does on screen.
class SessionAgainstRealVlc : public RealVlcTest {
protected:
    void SetUp() override
    {
        startVlc();
        if (IsSkipped() || HasFatalFailure())
            return;
        RemoteRecord record = RemoteRecord::forAddress(vlc->hostAddress());
        record.password = vlc->password();
        remote = std::make_shared<VLCController>(record, &network);
        session = std::make_unique<RemoteSession>(AppContext { &network, defaults, alerts, Clock::current(), navigator });
        session->setRemote(remote);
        session->setActive(true);
        ASSERT_TRUE(waitUntil([&] { return session->isPlaying() && session->playlist()->currentRow() == 0; }, 10000))
            << "VLC said: " << vlc->log().toStdString();
    }

    void TearDown() override
    {
        session.reset();
        remote.reset();
        RealVlcTest::TearDown();
    }

    std::map<QString, std::unique_ptr<QSignalSpy>> spyOnEveryProperty()
    {
        std::map<QString, std::unique_ptr<QSignalSpy>> spies;
        const QMetaObject* meta = session->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            if (meta->property(i).hasNotifySignal())
                spies[QString::fromLatin1(meta->property(i).name())]
                    = std::make_unique<QSignalSpy>(session.get(), meta->property(i).notifySignal());
        return spies;
    }

    QTemporaryDir folder;
    UserDefaults defaults { folder.path() + QStringLiteral("/session.ini") };
    CapturingAlertPresenter alerts;
    Navigator navigator;
    QNetworkAccessManager network;
    std::shared_ptr<VLCController> remote;
    std::unique_ptr<RemoteSession> session;
};
}

TEST_F(SessionAgainstRealVlc, PollsOfAPausedPlayerSignalNothing)
{
    session->playPause();
    ASSERT_TRUE(waitUntil([&] { return session->playback() == RemoteSession::Playback::Paused; }, 8000));
    spinEventLoop(1500); // the reply that paused it, and VLC's settling
    QSignalSpy polled(remote.get(), &VLCController::requestConcluded);
    auto spies = spyOnEveryProperty();
    spinEventLoop(3 * RemoteSession::statusIntervalMs + 500);
    ASSERT_GE(polled.count(), 3);
    for (const auto& [name, spy] : spies)
        EXPECT_EQ(spy->count(), 0) << name.toStdString();
}

TEST_F(SessionAgainstRealVlc, AVolumeSetSignalsOnceWhileVlcCatchesUp)
{
    QSignalSpy volume(session.get(), &RemoteSession::volumeChanged);
    session->setVolume(50);
    EXPECT_EQ(volume.count(), 1); // at once, before VLC answers
    QSignalSpy polled(remote.get(), &VLCController::statusChanged);
    ASSERT_TRUE(waitUntil([&] { return polled.count() >= 3; }, 8000));
    EXPECT_EQ(session->volume(), 50);
    EXPECT_EQ(volume.count(), 1);
}

// Folders named as real libraries name them (an ampersand, an apostrophe
// and two spaces, a hash, a percent sign and a plus, letters beyond Latin,
// a name VLC sorts before ".."), one VLC may not read, and a file added to
// a stopped player: what the browser of either program does, on the model.
TEST_F(SessionAgainstRealVlc, FoldersOfAwkwardNamesOpenAndPlayAnUnreadableOneIsRefusedAndAnAddedFileWaits)
{
    QTemporaryDir library(QStringLiteral("/tmp/playerlink-awkward-XXXXXX"));
    const QStringList files { QStringLiteral("Rock & Roll/a&b.wav"), QStringLiteral("Tom's  Mix/it's  two.wav"),
                              QStringLiteral("C# 100% +1/c#+%25.wav"), QStringLiteral("Ünïcödé Ψ 音楽/日本 語.wav"),
                              QStringLiteral("(Live)/live.wav") };
    for (const QString& file : files) {
        QDir().mkpath(QFileInfo(library.filePath(file)).path());
        ASSERT_TRUE(SampleMedia::writeWav(library.filePath(file), 20, 440));
    }
    SampleMedia::makeReadableByAll(library.path());
    const QString locked = library.filePath(QStringLiteral("locked"));
    QDir().mkpath(locked);
    QFile::setPermissions(locked, QFile::Permissions());
    const auto unlock = qScopeGuard([&] { QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });

    FolderModel model(defaults);
    model.setRemote(remote);
    auto rowNamed = [&](const QString& name) {
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.index(row).data(FolderModel::NameRole).toString() == name)
                return row;
        return -1;
    };
    auto lists = [&](const QString& folder) { return waitUntil([&] { return model.folder() == folder; }, 8000); };
    model.browse(library.path());
    ASSERT_TRUE(lists(library.path()));
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QString folder = file.section(u'/', 0, 0);
        const QString name = file.section(u'/', 1);
        model.open(rowNamed(folder));
        ASSERT_TRUE(lists(library.path() + u'/' + folder));
        model.play(rowNamed(name));
        EXPECT_TRUE(waitUntil([&] { return session->title() == name && session->isPlaying(); }, 8000));
        spinEventLoop(600); // VLC 3.0 can fall over when switched again too soon
        model.up();
        ASSERT_TRUE(lists(library.path()));
        EXPECT_EQ(rowNamed(QStringLiteral("..")), 0);
    }

    QSignalSpy refused(&model, &FolderModel::folderRefused);
    const int rows = model.rowCount();
    model.open(rowNamed(QStringLiteral("locked")));
    ASSERT_TRUE(waitUntil([&] { return refused.count() == 1; }, 8000));
    EXPECT_EQ(model.folder(), library.path());
    EXPECT_EQ(model.rowCount(), rows);

    // Added to a stopped player, the file ends up last and current, and VLC stays stopped.
    session->stop();
    ASSERT_TRUE(waitUntil([&] { return session->playback() == RemoteSession::Playback::Stopped; }, 8000));
    model.setAdds(true);
    model.open(rowNamed(QStringLiteral("Tom's  Mix")));
    ASSERT_TRUE(lists(library.path() + QStringLiteral("/Tom's  Mix")));
    const int before = session->playlist()->count();
    model.play(rowNamed(QStringLiteral("it's  two.wav")));
    EXPECT_TRUE(waitUntil([&] {
        return session->playlist()->count() == before + 1 && session->playlist()->currentRow() == before
            && session->playback() == RemoteSession::Playback::Stopped && !remote->isBusy()
            && remote->connection().requestQueue().empty();
    }, 10000));
}

namespace {
class RemotesListAgainstRealVlc : public RealVlcTest {};
}

// Two computers on the list, one playing and one paused: each row shows its
// player, kept fresh by one status request per round while the list is
// shown and none while it is not; "Pause all" pauses only what plays, even
// when it was paused elsewhere since the list last heard of it.
TEST_F(RemotesListAgainstRealVlc, RowsShowEachPlayerAndPauseAllPausesOnlyWhatPlays)
{
    startVlc();
    if (IsSkipped() || HasFatalFailure())
        return;
    VlcInstance::Options pausedOptions;
    pausedOptions.media = media().files();
    pausedOptions.startPaused = true;
    VlcInstance paused(pausedOptions);
    ASSERT_TRUE(paused.started()) << paused.error().toStdString();

    QNetworkAccessManager network;
    SavedRemoteList saved(&network);
    RemoteRecord playingRecord = RemoteRecord::forAddress(vlc->hostAddress());
    playingRecord.password = vlc->password();
    RemoteRecord pausedRecord = RemoteRecord::forAddress(paused.hostAddress());
    pausedRecord.password = paused.password();
    saved.setRecords({ playingRecord, pausedRecord });
    RemotesModel model(saved, &network);
    auto data = [&](int row, int role) { return model.index(row).data(role); };
    const QString title = QFileInfo(media().files().first()).fileName();

    model.setActive(true);
    ASSERT_TRUE(waitUntil([&] {
        return data(0, RemotesModel::PlayingRole).toBool() && data(1, RemotesModel::PlaybackRole).toString() == u"paused";
    }, 12000)) << "VLC said: " << vlc->log().toStdString();
    EXPECT_TRUE(data(0, RemotesModel::PlayerShownRole).toBool());
    EXPECT_EQ(data(0, RemotesModel::NowPlayingRole).toString().toStdString(), title.toStdString());
    EXPECT_EQ(data(1, RemotesModel::NowPlayingRole).toString().toStdString(), title.toStdString());

    QSignalSpy asked(model.remoteAt(1).get(), &VLCController::requestConcluded);
    spinEventLoop(RemotesModel::probeIntervalMs + 500);
    EXPECT_GE(asked.count(), 1);
    EXPECT_LE(asked.count(), 2);
    for (const QList<QVariant>& request : asked)
        EXPECT_TRUE(request[0].value<RequestResult>().reply == ReplyKind::Status);

    // Hidden, the list asks nothing; meanwhile the playing one is paused elsewhere.
    model.setActive(false);
    asked.clear();
    auto elsewhere = std::make_shared<VLCController>(playingRecord, &network);
    auto vlcPlays = [&] {
        QSignalSpy replied(elsewhere.get(), &VLCController::requestConcluded);
        elsewhere->updateStatus();
        return replied.wait(8000) ? RemoteTypeNames::of(elsewhere->state().playback()).toStdString() : "no answer";
    };
    elsewhere->pause();
    spinEventLoop(RemotesModel::probeIntervalMs + 500);
    EXPECT_EQ(asked.count(), 0);
    ASSERT_EQ(vlcPlays(), "paused");
    EXPECT_TRUE(data(0, RemotesModel::PlayingRole).toBool()) << "the list has not heard of it";

    EXPECT_EQ(model.pauseAll(), 1);
    ASSERT_TRUE(waitUntil([&] { return !model.remoteAt(0)->isBusy(); }, 8000));
    spinEventLoop(1000); // a player that was set playing again would play by now
    EXPECT_EQ(vlcPlays(), "paused");
    EXPECT_EQ(data(0, RemotesModel::PlaybackRole).toString().toStdString(), "paused");

    // Shown again, the list first asks afresh what answers; then the row's
    // play/pause plays it.
    QSignalSpy answered(&model, &RemotesModel::answeredAsVlc);
    model.setActive(true);
    EXPECT_TRUE(waitUntil([&] { return answered.count() == 2; }, 8000));
    model.playPause(0);
    EXPECT_TRUE(waitUntil([&] { return data(0, RemotesModel::PlayingRole).toBool(); }, 8000));
    EXPECT_EQ(vlcPlays(), "playing");
}

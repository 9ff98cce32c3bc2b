#include "core/UserDefaults.h"
#include "models/Navigator.h"
#include "models/PlaylistModel.h"
#include "models/RemoteSession.h"
#include "RealVlcTest.h"
#include "TestSupport.h"
#include "vlc/VLCController.h"

#include <QMetaProperty>
#include <QNetworkAccessManager>
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

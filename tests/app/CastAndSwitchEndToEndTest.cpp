// playerlink's window against real VLCs: files of this computer dropped on
// it are served to VLC and played there, and the remote screen's title
// switches to the next computer whose VLC answers.

#include "LiveRemote.h"
#include "ProgramWindow.h"
#include "RealVlcTest.h"
#include "SampleMedia.h"
#include "TestSupport.h"
#include "models/LocalFileCast.h"
#include "models/RemoteSession.h"
#include "models/RemotesModel.h"
#include "vlc/VLCController.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class CastAndSwitchOnRealVlc : public RealVlcTest {
protected:
    void SetUp() override { startVlc(); }

    static bool settled(ProgramWindow& w, int depth)
    {
        return waitUntil([&] { return w.depth() == depth && !w.stack->property("busy").toBool(); });
    }

    // The playlist screen of the session on VLC: one of the screens that
    // take drops, without the skin's textures.
    std::unique_ptr<ProgramWindow> openPlaylist()
    {
        auto w = std::make_unique<ProgramWindow>(false, [&](RemotesScreen& remotes) {
            auto remote = std::make_shared<VLCController>(RemoteRecord::forAddress(vlc->hostAddress()), remotes.network());
            remote->setPassword(vlc->password());
            remotes.session().setRemote(remote);
        });
        w->remotes.session().openPlaylist();
        EXPECT_TRUE(settled(*w, 2));
        return w;
    }

    static void leave(ProgramWindow& w)
    {
        QMetaObject::invokeMethod(w.window, "goBack");
        EXPECT_TRUE(waitUntil([&] { return w.depth() == 1; }));
        QTest::qWait(200);
    }

    // Files dragged from a file manager and let go over the window's middle.
    static void drop(ProgramWindow& w, const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPointF at(w.window->width() / 2.0, w.window->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.window, &enter);
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.window, &move);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.window, &dropped);
    }
};
}

// Two files dropped at once: asked about, then the first plays on VLC,
// fetched over http from this computer, the second after it; both are
// listed as served until stopped.
TEST_F(CastAndSwitchOnRealVlc, DroppedFilesOfThisComputerPlayOnVlc)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    QTemporaryDir folder; // readable by this user alone: VLC gets it from here, not from the disk
    ASSERT_TRUE(folder.isValid());
    const QString first = folder.filePath(QStringLiteral("first.wav"));
    const QString second = folder.filePath(QStringLiteral("second.wav"));
    ASSERT_TRUE(SampleMedia::writeSilentWav(first, 30) && SampleMedia::writeSilentWav(second, 30));
    std::unique_ptr<ProgramWindow> window = openPlaylist();
    ProgramWindow& w = *window;

    drop(w, { QUrl::fromLocalFile(first), QUrl::fromLocalFile(second) });
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("droppedFilesSheetPlay")); }, 3000))
        << "a dropped file is not offered for playing";
    EXPECT_FALSE(w.item(QStringLiteral("droppedLinkSheetTitle"))) << "a file is not an address";
    QTest::qWait(300); // the sheet opens
    w.click(w.item(QStringLiteral("droppedFilesSheetPlay")));

    LiveRemote vlcSays(vlc->hostAddress(), vlc->password());
    auto uriOf = [&](const QString& name) {
        for (const PlaylistItem& item : vlcSays->state().playlist().items())
            if (item.uriText().endsWith(u'/' + name))
                return item.uriText();
        return QString();
    };
    auto playingUri = [&] {
        const std::optional<qint64> id = vlcSays->state().playerStatus().currentPlaylistId;
        for (const PlaylistItem& item : vlcSays->state().playlist().items())
            if (id && item.id == *id && vlcSays->state().isPlaying())
                return item.uriText();
        return QString();
    };
    EXPECT_TRUE(vlcSays.waitFor([&] {
        return uriOf(QStringLiteral("first.wav")).startsWith(u"http://127.0.0.1:")
            && uriOf(QStringLiteral("second.wav")).startsWith(u"http://127.0.0.1:")
            && playingUri() == uriOf(QStringLiteral("first.wav"));
    })) << "VLC plays " << playingUri().toStdString();
    EXPECT_TRUE(waitUntil([&] { return w.item(QStringLiteral("served-first.wav")) && w.item(QStringLiteral("served-second.wav")); }));
    EXPECT_FALSE(w.alerts.isShowing()) << w.alerts.message().toStdString();

    w.click(w.item(QStringLiteral("stopServing")));
    EXPECT_TRUE(waitUntil([&] { return !w.item(QStringLiteral("servedFiles")); }));
    EXPECT_FALSE(w.remotes.cast()->isServing());
    leave(w);
}

// A folder dropped is not served: the user is told why.
TEST_F(CastAndSwitchOnRealVlc, ADroppedFolderIsRefusedWithItsReason)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::unique_ptr<ProgramWindow> window = openPlaylist();
    ProgramWindow& w = *window;
    LiveRemote vlcSays(vlc->hostAddress(), vlc->password());
    ASSERT_TRUE(vlcSays.refreshPlaylist());
    const int before = vlcSays->state().itemsInPlaylist();

    drop(w, { QUrl::fromLocalFile(folder.path()) });
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("droppedFilesSheetPlay")); }, 3000));
    QTest::qWait(300);
    w.click(w.item(QStringLiteral("droppedFilesSheetPlay")));
    ASSERT_TRUE(waitUntil([&] { return w.alerts.isShowing(); }, 3000)) << "the refusal is not told";
    EXPECT_EQ(w.alerts.message(), LocalFileCast::describe(LocalFileCast::Problem::NotAFile));
    EXPECT_TRUE(w.alerts.message().contains(u"folder"));
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("noticeOk")) != nullptr; }));
    QTest::qWait(300); // the notice opens
    w.click(w.item(QStringLiteral("noticeOk")));
    EXPECT_TRUE(waitUntil([&] { return !w.alerts.isShowing(); }));
    ASSERT_TRUE(vlcSays.refreshPlaylist());
    EXPECT_EQ(vlcSays->state().itemsInPlaylist(), before);
    EXPECT_FALSE(w.item(QStringLiteral("servedFiles")));
    leave(w);
}

// A swipe on the remote screen's title goes to the next computer whose VLC
// answers, past one that does not; Ctrl+Tab goes on, around to the first;
// the title's menu goes back.
TEST_F(CastAndSwitchOnRealVlc, TheTitleSwitchesToTheNextComputerThatAnswers)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    VlcInstance::Options options;
    options.media = media().files();
    VlcInstance second(options);
    ASSERT_TRUE(second.started()) << second.error().toStdString();
    const QString dead = QStringLiteral("127.0.0.1:%1").arg(VlcInstance::freePort());

    ProgramWindow w(true, [&](RemotesScreen& remotes) {
        remotes.connectTo(vlc->hostAddress(), vlc->password());
        for (const QString& address : { dead, second.hostAddress() }) {
            auto remote = std::make_shared<VLCController>(RemoteRecord::forAddress(address), remotes.network());
            remote->setPassword(second.password());
            remotes.remotes().addFoundRemote(remote);
        }
    });
    RemoteSession& session = w.remotes.session();
    auto shown = [&] { return session.remote() ? session.remote()->record().hostAddress : QString(); };
    ASSERT_TRUE(waitUntil([&] { return w.depth() == 2 && session.isPlaying(); }, 10000));
    ASSERT_EQ(shown(), vlc->hostAddress());

    QQuickItem* title = w.item(QStringLiteral("barTitle"));
    ASSERT_TRUE(title);
    const QPoint from = w.centreOf(title) + QPoint(60, 0);
    QTest::mousePress(w.window, Qt::LeftButton, Qt::NoModifier, from);
    for (int dx = 10; dx <= 120; dx += 10)
        QTest::mouseMove(w.window, from - QPoint(dx, 0), 10);
    QTest::mouseRelease(w.window, Qt::LeftButton, Qt::NoModifier, from - QPoint(120, 0));
    EXPECT_TRUE(waitUntil([&] { return shown() == second.hostAddress(); }, 5000)) << shown().toStdString();
    EXPECT_TRUE(waitUntil([&] { return session.isPlaying(); }, 5000));
    EXPECT_EQ(w.depth(), 2) << "the remote screen stays";

    QTest::keyClick(w.window, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(waitUntil([&] { return shown() == vlc->hostAddress(); }, 5000)) << shown().toStdString();
    EXPECT_EQ(w.depth(), 2);

    // The title's menu, by the right button: back around to the last.
    QTest::mouseClick(w.window, Qt::RightButton, Qt::NoModifier, w.centreOf(title));
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("previousComputer")); }, 3000));
    QTest::qWait(300); // the sheet opens
    w.click(w.item(QStringLiteral("previousComputer")));
    EXPECT_TRUE(waitUntil([&] { return shown() == second.hostAddress(); }, 5000)) << shown().toStdString();

    QMetaObject::invokeMethod(w.window, "goBack");
    EXPECT_TRUE(waitUntil([&] { return w.depth() == 1; }));
    QTest::qWait(200);
}

#include "cli/ExitCode.h"
#include "FakeHttpServer.h"
#include "RealVlcTest.h"
#include "TestSupport.h"
#include "VlcInstance.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

namespace {
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
    QJsonArray jsonArray() const { return QJsonDocument::fromJson(out.toUtf8()).array(); }
};

// Runs playerlink-cli to its end. The fake server, when there is one, lives
// on this thread, so the event loop keeps turning while we wait.
CliRun runCli(const QStringList& args, const QString& password = QString())
{
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("PLAYERLINK_PASSWORD"));
    if (!password.isNull())
        env.insert(QStringLiteral("PLAYERLINK_PASSWORD"), password);
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(PLAYERLINK_CLI_PATH), args);
    CliRun run;
    if (!cli.waitForStarted(5000))
        return run;
    waitUntil([&] { return cli.state() == QProcess::NotRunning; }, 60000);
    run.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -2;
    run.out = QString::fromUtf8(cli.readAllStandardOutput());
    run.err = QString::fromUtf8(cli.readAllStandardError());
    return run;
}

// A VLC of its own for each case (see the note in VlcEndToEndTest.cpp).
class CliAgainstRealVlc : public RealVlcTest {
protected:
    void SetUp() override
    {
        startVlc(QStringLiteral("cli secret"));
        if (IsSkipped() || HasFatalFailure())
            return;
        // Playing, with every file read.
        ASSERT_TRUE(playlistUntil([](const QJsonArray& items) {
            for (const QJsonValue& item : items)
                if (item.toObject().value("duration").toInt() <= 0)
                    return false;
            return items.size() == 4;
        }));
    }

    CliRun cli(const QStringList& args)
    {
        return runCli(QStringList { QStringLiteral("--host"), vlc->hostAddress(), QStringLiteral("--json") } + args,
                      vlc->password());
    }

    // Polls status until pred holds.
    bool statusUntil(const std::function<bool(const QJsonObject&)>& pred)
    {
        for (int i = 0; i < 40; ++i) {
            const CliRun run = cli({ QStringLiteral("status") });
            if (run.exitCode == ExitOk && pred(run.json()))
                return true;
            spinEventLoop(100);
        }
        return false;
    }

    bool playlistUntil(const std::function<bool(const QJsonArray&)>& pred)
    {
        for (int i = 0; i < 40; ++i) {
            const CliRun run = cli({ QStringLiteral("playlist") });
            if (run.exitCode == ExitOk && pred(run.jsonArray()))
                return true;
            spinEventLoop(100);
        }
        return false;
    }

};
}

TEST_F(CliAgainstRealVlc, ExitCodesSayWhatWentWrong)
{
    const CliRun ok = runCli({ "--host", vlc->hostAddress(), "--password", vlc->password(), "probe" });
    EXPECT_EQ(ok.exitCode, ExitOk) << ok.err.toStdString();
    EXPECT_TRUE(ok.out.contains(QStringLiteral("VLC media player 3.0")));
    // VLC's own page address names the same remote.
    const CliRun page = runCli({ "--host", QStringLiteral("http://%1/").arg(vlc->hostAddress()), "probe" }, vlc->password());
    EXPECT_EQ(page.exitCode, ExitOk) << page.err.toStdString();
    EXPECT_TRUE(page.out.contains(QStringLiteral("answers at http://%1/\n").arg(vlc->hostAddress())));

    const CliRun wrong = runCli({ "--host", vlc->hostAddress(), "--password", "nope", "status" });
    EXPECT_EQ(wrong.exitCode, ExitPassword);
    EXPECT_EQ(wrong.err.trimmed(), QStringLiteral("playerlink-cli: VLC on %1 refused the password").arg(vlc->hostAddress()));

    const CliRun none = runCli({ "--host", vlc->hostAddress(), "status" });
    EXPECT_EQ(none.exitCode, ExitPassword);
    EXPECT_TRUE(none.err.contains(QStringLiteral("needs a password")));

    const CliRun dead = runCli({ "--host", QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()), "status" });
    EXPECT_EQ(dead.exitCode, ExitUnreachable);
    EXPECT_TRUE(dead.err.contains(QStringLiteral("could not reach")));

    const CliRun usage = runCli({ "--host", vlc->hostAddress(), "volume", "loud" });
    EXPECT_EQ(usage.exitCode, ExitUsage);
    EXPECT_EQ(usage.err.count(u'\n'), 1);

    const CliRun badHost = runCli({ "--host", "my pc", "status" });
    EXPECT_EQ(badHost.exitCode, ExitUsage);

    const CliRun help = runCli({ "--help" });
    EXPECT_EQ(help.exitCode, ExitOk);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: playerlink-cli")));
}

TEST_F(CliAgainstRealVlc, OtherServersAreNotVlc)
{
    FakeHttpServer printer;
    printer.setHandler([](const FakeHttpServer::Request&) {
        return FakeHttpServer::ok("<html><title>Printer status</title></html>", "text/html");
    });
    const CliRun run = runCli({ "--host", printer.hostAddress(), "status" });
    EXPECT_EQ(run.exitCode, ExitNotVlc);
    EXPECT_TRUE(run.err.contains(QStringLiteral("not as VLC's web interface")));

    FakeHttpServer silent;
    silent.setHandler([](const FakeHttpServer::Request&) {
        FakeHttpServer::Response hang;
        hang.hang = true;
        return hang;
    });
    const CliRun timeout = runCli({ "--host", silent.hostAddress(), "status" });
    EXPECT_EQ(timeout.exitCode, ExitUnreachable);
    EXPECT_TRUE(timeout.err.contains(QStringLiteral("did not answer in time")));

    // A start page far beyond any real one is its own failure, not "unreachable".
    FakeHttpServer huge;
    huge.setHandler([](const FakeHttpServer::Request&) { return FakeHttpServer::ok(QByteArray(3 << 20, 'x')); });
    const CliRun tooLarge = runCli({ "--host", huge.hostAddress(), "status" });
    EXPECT_EQ(tooLarge.exitCode, ExitReplyTooLarge);
    EXPECT_TRUE(tooLarge.err.contains(QStringLiteral("sent a reply too large to read")));
}

TEST_F(CliAgainstRealVlc, VlcWithoutAPasswordIsExplained)
{
    VlcInstance::Options options;
    options.password = QString();
    VlcInstance open(options);
    ASSERT_TRUE(open.started()) << open.error().toStdString();
    const CliRun run = runCli({ "--host", open.hostAddress(), "--password", "x", "status" });
    EXPECT_EQ(run.exitCode, ExitPassword);
    EXPECT_TRUE(run.err.contains(QStringLiteral("has no password set")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("Tools › Preferences › Show settings: All › Interface › Main interfaces "
                                                "› Lua › Lua HTTP › Password")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("--http-password")));
}

TEST_F(CliAgainstRealVlc, CommandsChangeWhatVlcReports)
{
    const CliRun list = cli({ "playlist" });
    ASSERT_EQ(list.exitCode, ExitOk);
    const QJsonArray items = list.jsonArray();
    ASSERT_EQ(items.size(), media().files().size());
    // Found by the words of a name, case and accents aside.
    const QJsonArray found = cli({ "playlist", "--find", "CAFE song" }).jsonArray();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].toObject().value("id"), items[1].toObject().value("id"));
    EXPECT_EQ(runCli({ "--host", vlc->hostAddress(), "playlist", "--find", "no such song" }, vlc->password()).out,
              QStringLiteral("No playlist item matches.\n"));

    const int second = items[1].toObject().value("id").toInt();
    CliRun play = cli({ "play", QString::number(second) });
    ASSERT_EQ(play.exitCode, ExitOk) << play.err.toStdString();
    ASSERT_TRUE(statusUntil([](const QJsonObject& s) {
        return s.value("state") == "playing" && s.value("title") == QStringLiteral("Bob's Café Song.wav");
    }));

    EXPECT_EQ(cli({ "pause" }).exitCode, ExitOk);
    ASSERT_TRUE(statusUntil([](const QJsonObject& s) { return s.value("state") == "paused"; }));
    // Paused, so that 31.25x does not run through the playlist. The rate
    // goes as given; VLC 3.0 plays at its nearest step of 1000/n
    // (1.5015 for 1.5) and at most at 31.25x, and the rate shows as that.
    const CliRun half = runCli({ "--host", vlc->hostAddress(), "speed", "1.5" }, vlc->password());
    EXPECT_TRUE(half.out.contains(QStringLiteral("Speed:       1.5x\n"))) << half.out.toStdString();
    EXPECT_NEAR(cli({ "status" }).json().value("rate").toDouble(), 1000.0 / 666, 1e-6);
    const CliRun fastest = runCli({ "--host", vlc->hostAddress(), "speed", "32" }, vlc->password());
    EXPECT_TRUE(fastest.out.contains(QStringLiteral("Speed:       31.25x\n"))) << fastest.out.toStdString();
    EXPECT_EQ(cli({ "speed", "1" }).exitCode, ExitOk);
    EXPECT_EQ(cli({ "play" }).exitCode, ExitOk);
    ASSERT_TRUE(statusUntil([](const QJsonObject& s) { return s.value("state") == "playing"; }));

    const CliRun volume = cli({ "volume", "150" });
    ASSERT_EQ(volume.exitCode, ExitOk);
    EXPECT_EQ(volume.json().value("volume").toInt(), 150);
    EXPECT_EQ(cli({ "volume", "-50" }).json().value("volume").toInt(), 100);

    EXPECT_EQ(cli({ "speed", "2" }).json().value("speed").toInt(), 500);
    EXPECT_EQ(cli({ "speed", "1" }).json().value("speed").toInt(), 1000);
    EXPECT_DOUBLE_EQ(cli({ "audio-delay", "0.5" }).json().value("audioDelay").toDouble(), 0.5);
    EXPECT_DOUBLE_EQ(cli({ "audio-delay", "0" }).json().value("audioDelay").toDouble(), 0.0);
    EXPECT_EQ(cli({ "key", "faster" }).exitCode, ExitOk);
    ASSERT_TRUE(statusUntil([](const QJsonObject& s) { return s.value("speed").toInt() < 1000; }));
    EXPECT_EQ(cli({ "speed", "1" }).exitCode, ExitOk);

    EXPECT_EQ(cli({ "seek", "50%" }).json().value("position").toInt(), 50);

    EXPECT_EQ(cli({ "next" }).exitCode, ExitOk);
    ASSERT_TRUE(statusUntil([](const QJsonObject& s) { return s.value("title") == QStringLiteral("gamma.wav"); }));
    EXPECT_EQ(cli({ "previous" }).exitCode, ExitOk);
    ASSERT_TRUE(statusUntil([](const QJsonObject& s) { return s.value("title") == QStringLiteral("Bob's Café Song.wav"); }));

    const bool random = cli({ "status" }).json().value("random").toBool();
    EXPECT_EQ(cli({ "random" }).json().value("random").toBool(), !random);
    EXPECT_EQ(cli({ "random" }).json().value("random").toBool(), random);

    const int last = items.last().toObject().value("id").toInt();
    const CliRun removed = cli({ "delete", QString::number(last) });
    ASSERT_EQ(removed.exitCode, ExitOk);
    EXPECT_EQ(removed.json().value("playlist").toArray().size(), items.size() - 1);
    EXPECT_EQ(cli({ "delete", "999999" }).exitCode, ExitCommandFailed);

    // A file VLC cannot see is reported, and nothing is sent.
    const CliRun missing = cli({ "open", media().folder() + QStringLiteral("/nowhere.wav") });
    EXPECT_EQ(missing.exitCode, ExitCommandFailed);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("playerlink-cli: no such file on %1").arg(vlc->hostAddress())));
    EXPECT_EQ(cli({ "enqueue", QStringLiteral("/no/such/folder/x.wav") }).exitCode, ExitCommandFailed);
    EXPECT_EQ(cli({ "enqueue", QStringLiteral("delta.wav") }).exitCode, ExitUsage);
    EXPECT_EQ(cli({ "playlist" }).jsonArray().size(), items.size() - 1);

    const CliRun added = cli({ "enqueue", media().path(QStringLiteral("delta.wav")) });
    ASSERT_EQ(added.exitCode, ExitOk) << added.err.toStdString();
    EXPECT_EQ(added.json().value("playlist").toArray().size(), items.size());
    ASSERT_TRUE(playlistUntil([](const QJsonArray& list) { return list.last().toObject().value("duration").toInt() > 0; }));
    const CliRun opened = cli({ "open", media().path(QStringLiteral("Sub Folder/gamma.wav")) });
    ASSERT_EQ(opened.exitCode, ExitOk);
    ASSERT_TRUE(statusUntil([](const QJsonObject& s) {
        return s.value("state") == "playing" && s.value("title") == QStringLiteral("gamma.wav");
    }));

    // Let VLC finish reading the new item: stopping it mid-read can crash VLC 3.0.
    ASSERT_TRUE(playlistUntil([](const QJsonArray& list) {
        for (const QJsonValue& item : list)
            if (item.toObject().value("duration").toInt() <= 0)
                return false;
        return true;
    }));
    EXPECT_EQ(cli({ "stop" }).exitCode, ExitOk);
    ASSERT_TRUE(statusUntil([](const QJsonObject& s) { return s.value("state") == "stopped"; }));
    EXPECT_EQ(cli({ "fullscreen" }).exitCode, ExitOk);
    EXPECT_EQ(cli({ "aspect", "4:3" }).exitCode, ExitOk);
    EXPECT_EQ(cli({ "seek", "+5s" }).exitCode, ExitOk);
    EXPECT_EQ(cli({ "loop" }).exitCode, ExitOk);
    EXPECT_EQ(cli({ "loop" }).exitCode, ExitOk);
    EXPECT_EQ(cli({ "repeat" }).exitCode, ExitOk);
    EXPECT_EQ(cli({ "repeat" }).exitCode, ExitOk);

    const CliRun emptied = cli({ "empty" });
    EXPECT_EQ(emptied.json().value("playlist").toArray().size(), 0);
    EXPECT_EQ(cli({ "play" }).exitCode, ExitCommandFailed); // nothing to play
}

TEST_F(CliAgainstRealVlc, BrowseAndWatch)
{
    const CliRun browse = cli({ "browse", media().folder() });
    ASSERT_EQ(browse.exitCode, ExitOk) << browse.err.toStdString();
    QStringList names;
    for (const QJsonValue& entry : browse.jsonArray())
        names << entry.toObject().value("name").toString() + u'=' + entry.toObject().value("type").toString();
    EXPECT_TRUE(names.contains(QStringLiteral("Bob's Café Song.wav=music")));
    EXPECT_TRUE(names.contains(QStringLiteral("Sub Folder=directory")));
    EXPECT_TRUE(names.contains(QStringLiteral("notes.txt=unknown")));

    // A folder VLC cannot open: its own words, on one line.
    const CliRun nowhere = runCli({ "--host", vlc->hostAddress(), "browse", "/no/such/folder" }, vlc->password());
    EXPECT_EQ(nowhere.exitCode, ExitCommandFailed);
    EXPECT_EQ(nowhere.err, QStringLiteral("playerlink-cli: VLC could not list /no/such/folder: VLC says: cannot open "
                                          "directory `/no/such/folder/'.\n"));

    // Watch: VLC goes away mid-watch; the lines say so and the end is a failure.
    QProcess watch;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PLAYERLINK_PASSWORD"), vlc->password());
    watch.setProcessEnvironment(env);
    watch.start(QStringLiteral(PLAYERLINK_CLI_PATH), { "--host", vlc->hostAddress(), "watch", "--seconds", "7" });
    QString out;
    ASSERT_TRUE(waitUntil([&] {
        out += QString::fromUtf8(watch.readAllStandardOutput());
        return out.count(u'\n') >= 2;
    }, 10000));
    vlc.reset();
    ASSERT_TRUE(waitUntil([&] { return watch.state() == QProcess::NotRunning; }, 20000));
    out += QString::fromUtf8(watch.readAllStandardOutput());
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7) << out.toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("playing")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("vol")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("Connected to 127.0.0.1")));
    EXPECT_TRUE(lines.last().contains(QStringLiteral("Lost connection to 127.0.0.1")));
    EXPECT_FALSE(lines.last().contains(QStringLiteral("playing")));
    EXPECT_EQ(watch.exitCode(), ExitUnreachable);
    EXPECT_TRUE(QString::fromUtf8(watch.readAllStandardError()).contains(QStringLiteral("lost connection to")));
}

#include "cli/ExitCode.h"
#include "ChapteredMovie.h"
#include "FakeHttpServer.h"
#include "RealVlcTest.h"
#include "SampleMedia.h"
#include "TestSupport.h"
#include "VlcInstance.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

#include <sys/stat.h>

namespace {
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
    QJsonArray jsonArray() const { return QJsonDocument::fromJson(out.toUtf8()).array(); }
};

// Runs playerlink-cli to its end, with input on its standard input when
// given. The fake server, when there is one, lives on this thread, so the
// event loop keeps turning while we wait.
CliRun runCli(const QStringList& args, const QString& password = QString(),
              const std::optional<QByteArray>& input = std::nullopt)
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
    if (input) {
        cli.write(*input);
        cli.closeWriteChannel();
    }
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

    // A password file of this case's own, readable by its owner alone.
    QString writePasswordFile(const QString& text)
    {
        const QString path = m_files.filePath(QStringLiteral("password-%1").arg(++m_fileCount));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        file.write(text.toUtf8());
        return path;
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

    QTemporaryDir m_files;
    int m_fileCount = 0;
};
}

TEST_F(CliAgainstRealVlc, ExitCodesSayWhatWentWrong)
{
    const QString passwordFile = writePasswordFile(vlc->password() + u'\n');
    const CliRun ok = runCli({ "--host", vlc->hostAddress(), "--password-file", passwordFile, "probe" });
    EXPECT_EQ(ok.exitCode, ExitOk) << ok.err.toStdString();
    EXPECT_TRUE(ok.out.contains(QStringLiteral("VLC media player 3.0")));
    // VLC's own page address names the same remote.
    const CliRun page = runCli({ "--host", QStringLiteral("http://%1/").arg(vlc->hostAddress()), "probe" }, vlc->password());
    EXPECT_EQ(page.exitCode, ExitOk) << page.err.toStdString();
    EXPECT_TRUE(page.out.contains(QStringLiteral("answers at http://%1/\n").arg(vlc->hostAddress())));

    const CliRun wrong = runCli({ "--host", vlc->hostAddress(), "status" }, QStringLiteral("nope"));
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

TEST_F(CliAgainstRealVlc, PasswordsComeFromAFileOrStandardInputNeverFromAWait)
{
    const QStringList probe { "--host", vlc->hostAddress(), "probe" };
    const CliRun piped = runCli(probe + QStringList { "--password-file", "-" }, {}, vlc->password().toUtf8() + "\r\n");
    EXPECT_EQ(piped.exitCode, ExitOk) << piped.err.toStdString();
    // The file wins over the environment.
    const CliRun fromFile = runCli(probe + QStringList { "--password-file", writePasswordFile(vlc->password()) },
                                   QStringLiteral("nope"));
    EXPECT_EQ(fromFile.exitCode, ExitOk) << fromFile.err.toStdString();

    // A FIFO nobody writes to, a folder, nothing on standard input: refused
    // at once as usage errors, the password never sent.
    const QString fifo = m_files.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::pair<CliRun, QString> refused[] = {
        { runCli(probe + QStringList { "--password-file", fifo }), "not a regular file" },
        { runCli(probe + QStringList { "--password-file", m_files.path() }), "a folder" },
        { runCli(probe + QStringList { "--password-file", "-" }, {}, QByteArray()), "holds no password" },
        { runCli(probe + QStringList { "--password-file", m_files.filePath("none") }), "no such file" },
        { runCli(probe + QStringList { "--password", "x", "--password-file", fifo }), "not both" },
    };
    for (const auto& [run, reason] : refused) {
        EXPECT_EQ(run.exitCode, ExitUsage) << reason.toStdString();
        EXPECT_TRUE(run.err.contains(reason)) << run.err.toStdString();
    }
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
    const CliRun run = runCli({ "--host", open.hostAddress(), "status" }, QStringLiteral("x"));
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

TEST_F(CliAgainstRealVlc, RelativeSeeksMoveFromWhereVlcIs)
{
    // Paused on the first item (30 s), so that the times stay put.
    ASSERT_EQ(cli({ "pause" }).exitCode, ExitOk);
    ASSERT_EQ(cli({ "seek", "10" }).exitCode, ExitOk);
    ASSERT_TRUE(statusUntil([](const QJsonObject& s) {
        return s.value("state") == "paused" && s.value("time") == 10;
    }));
    // Each form, and the time VLC then reports (a percentage of 30 s).
    const std::pair<const char*, int> seeks[] = {
        { "+12s", 22 }, { "-5s", 17 }, { "+3", 20 }, { "-4", 16 }, { "+20%", 22 }, { "-10%", 19 },
    };
    for (const auto& [offset, expected] : seeks) {
        const CliRun run = cli({ "seek", offset });
        ASSERT_EQ(run.exitCode, ExitOk) << offset << ": " << run.err.toStdString();
        EXPECT_TRUE(statusUntil([expected = expected](const QJsonObject& s) {
            return s.value("state") == "paused" && s.value("title") == QStringLiteral("alpha.wav")
                && std::abs(s.value("time").toInt() - expected) <= 1;
        })) << offset << " did not reach " << expected << " s: " << cli({ "status" }).out.toStdString();
    }
}

TEST_F(CliAgainstRealVlc, TextFromVlcReachesTheTerminalEscapedAndJsonExactly)
{
    // A file name with the controls VLC passes on (it drops ESC and BEL
    // itself): a C1 CSI, which some terminals obey, a tab and a line feed,
    // which would forge a row.
    QTemporaryDir folder(QStringLiteral("/tmp/playerlink-hostile-XXXXXX")); // where VLC's user can look
    const QString name = QStringLiteral("Evil\u009b2J\tname\nforged row.wav");
    ASSERT_TRUE(SampleMedia::writeWav(folder.filePath(name), 20, 440));
    SampleMedia::makeReadableByAll(folder.path());
    auto text = [this](const QStringList& args) {
        return runCli(QStringList { QStringLiteral("--host"), vlc->hostAddress() } + args, vlc->password());
    };
    auto isClean = [](const QString& out) {
        return std::none_of(out.begin(), out.end(), [](QChar c) {
            return (c < u' ' && c != u'\n') || (c >= u'\x7f' && c <= u'\x9f');
        });
    };

    const CliRun opened = text({ "open", QUrl::fromLocalFile(folder.filePath(name)).toString(QUrl::FullyEncoded) });
    ASSERT_EQ(opened.exitCode, ExitOk) << opened.err.toStdString();
    ASSERT_TRUE(statusUntil([&](const QJsonObject& s) { return s.value("title") == name; }));
    const CliRun status = text({ "status" });
    EXPECT_TRUE(isClean(status.out));
    EXPECT_TRUE(status.out.contains(QStringLiteral("Now playing: Evil\\u009b2J\\tname\\nforged row.wav\n")))
        << status.out.toStdString();

    const CliRun browse = text({ "browse", folder.path() });
    EXPECT_TRUE(isClean(browse.out));
    EXPECT_EQ(browse.out.count(u'\n'), 3) << browse.out.toStdString(); // the folder, "..", the file

    // VLC's own words about a folder it cannot open, on one line.
    const CliRun nowhere = text({ "browse", QStringLiteral("/no/such/\u009b[2J\nfolder") });
    EXPECT_EQ(nowhere.exitCode, ExitCommandFailed);
    EXPECT_TRUE(isClean(nowhere.err));
    EXPECT_EQ(nowhere.err.count(u'\n'), 1) << nowhere.err.toStdString();
}

TEST_F(CliAgainstRealVlc, EqualizerGoesOnTakesGainsAndPresetsByNameAndGoesOff)
{
    const CliRun off = cli({ "eq" });
    ASSERT_EQ(off.exitCode, ExitOk) << off.err.toStdString();
    EXPECT_FALSE(off.json().value("enabled").toBool());
    // Off, VLC lists no presets and takes no gains: refused, not lost.
    const CliRun early = cli({ "eq", "preset", "rock" });
    EXPECT_EQ(early.exitCode, ExitCommandFailed);
    EXPECT_TRUE(early.err.contains(QStringLiteral("turn it on first with eq on"))) << early.err.toStdString();

    // A VLC that never had gains needs its filter restarted: on means bands.
    const QJsonObject on = cli({ "eq", "on" }).json();
    EXPECT_TRUE(on.value("enabled").toBool());
    const QJsonArray bands = on.value("bands").toArray();
    ASSERT_EQ(bands.size(), 10);
    EXPECT_EQ(bands[4].toObject().value("label"), QStringLiteral("1 kHz"));
    EXPECT_EQ(bands[9].toObject().value("frequency").toInt(), 16000);
    for (const QJsonValue& band : bands)
        EXPECT_TRUE(band.toObject().value("gain").isDouble());

    // VLC keeps a tenth of a dB.
    const CliRun band = cli({ "eq", "band", "3", "-4.25" });
    ASSERT_EQ(band.exitCode, ExitOk) << band.err.toStdString();
    EXPECT_DOUBLE_EQ(band.json().value("bands").toArray()[3].toObject().value("gain").toDouble(), -4.3);
    EXPECT_DOUBLE_EQ(cli({ "eq", "preamp", "6" }).json().value("preamp").toDouble(), 6.0);

    // By name in any case: Flat is every band at 0.
    const CliRun flat = cli({ "eq", "preset", "FLAT" });
    ASSERT_EQ(flat.exitCode, ExitOk) << flat.err.toStdString();
    for (const QJsonValue& b : flat.json().value("bands").toArray())
        EXPECT_EQ(b.toObject().value("gain").toDouble(-99), 0.0);
    const CliRun rock = runCli({ "--host", vlc->hostAddress(), "eq", "preset", "rock" }, vlc->password());
    ASSERT_EQ(rock.exitCode, ExitOk) << rock.err.toStdString();
    EXPECT_FALSE(rock.out.contains(QStringLiteral("  0  60 Hz  0 dB\n"))) << rock.out.toStdString();
    EXPECT_TRUE(rock.out.contains(QStringLiteral("13 Rock"))) << rock.out.toStdString();
    const CliRun unknown = cli({ "eq", "preset", "Polka" });
    EXPECT_EQ(unknown.exitCode, ExitCommandFailed);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("no equalizer preset 'Polka'; it has Flat, Classical")))
        << unknown.err.toStdString();

    EXPECT_FALSE(cli({ "eq", "off" }).json().value("enabled").toBool(true));
    EXPECT_FALSE(cli({ "eq" }).json().value("enabled").toBool(true));
}

TEST_F(CliAgainstRealVlc, SortOrdersThePlaylistByTitleEitherWay)
{
    auto titles = [this] {
        QStringList names;
        for (const QJsonValue& item : cli({ "playlist" }).jsonArray())
            names << item.toObject().value("title").toString();
        return names;
    };
    const CliRun reversed = cli({ "sort", "title", "--reverse" });
    ASSERT_EQ(reversed.exitCode, ExitOk) << reversed.err.toStdString();
    const QStringList down { "gamma.wav", "delta.wav", "Bob's Café Song.wav", "alpha.wav" };
    EXPECT_EQ(titles(), down);
    EXPECT_EQ(cli({ "sort", "Title" }).exitCode, ExitOk);
    EXPECT_EQ(titles(), QStringList(down.rbegin(), down.rend()));
}

TEST_F(CliAgainstRealVlc, SeveralHostsArePausedAtOnceAndADeadOneIsReported)
{
    VlcInstance::Options options;
    options.password = vlc->password();
    options.media = media().files();
    VlcInstance second(options);
    ASSERT_TRUE(second.started()) << second.error().toStdString();
    const QString dead = QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort());
    auto state = [](const VlcInstance& v) {
        return runCli({ "--host", v.hostAddress(), "--json", "status" }, v.password()).json().value("state").toString();
    };
    ASSERT_TRUE(waitUntil([&] { return state(second) == u"playing"; }, 10000));

    const CliRun both = runCli({ "--host", vlc->hostAddress(), "--host", second.hostAddress(), "pause" }, vlc->password());
    EXPECT_EQ(both.exitCode, ExitOk) << both.out.toStdString();
    EXPECT_EQ(both.out, QStringLiteral("%1: ok (paused)\n%2: ok (paused)\n").arg(vlc->hostAddress(), second.hostAddress()));
    EXPECT_EQ(state(*vlc), QStringLiteral("paused"));
    EXPECT_EQ(state(second), QStringLiteral("paused"));

    const CliRun one = runCli({ "--host", dead, "--host", second.hostAddress(), "--json", "play" }, vlc->password());
    EXPECT_EQ(one.exitCode, ExitUnreachable);
    const QJsonArray lines = one.jsonArray();
    ASSERT_EQ(lines.size(), 2) << one.out.toStdString();
    EXPECT_EQ(lines[0].toObject().value("host"), dead);
    EXPECT_FALSE(lines[0].toObject().value("ok").toBool(true));
    EXPECT_TRUE(lines[0].toObject().value("error").toString().contains(QStringLiteral("could not reach")));
    EXPECT_TRUE(lines[1].toObject().value("ok").toBool());
    EXPECT_EQ(state(second), QStringLiteral("playing"));
    EXPECT_EQ(state(*vlc), QStringLiteral("paused"));
}

namespace {
// A film with two audio and two subtitle streams and three chapters.
class CliAgainstAFilm : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_movie = std::make_unique<ChapteredMovie>(); }
    static void TearDownTestSuite() { s_movie.reset(); }

    void SetUp() override
    {
        QString why;
        if (!VlcInstance::canRun(&why))
            GTEST_SKIP() << why.toStdString();
        ASSERT_TRUE(s_movie->isValid()) << s_movie->error().toStdString();
        VlcInstance::Options options;
        options.media = { s_movie->path() };
        vlc = std::make_unique<VlcInstance>(options);
        ASSERT_TRUE(vlc->started()) << vlc->error().toStdString();
        // VLC lists the streams once it has opened them.
        ASSERT_TRUE(waitUntil([this] { return ids(tracks(), "subtitle").size() == 3; }, 10000));
    }

    CliRun cli(const QStringList& args)
    {
        return runCli(QStringList { QStringLiteral("--host"), vlc->hostAddress(), QStringLiteral("--json") } + args,
                      vlc->password());
    }
    QJsonObject tracks() { return cli({ "track" }).json(); }
    static QList<int> ids(const QJsonObject& tracks, const char* kind)
    {
        QList<int> list;
        for (const QJsonValue& track : tracks.value(QLatin1String(kind)).toArray())
            list << track.toObject().value("id").toInt();
        return list;
    }
    static QJsonObject track(const QJsonObject& tracks, const char* kind, int id)
    {
        for (const QJsonValue& t : tracks.value(QLatin1String(kind)).toArray())
            if (t.toObject().value("id").toInt() == id)
                return t.toObject();
        return {};
    }

    static std::unique_ptr<ChapteredMovie> s_movie;
    std::unique_ptr<VlcInstance> vlc;
};

std::unique_ptr<ChapteredMovie> CliAgainstAFilm::s_movie;
}

TEST_F(CliAgainstAFilm, TracksChaptersTitlesAndSubtitleDelayLand)
{
    const QJsonObject listed = tracks();
    EXPECT_EQ(ids(listed, "audio"), QList<int>({ -1, 1, 2 }));
    EXPECT_EQ(ids(listed, "video"), QList<int>({ -1, 0 }));
    EXPECT_EQ(ids(listed, "subtitle"), QList<int>({ -1, 3, 4 }));
    EXPECT_EQ(track(listed, "subtitle", 4).value("name"), QStringLiteral("German"));
    EXPECT_TRUE(track(listed, "audio", 1).value("selected").isNull()); // VLC 3 does not say
    EXPECT_EQ(listed.value("chapters").toInt(), 3);
    EXPECT_EQ(listed.value("chapter").toInt(), 1);
    EXPECT_EQ(listed.value("titles").toInt(), 1);

    // VLC decodes a stream once it is chosen, and says so in its details.
    const CliRun french = cli({ "track", "audio", "2" });
    ASSERT_EQ(french.exitCode, ExitOk) << french.err.toStdString();
    EXPECT_TRUE(track(french.json(), "audio", 2).value("selected").toBool());
    EXPECT_TRUE(waitUntil([this] { return track(tracks(), "audio", 2).value("details").toObject().contains("Decoded format"); },
                          10000));
    const CliRun off = cli({ "track", "subtitle", "off" });
    ASSERT_EQ(off.exitCode, ExitOk) << off.err.toStdString();
    EXPECT_TRUE(track(off.json(), "subtitle", -1).value("selected").toBool());
    const CliRun none = cli({ "track", "audio", "7" });
    EXPECT_EQ(none.exitCode, ExitCommandFailed);
    EXPECT_TRUE(none.err.contains(QStringLiteral("there is no audio track 7: what plays has off, 1, 2")))
        << none.err.toStdString();

    const CliRun third = cli({ "chapter", "3" });
    ASSERT_EQ(third.exitCode, ExitOk) << third.err.toStdString();
    EXPECT_EQ(third.json().value("chapter").toInt(), 3);
    EXPECT_EQ(cli({ "chapter", "4" }).exitCode, ExitCommandFailed);
    EXPECT_EQ(cli({ "title", "1" }).json().value("title").toInt(), 1);
    EXPECT_EQ(cli({ "title", "2" }).exitCode, ExitCommandFailed);

    EXPECT_DOUBLE_EQ(cli({ "subtitle-delay", "-1.5" }).json().value("subtitleDelay").toDouble(), -1.5);
    const CliRun status = runCli({ "--host", vlc->hostAddress(), "status" }, vlc->password());
    EXPECT_TRUE(status.out.contains(QStringLiteral("Sub. delay:  -1.50 s\n"))) << status.out.toStdString();
}

TEST_F(CliAgainstAFilm, ASubtitleFileBecomesANewSubtitleTrack)
{
    QTemporaryDir folder(QStringLiteral("/tmp/playerlink-subtitles-XXXXXX")); // where VLC's user can look
    const QString path = folder.filePath(QStringLiteral("Le film é.srt"));
    QFile srt(path);
    ASSERT_TRUE(srt.open(QIODevice::WriteOnly));
    srt.write("1\n00:00:00,500 --> 00:00:59,000\nBonjour\n");
    srt.close();
    const QString notSubtitles = folder.filePath(QStringLiteral("notes.txt"));
    QFile notes(notSubtitles);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("not subtitles\n");
    notes.close();
    SampleMedia::makeReadableByAll(folder.path());

    // Given as a file URL, which VLC itself would ignore.
    const CliRun added = cli({ "subtitle-file", QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) });
    ASSERT_EQ(added.exitCode, ExitOk) << added.err.toStdString();
    const QList<int> subtitles = ids(added.json(), "subtitle");
    ASSERT_EQ(subtitles.size(), 4);
    EXPECT_GT(subtitles.last(), 4);
    EXPECT_EQ(ids(tracks(), "subtitle"), subtitles);

    const CliRun missing = cli({ "subtitle-file", folder.filePath(QStringLiteral("none.srt")) });
    EXPECT_EQ(missing.exitCode, ExitCommandFailed);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("no such file"))) << missing.err.toStdString();
    // VLC takes it without a word and makes nothing of it.
    const CliRun ignored = cli({ "subtitle-file", notSubtitles });
    EXPECT_EQ(ignored.exitCode, ExitCommandFailed);
    EXPECT_TRUE(ignored.err.contains(QStringLiteral("VLC made no subtitle track of"))) << ignored.err.toStdString();
}

TEST(CliAgainstAFakeVlc, RepliesNoRealVlcSendsAreShownTamed)
{
    // A volume past VLC's scale, negative times, exponents, and a title
    // with the escape sequences that VLC itself would have dropped.
    FakeHttpServer server;
    server.setHandler([](const FakeHttpServer::Request&) {
        return FakeHttpServer::ok("<?xml version=\"1.0\"?><root><apiversion>3</apiversion><state>paused</state>"
                                  "<volume>99999999999</volume><time>-30</time><length>-1e308</length>"
                                  "<position>1e308</position><rate>1e400</rate>"
                                  "<information><category name=\"meta\"><info name='title'>\x1b]0;owned\x07\x1b[2JSong"
                                  "</info></category></information></root>");
    });
    const QStringList status { "--host", server.hostAddress(), "status" };
    const CliRun text = runCli(status, QStringLiteral("pw"));
    ASSERT_EQ(text.exitCode, ExitOk) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains(QStringLiteral("Now playing: \\x1b]0;owned\\x07\\x1b[2JSong\n")))
        << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(QStringLiteral("Volume:      400%\n"))) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(QStringLiteral("Time:        00:00 / 00:00 (-00:00)\n"))) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(QStringLiteral("Speed:       32x\n"))) << text.out.toStdString();
    const QJsonObject json = runCli(status + QStringList { "--json" }, QStringLiteral("pw")).json();
    for (const char* key : { "time", "length", "remaining" })
        EXPECT_EQ(json.value(key).toInt(-1), 0) << key;
    EXPECT_EQ(json.value("volume").toInt(), 400);
    EXPECT_EQ(json.value("position").toInt(), 100);
    EXPECT_EQ(json.value("rate").toDouble(), 32.0);
    EXPECT_EQ(json.value("title"), QStringLiteral("\x1b]0;owned\x07\x1b[2JSong"));
}

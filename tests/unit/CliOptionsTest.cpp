#include "cli/CliOptions.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
std::optional<CliOptions> parse(const QStringList& args, QString* error = nullptr, const QString& envPassword = {})
{
    QString ignored;
    return CliOptions::parse(args, envPassword, QString(), error ? error : &ignored);
}

QString errorFor(const QStringList& args)
{
    QString error;
    EXPECT_FALSE(parse(args, &error)) << args.join(u' ').toStdString();
    return error;
}
}

TEST(CliOptions, ReadsHostPasswordAndCommand)
{
    const auto o = parse({ "--host", "den:9090", "--password=pw", "--json", "volume", "-10" });
    ASSERT_TRUE(o);
    EXPECT_EQ(o->host, QStringLiteral("den:9090"));
    EXPECT_EQ(o->password, QStringLiteral("pw"));
    EXPECT_TRUE(o->json);
    EXPECT_EQ(o->command, QStringLiteral("volume"));
    EXPECT_EQ(o->arguments, QStringList { "-10" }); // a negative number is not an option

    const auto fromEnv = parse({ "--host=den", "status" }, nullptr, QStringLiteral("envpw"));
    ASSERT_TRUE(fromEnv);
    EXPECT_EQ(fromEnv->password, QStringLiteral("envpw"));
    const auto noPassword = parse({ "--host=den", "status" });
    EXPECT_TRUE(noPassword->password.isNull());
    QTemporaryDir folder;
    QFile file(folder.filePath("pw"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("from file\nsecond line\n");
    file.close();
    const auto fromFile = parse({ "--host=den", "--password-file", file.fileName(), "status" }, nullptr, "envpw");
    ASSERT_TRUE(fromFile);
    EXPECT_EQ(fromFile->password, QStringLiteral("from file"));
    EXPECT_TRUE(errorFor({ "--host=den", "--password-file", folder.filePath("none"), "status" })
                    .startsWith(QStringLiteral("--password-file %1: no such file").arg(folder.filePath("none"))));
    EXPECT_TRUE(errorFor({ "--host=den", "--password=pw", "--password-file", file.fileName(), "status" }).contains("not both"));
    EXPECT_TRUE(errorFor({ "--host=den", "--password-file" }).contains("needs a value"));

    const auto find = parse({ "--host", "den", "playlist", "--find", "bob song" });
    ASSERT_TRUE(find);
    EXPECT_EQ(find->find, QStringLiteral("bob song"));
    EXPECT_TRUE(parse({ "--host", "den", "playlist" })->find.isNull());
    const auto watch = parse({ "--host", "den", "watch", "--seconds", "5" });
    ASSERT_TRUE(watch);
    EXPECT_EQ(watch->watchSeconds, 5);
    const auto path = parse({ "--host", "den", "browse", "--", "-odd folder" });
    ASSERT_TRUE(path);
    EXPECT_EQ(path->arguments, QStringList { "-odd folder" });
    EXPECT_TRUE(parse({ "--help" })->help);

    // Discovery finds hosts instead of needing one.
    const auto discover = parse({ "discover", "--seconds", "3" });
    ASSERT_TRUE(discover);
    EXPECT_EQ(discover->command, QStringLiteral("discover"));
    EXPECT_EQ(discover->watchSeconds, 3);
    EXPECT_TRUE(errorFor({ "discover", "now" }).contains("no arguments"));
}

TEST(CliOptions, RefusesWhatCannotBeSent)
{
    EXPECT_TRUE(errorFor({ "status" }).contains("no host"));
    EXPECT_TRUE(errorFor({ "--host", "den" }).contains("no command"));
    EXPECT_TRUE(errorFor({ "--host", "den", "dance" }).contains("unknown command"));
    EXPECT_TRUE(errorFor({ "--host", "den", "--colour", "status" }).contains("unknown option"));
    EXPECT_TRUE(errorFor({ "--host" }).contains("--host needs a value"));
    EXPECT_TRUE(errorFor({ "--host", "den", "seek" }).contains("needs an argument"));
    EXPECT_TRUE(errorFor({ "--host", "den", "pause", "now" }).contains("no arguments"));
    EXPECT_TRUE(errorFor({ "--host", "den", "playlist", "--find" }).contains("--find needs a text"));
    EXPECT_TRUE(errorFor({ "--host", "den", "status", "--find", "x" }).contains("--find only goes with playlist"));
    EXPECT_TRUE(errorFor({ "--host", "den", "seek", "soon" }).contains("seek takes"));
    EXPECT_TRUE(errorFor({ "--host", "den", "seek", "150%" }).contains("between 0% and 100%"));
    EXPECT_TRUE(errorFor({ "--host", "den", "volume", "loud" }).contains("volume takes"));
    EXPECT_TRUE(errorFor({ "--host", "den", "volume", "900" }).contains("from 0 to 400"));
    EXPECT_TRUE(errorFor({ "--host", "den", "speed", "0" }).contains("speed takes"));
    EXPECT_TRUE(errorFor({ "--host", "den", "speed", "fast" }).contains("speed takes"));
    EXPECT_TRUE(errorFor({ "--host", "den", "delete", "x" }).contains("playlist item id"));
    EXPECT_TRUE(errorFor({ "--host", "den", "play", "-3" }).contains("playlist item id"));
    EXPECT_TRUE(errorFor({ "--host", "den", "audio-delay", "a" }).contains("audio-delay takes"));
    EXPECT_TRUE(errorFor({ "--host", "den", "key", "Rm -rf" }).contains("hotkey"));
    EXPECT_TRUE(errorFor({ "--host", "den", "open", "" }).contains("non-empty"));
    EXPECT_TRUE(errorFor({ "--host", "den", "status", "--seconds", "3" }).contains("only goes with watch"));
    EXPECT_TRUE(errorFor({ "--host", "den", "watch", "--seconds", "0" }).contains("positive"));
}

TEST(CliOptions, NumbersOutOfRangeOrNotFiniteAreRefused)
{
    const QList<QStringList> refused {
        { "volume", "99999999999" }, { "volume", "+99999999999" }, { "volume", "401" }, { "volume", "-401" },
        { "seek", "99999999999" }, { "seek", "100000000" }, { "seek", "+99999999999s" }, { "seek", "101%" },
        { "seek", "+101%" }, { "seek", "-1.5%" },
        { "seek", "99999999999%" }, { "speed", "nan" }, { "speed", "inf" }, { "speed", "1e1" },
        { "speed", "33" }, { "speed", "0.02" }, { "audio-delay", "nan" }, { "audio-delay", "inf" },
        { "audio-delay", "99999999" }, { "audio-delay", "-600.5" }, { "delete", "99999999999" },
        { "play", "2147483648" }, { "volume", "5\n" },
    };
    for (const QStringList& args : refused)
        EXPECT_FALSE(errorFor(QStringList { "--host", "den" } + args).isEmpty());
    EXPECT_TRUE(errorFor({ "--host", "den", "watch", "--seconds", "99999999999" }).contains("positive"));
    // Each range is in --help.
    for (const char* range : { "0-400", "0-99999999", "0-100", "0.03 to 32", "-600 to 600" })
        EXPECT_TRUE(CliOptions::usage().contains(QLatin1String(range))) << range;

    EXPECT_EQ(CliOptions::volumePercent("400"), 400);
    EXPECT_EQ(CliOptions::volumeChange("-400"), -400);
    EXPECT_EQ(CliOptions::seekSeconds("99999999"), 99999999);
    EXPECT_EQ(CliOptions::seekOffsetSeconds("-5s"), -5);
    EXPECT_EQ(CliOptions::speedFactor("1.5"), 1.5);
    EXPECT_EQ(CliOptions::speedFactor("32"), 32.0);
    EXPECT_EQ(CliOptions::audioDelaySeconds("-600"), -600.0);
    EXPECT_EQ(CliOptions::audioDelaySeconds(".25"), 0.25);
}

TEST(CliOptions, HostsAreReadAsAddressesOrVlcsPageAddress)
{
    const QList<std::pair<QString, QString>> read {
        { "http://127.0.0.1:27431", "127.0.0.1:27431" }, { "127.0.0.1:27431/", "127.0.0.1:27431" },
        { "HTTP://den/", "den" },                        { "den", "den" },
        { "::1", "[::1]" },                              { "[::1]:9090", "[::1]:9090" },
        { " mypc.local:8080 ", "mypc.local:8080" },
    };
    for (const auto& [given, stored] : read) {
        const auto o = parse({ "--host", given, "status" });
        ASSERT_TRUE(o) << given.toStdString();
        EXPECT_EQ(o->host, stored);
    }
    for (const QString bad : QStringList { "https://den", "http://den/requests/status.xml", "http://", "den:99999", "den:",
                                "user@den", "my pc", "[::1", "ftp://den", "den:80:80",
                                QStringLiteral("[::1%1.1.20]").arg(QChar(0)) })
        EXPECT_TRUE(errorFor({ "--host", bad, "status" }).startsWith("--host ")) << bad.toStdString();
}

TEST(CliOptions, FilesToOpenAreAbsoluteOrUrls)
{
    for (const QString path : { "/home/me/film.mkv", "C:\\Films\\film.mkv", "c:/films/a.mkv",
                                 "\\\\server\\share\\a.mp3", "http://radio.example/stream", "dvd:///dev/sr0" })
        EXPECT_TRUE(parse({ "--host", "den", "open", path })) << path.toStdString();
    for (const QString path : { "film.mkv", "./film.mkv", "../film.mkv", "~/film.mkv" })
        EXPECT_TRUE(errorFor({ "--host", "den", "enqueue", path }).contains("absolute path")) << path.toStdString();
}

TEST(CliOptions, AcceptsEveryFormOfTheArguments)
{
    for (const QString seek : { "30", "+30s", "-10s", "+5", "50%", "+10%", "-100%" })
        EXPECT_TRUE(parse({ "--host", "den", "seek", seek })) << seek.toStdString();
    // Offsets go to VLC signed, in its own units.
    const std::pair<QString, QString> offsets[] = {
        { "+30s", "+30s" }, { "-10s", "-10s" }, { "+5", "+5s" }, { "-7", "-7s" }, { "+10%", "+10%" }, { "-5%", "-5%" },
    };
    for (const auto& [given, sent] : offsets)
        EXPECT_EQ(CliOptions::seekOffset(given), sent);
    for (const QString volume : { "150", "+10", "-25", "80%" })
        EXPECT_TRUE(parse({ "--host", "den", "volume", volume })) << volume.toStdString();
    for (const QString speed : { "2", "0.5", "1.25" })
        EXPECT_TRUE(parse({ "--host", "den", "speed", speed })) << speed.toStdString();
    EXPECT_TRUE(parse({ "--host", "den", "audio-delay", "-0.25" }));
    EXPECT_TRUE(parse({ "--host", "den", "play" }));
    EXPECT_TRUE(parse({ "--host", "den", "browse" }));
    EXPECT_TRUE(parse({ "--host", "den", "browse", "C:\\Films" }));
    EXPECT_EQ(CliOptions::commands().size(), 33);
}

TEST(CliOptions, CastTakesUpToAHundredFiles)
{
    const auto o = parse({ "--host", "den", "cast", "a.wav", "--", "-b.wav" });
    ASSERT_TRUE(o);
    EXPECT_EQ(o->arguments, QStringList({ "a.wav", "-b.wav" }));
    EXPECT_TRUE(parse(QStringList { "--host", "den", "cast" } + QStringList(100, "a.wav")));
    EXPECT_EQ(errorFor(QStringList { "--host", "den", "cast" } + QStringList(101, "a.wav")),
              "cast takes at most 100 arguments (see --help)");
    EXPECT_EQ(errorFor({ "--host", "den", "cast" }), "cast needs an argument (see --help)");
    EXPECT_EQ(errorFor({ "--host", "den", "cast", "a.wav", "" }), "cast needs file names, not empty arguments");
}

TEST(CliOptions, EqualizerTracksSortAndSubtitlesTakeOnlyWhatVlcCanUse)
{
    const QList<QStringList> accepted {
        { "eq" }, { "eq", "on" }, { "eq", "off" }, { "eq", "preset", "Full bass" }, { "eq", "preset", "13" },
        { "eq", "preamp", "-20" }, { "eq", "band", "9", "20" }, { "eq", "band", "0", "-3.5" },
        { "sort", "Title", "--reverse" }, { "sort", "random" }, { "track" }, { "track", "subtitle", "off" },
        { "track", "audio", "-1" }, { "track", "video", "0" }, { "subtitle-delay", "-0.5" }, { "chapter", "3" },
        { "title", "1" }, { "subtitle-file", "/home/me/film.srt" }, { "subtitle-file", "C:\\Films\\film.srt" },
        { "subtitle-file", "file:///home/me/le%20film.srt" },
    };
    for (const QStringList& args : accepted)
        EXPECT_TRUE(parse(QStringList { "--host", "den" } + args)) << args.join(u' ').toStdString();
    EXPECT_TRUE(parse({ "--host", "den", "sort", "album", "--reverse" })->reverse);

    const QList<QStringList> refused {
        { "eq", "loud" }, { "eq", "on", "now" }, { "eq", "preset" }, { "eq", "preset", "" },
        { "eq", "preset", "Rock\x1b[2J" }, { "eq", "preamp", "21" }, { "eq", "preamp", "nan" },
        { "eq", "band", "10", "0" }, { "eq", "band", "-1", "0" }, { "eq", "band", "0", "-20.5" },
        { "eq", "band", "0" }, { "sort", "name" }, { "sort", "1" }, { "track", "audio" }, { "track", "sound", "1" },
        { "track", "audio", "x" }, { "track", "subtitle", "-2" }, { "subtitle-delay", "601" },
        { "subtitle-delay", "inf" }, { "chapter", "0" }, { "title", "-1" }, { "chapter", "2147483648" },
        { "subtitle-file", "film.srt" }, { "subtitle-file", "http://den/film.srt" },
        { "subtitle-file", "/tmp/a\nb.srt" }, { "subtitle-file", "file:///tmp/a%0Ab.srt" }, { "subtitle-file", "" },
    };
    for (const QStringList& args : refused)
        EXPECT_FALSE(errorFor(QStringList { "--host", "den" } + args).isEmpty()) << args.join(u' ').toStdString();
    EXPECT_EQ(errorFor({ "--host", "den", "sort", "name" }),
              "sort takes one of title, artist, album, genre, duration, id, random, not 'name'");
    EXPECT_EQ(errorFor({ "--host", "den", "status", "--reverse" }), "--reverse only goes with sort");
}

TEST(CliOptions, SeveralHostsTakeOnlyCommandsThatMeanTheSameOnEach)
{
    const auto pause = parse({ "--host", "den", "--host", "http://kitchen:9090/", "pause" });
    ASSERT_TRUE(pause);
    EXPECT_EQ(pause->hosts, QStringList({ "den", "kitchen:9090" }));
    EXPECT_EQ(pause->host, QStringLiteral("den"));
    EXPECT_TRUE(parse({ "--host", "den", "--host", "attic", "play" }));
    EXPECT_TRUE(parse({ "--host", "den", "--host", "attic", "eq", "preset", "rock" }));
    // Ids, tracks and paths belong to one VLC; lists fit no line.
    for (const QStringList& args : QList<QStringList> { { "play", "3" }, { "status" }, { "eq" }, { "track", "audio", "1" },
                                                        { "subtitle-file", "/a.srt" }, { "watch" }, { "open", "/a.wav" } })
        EXPECT_TRUE(errorFor(QStringList { "--host", "den", "--host", "attic" } + args).contains("takes one --host"))
            << args.join(u' ').toStdString();
    EXPECT_EQ(errorFor({ "--host", "den", "--host", "den:8080", "pause" }), "--host den:8080 is given twice");
    EXPECT_EQ(errorFor({ "--host", "den", "--host", "den", "pause" }), "--host den is given twice");
    EXPECT_TRUE(errorFor({ "--host", "den", "--host", "my pc", "pause" }).startsWith("--host "));
}

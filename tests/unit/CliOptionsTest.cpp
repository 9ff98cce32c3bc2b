#include "cli/CliOptions.h"

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

    const auto watch = parse({ "--host", "den", "watch", "--seconds", "5" });
    ASSERT_TRUE(watch);
    EXPECT_EQ(watch->watchSeconds, 5);
    const auto path = parse({ "--host", "den", "open", "--", "-odd name.mp3" });
    ASSERT_TRUE(path);
    EXPECT_EQ(path->arguments, QStringList { "-odd name.mp3" });
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
    EXPECT_TRUE(errorFor({ "--host", "den", "seek", "soon" }).contains("seek takes"));
    EXPECT_TRUE(errorFor({ "--host", "den", "seek", "150%" }).contains("between 0% and 100%"));
    EXPECT_TRUE(errorFor({ "--host", "den", "volume", "loud" }).contains("volume takes"));
    EXPECT_TRUE(errorFor({ "--host", "den", "volume", "900" }).contains("between 0 and 400"));
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

TEST(CliOptions, AcceptsEveryFormOfTheArguments)
{
    for (const QString& seek : { "30", "+30s", "-10s", "+5", "50%" })
        EXPECT_TRUE(parse({ "--host", "den", "seek", seek })) << seek.toStdString();
    for (const QString& volume : { "150", "+10", "-25", "80%" })
        EXPECT_TRUE(parse({ "--host", "den", "volume", volume })) << volume.toStdString();
    for (const QString& speed : { "2", "0.5", "1.25" })
        EXPECT_TRUE(parse({ "--host", "den", "speed", speed })) << speed.toStdString();
    EXPECT_TRUE(parse({ "--host", "den", "audio-delay", "-0.25" }));
    EXPECT_TRUE(parse({ "--host", "den", "play" }));
    EXPECT_TRUE(parse({ "--host", "den", "browse" }));
    EXPECT_TRUE(parse({ "--host", "den", "browse", "C:\\Films" }));
    EXPECT_EQ(CliOptions::commands().size(), 25);
}

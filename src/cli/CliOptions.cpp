#include "cli/CliOptions.h"

#include "core/PasswordFile.h"
#include "vlc/EqualizerBands.h"
#include "vlc/HostAddress.h"
#include "vlc/PlaylistSort.h"
#include "vlc/RemoteConnection.h"
#include "vlc/RemoteRecord.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
struct CommandSpec {
    const char* name;
    int minArgs;
    int maxArgs;
};

const CommandSpec commandSpecs[] = {
    { "probe", 0, 0 },     { "status", 0, 0 },     { "playlist", 0, 0 }, { "browse", 0, 1 },
    { "play", 0, 1 },      { "pause", 0, 0 },      { "stop", 0, 0 },     { "next", 0, 0 },
    { "previous", 0, 0 },  { "seek", 1, 1 },       { "volume", 1, 1 },   { "open", 1, 1 },
    { "enqueue", 1, 1 },   { "delete", 1, 1 },     { "empty", 0, 0 },    { "random", 0, 0 },
    { "loop", 0, 0 },      { "repeat", 0, 0 },     { "fullscreen", 0, 0 }, { "speed", 1, 1 },
    { "audio-delay", 1, 1 }, { "aspect", 1, 1 },   { "key", 1, 1 },      { "watch", 0, 0 },
    { "discover", 0, 0 },  { "cast", 1, CliOptions::maxCastFiles },
    { "eq", 0, 3 },        { "sort", 1, 1 },       { "subtitle-file", 1, 1 }, { "track", 0, 2 },
    { "subtitle-delay", 1, 1 }, { "chapter", 1, 1 }, { "title", 1, 1 },
};

// Commands that mean the same on every VLC, so that several hosts can take
// them at once (play only without an item id, eq only to set).
const char* const severalHostNames[] = {
    "probe", "play", "pause", "stop", "next", "previous", "seek", "volume", "speed", "audio-delay",
    "subtitle-delay", "random", "loop", "repeat", "fullscreen", "key", "eq", "sort", "empty",
};

const char* const sortKeyNames[] = { "title", "artist", "album", "genre", "duration", "id", "random" };

const CommandSpec* findCommand(const QString& name)
{
    for (const CommandSpec& spec : commandSpecs)
        if (name == QLatin1String(spec.name))
            return &spec;
    return nullptr;
}

bool looksLikeNumber(const QString& arg)
{
    return arg.size() > 1 && arg[0] == u'-' && (arg[1].isDigit() || arg[1] == u'.');
}

// A whole number in plain digits (a sign if signed) within [low, high];
// nothing for anything else, overflow included.
std::optional<qint64> wholeNumber(QStringView text, qint64 low, qint64 high, bool signedForm = false)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}\\z"));
    static const QRegularExpression signedDigits(QStringLiteral("^[+-][0-9]{1,18}\\z"));
    if (!(signedForm ? signedDigits : digits).match(text.toString()).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

// A decimal number (no exponent, nan or inf) within [low, high].
std::optional<double> decimalNumber(QStringView text, double low, double high)
{
    static const QRegularExpression form(QStringLiteral("^[+-]?([0-9]{1,12}(\\.[0-9]{0,12})?|\\.[0-9]{1,12})\\z"));
    if (!form.match(text.toString()).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < low || value > high)
        return std::nullopt;
    return value;
}

bool isAbsolutePath(const QString& path)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    return path.startsWith(u'/') || path.startsWith(QStringLiteral("\\\\")) || drive.match(path).hasMatch();
}

bool isUrl(const QString& path)
{
    static const QRegularExpression url(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return !isAbsolutePath(path) && url.match(path).hasMatch();
}

// Paths VLC can open as given: absolute on any of its systems, or a URL.
bool isAbsoluteOrUrl(const QString& path)
{
    return isAbsolutePath(path) || isUrl(path);
}

QString equalizerProblem(const QStringList& arguments)
{
    const QString sub = arguments.value(0);
    const QString usage = QStringLiteral("eq takes on, off, preset NAME|ID, preamp DB or band N DB (see --help)");
    if (arguments.isEmpty())
        return QString();
    if (sub == u"on" || sub == u"off")
        return arguments.size() == 1 ? QString() : usage;
    if (sub == u"preset") {
        if (arguments.size() != 2)
            return QStringLiteral("eq preset takes one name or id; quote a name with spaces");
        const QString name = arguments[1].trimmed();
        if (name.isEmpty() || name.size() > 100 || CliOptions::hasControlCharacter(name))
            return QStringLiteral("eq preset takes a preset's name or id, such as Rock or 13");
        return QString();
    }
    if (sub == u"preamp") {
        if (arguments.size() != 2 || !CliOptions::equalizerGain(arguments[1]))
            return QStringLiteral("eq preamp takes a gain from -20 to 20 dB, such as 6 or -3.5, not '%1'")
                .arg(arguments.mid(1).join(u' '));
        return QString();
    }
    if (sub == u"band") {
        if (arguments.size() != 3)
            return QStringLiteral("eq band takes a band 0-9 and a gain from -20 to 20 dB, such as: eq band 0 6");
        if (!CliOptions::equalizerBand(arguments[1]))
            return QStringLiteral("eq band takes a band from 0 (60 Hz) to 9 (16 kHz), not '%1'").arg(arguments[1]);
        if (!CliOptions::equalizerGain(arguments[2]))
            return QStringLiteral("eq band takes a gain from -20 to 20 dB, such as 6 or -3.5, not '%1'")
                .arg(arguments[2]);
        return QString();
    }
    return usage;
}

QString trackProblem(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return QString();
    if (arguments.size() != 2 || !CliOptions::trackKinds().contains(arguments[0]))
        return QStringLiteral("track takes audio, video or subtitle and a track as track lists it, or nothing "
                              "to list them");
    if (!CliOptions::trackId(arguments[1]))
        return QStringLiteral("track %1 takes a number as track lists it, or off (-1), not '%2'")
            .arg(arguments[0], arguments[1]);
    return QString();
}

QString subtitleFileProblem(const QString& arg)
{
    if (arg.isEmpty() || CliOptions::hasControlCharacter(arg))
        return QStringLiteral("subtitle-file takes the path of a subtitle file on the VLC computer");
    if (isUrl(arg) && !arg.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive))
        return QStringLiteral("subtitle-file takes a path on the VLC computer (or a file:// URL), not '%1'").arg(arg);
    const QString path = RemoteConnection::subtitlePath(arg);
    if (!isAbsolutePath(path) || CliOptions::hasControlCharacter(path))
        return QStringLiteral("subtitle-file needs an absolute path on the VLC computer, not '%1'").arg(arg);
    return QString();
}
}

std::optional<int> CliOptions::seekSeconds(const QString& arg)
{
    const auto value = wholeNumber(arg, 0, maxSeekSeconds);
    return value ? std::optional<int>(int(*value)) : std::nullopt;
}

std::optional<int> CliOptions::seekOffsetSeconds(const QString& arg)
{
    const QString number = arg.endsWith(u's') ? arg.chopped(1) : arg;
    const auto value = wholeNumber(number, -maxSeekSeconds, maxSeekSeconds, true);
    return value ? std::optional<int>(int(*value)) : std::nullopt;
}

std::optional<int> CliOptions::seekPercent(const QString& arg)
{
    if (!arg.endsWith(u'%'))
        return std::nullopt;
    const auto value = wholeNumber(arg.chopped(1), 0, 100);
    return value ? std::optional<int>(int(*value)) : std::nullopt;
}

std::optional<QString> CliOptions::seekOffset(const QString& arg)
{
    const bool percent = arg.endsWith(u'%');
    std::optional<qint64> value;
    if (percent)
        value = wholeNumber(arg.chopped(1), -100, 100, true);
    else if (const std::optional<int> seconds = seekOffsetSeconds(arg))
        value = *seconds;
    if (!value)
        return std::nullopt;
    // The sign always: without it VLC takes the number as a time or place.
    return QStringLiteral("%1%2%3")
        .arg(*value < 0 ? QStringLiteral("-") : QStringLiteral("+"), QString::number(std::abs(*value)),
             percent ? QStringLiteral("%") : QStringLiteral("s"));
}

std::optional<int> CliOptions::volumePercent(const QString& arg)
{
    const QString number = arg.endsWith(u'%') ? arg.chopped(1) : arg;
    const auto value = wholeNumber(number, 0, maxVolumePercent);
    return value ? std::optional<int>(int(*value)) : std::nullopt;
}

std::optional<int> CliOptions::volumeChange(const QString& arg)
{
    const QString number = arg.endsWith(u'%') ? arg.chopped(1) : arg;
    const auto value = wholeNumber(number, -maxVolumePercent, maxVolumePercent, true);
    return value ? std::optional<int>(int(*value)) : std::nullopt;
}

std::optional<double> CliOptions::speedFactor(const QString& arg)
{
    return decimalNumber(arg, minSpeed, maxSpeed);
}

std::optional<double> CliOptions::audioDelaySeconds(const QString& arg)
{
    return decimalNumber(arg, -maxAudioDelaySeconds, maxAudioDelaySeconds);
}

std::optional<int> CliOptions::itemId(const QString& arg)
{
    const auto value = wholeNumber(arg, 0, std::numeric_limits<int>::max());
    return value ? std::optional<int>(int(*value)) : std::nullopt;
}

std::optional<double> CliOptions::subtitleDelaySeconds(const QString& arg)
{
    return decimalNumber(arg, -maxSubtitleDelaySeconds, maxSubtitleDelaySeconds);
}

std::optional<double> CliOptions::equalizerGain(const QString& arg)
{
    return decimalNumber(arg, EqualizerBands::minGain, EqualizerBands::maxGain);
}

std::optional<int> CliOptions::equalizerBand(const QString& arg)
{
    const auto value = wholeNumber(arg, 0, EqualizerBands::count - 1);
    return value ? std::optional<int>(int(*value)) : std::nullopt;
}

std::optional<int> CliOptions::trackId(const QString& arg)
{
    if (arg == u"off" || arg == u"-1")
        return -1;
    const auto value = wholeNumber(arg, 0, std::numeric_limits<int>::max());
    return value ? std::optional<int>(int(*value)) : std::nullopt;
}

std::optional<int> CliOptions::chapterNumber(const QString& arg)
{
    const auto value = wholeNumber(arg, 1, std::numeric_limits<int>::max());
    return value ? std::optional<int>(int(*value)) : std::nullopt;
}

QStringList CliOptions::sortKeys()
{
    QStringList keys;
    for (const char* key : sortKeyNames)
        keys << QLatin1String(key);
    return keys;
}

QStringList CliOptions::trackKinds()
{
    return { QStringLiteral("audio"), QStringLiteral("video"), QStringLiteral("subtitle") };
}

bool CliOptions::hasControlCharacter(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
}

QStringList CliOptions::severalHostCommands()
{
    QStringList names;
    for (const char* name : severalHostNames)
        names << QLatin1String(name);
    return names;
}

bool CliOptions::goesToSeveralHosts() const
{
    if (!severalHostCommands().contains(command))
        return false;
    if (command == u"play")
        return arguments.isEmpty();
    if (command == u"eq")
        return !arguments.isEmpty();
    return true;
}

QStringList CliOptions::commands()
{
    QStringList names;
    for (const CommandSpec& spec : commandSpecs)
        names << QLatin1String(spec.name);
    return names;
}

QString CliOptions::usage()
{
    return QStringLiteral(
        "Usage: playerlink-cli --host HOST[:PORT] [--host HOST]... [--password-file FILE]\n"
        "         [--json] [--verbose] COMMAND [ARG]...\n"
        "       playerlink-cli [--json] discover [--seconds N]\n"
        "\n"
        "Controls VLC through its web interface (port 8080 unless HOST names one).\n"
        "HOST may also be given as VLC's page address, http://HOST[:PORT]/.\n"
        "The host may also come from PLAYERLINK_HOST.\n"
        "\n"
        "VLC's password comes from\n"
        "  --password-file FILE  the first line of FILE (at most 4096 bytes); FILE -\n"
        "                        reads it from standard input, which must not be a\n"
        "                        terminal\n"
        "  PLAYERLINK_PASSWORD   the environment, when neither option is given\n"
        "  --password PW         as given: every local user can read it in the process\n"
        "                        list, so scripts should use one of the two above\n"
        "Standard input is read only for --password-file -.\n"
        "\n"
        "Commands:\n"
        "  probe                 check that VLC answers and the password is right\n"
        "  status                what VLC is doing now\n"
        "  playlist [--find TEXT]    the playlist, the current item marked; with --find\n"
        "                        only the items whose names hold TEXT's words, case\n"
        "                        and accents aside\n"
        "  browse [DIR]          list a folder on the VLC computer (default: home)\n"
        "  play [ID]             play playlist item ID (a whole number), or resume\n"
        "  pause                 pause playback\n"
        "  stop | next | previous\n"
        "  seek SECONDS|+Ns|-Ns|N%|+N%|-N%   jump to a time (0-99999999 s), by an\n"
        "                        offset (at most 99999999 s, or 100%, either way), or to\n"
        "                        a percentage (0-100)\n"
        "  volume PERCENT|+N|-N  set the volume (0-400), or change it by up to 400\n"
        "  open PATH             play a file or URL on the VLC computer; a file path\n"
        "                        must be absolute, and the file must be there\n"
        "  enqueue PATH          add a file or URL to the playlist (as open)\n"
        "  delete ID             remove a playlist item\n"
        "  empty                 empty the playlist\n"
        "  random | loop | repeat    toggle shuffle, repeat-all, repeat-one\n"
        "  fullscreen            toggle full screen\n"
        "  speed FACTOR          playback speed from 0.03 to 32: 1 is normal, 2 twice as fast\n"
        "  audio-delay SECONDS   audio delay from -600 to 600, for example 0.5 or -0.25\n"
        "  aspect RATIO          aspect ratio such as 16:9 or 4:3\n"
        "  key NAME              press a VLC hotkey, for example faster or nav-up\n"
        "  watch [--seconds N]   a line per second with what the remote shows, for N\n"
        "                        seconds (a whole number, 1 or more) or until stopped\n"
        "  discover [--seconds N]   computers on the local network (DNS-SD), one per\n"
        "                        address: after one pass, or after N seconds of passes\n"
        "  cast FILE...          play files of this computer on VLC (up to 100): they are\n"
        "                        served from here to VLC's address only, until VLC has\n"
        "                        played them, they leave its playlist, or Ctrl+C\n"
        "  eq                    the equalizer: on or off, its preamp, its ten bands\n"
        "                        (60 Hz to 16 kHz) and VLC's presets, which VLC tells\n"
        "                        only while it is on\n"
        "  eq on | eq off        turn the equalizer on or off\n"
        "  eq preset NAME|ID     use one of VLC's presets, by name (any case) or id\n"
        "  eq preamp DB          set the preamp, from -20 to 20 dB\n"
        "  eq band N DB          set band N (0-9: 0 is 60 Hz, 9 is 16 kHz), from -20 to\n"
        "                        20 dB; preset, preamp and band need the equalizer on\n"
        "  sort KEY [--reverse]  sort the playlist by title, artist, album, genre,\n"
        "                        duration, id or random\n"
        "  subtitle-file PATH    add a subtitle file on the VLC computer to what plays:\n"
        "                        an absolute path (a file:// URL is taken as its path)\n"
        "  track                 the audio, video and subtitle tracks, title and chapter\n"
        "  track audio|video|subtitle N   use track N as track lists it; off or -1: none\n"
        "  subtitle-delay SECONDS   subtitle delay from -600 to 600, such as 1.5 or -0.5\n"
        "  chapter N | title N   go to chapter or title N, counted from 1 as track lists\n"
        "                        them\n"
        "\n"
        "Several --host options send the command to each VLC at once and print a line\n"
        "for each: its address, then ok or what went wrong. They go with probe, play\n"
        "(without ID), pause, stop, next, previous, seek, volume, speed, audio-delay,\n"
        "subtitle-delay, random, loop, repeat, fullscreen, key, eq (to set it), sort and\n"
        "empty; other commands take one host.\n"
        "\n"
        "Exit status: 0 done, 1 command failed (such as no such file on HOST), 2 usage\n"
        "error, 3 unreachable or timed out (watch: the last poll failed; discover: no\n"
        "Avahi daemon), 4 password needed, refused or not set in VLC,\n"
        "5 not VLC, 6 sent a reply too large to read. With several hosts: that of the\n"
        "first host that failed.\n"
        "With --json, \"state\" is one of unknown, playing, paused, stopped, other, and\n"
        "\"connection\" one of connecting, connected, lost, password-needed,\n"
        "password-refused, password-not-set.\n");
}

std::optional<CliOptions> CliOptions::parse(const QStringList& args, const QString& passwordFromEnvironment,
                                            const QString& hostFromEnvironment, QString* error)
{
    CliOptions options;
    options.password = passwordFromEnvironment.isEmpty() ? QString() : passwordFromEnvironment;
    QStringList positional;
    QStringList givenHosts;
    std::optional<QString> passwordOption; // the option that gave the password

    auto fail = [error](const QString& message) -> std::optional<CliOptions> {
        *error = message;
        return std::nullopt;
    };

    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        if (!arg.startsWith(u'-') || looksLikeNumber(arg) || arg == u"-") {
            positional << arg;
            continue;
        }
        if (arg == u"--") {
            positional << args.mid(i + 1);
            break;
        }
        QString value;
        bool hasInlineValue = false;
        if (const qsizetype eq = arg.indexOf(u'='); arg.startsWith(QStringLiteral("--")) && eq > 0) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
            hasInlineValue = true;
        }
        auto takeValue = [&](const QString& option) -> std::optional<QString> {
            if (hasInlineValue)
                return value;
            if (i + 1 >= args.size())
                return std::nullopt;
            Q_UNUSED(option);
            return args[++i];
        };
        if (arg == u"--help" || arg == u"-h") {
            options.help = true;
        } else if (arg == u"--json") {
            options.json = true;
        } else if (arg == u"--verbose" || arg == u"-v") {
            options.verbose = true;
        } else if (arg == u"--host") {
            const auto v = takeValue(arg);
            if (!v || v->isEmpty())
                return fail(QStringLiteral("--host needs a value, such as 192.168.1.20 or mypc:8080"));
            givenHosts << *v;
        } else if (arg == u"--password" || arg == u"--password-file") {
            const auto v = takeValue(arg);
            if (!v || (arg == u"--password-file" && v->isEmpty()))
                return fail(QStringLiteral("%1 needs a value").arg(arg));
            if (passwordOption && *passwordOption != arg)
                return fail(QStringLiteral("give either --password or --password-file, not both"));
            passwordOption = arg;
            if (arg == u"--password") {
                options.password = *v;
            } else {
                QString problem;
                const std::optional<QString> password = PasswordFile::read(*v, &problem);
                if (!password)
                    return fail(problem);
                options.password = *password;
            }
        } else if (arg == u"--seconds") {
            const auto v = takeValue(arg);
            bool ok = false;
            const int seconds = v ? v->toInt(&ok) : 0;
            if (!ok || seconds <= 0)
                return fail(QStringLiteral("--seconds needs a positive whole number"));
            options.watchSeconds = seconds;
        } else if (arg == u"--find") {
            const auto v = takeValue(arg);
            if (!v || v->trimmed().isEmpty())
                return fail(QStringLiteral("--find needs a text to look for"));
            options.find = *v;
        } else if (arg == u"--reverse" && !hasInlineValue) {
            options.reverse = true;
        } else {
            return fail(QStringLiteral("unknown option %1 (see --help)").arg(arg));
        }
    }
    if (options.help)
        return options;
    if (positional.isEmpty())
        return fail(QStringLiteral("no command given (see --help)"));
    options.command = positional.takeFirst();
    options.arguments = positional;
    if (!findCommand(options.command))
        return fail(QStringLiteral("unknown command '%1' (see --help)").arg(options.command));
    if (givenHosts.isEmpty() && !hostFromEnvironment.isEmpty())
        givenHosts << hostFromEnvironment;
    // Discovery needs no host: it finds them.
    if (options.command == u"discover") {
        options.host = givenHosts.value(0);
    } else {
        if (givenHosts.isEmpty())
            return fail(QStringLiteral("no host given: use --host HOST[:PORT]"));
        QStringList addresses; // "den" and "den:8080" are one VLC
        for (const QString& given : std::as_const(givenHosts)) {
            QString problem;
            const std::optional<QString> host = HostAddress::fromUserText(given, &problem);
            if (!host)
                return fail(QStringLiteral("--host %1").arg(problem));
            RemoteRecord record;
            record.hostAddress = *host;
            if (addresses.contains(record.baseAddress()))
                return fail(QStringLiteral("--host %1 is given twice").arg(*host));
            addresses << record.baseAddress();
            options.hosts << *host;
        }
        options.host = options.hosts.first();
    }
    if (options.watchSeconds && options.command != u"watch" && options.command != u"discover")
        return fail(QStringLiteral("--seconds only goes with watch and discover"));
    if (!options.find.isNull() && options.command != u"playlist")
        return fail(QStringLiteral("--find only goes with playlist"));
    if (options.reverse && options.command != u"sort")
        return fail(QStringLiteral("--reverse only goes with sort"));
    const QString problem = options.validateArguments();
    if (!problem.isEmpty())
        return fail(problem);
    if (options.hosts.size() > 1 && !options.goesToSeveralHosts())
        return fail(QStringLiteral("%1 takes one --host; several go with %2")
                        .arg(options.command == u"play" || options.command == u"eq"
                                 ? QStringLiteral("%1 with these arguments").arg(options.command)
                                 : options.command,
                             severalHostCommands().join(QStringLiteral(", "))));
    return options;
}

QString CliOptions::validateArguments() const
{
    const CommandSpec* spec = findCommand(command);
    if (arguments.size() < spec->minArgs)
        return QStringLiteral("%1 needs an argument (see --help)").arg(command);
    if (arguments.size() > spec->maxArgs)
        return QStringLiteral("%1 takes %2 (see --help)")
            .arg(command, spec->maxArgs == 0 ? QStringLiteral("no arguments")
                     : spec->maxArgs == 1     ? QStringLiteral("one argument")
                                              : QStringLiteral("at most %1 arguments").arg(spec->maxArgs));
    const QString arg = arguments.value(0);
    if ((command == u"play" && !arguments.isEmpty()) || command == u"delete") {
        if (!itemId(arg))
            return QStringLiteral("%1 needs a playlist item id, a whole number from 0 to 2147483647, not '%2'")
                .arg(command, arg);
    } else if (command == u"seek") {
        const bool relative = arg.startsWith(u'+') || arg.startsWith(u'-');
        if (arg.endsWith(u'%') && relative) {
            if (!seekOffset(arg))
                return QStringLiteral("seek takes an offset +N% or -N% of at most 100%, not '%1'").arg(arg);
        } else if (arg.endsWith(u'%')) {
            if (!seekPercent(arg))
                return QStringLiteral("seek percentage must be between 0% and 100%, not '%1'").arg(arg);
        } else if (relative) {
            if (!seekOffset(arg))
                return QStringLiteral("seek takes an offset +Ns or -Ns of at most 99999999 seconds, not '%1'").arg(arg);
        } else if (!seekSeconds(arg)) {
            return QStringLiteral("seek takes SECONDS (0 to 99999999), +Ns, -Ns or N%, not '%1'").arg(arg);
        }
    } else if (command == u"volume") {
        const bool relative = arg.startsWith(u'+') || arg.startsWith(u'-');
        if (!(relative ? volumeChange(arg) : volumePercent(arg)))
            return QStringLiteral("volume takes a percentage from 0 to 400, or a change +N / -N of at most 400, "
                                  "not '%1'")
                .arg(arg);
    } else if (command == u"speed") {
        if (!speedFactor(arg))
            return QStringLiteral("speed takes a factor from 0.03 to 32, such as 2 or 0.5, not '%1'").arg(arg);
    } else if (command == u"audio-delay") {
        if (!audioDelaySeconds(arg))
            return QStringLiteral("audio-delay takes seconds from -600 to 600, such as 0.5 or -0.25, not '%1'")
                .arg(arg);
    } else if (command == u"subtitle-delay") {
        if (!subtitleDelaySeconds(arg))
            return QStringLiteral("subtitle-delay takes seconds from -600 to 600, such as 1.5 or -0.5, not '%1'")
                .arg(arg);
    } else if (command == u"eq") {
        return equalizerProblem(arguments);
    } else if (command == u"sort") {
        if (!sortKeys().contains(arg, Qt::CaseInsensitive))
            return QStringLiteral("sort takes one of %1, not '%2'").arg(sortKeys().join(QStringLiteral(", ")), arg);
    } else if (command == u"subtitle-file") {
        return subtitleFileProblem(arg);
    } else if (command == u"track") {
        return trackProblem(arguments);
    } else if (command == u"chapter" || command == u"title") {
        if (!chapterNumber(arg))
            return QStringLiteral("%1 takes a number from 1, as track lists them, not '%2'").arg(command, arg);
    } else if (command == u"key") {
        static const QRegularExpression form(QStringLiteral("^[a-z0-9-]+$"));
        if (!form.match(arg).hasMatch())
            return QStringLiteral("key takes a VLC hotkey name such as faster or nav-up");
    } else if (command == u"cast" && arguments.contains(QString())) {
        return QStringLiteral("cast needs file names, not empty arguments");
    } else if ((command == u"open" || command == u"enqueue" || command == u"aspect") && arg.isEmpty()) {
        return QStringLiteral("%1 needs a non-empty argument").arg(command);
    } else if ((command == u"open" || command == u"enqueue") && !isAbsoluteOrUrl(arg)) {
        // VLC resolves a relative path against its own working folder, which
        // is not ours and most likely not on this computer.
        return QStringLiteral("%1 needs an absolute path on the VLC computer or a URL, not '%2'").arg(command, arg);
    }
    return QString();
}

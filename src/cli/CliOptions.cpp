#include "cli/CliOptions.h"

#include "core/PasswordFile.h"
#include "vlc/HostAddress.h"

#include <QRegularExpression>

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
};

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

// Paths VLC can open as given: absolute on any of its systems, or a URL.
bool isAbsoluteOrUrl(const QString& path)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    static const QRegularExpression url(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return path.startsWith(u'/') || path.startsWith(QStringLiteral("\\\\")) || drive.match(path).hasMatch()
        || url.match(path).hasMatch();
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
        "Usage: playerlink-cli --host HOST[:PORT] [--password-file FILE] [--json] [--verbose] COMMAND [ARG]\n"
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
        "\n"
        "Exit status: 0 done, 1 command failed (such as no such file on HOST), 2 usage\n"
        "error, 3 unreachable or timed out (watch: the last poll failed; discover: no\n"
        "Avahi daemon), 4 password needed, refused or not set in VLC,\n"
        "5 not VLC, 6 sent a reply too large to read.\n"
        "With --json, \"state\" is one of unknown, playing, paused, stopped, other, and\n"
        "\"connection\" one of connecting, connected, lost, password-needed,\n"
        "password-refused, password-not-set.\n");
}

std::optional<CliOptions> CliOptions::parse(const QStringList& args, const QString& passwordFromEnvironment,
                                            const QString& hostFromEnvironment, QString* error)
{
    CliOptions options;
    options.password = passwordFromEnvironment.isEmpty() ? QString() : passwordFromEnvironment;
    options.host = hostFromEnvironment;
    QStringList positional;
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
            options.host = *v;
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
    // Discovery needs no host: it finds them.
    if (options.host.isEmpty() && options.command != u"discover")
        return fail(QStringLiteral("no host given: use --host HOST[:PORT]"));
    if (!options.host.isEmpty() && options.command != u"discover") {
        QString problem;
        const std::optional<QString> host = HostAddress::fromUserText(options.host, &problem);
        if (!host)
            return fail(QStringLiteral("--host %1").arg(problem));
        options.host = *host;
    }
    if (options.watchSeconds && options.command != u"watch" && options.command != u"discover")
        return fail(QStringLiteral("--seconds only goes with watch and discover"));
    if (!options.find.isNull() && options.command != u"playlist")
        return fail(QStringLiteral("--find only goes with playlist"));
    const QString problem = options.validateArguments();
    if (!problem.isEmpty())
        return fail(problem);
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

#include "core/CommandLineHelp.h"

#include <cstdio>
#include <cstring>

QString CommandLineHelp::usage(const QString& program)
{
    QString text = QStringLiteral(
        "Usage: playerlink [--connect HOST[:PORT] [--password-file FILE]] [LINK]\n"
        "       playerlink --install-skin PATH|LINK\n"
        "       playerlink --screenshots FOLDER [--connect HOST[:PORT] [--password-file FILE]]\n"
        "\n"
        "A remote control for the VLC media player: a window with the saved computers\n"
        "running VLC and, for the chosen one, a skinned remote screen. VLC must run with\n"
        "its web interface on and a password set (vlc --extraintf http --http-password PW).\n"
        "\n"
        "Options:\n"
        "  --connect HOST[:PORT]   open the remote screen for this computer (port 8080\n"
        "                          unless HOST names one)\n"
        "  --password-file FILE    VLC's web interface password for --connect: the first\n"
        "                          line of FILE (at most 4096 bytes); FILE - reads it\n"
        "                          from standard input, which is read only then\n"
        "  --password PW           the password as given: every local user can read it\n"
        "                          in the process list; --password-file or the\n"
        "                          environment variable PLAYERLINK_PASSWORD do not show\n"
        "  --install-skin PATH|LINK   install a skin archive, print one line, quit\n"
        "                          (exit 0 installed, 1 not, 2 usage error)\n"
        "  --screenshots FOLDER    write pictures of the window into FOLDER, then quit\n"
        "  LINK                    a plskins:// skin link to download\n"
        "  -h, --help              this text\n"
        "  -v, --version           the version\n"
        "\n"
        "A later launch brings the running window to the front and hands it its links.\n"
        "Saved remotes live in $PLAYERLINK_HOME/Documents (default\n"
        "~/.local/share/PlayerLink); their passwords go to the desktop's keyring when\n"
        "there is one. While a remote screen is open, media keys and playerctl drive\n"
        "it (MPRIS, as org.mpris.MediaPlayer2.playerlink).\n");
    // The synopsis names the program that answers.
    for (const QString& start : { QStringLiteral("Usage: "), QStringLiteral("       ") })
        text.replace(start + QStringLiteral("playerlink "), start + program + u' ');
    return text;
}

QString CommandLineHelp::versionLine(const QString& program)
{
    return QStringLiteral("%1 %2").arg(program, QStringLiteral(PLAYERLINK_VERSION));
}

bool CommandLineHelp::answer(int argc, char** argv, const QString& program)
{
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--") == 0)
            return false;
        // A value may look like an option ("--password -h").
        for (const char* takesValue : { "--connect", "--password", "--password-file", "--screenshots", "--install-skin" })
            if (std::strcmp(arg, takesValue) == 0) {
                ++i;
                break;
            }
        if (i >= argc || arg != argv[i])
            continue;
        const bool help = std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0;
        const bool version = std::strcmp(arg, "--version") == 0 || std::strcmp(arg, "-v") == 0;
        if (help || version) {
            std::fputs(qPrintable((help ? usage(program) : versionLine(program) + QLatin1Char('\n'))), stdout);
            std::fflush(stdout);
            return true;
        }
    }
    return false;
}

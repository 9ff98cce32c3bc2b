#pragma once

#include <QString>
#include <QStringList>

#include "vlc/VolumeRange.h"

#include <optional>

// The command line of playerlink-cli, checked before anything is sent.
struct CliOptions {
    QString host;           // the first of hosts
    QStringList hosts;      // every --host, in the order given, each once
    QString password;       // null: none
    bool json = false;
    bool verbose = false;
    bool help = false;
    QString command;
    QStringList arguments;
    std::optional<int> watchSeconds; // watch, discover: stop after this many seconds
    QString find;                    // playlist: only the items whose names hold it (null: every item)
    bool reverse = false;            // sort: in reverse order

    // Parses argv (without the program name); on failure returns nothing and
    // fills error with a one-line message.
    static std::optional<CliOptions> parse(const QStringList& args, const QString& passwordFromEnvironment,
                                           const QString& hostFromEnvironment, QString* error);
    static QString usage();
    static QStringList commands();

    // Checks a command's arguments; empty when they are fine.
    QString validateArguments() const;
    // Whether the command, with these arguments, can go to several hosts at
    // once: it means the same on every VLC (no playlist id, track or path of
    // one of them) and its outcome fits a line.
    bool goesToSeveralHosts() const;
    static QStringList severalHostCommands();

    // The ranges --help gives, and the arguments read within them; nothing
    // for text out of range or not a number of the form asked.
    static constexpr qint64 maxSeekSeconds = 99999999;
    static constexpr int maxVolumePercent = VolumeRange::doubledMaximum;
    static constexpr double minSpeed = 0.03;
    static constexpr double maxSpeed = 32;
    static constexpr double maxAudioDelaySeconds = 600;
    static constexpr int maxCastFiles = 100;
    static std::optional<int> seekSeconds(const QString& arg);       // "90"
    static std::optional<int> seekOffsetSeconds(const QString& arg); // "+5s", "-10"
    static std::optional<int> seekPercent(const QString& arg);       // "50%"
    // A relative seek ("+5s", "-10", "+10%") as VLC reads it: "+5s",
    // "-10s", "+10%".
    static std::optional<QString> seekOffset(const QString& arg);
    static std::optional<int> volumePercent(const QString& arg);     // "150", "80%"
    static std::optional<int> volumeChange(const QString& arg);      // "+10", "-25"
    static std::optional<double> speedFactor(const QString& arg);
    static std::optional<double> audioDelaySeconds(const QString& arg);
    static std::optional<int> itemId(const QString& arg);
    static constexpr double maxSubtitleDelaySeconds = 600;
    static std::optional<double> subtitleDelaySeconds(const QString& arg);
    static std::optional<double> equalizerGain(const QString& arg); // -20 to 20 dB
    static std::optional<int> equalizerBand(const QString& arg);    // 0 to 9
    // A track as listed by `track`: VLC's stream id, or -1 (also "off") for none.
    static std::optional<int> trackId(const QString& arg);
    // A chapter or title as listed, counted from 1.
    static std::optional<int> chapterNumber(const QString& arg);
    static QStringList sortKeys();
    static QStringList trackKinds(); // audio, video, subtitle
    // Text that holds a control character (C0, DEL, C1, line or paragraph
    // separator): no argument of ours needs one.
    static bool hasControlCharacter(const QString& text);
};

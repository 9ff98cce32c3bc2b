#pragma once

#include <QString>
#include <QStringList>

#include "vlc/VolumeRange.h"

#include <optional>

// The command line of playerlink-cli, checked before anything is sent.
struct CliOptions {
    QString host;
    QString password;       // null: none
    bool json = false;
    bool verbose = false;
    bool help = false;
    QString command;
    QStringList arguments;
    std::optional<int> watchSeconds; // watch, discover: stop after this many seconds
    QString find;                    // playlist: only the items whose names hold it (null: every item)

    // Parses argv (without the program name); on failure returns nothing and
    // fills error with a one-line message.
    static std::optional<CliOptions> parse(const QStringList& args, const QString& passwordFromEnvironment,
                                           const QString& hostFromEnvironment, QString* error);
    static QString usage();
    static QStringList commands();

    // Checks a command's arguments; empty when they are fine.
    QString validateArguments() const;

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
};

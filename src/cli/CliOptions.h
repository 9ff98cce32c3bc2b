#pragma once

#include <QString>
#include <QStringList>

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

    // Parses argv (without the program name); on failure returns nothing and
    // fills error with a one-line message.
    static std::optional<CliOptions> parse(const QStringList& args, const QString& passwordFromEnvironment,
                                           const QString& hostFromEnvironment, QString* error);
    static QString usage();
    static QStringList commands();

    // Checks a command's arguments; empty when they are fine.
    QString validateArguments() const;
};

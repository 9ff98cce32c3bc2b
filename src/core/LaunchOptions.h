#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

// The options both front ends take (playerlink and playerlink):
// --connect, --password, --password-file, --screenshots, --install-skin and skin links.
// --help and --version are answered earlier, by CommandLineHelp, before an
// application object exists.
class LaunchOptions {
public:
    LaunchOptions();

    // Reads the application's arguments; a usage error ends the program
    // with QCommandLineParser's message, as any Qt program does.
    void process(const QCoreApplication& app);

    bool takesScreenshots() const { return m_parser.isSet(m_screenshots); }
    QString screenshotsFolder() const { return m_parser.value(m_screenshots); }
    bool connects() const { return m_parser.isSet(m_connect); }
    QString connectHost() const { return m_parser.value(m_connect); }
    // VLC's password for --connect: --password, --password-file (read now;
    // "-" is standard input, read only then) or PLAYERLINK_PASSWORD; nothing,
    // with the reason, when the file cannot be read or both options are given.
    std::optional<QString> password(QString* problem) const;
    QStringList links() const { return m_parser.positionalArguments(); }

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_screenshots;
    QCommandLineOption m_connect;
    QCommandLineOption m_password;
    QCommandLineOption m_passwordFile;
    QCommandLineOption m_installSkin;
};

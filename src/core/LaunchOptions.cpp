#include "core/LaunchOptions.h"

#include "core/PasswordFile.h"

#include <QCoreApplication>

LaunchOptions::LaunchOptions()
    : m_screenshots(QStringLiteral("screenshots"), QStringLiteral("Write pictures of the window into FOLDER, then quit."),
                    QStringLiteral("FOLDER"))
    , m_connect(QStringLiteral("connect"), QStringLiteral("Open the remote screen for HOST[:PORT]."), QStringLiteral("HOST"))
    , m_password(QStringLiteral("password"), QStringLiteral("VLC's web interface password for --connect."),
                 QStringLiteral("PW"))
    , m_passwordFile(QStringLiteral("password-file"),
                     QStringLiteral("Read the password for --connect from FILE's first line (-: standard input)."),
                     QStringLiteral("FILE"))
    , m_installSkin(QStringLiteral("install-skin"),
                    QStringLiteral("Install the skin archive at PATH or behind a skin LINK, print one line, quit."),
                    QStringLiteral("PATH-or-LINK"))
{
    m_parser.setApplicationDescription(QStringLiteral("A remote control for the VLC media player."));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOption(m_screenshots);
    m_parser.addOption(m_connect);
    m_parser.addOption(m_password);
    m_parser.addOption(m_passwordFile);
    m_parser.addOption(m_installSkin);
    m_parser.addPositionalArgument(QStringLiteral("link"), QStringLiteral("A skin link to download."), QStringLiteral("[link]"));
}

void LaunchOptions::process(const QCoreApplication& app)
{
    m_parser.process(app);
}

std::optional<QString> LaunchOptions::password(QString* problem) const
{
    if (m_parser.isSet(m_password) && m_parser.isSet(m_passwordFile)) {
        *problem = QStringLiteral("give either --password or --password-file, not both");
        return std::nullopt;
    }
    if (m_parser.isSet(m_password))
        return m_parser.value(m_password);
    if (m_parser.isSet(m_passwordFile))
        return PasswordFile::read(m_parser.value(m_passwordFile), problem);
    return qEnvironmentVariable("PLAYERLINK_PASSWORD");
}

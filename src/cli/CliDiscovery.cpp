#include "cli/CliDiscovery.h"

#include "cli/ExitCode.h"
#include "core/TerminalText.h"
#include "net/AvahiConnection.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

CliDiscovery::CliDiscovery(const CliOptions& options, QTextStream& out, QTextStream& err)
    : m_options(options)
    , m_out(out)
    , m_err(err)
    , m_browser(this)
{
    m_nextPass.setSingleShot(true);
    m_nextPass.setInterval(pauseBetweenPassesMs);
    connect(&m_nextPass, &QTimer::timeout, this, [this] { m_browser.startSearch(false); });
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &CliDiscovery::report);
}

void CliDiscovery::start()
{
    m_clock.start();
    if (m_options.watchSeconds)
        m_deadline.start(*m_options.watchSeconds * 1000);
    m_browser.startSearch(true);
}

void CliDiscovery::statusChangedInBrowser(BonjourBrowser* browser)
{
    m_daemonSeen = m_daemonSeen || AvahiConnection::shared().isRunning();
    if (browser->liveScans() > 0 || m_finished)
        return;
    // A pass ended.
    if (m_options.watchSeconds)
        m_nextPass.start();
    else
        report();
}

void CliDiscovery::report()
{
    if (m_finished)
        return;
    m_finished = true;
    m_nextPass.stop();
    m_deadline.stop();
    m_browser.stop();
    if (!m_daemonSeen && !AvahiConnection::shared().isRunning()) {
        m_err << "playerlink-cli: the Avahi daemon is not running, so no computer can be discovered\n";
        m_err.flush();
        emit finished(ExitUnreachable);
        return;
    }
    if (m_options.json) {
        QJsonArray list;
        for (const BonjourComputer& computer : m_browser.uniqueComputers()) {
            QJsonObject o;
            o.insert(QStringLiteral("address"), computer.ipAddress());
            o.insert(QStringLiteral("name"), computer.name());
            o.insert(QStringLiteral("identified"), computer.bwIdentified());
            list.append(o);
        }
        m_out << QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)) << '\n';
    } else {
        for (const BonjourComputer& computer : m_browser.uniqueComputers())
            // Names are what anyone on the network announced.
            m_out << escapedForTerminal(computer.ipAddress()) << '\t' << escapedForTerminal(computer.name())
                  << (computer.bwIdentified() ? "\t(identified)" : "") << '\n';
    }
    m_out.flush();
    emit finished(ExitOk);
}

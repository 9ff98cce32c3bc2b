#include "cli/CliHosts.h"

#include "cli/CliSession.h"
#include "cli/ExitCode.h"
#include "core/TerminalText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

CliHosts::CliHosts(const CliOptions& options, QTextStream& out, const UserDefaults& defaults)
    : m_options(options)
    , m_out(out)
{
    for (const QString& address : options.hosts) {
        auto host = std::make_unique<Host>();
        host->address = address;
        host->out = std::make_unique<QTextStream>(&host->output);
        CliOptions one = options;
        one.host = address;
        one.hosts = { address };
        one.json = false;
        // Each session's own report and messages stay with it: the line per
        // host says what matters.
        host->session = std::make_unique<CliSession>(one, *host->out, *host->out, defaults);
        Host* raw = host.get();
        connect(host->session.get(), &CliSession::finished, this, [this, raw](int exitCode) {
            raw->done = true;
            raw->exitCode = exitCode;
            if (std::all_of(m_hosts.begin(), m_hosts.end(), [](const auto& h) { return h->done; }))
                report();
        });
        m_hosts.push_back(std::move(host));
    }
}

CliHosts::~CliHosts() = default;

void CliHosts::start()
{
    for (const auto& host : m_hosts)
        host->session->start();
}

void CliHosts::report()
{
    int exitCode = ExitOk;
    QJsonArray json;
    for (const auto& host : m_hosts) {
        const bool ok = host->exitCode == ExitOk;
        if (!ok && exitCode == ExitOk)
            exitCode = host->exitCode;
        const QString state = RemoteTypeNames::of(host->session->remote().state().playback());
        if (m_options.json) {
            QJsonObject o;
            o.insert(QStringLiteral("host"), host->address);
            o.insert(QStringLiteral("ok"), ok);
            o.insert(QStringLiteral("exitCode"), host->exitCode);
            if (ok)
                o.insert(QStringLiteral("state"), state);
            else
                o.insert(QStringLiteral("error"), host->session->errorMessage());
            json.append(o);
        } else {
            m_out << escapedForTerminal(host->address) << ": "
                  << (ok ? QStringLiteral("ok (%1)").arg(state) : escapedForTerminal(host->session->errorMessage()))
                  << '\n';
        }
    }
    if (m_options.json)
        m_out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) << '\n';
    m_out.flush();
    emit finished(exitCode);
}

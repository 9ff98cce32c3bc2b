#pragma once

#include "cli/CliOptions.h"

#include <QObject>
#include <QString>
#include <QTextStream>

#include <memory>
#include <vector>

class CliSession;
class UserDefaults;

// One command for several VLCs at once (several --host options): each host
// gets a session of its own, all run side by side, and once all have ended
// there is a line per host, in the order given: its address, then "ok" and
// the state VLC reports, or what went wrong. The exit status is that of the
// first host that failed, 0 when none did.
class CliHosts : public QObject {
    Q_OBJECT
public:
    CliHosts(const CliOptions& options, QTextStream& out, const UserDefaults& defaults);
    ~CliHosts() override;

    void start();

signals:
    void finished(int exitCode);

private:
    struct Host {
        QString address;
        QString output; // what the session would have printed, unused
        std::unique_ptr<QTextStream> out;
        std::unique_ptr<CliSession> session;
        bool done = false;
        int exitCode = 0;
    };

    void report();

    CliOptions m_options;
    QTextStream& m_out;
    std::vector<std::unique_ptr<Host>> m_hosts;
};

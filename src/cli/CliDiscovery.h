#pragma once

#include "cli/CliOptions.h"
#include "net/BonjourBrowser.h"
#include "net/BonjourBrowserDelegate.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTextStream>
#include <QTimer>

// playerlink-cli discover: lists the computers that DNS-SD finds on the local
// network, one per address with its best name, after one discovery pass or,
// with --seconds, after passes repeated for that long.
class CliDiscovery : public QObject, private BonjourBrowserDelegate {
    Q_OBJECT
public:
    static constexpr int pauseBetweenPassesMs = 1000;

    CliDiscovery(const CliOptions& options, QTextStream& out, QTextStream& err);

    void start();

signals:
    void finished(int exitCode);

private:
    void statusChangedInBrowser(BonjourBrowser* browser) override;
    void report();

    CliOptions m_options;
    QTextStream& m_out;
    QTextStream& m_err;
    BonjourBrowser m_browser;
    QElapsedTimer m_clock;
    QTimer m_nextPass;
    QTimer m_deadline;
    bool m_daemonSeen = false;
    bool m_finished = false;
};

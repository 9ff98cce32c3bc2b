#pragma once

#include "core/AlertPresenter.h"
#include "core/Clock.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

// Runs the event loop until pred holds or timeoutMs passed; returns pred().
bool waitUntil(const std::function<bool()>& pred, int timeoutMs = 5000);
// Runs the event loop for a while.
void spinEventLoop(int ms);

// A loopback port that nothing listens on (for refused connections).
quint16 unusedLoopbackPort();

// Reads tests/fixtures/<name>.
QByteArray fixture(const QString& name);

// A clock that moves only when told.
class ManualClock : public Clock {
public:
    explicit ManualClock(double start = 1'800'000'000.0) : m_now(start) { Clock::setCurrent(this); }
    ~ManualClock() override { Clock::setCurrent(nullptr); }
    double now() const override { return m_now; }
    void advance(double seconds) { m_now += seconds; }
    void set(double t) { m_now = t; }

private:
    double m_now;
};

// Captures the alerts core code asks for; presses nothing unless told.
class CapturingAlertPresenter : public AlertPresenter {
public:
    CapturingAlertPresenter() { AlertPresenter::setCurrent(this); }
    ~CapturingAlertPresenter() override { AlertPresenter::setCurrent(nullptr); }
    void present(const AlertRequest& request) override { alerts.push_back(request); }
    std::vector<AlertRequest> alerts;
};

// Collects console log lines while alive.
class ConsoleCapture {
public:
    ConsoleCapture();
    ~ConsoleCapture();
    QStringList lines;
    bool contains(const QString& fragment) const;

private:
    std::function<void(const QString&)> m_previous;
};

// Logging rules (QLoggingCategory::setFilterRules) for the length of a
// test, such as "playerlink.vlc.debug=true".
class ScopedLogRules {
public:
    explicit ScopedLogRules(const QString& rules);
    ~ScopedLogRules();
};

// A fresh home directory for the test, with fresh preferences.
class ScopedHome {
public:
    ScopedHome();
    ~ScopedHome();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

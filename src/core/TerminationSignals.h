#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGINT (a logout, `kill`, Ctrl+C) end the application as its
// own quit does, through the event loop, so that the last save runs and the
// socket is taken down. The handler only writes the signal's number to a
// pipe; the event loop reads it. A second signal, while the first is being
// handled, ends the program at once, as it would have without this. A
// signal ignored when the program started stays ignored.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    // Emitted on the main thread; QCoreApplication::quit() follows.
    void received(int signal);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};

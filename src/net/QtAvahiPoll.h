#pragma once

#include <avahi-common/watch.h>

#include <QObject>

// The Avahi client library's event-loop interface (AvahiPoll) served by the
// Qt event loop of the calling thread: descriptor watches on QSocketNotifier,
// time-outs on QTimer. Avahi and its D-Bus connection then run on the main
// thread beside everything else, with no thread of their own.
//
// Named apart from Avahi's own struct AvahiPoll, which api() hands out.
class QtAvahiPoll : public QObject {
    Q_OBJECT
public:
    explicit QtAvahiPoll(QObject* parent = nullptr);
    // Every client using api() must be freed first.
    ~QtAvahiPoll() override;

    const AvahiPoll* api() const { return &m_api; }

    // From now on nothing is armed any more: for freeing a client while the
    // event loop itself is going away.
    void shutDown() { m_shutDown = true; }
    bool isShutDown() const { return m_shutDown; }

    // Watches and time-outs that Avahi holds at the moment.
    int watchCount() const { return m_watches; }
    int timeoutCount() const { return m_timeouts; }

private:
    static AvahiWatch* watchNew(const AvahiPoll* api, int fd, AvahiWatchEvent event, AvahiWatchCallback callback,
                                void* userdata);
    static void watchUpdate(AvahiWatch* watch, AvahiWatchEvent event);
    static AvahiWatchEvent watchGetEvents(AvahiWatch* watch);
    static void watchFree(AvahiWatch* watch);
    static AvahiTimeout* timeoutNew(const AvahiPoll* api, const struct timeval* tv, AvahiTimeoutCallback callback,
                                    void* userdata);
    static void timeoutUpdate(AvahiTimeout* timeout, const struct timeval* tv);
    static void timeoutFree(AvahiTimeout* timeout);

    AvahiPoll m_api {};
    int m_watches = 0;
    int m_timeouts = 0;
    bool m_shutDown = false;
};

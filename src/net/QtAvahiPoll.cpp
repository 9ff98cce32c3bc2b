#include "net/QtAvahiPoll.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cmath>

#include <poll.h>
#include <sys/time.h>

// Avahi leaves these two structures to whoever provides the event loop.
struct AvahiWatch {
    QtAvahiPoll* owner;
    int fd;
    AvahiWatchEvent wanted;
    AvahiWatchEvent happened;
    AvahiWatchCallback callback;
    void* userdata;
    QSocketNotifier* read = nullptr;
    QSocketNotifier* write = nullptr;
};

struct AvahiTimeout {
    QtAvahiPoll* owner;
    QTimer* timer;
    AvahiTimeoutCallback callback;
    void* userdata;
};

namespace {
QtAvahiPoll* ownerOf(const AvahiPoll* api)
{
    return static_cast<QtAvahiPoll*>(api->userdata);
}

void dispatchWatch(AvahiWatch* watch)
{
    // The notifier says only "readable" or "writable"; Avahi wants the
    // poll bits, hang-up and error included. Asking costs one system call.
    pollfd entry { watch->fd, static_cast<short>(watch->wanted), 0 };
    if (::poll(&entry, 1, 0) <= 0 || entry.revents == 0)
        return; // already drained by an earlier callback
    // A closed descriptor (POLLNVAL) has no Avahi event of its own.
    int events = entry.revents & (POLLIN | POLLOUT | POLLERR | POLLHUP);
    if (entry.revents & POLLNVAL)
        events |= POLLERR;
    watch->happened = static_cast<AvahiWatchEvent>(events);
    // The callback may free the watch: nothing touches it afterwards.
    watch->callback(watch, watch->fd, watch->happened, watch->userdata);
}

void enableNotifiers(AvahiWatch* watch)
{
    if (watch->owner->isShutDown()) {
        watch->wanted = static_cast<AvahiWatchEvent>(0);
        for (QSocketNotifier* notifier : { watch->read, watch->write })
            if (notifier)
                notifier->setEnabled(false);
        return;
    }
    const bool wantsRead = watch->wanted & (AVAHI_WATCH_IN | AVAHI_WATCH_HUP | AVAHI_WATCH_ERR);
    const bool wantsWrite = watch->wanted & AVAHI_WATCH_OUT;
    if (wantsRead && !watch->read) {
        watch->read = new QSocketNotifier(watch->fd, QSocketNotifier::Read, watch->owner);
        QObject::connect(watch->read, &QSocketNotifier::activated, watch->owner, [watch] { dispatchWatch(watch); });
    }
    if (wantsWrite && !watch->write) {
        watch->write = new QSocketNotifier(watch->fd, QSocketNotifier::Write, watch->owner);
        QObject::connect(watch->write, &QSocketNotifier::activated, watch->owner, [watch] { dispatchWatch(watch); });
    }
    if (watch->read)
        watch->read->setEnabled(wantsRead);
    if (watch->write)
        watch->write->setEnabled(wantsWrite);
}

void retire(QObject* object)
{
    // May be running its own signal right now; a disabled notifier or a
    // stopped timer fires no more, and goes once control is back in the loop.
    if (object)
        object->deleteLater();
}

void arm(AvahiTimeout* timeout, const timeval* when)
{
    if (!when || timeout->owner->isShutDown()) {
        timeout->timer->stop();
        return;
    }
    timeval now {};
    ::gettimeofday(&now, nullptr);
    const double ms = (when->tv_sec - now.tv_sec) * 1000.0 + (when->tv_usec - now.tv_usec) / 1000.0;
    timeout->timer->start(ms <= 0 ? 0 : static_cast<int>(std::min(std::ceil(ms), 2147483647.0)));
}
}

QtAvahiPoll::QtAvahiPoll(QObject* parent)
    : QObject(parent)
{
    m_api.userdata = this;
    m_api.watch_new = &QtAvahiPoll::watchNew;
    m_api.watch_update = &QtAvahiPoll::watchUpdate;
    m_api.watch_get_events = &QtAvahiPoll::watchGetEvents;
    m_api.watch_free = &QtAvahiPoll::watchFree;
    m_api.timeout_new = &QtAvahiPoll::timeoutNew;
    m_api.timeout_update = &QtAvahiPoll::timeoutUpdate;
    m_api.timeout_free = &QtAvahiPoll::timeoutFree;
}

QtAvahiPoll::~QtAvahiPoll() = default;

AvahiWatch* QtAvahiPoll::watchNew(const AvahiPoll* api, int fd, AvahiWatchEvent event, AvahiWatchCallback callback,
                                  void* userdata)
{
    QtAvahiPoll* owner = ownerOf(api);
    auto* watch = new AvahiWatch { owner, fd, event, static_cast<AvahiWatchEvent>(0), callback, userdata };
    enableNotifiers(watch);
    ++owner->m_watches;
    return watch;
}

void QtAvahiPoll::watchUpdate(AvahiWatch* watch, AvahiWatchEvent event)
{
    watch->wanted = event;
    enableNotifiers(watch);
}

AvahiWatchEvent QtAvahiPoll::watchGetEvents(AvahiWatch* watch)
{
    return watch->happened;
}

void QtAvahiPoll::watchFree(AvahiWatch* watch)
{
    for (QSocketNotifier* notifier : { watch->read, watch->write }) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->disconnect();
            retire(notifier);
        }
    }
    --watch->owner->m_watches;
    delete watch;
}

AvahiTimeout* QtAvahiPoll::timeoutNew(const AvahiPoll* api, const timeval* tv, AvahiTimeoutCallback callback,
                                      void* userdata)
{
    QtAvahiPoll* owner = ownerOf(api);
    auto* timeout = new AvahiTimeout { owner, new QTimer(owner), callback, userdata };
    timeout->timer->setSingleShot(true);
    timeout->timer->setTimerType(Qt::PreciseTimer);
    // The callback may free the time-out: nothing touches it afterwards.
    connect(timeout->timer, &QTimer::timeout, owner, [timeout] { timeout->callback(timeout, timeout->userdata); });
    arm(timeout, tv);
    ++owner->m_timeouts;
    return timeout;
}

void QtAvahiPoll::timeoutUpdate(AvahiTimeout* timeout, const timeval* tv)
{
    arm(timeout, tv);
}

void QtAvahiPoll::timeoutFree(AvahiTimeout* timeout)
{
    timeout->timer->stop();
    timeout->timer->disconnect();
    retire(timeout->timer);
    --timeout->owner->m_timeouts;
    delete timeout;
}

#include "core/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {
int pipeEnds[2] = { -1, -1 };
constexpr int handled[] = { SIGTERM, SIGINT };

void onSignal(int signal)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &number, 1);
    errno = saved;
}

// A signal the program was started with ignored (SIGINT for a job started
// in the background by a script, nohup) stays ignored.
void setHandler(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : handled) {
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}
}

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (pipeEnds[0] < 0 && ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their default effect
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    setHandler(onSignal);
}

TerminationSignals::~TerminationSignals()
{
    setHandler(SIG_DFL);
}

void TerminationSignals::readPipe()
{
    unsigned char number = 0;
    bool any = false;
    while (::read(pipeEnds[0], &number, 1) == 1)
        any = true;
    if (!any)
        return;
    setHandler(SIG_DFL);
    emit received(number);
    QCoreApplication::quit();
}

#include "ForeignServer.h"

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

bool ForeignServer::possible()
{
    return ::geteuid() == 0 && ::getpwnam("plvlc");
}

ForeignServer::ForeignServer(const QString& path, bool makeFolder)
    : m_path(path)
{
    const passwd* user = ::getpwnam("plvlc");
    if (!user)
        return;
    QByteArray answer;
    QDataStream out(&answer, QIODevice::WriteOnly);
    out << QByteArray("0Installed skin \"Evil\"");
    const QByteArray file = QFile::encodeName(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).path());
    QFile::remove(path);
    int ends[2];
    if (::pipe(ends) != 0)
        return;
    const uid_t uid = user->pw_uid;
    const gid_t gid = user->pw_gid;
    m_pid = ::fork();
    if (m_pid == 0) {
        // Only system calls from here on.
        ::close(ends[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
            ::_exit(1);
        if (makeFolder)
            ::mkdir(folder.constData(), 0700);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, file.constData(), sizeof address.sun_path - 1);
        const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listening, 8) != 0)
            ::_exit(2);
        [[maybe_unused]] ssize_t ignored = ::write(ends[1], "r", 1);
        for (;;) {
            const int client = ::accept(listening, nullptr, nullptr);
            if (client < 0)
                continue;
            ignored = ::write(ends[1], "c", 1);
            char request[4096];
            ignored = ::read(client, request, sizeof request);
            ignored = ::write(client, answer.constData(), size_t(answer.size()));
            ::close(client);
        }
    }
    ::close(ends[1]);
    m_counter = ends[0];
    char ready = 0;
    m_ready = m_pid > 0 && ::read(m_counter, &ready, 1) == 1 && ready == 'r';
    ::fcntl(m_counter, F_SETFL, O_NONBLOCK);
}

ForeignServer::~ForeignServer()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    if (m_counter >= 0)
        ::close(m_counter);
    QFile::remove(m_path);
}

int ForeignServer::connections()
{
    char c;
    while (::read(m_counter, &c, 1) == 1)
        ++m_connections;
    return m_connections;
}

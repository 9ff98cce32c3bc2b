#pragma once

#include <QString>

#include <sys/types.h>

// A local socket server of another user's (plvlc) at path, answering like a
// running PlayerLink that installed a skin "Evil"; it counts the connections
// it takes. With makeFolder it first makes the socket's folder, as its own.
// Needs root and the user plvlc (ready() says whether it runs).
class ForeignServer {
public:
    ForeignServer(const QString& path, bool makeFolder);
    ~ForeignServer();
    ForeignServer(const ForeignServer&) = delete;
    ForeignServer& operator=(const ForeignServer&) = delete;

    bool ready() const { return m_ready; }
    int connections();
    // Whether this process may make one (root, and the user plvlc).
    static bool possible();

private:
    QString m_path;
    pid_t m_pid = -1;
    int m_counter = -1;
    bool m_ready = false;
    int m_connections = 0;
};

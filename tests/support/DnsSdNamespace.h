#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// A private DNS-SD network made by the test: a network namespace with a veth
// pair (va 10.77.0.1 <-> vb 10.77.0.2), a private system D-Bus whose address
// this process takes on, and a real avahi-daemon inside the namespace that
// uses va only. mDNS never reaches the machine's own interfaces.
//
// Services are published with avahi-publish: under the daemon's host name
// (plhost.local, address 10.77.0.1) or under a host published with
// publishAddress(). Everything stops and the namespace goes when the object
// goes; the children die with the test even when it crashes, and namespaces
// left by crashed runs are removed by the next one.
//
// Make at most one at a time per test program: the D-Bus library reads the
// bus address once per process, so every instance of a process uses the same
// socket path.
class DnsSdNamespace {
public:
    static inline const QString daemonHost = QStringLiteral("plhost.local");
    static inline const QString daemonAddress = QStringLiteral("10.77.0.1");
    static inline const QString peerAddress = QStringLiteral("10.77.0.2");

    DnsSdNamespace();
    ~DnsSdNamespace();
    DnsSdNamespace(const DnsSdNamespace&) = delete;
    DnsSdNamespace& operator=(const DnsSdNamespace&) = delete;

    // Root, iproute2, dbus-daemon, avahi-daemon and avahi-publish; tests skip
    // with the reason when something is missing.
    static bool canRun(QString* why = nullptr);

    bool ready() const { return m_ready; }
    QString error() const { return m_error; }
    QString name() const { return m_name; }
    QString busAddress() const;

    // Runs "ip -n <namespace> <command>", such as "addr add 10.77.0.3/24 dev vb".
    bool ip(const QString& command);
    // The command prefixed so that it runs inside the namespace.
    QStringList commandInside(const QStringList& command) const;
    // Steps the calling thread into the namespace and back. Sockets the thread
    // makes meanwhile, and threads it starts, belong to the namespace (make
    // the network access manager only after entering).
    bool enter();
    void leave();

    // Publishes until unpublishAll() or the end; returns the name the service
    // got ("" on failure). hostName: a host published with publishAddress().
    QString publishService(const QString& name, const QString& type, quint16 port, const QString& hostName = {});
    // Publishes an A (or AAAA) record of hostName such as "box.local".
    bool publishAddress(const QString& hostName, const QString& address);
    // Withdraws every publication naming this service or host.
    void unpublish(const QString& nameOrHost);
    void unpublishAll();

    bool daemonRunning() const;
    bool stopDaemon();
    // Starts the daemon again and publishes again what was published, since
    // avahi-publish gives up when its daemon goes.
    bool startDaemon();
    QString daemonLog() const;

private:
    struct Publication {
        QStringList arguments;
        std::unique_ptr<QProcess> process;
    };

    bool setUp();
    bool startBus();
    bool writeFile(const QString& path, const QByteArray& content);
    bool startPublisher(Publication& publication, QString* establishedName);
    std::unique_ptr<QProcess> startChild(const QString& program, const QStringList& arguments,
                                         const QString& readyMarker, int timeoutMs, QString* output);
    static void stop(QProcess& process);
    static void removeLeftovers();

    QString m_name;
    QString m_runtimeDir;
    bool m_ready = false;
    bool m_created = false;
    QString m_error;
    QByteArray m_previousBus;
    bool m_hadPreviousBus = false;
    int m_home = -1; // the thread's own namespace while inside

    std::unique_ptr<QProcess> m_bus;
    std::unique_ptr<QProcess> m_daemon;
    mutable QByteArray m_daemonLog;
    std::vector<Publication> m_publications;
};

#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class QLocalServer;
class QLocalSocket;

// One running application per user and home folder: a second launch hands
// its arguments (skin links) to the running one and ends, or asks the running
// one to do something and waits for its answer.
//
// The socket lives in a folder of the user's alone, never in the shared
// /tmp where another user could take its name first. A socket is talked to
// only when it, its folder and the process behind it all belong to this
// user; anything else is not the running PlayerLink.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // Answers a request; call the reply function once (later is fine).
    using RequestHandler = std::function<void(const QStringList& arguments, std::function<void(const QByteArray&)> reply)>;

    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The key for this home folder.
    static QString defaultKey();
    // The folder of the user's sockets: XDG_RUNTIME_DIR when it is the
    // user's alone, else /tmp/playerlink-<uid>, made 0700; empty when that
    // folder is not the user's alone either (then no instance is found and
    // none listens).
    static QString runtimeFolder();
    // The socket's path; empty without a runtime folder.
    QString socketPath() const { return m_path; }

    // True when another instance took the arguments (then this one ends).
    bool forwardToRunningInstance(const QStringList& arguments, int timeoutMs = 1000);
    // Hands the arguments over and waits for the answer; none when no
    // instance runs, or it went without answering in time.
    std::optional<QByteArray> askRunningInstance(const QStringList& arguments, int connectTimeoutMs, int answerTimeoutMs);
    // Whether a running instance of this user listens on the socket.
    bool hasRunningInstance(int timeoutMs = 300) const;
    // Starts listening for later launches.
    bool listen();
    void setRequestHandler(RequestHandler handler) { m_requestHandler = std::move(handler); }

signals:
    void argumentsReceived(const QStringList& arguments);

private:
    void serve(QLocalSocket* socket);
    // Connects to the running instance when the socket is this user's.
    bool connectToOwn(QLocalSocket& socket, int timeoutMs) const;

    QString m_path;
    QLocalServer* m_server = nullptr;
    RequestHandler m_requestHandler;
};

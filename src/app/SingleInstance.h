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
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // Answers a request; call the reply function once (later is fine).
    using RequestHandler = std::function<void(const QStringList& arguments, std::function<void(const QByteArray&)> reply)>;

    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The key for this user and home folder.
    static QString defaultKey();

    // True when another instance took the arguments (then this one ends).
    bool forwardToRunningInstance(const QStringList& arguments, int timeoutMs = 1000);
    // Hands the arguments over and waits for the answer; none when no
    // instance runs, or it went without answering in time.
    std::optional<QByteArray> askRunningInstance(const QStringList& arguments, int connectTimeoutMs, int answerTimeoutMs);
    // Starts listening for later launches.
    bool listen();
    void setRequestHandler(RequestHandler handler) { m_requestHandler = std::move(handler); }

signals:
    void argumentsReceived(const QStringList& arguments);

private:
    void serve(QLocalSocket* socket);

    QString m_key;
    QLocalServer* m_server = nullptr;
    RequestHandler m_requestHandler;
};

#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// One running application per user and home folder: a second launch hands
// its arguments (skin links) to the running one and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The key for this user and home folder.
    static QString defaultKey();

    // True when another instance took the arguments (then this one ends).
    bool forwardToRunningInstance(const QStringList& arguments, int timeoutMs = 1000);
    // Starts listening for later launches.
    bool listen();

signals:
    void argumentsReceived(const QStringList& arguments);

private:
    QString m_key;
    QLocalServer* m_server = nullptr;
};

#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>

#include <optional>

class NetworkStateSource;

// Reachability of one watched host name or address. Once scheduled, it
// tells changed() whenever its flags change.
class ReachabilityQuery_2 : public QObject {
    Q_OBJECT
public:
    // source is not owned and must outlive the query.
    ReachabilityQuery_2(const QString& hostNameOrAddress, NetworkStateSource* source, QObject* parent = nullptr);
    ~ReachabilityQuery_2() override;

    QString hostNameOrAddress() const { return m_hostNameOrAddress; }

    // The flag word for the watched host now; nothing when the network state
    // could not be read.
    std::optional<quint32> flags() const;

    // Change callbacks run on the main thread's event loop, the only one there is.
    bool isScheduled() const { return m_scheduled; }
    void schedule();

signals:
    void changed();

private:
    void networkMayHaveChanged();

    QString m_hostNameOrAddress;
    QHostAddress m_address; // null when watching a host name other than localhost
    NetworkStateSource* m_source;
    bool m_scheduled = false;
    std::optional<quint32> m_lastFlags;
};

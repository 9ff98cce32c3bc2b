#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <vector>

struct Notification {
    QString name;
    const void* object = nullptr; // the sender, compared by identity only
    QVariantMap userInfo;
};

// Named notifications delivered synchronously on the main thread. Observers
// are QObjects and are forgotten automatically when they are destroyed.
class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    NotificationCenter();
    ~NotificationCenter();
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    // sender: deliver only notifications posted with this object (nullptr: any).
    void addObserver(QObject* observer, const QString& name, Handler handler, const void* sender = nullptr);
    void removeObserver(QObject* observer);
    void removeObserver(QObject* observer, const QString& name, const void* sender = nullptr);

    void post(const QString& name, const void* object = nullptr, const QVariantMap& userInfo = {});

    int observerCount(const QString& name) const;

private:
    struct Entry {
        quint64 id;
        QObject* observer;
        QString name;
        const void* sender;
        Handler handler;
    };

    void watchDestruction(QObject* observer);

    std::vector<Entry> m_entries;
    quint64 m_nextId = 1;
    QObject m_guard; // context for the destroyed() connections
};

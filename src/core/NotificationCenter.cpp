#include "core/NotificationCenter.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

NotificationCenter::NotificationCenter() = default;
NotificationCenter::~NotificationCenter() = default;

void NotificationCenter::watchDestruction(QObject* observer)
{
    const bool watched = std::any_of(m_entries.begin(), m_entries.end(),
                                     [observer](const Entry& e) { return e.observer == observer; });
    if (!watched)
        QObject::connect(observer, &QObject::destroyed, &m_guard, [this, observer] { removeObserver(observer); });
}

void NotificationCenter::addObserver(QObject* observer, const QString& name, Handler handler, const void* sender)
{
    Q_ASSERT(observer);
    watchDestruction(observer);
    m_entries.push_back(Entry { m_nextId++, observer, name, sender, std::move(handler) });
}

void NotificationCenter::removeObserver(QObject* observer)
{
    const auto before = m_entries.size();
    std::erase_if(m_entries, [observer](const Entry& e) { return e.observer == observer; });
    if (before != m_entries.size())
        QObject::disconnect(observer, &QObject::destroyed, &m_guard, nullptr);
}

void NotificationCenter::removeObserver(QObject* observer, const QString& name, const void* sender)
{
    std::erase_if(m_entries, [&](const Entry& e) {
        return e.observer == observer && e.name == name && (sender == nullptr || e.sender == sender);
    });
}

void NotificationCenter::post(const QString& name, const void* object, const QVariantMap& userInfo)
{
    Q_ASSERT(!QCoreApplication::instance() || QThread::currentThread() == QCoreApplication::instance()->thread());
    const Notification note { name, object, userInfo };

    // Observers may add or remove observers while being told, so deliver to a
    // snapshot of the ids and skip those removed in the meantime.
    std::vector<quint64> ids;
    for (const Entry& e : m_entries)
        if (e.name == name && (e.sender == nullptr || e.sender == object))
            ids.push_back(e.id);

    for (quint64 id : ids) {
        auto it = std::find_if(m_entries.begin(), m_entries.end(), [id](const Entry& e) { return e.id == id; });
        if (it == m_entries.end())
            continue;
        Handler handler = it->handler; // the entry may vanish while it runs
        handler(note);
    }
}

int NotificationCenter::observerCount(const QString& name) const
{
    return int(std::count_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.name == name; }));
}

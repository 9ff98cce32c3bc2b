#pragma once

#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

// The attributes of one XML element, in document order. Elements carry a
// handful of attributes, so a flat list beats a hash in both time and memory.
class AttributeMap {
public:
    using Entry = std::pair<QString, QString>;

    void insert(const QString& key, const QString& value);
    // For readers that already know the key is new.
    void append(const QString& key, QString&& value) { m_entries.emplace_back(key, std::move(value)); }
    const QString* find(QStringView key) const;
    QString value(QStringView key, const QString& fallback = QString()) const;
    bool contains(QStringView key) const { return find(key) != nullptr; }
    bool isEmpty() const { return m_entries.empty(); }
    qsizetype size() const { return qsizetype(m_entries.size()); }
    void reserve(size_t n) { m_entries.reserve(n); }

    std::vector<Entry>::const_iterator begin() const { return m_entries.begin(); }
    std::vector<Entry>::const_iterator end() const { return m_entries.end(); }

    friend bool operator==(const AttributeMap&, const AttributeMap&) = default;

private:
    std::vector<Entry> m_entries;
};

inline void AttributeMap::insert(const QString& key, const QString& value)
{
    for (Entry& e : m_entries) {
        if (e.first == key) {
            e.second = value;
            return;
        }
    }
    m_entries.emplace_back(key, value);
}

inline const QString* AttributeMap::find(QStringView key) const
{
    for (const Entry& e : m_entries)
        if (e.first == key)
            return &e.second;
    return nullptr;
}

inline QString AttributeMap::value(QStringView key, const QString& fallback) const
{
    const QString* v = find(key);
    return v ? *v : fallback;
}

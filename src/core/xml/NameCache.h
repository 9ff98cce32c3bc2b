#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <unordered_map>

// Turns element and attribute names into shared QStrings, so that a name
// repeated ten thousand times, or polled every second, is converted once.
class NameCache {
public:
    static NameCache& shared();

    const QString& get(std::string_view utf8)
    {
        auto it = m_names.find(utf8);
        if (it != m_names.end())
            return it->second;
        if (m_names.size() >= maxNames)
            m_names.clear(); // a hostile document cannot grow it without end
        return m_names.emplace(std::string(utf8), QString::fromUtf8(utf8.data(), qsizetype(utf8.size())))
            .first->second;
    }

private:
    static constexpr size_t maxNames = 4096;
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view> {}(s); }
    };
    std::unordered_map<std::string, QString, Hash, std::equal_to<>> m_names;
};

inline NameCache& NameCache::shared()
{
    thread_local NameCache cache;
    return cache;
}

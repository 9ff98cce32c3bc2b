#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <unordered_map>

// Turns the element and attribute names of one document into shared QStrings,
// so a name repeated ten thousand times is converted and allocated once.
class NameCache {
public:
    const QString& get(const char* utf8)
    {
        const std::string_view key(utf8);
        auto it = m_names.find(key);
        if (it == m_names.end())
            it = m_names.emplace(std::string(key), QString::fromUtf8(key.data(), qsizetype(key.size()))).first;
        return it->second;
    }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view> {}(s); }
    };
    std::unordered_map<std::string, QString, Hash, std::equal_to<>> m_names;
};

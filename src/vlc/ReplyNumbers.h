#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

// Numbers read from a reply, the way the platform's string-to-number
// conversions read them (leading white space skipped, the longest numeric
// prefix taken, 0 when there is none), and clamped before any arithmetic:
// a reply is input from the network, whatever VLC usually sends.
namespace ReplyNumbers {
// Seconds and counts beyond a century or a billion are nonsense from a
// media player, and small enough that sums and differences never overflow.
constexpr int64_t maxSeconds = 1'000'000'000; // about 31 years
constexpr int64_t maxCount = 1'000'000'000;

inline std::string_view trimmedStart(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\n' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    return s;
}

inline int64_t integer(std::string_view text, int64_t low, int64_t high)
{
    text = trimmedStart(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > high && value > -low) // saturate: the clamp below decides
            break;
    }
    return std::clamp<int64_t>(negative ? -value : value, low, high);
}

inline double real(std::string_view text, double low, double high)
{
    text = trimmedStart(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return std::clamp(0.0, low, high);
    return std::clamp(value, low, high);
}
}

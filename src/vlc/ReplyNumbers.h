#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

// Numbers read from a reply: leading white space skipped, the longest
// numeric prefix taken (a decimal number, with a fraction and an exponent
// if it has them), 0 when there is none, and clamped to the range the
// caller gives before any arithmetic: a reply is input from the network,
// whatever VLC usually sends. A number too large for a double reads as the
// top (or bottom) of the range, one too small as 0; "inf" and "nan" read
// as 0.
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

// Whether a number (digits, a point, an exponent) that a double cannot
// hold is too large rather than too small: the power of ten of its first
// significant digit says which.
inline bool beyondLargest(std::string_view number)
{
    constexpr int64_t maxExponent = 1'000'000'000'000; // far past any double, far from overflow
    int64_t power = 0;
    bool point = false;
    bool significant = false;
    size_t i = 0;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.') {
            point = true;
        } else if (c >= '0' && c <= '9') {
            significant = significant || c != '0';
            if (significant && !point)
                ++power;
            else if (!significant && point)
                --power;
        } else {
            break;
        }
    }
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        std::string_view digits = number.substr(i + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        int64_t exponent = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9' || exponent > maxExponent)
                break;
            exponent = exponent * 10 + (c - '0');
        }
        power += negative ? -exponent : exponent;
    }
    return power > 0;
}

inline double real(std::string_view text, double low, double high)
{
    text = trimmedStart(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // No second sign, and no "inf" or "nan" (which read as 0).
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.'))
        return std::clamp(0.0, low, high);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = beyondLargest(std::string_view(text.data(), size_t(result.ptr - text.data()))) ? HUGE_VAL : 0.0;
    else if (result.ec != std::errc())
        value = 0;
    return std::clamp(negative ? -value : value, low, high);
}

inline int64_t integer(std::string_view text, int64_t low, int64_t high)
{
    text = trimmedStart(text);
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    // Plain digits, as VLC writes its whole numbers, read at once.
    int64_t value = 0;
    size_t i = 0;
    for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i)
        if (value <= high || value <= -low) // saturate: the clamp below decides
            value = value * 10 + (digits[i] - '0');
    // A fraction or an exponent ("1e308", "2.5E3"): the number as a whole,
    // truncated toward zero.
    if (i < digits.size() && (digits[i] == '.' || digits[i] == 'e' || digits[i] == 'E')) {
        const double whole = std::trunc(real(text, double(low), double(high)));
        return std::clamp<int64_t>(int64_t(whole), low, high);
    }
    return std::clamp<int64_t>(negative ? -value : value, low, high);
}
}

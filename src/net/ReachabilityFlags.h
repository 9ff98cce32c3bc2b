#pragma once

#include <QtGlobal>

// The reachability flag word, bit for bit as the phone platform defines it, so
// that the decision rules read the same on every target.
namespace ReachabilityFlags {
inline constexpr quint32 transientConnection = 0x1;
inline constexpr quint32 reachable = 0x2;
inline constexpr quint32 connectionRequired = 0x4;
inline constexpr quint32 direct = 0x20000; // on a directly attached link, no gateway
inline constexpr quint32 cellular = 0x40000;
}

#pragma once

#include <QString>

#include <optional>

// A remote's address as a person types it: "host", "host:port", "[v6]:port",
// a bare IPv6 address, or VLC's own page address "http://host[:port][/]".
// Read into the stored form "host[:port]" (IPv6 in brackets), or refused with
// a one-line reason; never is a scheme taken for a host name.
namespace HostAddress {
std::optional<QString> fromUserText(const QString& text, QString* problem = nullptr);
}

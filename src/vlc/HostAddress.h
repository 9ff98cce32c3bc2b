#pragma once

#include <QString>

#include <optional>

// A remote's address as a person types it: "host", "host:port", "[v6]:port",
// a bare IPv6 address, or VLC's own page address "http://host[:port][/]".
// Read into the stored form "host[:port]" (IPv6 in brackets), or refused
// with the kind of fault (screens word it) or a one-line reason (the
// command line's); never is a scheme taken for a host name.
namespace HostAddress {
enum class Problem {
    None,
    NoHost,
    NotHttp,         // another scheme than http://
    NamesAPage,      // a path, query or fragment after the host
    CarriesUserName, // user@host
    NotIpv6InBrackets,
    NotAHost,
    BadPort,
};

struct Reading {
    std::optional<QString> address; // the stored form, when it could be read
    Problem problem = Problem::None;
    QString shown; // the text as a reason may echo it: short, no control characters
};

Reading read(const QString& text);
std::optional<QString> fromUserText(const QString& text, QString* problem = nullptr);
}

#pragma once

#include "vlc/HttpReply.h"

#include <QMetaType>
#include <QString>

#include <optional>

// What a reply turned out to be.
enum class ReplyKind { Status, Playlist, Browse, Probe, Unrecognised };

// How a remote's connection stands, as the screens show it.
enum class ConnectionState {
    Connecting,     // no reply yet
    Connected,
    Lost,           // the last reply is more than 2 seconds old
    PasswordNeeded, // VLC asked for a password and none is set
    PasswordRefused,
    PasswordNotSet, // VLC has no password configured and refuses everyone
    UnusableReplies, // the server answers, but its replies keep being no status
};

enum class PlaybackState { None, Playing, Paused, Stopped, Other };

// How one request ended: with a reply of some kind, or with a failure.
struct RequestResult {
    std::optional<ReplyKind> reply;
    std::optional<RequestFailure> failure;
    bool invalidAddress = false; // the address makes no URL; nothing was sent
    QString target;              // then: the request as text
    int httpStatus = 0;
    bool unchanged = false; // the same bytes as the last reply of its kind
    QString serverMessage;  // VLC's own error text, one line, when it sent its error page

    bool ok() const { return reply.has_value(); }
};
Q_DECLARE_METATYPE(RequestResult)

// Stable names for scripts (the command-line remote's JSON).
namespace RemoteTypeNames {
QString of(ConnectionState state);
QString of(PlaybackState state);
QString of(RequestFailure failure);
}

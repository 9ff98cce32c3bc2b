#pragma once

#include <QByteArray>
#include <QUrl>

// A completely received HTTP reply, whatever its status code.
struct HttpReply {
    int httpStatus = 0;
    QByteArray body;
    QByteArray wwwAuthenticate; // the challenge header of a 401
    QUrl url;                   // where the reply finally came from
};

enum class RequestFailure {
    Network,         // refused, unreachable, closed early, or no transport
    IdleTimeout,
    Deadline,        // bytes kept trickling past the overall deadline
    TooLarge,        // the body outgrew the cap for its kind
    Redirects,       // too many redirects
    RedirectRefused, // a redirect away from the remote's own address
};

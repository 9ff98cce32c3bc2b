#pragma once

#include "vlc/HttpReply.h"
#include "vlc/HttpResponseParser.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QUrl>

#include <functional>

// One GET and its response. Exactly one of onDone and onFailed is called,
// always later through the event loop, never from start(); destroying the
// exchange closes its connection at once and tells nothing.
class HttpExchange {
public:
    struct Request {
        QUrl url;
        QList<QPair<QByteArray, QByteArray>> headers;
        int idleTimeoutMs = 0;
        qint64 maxBodyBytes = 0;
    };

    virtual ~HttpExchange() = default;

    virtual void start() = 0;
    // Closes the connection now; neither callback is called after it.
    virtual void abort() = 0;

    std::function<void(HttpResponseParser::Message)> onDone;
    std::function<void(RequestFailure)> onFailed;
};

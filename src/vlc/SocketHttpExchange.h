#pragma once

#include "vlc/HttpExchange.h"
#include "vlc/HttpResponseParser.h"

#include <QObject>
#include <QTimer>

#include <optional>

class QTcpSocket;

// An exchange over a plain TCP connection of its own, read on the main
// thread as the bytes arrive. Only so much is taken from the socket at a
// time, so a server that sends without end is held back by the connection's
// own window, and a cap, a time-out or a broken reply closes the connection
// at once.
class SocketHttpExchange : public QObject, public HttpExchange {
    Q_OBJECT
public:
    static constexpr qint64 readBufferBytes = 256 * 1024;

    explicit SocketHttpExchange(const Request& request, QObject* parent = nullptr);
    ~SocketHttpExchange() override;

    void start() override;
    void abort() override;

    // The request as it goes on the wire.
    static QByteArray requestBytes(const Request& request);

private:
    void touch();
    void onConnected();
    void onReadyRead();
    void onClosed();
    void succeed();
    void fail(RequestFailure failure);
    void close();

    Request m_request;
    HttpResponseParser m_parser;
    QTcpSocket* m_socket = nullptr;
    QTimer m_idle;
    bool m_over = false;
};

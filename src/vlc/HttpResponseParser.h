#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>

// Reads one HTTP/1.x response from bytes as they arrive, whatever their
// split. What a server sends is hostile: every line, the header block, the
// header count and the body are bounded, and a declared length or chunk that
// could not fit is refused before its bytes are read.
class HttpResponseParser {
public:
    struct Limits {
        qint64 maxBodyBytes = 64LL * 1024 * 1024;
        int maxLineBytes = 8 * 1024;
        int maxHeaderBytes = 64 * 1024; // status line, headers and trailers together
        int maxHeaders = 100;
    };

    struct Message {
        int status = 0;
        QList<QPair<QByteArray, QByteArray>> headers; // as sent, values without surrounding blanks
        QByteArray body;

        // The first value of a header, its name in any case.
        QByteArray header(QByteArrayView name) const
        {
            for (const auto& [key, value] : headers) {
                if (QByteArrayView(key).compare(name, Qt::CaseInsensitive) == 0)
                    return value;
            }
            return {};
        }
    };

    enum class State {
        Incomplete, // more bytes wanted
        Complete,   // the message is whole; later bytes are not looked at
        Malformed,  // not HTTP/1.x, or framed so that it cannot be trusted
        TooLarge,   // the body would outgrow the cap
    };

    explicit HttpResponseParser(const Limits& limits);

    State feed(QByteArrayView bytes);
    // The peer closed: ends a body that runs until the close, else the
    // message was cut short.
    State finish();

    State state() const { return m_state; }
    const Message& message() const { return m_message; }
    Message takeMessage() { return std::move(m_message); }

    // The whole exchange at once: the bytes, then the close if closed.
    static State parse(QByteArrayView bytes, bool closed, const Limits& limits, Message* message = nullptr);

private:
    enum class Phase { StatusLine, Headers, Body, UntilClose, ChunkSize, ChunkData, ChunkEnd, Trailers, Done };

    qsizetype takeLine(QByteArrayView bytes, bool* complete);
    bool onLine(QByteArrayView line);
    bool onStatusLine(QByteArrayView line);
    bool onHeaderLine(QByteArrayView line);
    bool onHeadersEnd();
    bool onChunkSizeLine(QByteArrayView line);
    qsizetype takeBody(QByteArrayView bytes, qint64 wanted);
    void fail(State state) { m_state = state; }
    void complete();

    Limits m_limits;
    State m_state = State::Incomplete;
    Phase m_phase = Phase::StatusLine;
    Message m_message;
    QByteArray m_line;
    qint64 m_headerBytes = 0;
    qint64 m_remaining = 0; // of the declared body or the current chunk
};

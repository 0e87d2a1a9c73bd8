#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>

// Reads one HTTP/1.x response from the bytes of a connection as they come, in pieces of any
// size. It keeps only the current head line; body bytes are handed back as views into the
// caller's input, so memory does not grow with the body. Every byte is untrusted: lines and
// the whole head are bounded, and framing that cannot be trusted fails the response.
class HttpResponseParser
{
public:
    static constexpr qsizetype MaxLineLength = 8 * 1024;
    static constexpr qsizetype MaxHeadSize = 64 * 1024;

    enum class Step {
        NeedMore, // input used up; call again with more
        HeadDone, // status and headers of the final response are in (interim 1xx skipped)
        Body,     // *body holds the next body bytes
        Complete, // the response has ended; what is left in input is not part of it
        Failed,   // error() says why; the connection cannot be trusted any more
    };

    void reset();
    // Parses from the front of input and drops what it used from input.
    Step parse(QByteArrayView &input, QByteArrayView *body);
    // The peer closed its side: ends a body that runs to the close; anything else still
    // unfinished fails.
    Step finishInput();

    bool receivedAnything() const { return m_receivedAnything; }
    bool headComplete() const { return m_state > State::Headers; }
    bool isComplete() const { return m_state == State::Complete; }
    int statusCode() const { return m_status; }
    const QList<QPair<QByteArray, QByteArray>> &headers() const { return m_headers; }
    // The values of every field of that name (any case), joined by ", "; empty when absent.
    QByteArray header(QByteArrayView name) const;
    bool hasHeader(QByteArrayView name) const;
    // After Complete: the connection may carry the next response.
    bool keepAlive() const;
    QString error() const { return m_error; }

private:
    enum class State {
        StatusLine,
        Headers,
        LengthBody,
        CloseBody,
        ChunkSize,
        ChunkData,
        ChunkEnd,
        Trailers,
        Complete,
        Failed,
    };
    enum class LineResult { Partial, Line, TooLong };

    LineResult takeLine(QByteArrayView &input);
    Step fail(const QString &reason);
    bool parseStatusLine();
    void addHeaderLine();
    Step endOfHead();
    bool parseChunkSize();
    Step takeBody(QByteArrayView &input, QByteArrayView *body);

    State m_state = State::StatusLine;
    QByteArray m_line;
    qsizetype m_headBytes = 0;
    bool m_receivedAnything = false;
    int m_minorVersion = 1;
    int m_status = 0;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    qint64 m_remaining = 0; // of the declared body or of the current chunk
    bool m_closeDelimited = false;
    QString m_error;
};

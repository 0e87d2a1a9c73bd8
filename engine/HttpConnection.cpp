#include "HttpConnection.h"

#include "TransferRules.h"

#include <QIODevice>
#include <QNetworkProxy>
#include <QSignalBlocker>
#include <QTcpSocket>
#include <QTimer>

namespace {
// Bounds what the socket holds between two reads; the rest waits in the kernel, so a large
// body never sits whole in memory.
constexpr qint64 SocketBufferSize = 256 * 1024;
constexpr qsizetype ReadChunk = 64 * 1024;
} // namespace

HttpConnection::HttpConnection(const QString &host, quint16 port, QObject *parent)
    : QObject(parent), m_host(host), m_port(port), m_socket(new QTcpSocket(this)),
      m_connectTimer(new QTimer(this))
{
    // Direct means direct: neither an application-wide nor an environment proxy may step in.
    m_socket->setProxy(QNetworkProxy::NoProxy);
    m_socket->setReadBufferSize(SocketBufferSize);
    m_buffer.resize(ReadChunk);
    // Connecting is started from the event loop: a refused connection to a local address
    // can be reported from inside connectToHost(), and send() must not finish anything.
    m_connectTimer->setSingleShot(true);
    m_connectTimer->setInterval(0);
    connect(m_connectTimer, &QTimer::timeout, this, &HttpConnection::connectFresh);
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        if (!m_busy)
            return;
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        Q_EMIT progress();
        m_socket->write(m_request);
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpConnection::readAvailable);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &HttpConnection::onClosed);
    connect(m_socket, &QTcpSocket::disconnected, this,
            [this] { onClosed(QAbstractSocket::RemoteHostClosedError); });
}

HttpConnection::~HttpConnection()
{
    m_busy = false;
    const QSignalBlocker blocker(m_socket);
    m_socket->abort();
}

void HttpConnection::send(const QByteArray &request, QIODevice *sink)
{
    m_request = request;
    m_sink = sink;
    m_parser.reset();
    m_bodyBytes = 0;
    m_sinkFailed = false;
    m_busy = true;
    m_retried = false;
    m_reused =
        m_socket->state() == QAbstractSocket::ConnectedState && m_socket->bytesAvailable() == 0;
    if (m_reused)
        m_socket->write(m_request);
    else
        m_connectTimer->start();
}

void HttpConnection::abort()
{
    if (!m_busy)
        return;
    m_busy = false;
    m_sink = nullptr;
    m_connectTimer->stop();
    const QSignalBlocker blocker(m_socket);
    m_socket->abort();
}

void HttpConnection::connectFresh()
{
    if (!m_busy)
        return;
    {
        const QSignalBlocker blocker(m_socket);
        m_socket->abort();
    }
    m_socket->connectToHost(m_host, m_port);
}

void HttpConnection::readAvailable()
{
    if (!m_busy) {
        // Bytes nobody asked for on a kept connection: whatever follows on it is suspect.
        if (m_socket->bytesAvailable() > 0) {
            const QSignalBlocker blocker(m_socket);
            m_socket->abort();
        }
        return;
    }
    Q_EMIT progress();
    // A finished response may already have started the next request (a redirect) on this
    // connection, or closed it: check again before every read.
    while (m_busy && m_socket->bytesAvailable() > 0) {
        const qint64 n = m_socket->read(m_buffer.data(), m_buffer.size());
        if (n <= 0)
            break;
        process(QByteArrayView(m_buffer.constData(), n));
    }
}

void HttpConnection::process(QByteArrayView input)
{
    QByteArrayView body;
    for (;;) {
        switch (m_parser.parse(input, &body)) {
        case HttpResponseParser::Step::NeedMore:
            return;
        case HttpResponseParser::Step::HeadDone:
            Q_EMIT headReceived();
            if (!m_busy)
                return;
            break;
        case HttpResponseParser::Step::Body:
            if (!m_sink)
                break;
            if (m_sink->write(body.data(), body.size()) != body.size()) {
                m_sinkFailed = true;
                end(false, QStringLiteral("could not write: ") + m_sink->errorString(), false);
                return;
            }
            m_bodyBytes += body.size();
            break;
        case HttpResponseParser::Step::Complete:
            // Anything after the response was not asked for: the connection is not kept.
            end(true, QString(),
                input.isEmpty() && m_socket->bytesAvailable() == 0 && m_parser.keepAlive());
            return;
        case HttpResponseParser::Step::Failed:
            end(false, m_parser.error(), false);
            return;
        }
    }
}

void HttpConnection::onClosed(QAbstractSocket::SocketError error)
{
    // A kept connection closed while idle: the next send() opens a new one. Once a fresh
    // connection is on its way, the old one's last words (disconnected after the error)
    // are of no interest either.
    if (!m_busy || m_connectTimer->isActive())
        return;
    readAvailable(); // what arrived before the close still counts
    if (!m_busy)
        return;
    if (m_reused && !m_retried && !m_parser.receivedAnything()) {
        // The server dropped the kept connection before our request reached it.
        m_retried = true;
        m_reused = false;
        m_connectTimer->start();
        return;
    }
    if (error == QAbstractSocket::RemoteHostClosedError) {
        const bool complete = m_parser.finishInput() == HttpResponseParser::Step::Complete;
        end(complete, m_parser.error(), false);
        return;
    }
    end(false,
        TransferRules::reasonFor(TransferRules::networkErrorFor(error), m_parser.headComplete(),
                                 false, m_socket->errorString()),
        false);
}

void HttpConnection::end(bool ok, const QString &reason, bool keepOpen)
{
    m_busy = false;
    m_sink = nullptr;
    if (!keepOpen) {
        const QSignalBlocker blocker(m_socket);
        m_socket->abort();
    }
    Q_EMIT finished(ok, reason);
}

#pragma once

#include "HttpResponseParser.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QString>

class QIODevice;
class QTcpSocket;
class QTimer;

// One plain HTTP/1.1 connection to a host and port, kept open between responses when the
// server allows it. It sends one request at a time and streams the response body into a
// sink as the bytes arrive. A kept connection that the server has closed meanwhile is
// reopened once, when nothing of the response had arrived: the request never reached a
// server that was still listening, so sending it again is safe.
class HttpConnection : public QObject
{
    Q_OBJECT
public:
    HttpConnection(const QString &host, quint16 port, QObject *parent = nullptr);
    ~HttpConnection() override;

    QString host() const { return m_host; }
    quint16 port() const { return m_port; }
    bool isBusy() const { return m_busy; }

    // Sends request (a whole GET head) and reads its response; the body goes into sink, or
    // nowhere when sink is null. finished() follows, never from inside send().
    void send(const QByteArray &request, QIODevice *sink);
    // Where the rest of the body goes from now on (null: dropped).
    void setSink(QIODevice *sink) { m_sink = sink; }
    // Stops the response in progress and closes the connection; nothing is emitted.
    void abort();

    const HttpResponseParser &response() const { return m_parser; }
    qint64 bodyBytes() const { return m_bodyBytes; } // handed to the sink
    bool sinkFailed() const { return m_sinkFailed; }

Q_SIGNALS:
    void progress();     // something happened on the wire
    void headReceived(); // status and headers are in; the body follows
    void finished(bool ok, const QString &reason);

private:
    void connectFresh();
    void readAvailable();
    void onClosed(QAbstractSocket::SocketError error);
    void process(QByteArrayView input);
    void end(bool ok, const QString &reason, bool keepOpen);

    QString m_host;
    quint16 m_port;
    QTcpSocket *m_socket;
    QTimer *m_connectTimer;
    QByteArray m_buffer;
    QByteArray m_request;
    QIODevice *m_sink = nullptr;
    HttpResponseParser m_parser;
    qint64 m_bodyBytes = 0;
    bool m_busy = false;
    bool m_reused = false;  // the request went out on a connection kept from before
    bool m_retried = false; // ... and has already been sent again on a fresh one
    bool m_sinkFailed = false;
};

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 (port chosen by the system) for tests, plain or over
// TLS. It answers each path by a rule, and can misbehave on purpose: stall, drip, cut the
// body, reset, lie about the length, redirect. It serves as an HTTP proxy too (it takes
// the absolute address). Every response closes its connection, unless keep-alive is on.
class TestHttpServer : public QObject
{
    Q_OBJECT
public:
    enum class Behaviour {
        Normal,            // status line, headers, Content-Length, body
        NoLength,          // no Content-Length: the body ends when the connection closes
        CutBody,           // announces the whole length, sends half the body, closes
        Stall,             // reads the request and never answers
        StallAfterHeaders, // sends the headers and part of the body, then nothing
        Reset,             // reads the request and closes without a word
        ResetOnce,         // the first request for the path as Reset, later ones as Normal
        Raw,               // body is the whole response, sent as it is
        ResetMidBody,      // no length: half the body, then a TCP reset
        Drip,              // the whole response, one byte every 10 ms
        DripBody,          // the head at once, the body one byte every 10 ms
        Held,              // answered as Normal only when releaseHeld() is called
        Trickle,           // the head at once, the body 100 bytes every 10 ms
    };

    struct Response
    {
        int status = 200;
        QByteArray reasonPhrase = "OK";
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        Behaviour behaviour = Behaviour::Normal;
        // When set, sent as Content-Length instead of the body's real size.
        QByteArray declaredLength;
        // Sent on a kept connection a moment after the response, unasked for.
        QByteArray afterwards;
    };

    // The body of a picture as servers send one: a JPEG of a few KiB with its real markers,
    // different for each number. Tests serve these, so that a rule about the size or the
    // content of a picture touches this one place.
    static QByteArray pictureBody(int number = 0);
    // A picture response (200, typed image/jpeg unless told otherwise).
    static Response picture(int number = 0, const QByteArray &contentType = "image/jpeg");
    static Response image(const QByteArray &body, const QByteArray &contentType = "image/jpeg");
    static Response page(int status, const QByteArray &body,
                         const QByteArray &contentType = "text/html");
    static Response redirect(const QByteArray &location, int status = 302);
    static Response raw(const QByteArray &wholeResponse);

    explicit TestHttpServer(QObject *parent = nullptr);

    // True when it listens on 127.0.0.1.
    bool listen() { return m_server->listen(QHostAddress::LocalHost, 0); }
    // The same over TLS, with a certificate for 127.0.0.1 and localhost made for it.
    bool listenTls();
    QString certificateFile() const; // PEM, to be trusted as an authority
    quint16 port() const { return m_server->serverPort(); }
    QString baseUrl() const; // "http://127.0.0.1:PORT" (https over TLS)

    // The response for a path (with its query, as in the request line: "/pic01.jpg").
    void setResponse(const QString &path, const Response &r) { m_rules.insert(path, r); }
    // Responses for the next requests of a path, one each, before its rule applies again.
    void queueResponse(const QString &path, const Response &r) { m_queued[path].append(r); }
    // The response for any path without a rule of its own (default: 404 page).
    void setDefaultResponse(const Response &r) { m_default = r; }
    // Keep-alive: Normal and Raw responses leave the connection open for the next request.
    void setKeepAlive(bool on) { m_keepAlive = on; }
    int connectionCount() const { return m_connectionCount; }
    // How many times the bytes of Response::afterwards have gone out.
    int afterwardsSent() const { return m_afterwardsSent; }

    struct Request
    {
        QByteArray target; // as in the request line: a path, or an absolute URL via a proxy
        QByteArray path;   // the path and query only
        QList<QPair<QByteArray, QByteArray>> headers;
    };
    QList<Request> requests() const { return m_requests; }
    QStringList requestedPaths() const;
    int requestCount() const { return m_requests.size(); }
    // Answers the requests held so far (Behaviour::Held), in the order they came.
    void releaseHeld();

Q_SIGNALS:
    void requestReceived(const QByteArray &path);

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    void handleRequest(QTcpSocket *socket, const QByteArray &head);
    void answer(QTcpSocket *socket, const Request &request);
    void send(QTcpSocket *socket, const Request &request, const Response &r);
    static void drip(QTcpSocket *socket, const QByteArray &bytes, int piece);
    static void reset(QTcpSocket *socket);

    QTcpServer *m_server;
    bool m_tls = false;
    QHash<QString, Response> m_rules;
    QHash<QString, QList<Response>> m_queued;
    Response m_default;
    QList<Request> m_requests;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    bool m_keepAlive = false;
    int m_connectionCount = 0;
    struct Held
    {
        QPointer<QTcpSocket> socket;
        Request request;
        Response response;
    };
    QList<Held> m_held;
    int m_afterwardsSent = 0;
};

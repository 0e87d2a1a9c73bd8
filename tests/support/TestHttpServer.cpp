#include "TestHttpServer.h"

#include <utility>

#include <QFile>
#include <QProcess>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <sys/socket.h>

namespace {

// A certificate for 127.0.0.1 and localhost that openssl makes once per test program.
QTemporaryDir &certificateDir()
{
    static QTemporaryDir dir;
    return dir;
}

bool makeCertificate()
{
    const QString cert = certificateDir().filePath(QStringLiteral("cert.pem"));
    if (QFile::exists(cert))
        return true;
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  QString::fromLatin1("req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 "
                                      "-nodes -days 2 -subj /CN=localhost -addext "
                                      "subjectAltName=IP:127.0.0.1,DNS:localhost -keyout")
                          .split(u' ')
                      << certificateDir().filePath(QStringLiteral("key.pem"))
                      << QStringLiteral("-out") << cert);
    return openssl.waitForFinished(30000) && openssl.exitStatus() == QProcess::NormalExit &&
           openssl.exitCode() == 0;
}

// Its sockets are QSslSocket, read and written as any QTcpSocket.
class TlsServer : public QTcpServer
{
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setLocalCertificate(certificateDir().filePath(QStringLiteral("cert.pem")));
        QFile key(certificateDir().filePath(QStringLiteral("key.pem")));
        key.open(QIODevice::ReadOnly);
        socket->setPrivateKey(QSslKey(key.readAll(), QSsl::Ec));
        socket->setPeerVerifyMode(QSslSocket::VerifyNone);
        // A client that gives up on the handshake leaves a socket nobody reads: drop it.
        connect(socket, &QSslSocket::errorOccurred, socket, &QSslSocket::abort);
        socket->startServerEncryption();
        addPendingConnection(socket);
    }
};

} // namespace

QByteArray TestHttpServer::pictureBody(int number)
{
    // Start of image, a JFIF header, the number in a comment, scan data, end of image.
    QByteArray body = QByteArray::fromHex("ffd8ffe000104a46494600010100000100010000");
    const QByteArray comment = "picture " + QByteArray::number(number);
    body += QByteArray::fromHex("fffe") + char(0) + char(comment.size() + 2) + comment;
    body += QByteArray::fromHex("ffda000c03010002110311003f00");
    quint32 state = 2166136261u ^ quint32(number);
    for (int i = 0; i < 3000; ++i) {
        state = state * 1664525u + 1013904223u;
        body += char((state >> 24) % 0xff); // never 0xff: no marker inside the scan
    }
    return body + QByteArray::fromHex("ffd9");
}

TestHttpServer::Response TestHttpServer::picture(int number, const QByteArray &contentType)
{
    return image(pictureBody(number), contentType);
}

TestHttpServer::Response TestHttpServer::image(const QByteArray &body,
                                               const QByteArray &contentType)
{
    return page(200, body, contentType);
}

TestHttpServer::Response TestHttpServer::page(int status, const QByteArray &body,
                                              const QByteArray &contentType)
{
    Response r;
    r.status = status;
    r.reasonPhrase = status == 404 ? "Not Found" : "OK";
    if (!contentType.isEmpty())
        r.headers.append({"Content-Type", contentType});
    r.body = body;
    return r;
}

TestHttpServer::Response TestHttpServer::redirect(const QByteArray &location, int status)
{
    Response r = page(status, {}, {});
    r.reasonPhrase = "Found";
    r.headers.append({"Location", location});
    return r;
}

TestHttpServer::Response TestHttpServer::raw(const QByteArray &wholeResponse)
{
    Response r = page(200, wholeResponse, {});
    r.behaviour = Behaviour::Raw;
    return r;
}

TestHttpServer::TestHttpServer(QObject *parent) : QObject(parent), m_server(new QTcpServer(this))
{
    m_default = page(404, "<html><body>not found</body></html>");
    connect(m_server, &QTcpServer::newConnection, this, &TestHttpServer::onNewConnection);
}

bool TestHttpServer::listenTls()
{
    delete m_server;
    m_server = new TlsServer(this);
    m_tls = true;
    connect(m_server, &QTcpServer::newConnection, this, &TestHttpServer::onNewConnection);
    return certificateDir().isValid() && QSslSocket::supportsSsl() && makeCertificate() && listen();
}

QString TestHttpServer::certificateFile() const
{
    return m_tls ? certificateDir().filePath(QStringLiteral("cert.pem")) : QString();
}

QString TestHttpServer::baseUrl() const
{
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(QLatin1String(m_tls ? "https" : "http"))
        .arg(port());
}

QStringList TestHttpServer::requestedPaths() const
{
    QStringList paths;
    for (const Request &r : m_requests)
        paths.append(QString::fromLatin1(r.path));
    return paths;
}

void TestHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        ++m_connectionCount;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void TestHttpServer::onReadyRead(QTcpSocket *socket)
{
    m_buffers[socket] += socket->readAll();
    // A kept connection may carry the next request right behind this one. An answer may
    // close the socket, which drops its buffer.
    while (socket->isOpen()) {
        const auto buffer = m_buffers.find(socket);
        const qsizetype end = buffer == m_buffers.end() ? -1 : buffer->indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray head = buffer->left(end);
        buffer->remove(0, end + 4);
        handleRequest(socket, head);
    }
}

void TestHttpServer::handleRequest(QTcpSocket *socket, const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    Request request;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.target = first.value(1);
    request.path = request.target;
    if (request.target.startsWith("http://") || request.target.startsWith("https://")) {
        const QUrl url(QString::fromLatin1(request.target));
        request.path = url.path(QUrl::FullyEncoded).toLatin1();
        if (url.hasQuery())
            request.path += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    m_requests.append(request);
    Q_EMIT requestReceived(request.path);
    answer(socket, request);
}

void TestHttpServer::answer(QTcpSocket *socket, const Request &request)
{
    const QString path = QString::fromLatin1(request.path);
    QList<Response> &queued = m_queued[path];
    Response r = queued.isEmpty() ? m_rules.value(path, m_default) : queued.takeFirst();
    if (r.behaviour == Behaviour::Held) {
        r.behaviour = Behaviour::Normal;
        m_held.append({QPointer<QTcpSocket>(socket), request, r});
        return;
    }
    send(socket, request, r);
}

void TestHttpServer::releaseHeld()
{
    const auto held = std::exchange(m_held, {});
    for (const Held &h : held) {
        if (h.socket)
            send(h.socket, h.request, h.response);
    }
}

void TestHttpServer::send(QTcpSocket *socket, const Request &request, const Response &r)
{
    if (r.behaviour == Behaviour::Stall)
        return;
    const bool firstTime = requestedPaths().count(QString::fromLatin1(request.path)) == 1;
    if (r.behaviour == Behaviour::Reset || (r.behaviour == Behaviour::ResetOnce && firstTime)) {
        socket->abort();
        return;
    }
    const bool keep =
        m_keepAlive && (r.behaviour == Behaviour::Normal || r.behaviour == Behaviour::ResetOnce ||
                        r.behaviour == Behaviour::Raw);
    if (r.behaviour == Behaviour::Raw || r.behaviour == Behaviour::Drip) {
        if (r.behaviour == Behaviour::Drip) {
            drip(socket, r.body, 1);
            return;
        }
        socket->write(r.body);
        if (!keep)
            socket->disconnectFromHost();
        else if (!r.afterwards.isEmpty())
            QTimer::singleShot(20, socket, [this, socket, bytes = r.afterwards] {
                socket->write(bytes);
                socket->flush();
                ++m_afterwardsSent;
            });
        return;
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' + r.reasonPhrase + "\r\n";
    for (const auto &h : r.headers)
        head += h.first + ": " + h.second + "\r\n";
    if (r.behaviour != Behaviour::NoLength && r.behaviour != Behaviour::ResetMidBody) {
        const QByteArray length =
            r.declaredLength.isEmpty() ? QByteArray::number(r.body.size()) : r.declaredLength;
        head += "Content-Length: " + length + "\r\n";
    }
    head += keep ? "\r\n" : "Connection: close\r\n\r\n";
    socket->write(head);
    if (r.behaviour == Behaviour::DripBody || r.behaviour == Behaviour::Trickle) {
        drip(socket, r.body, r.behaviour == Behaviour::Trickle ? 100 : 1);
        return;
    }
    if (r.behaviour == Behaviour::ResetMidBody) {
        socket->write(r.body.left(r.body.size() / 2));
        reset(socket);
        return;
    }
    if (r.behaviour == Behaviour::CutBody || r.behaviour == Behaviour::StallAfterHeaders) {
        socket->write(r.body.left(r.body.size() / 2));
        if (r.behaviour == Behaviour::CutBody) {
            socket->flush();
            socket->disconnectFromHost();
        }
        return;
    }
    socket->write(r.body);
    if (!keep)
        socket->disconnectFromHost();
}

void TestHttpServer::drip(QTcpSocket *socket, const QByteArray &bytes, int piece)
{
    auto *timer = new QTimer(socket);
    connect(timer, &QTimer::timeout, socket,
            [socket, timer, bytes, piece, sent = qsizetype(0)]() mutable {
                if (sent < bytes.size()) {
                    socket->write(bytes.mid(sent, piece));
                    sent += piece;
                } else {
                    timer->stop();
                }
            });
    timer->start(10);
}

// Closes with a TCP reset rather than an orderly end: what is sent so far, then an error.
void TestHttpServer::reset(QTcpSocket *socket)
{
    socket->flush();
    const linger abrupt{1, 0};
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abrupt, sizeof abrupt);
    socket->abort();
}

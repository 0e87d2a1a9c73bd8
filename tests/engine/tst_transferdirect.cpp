// The direct plain-http path of the transfer, beyond what every fetch must do: the request
// it writes, redirects it follows itself or hands to TLS, and the connection it keeps.
#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "Transfer.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

using Response = TestHttpServer::Response;
using Behaviour = TestHttpServer::Behaviour;

Response with(Response r, Behaviour behaviour)
{
    r.behaviour = behaviour;
    return r;
}

QByteArray headerOf(const TestHttpServer::Request &request, const QByteArray &name)
{
    for (const auto &h : request.headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return {};
}

// A sink that takes a few bytes and then reports a full disk.
class FullDisk : public QIODevice
{
public:
    explicit FullDisk(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 len) override
    {
        if (len > m_room) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_room -= len;
        return len;
    }

private:
    qint64 m_room;
};

} // namespace

class TestTransferDirect : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void requestHead();
    void redirectFollowed_data();
    void redirectFollowed();
    void redirectLimit_data();
    void redirectLimit();
    void redirectToHttpsKeepsTls();
    void keptConnectionIsReused();
    void keptConnectionDroppedByServer_data();
    void keptConnectionDroppedByServer();
    void failedFetchLeavesNothingForTheNext_data();
    void failedFetchLeavesNothingForTheNext();

private:
    // Runs one fetch to its end; finished() must come once and never from inside openUrl().
    void fetch(const QString &url, QIODevice *sink);

    TestHttpServer *m_server = nullptr;
    Transfer *m_transfer = nullptr;
    bool m_ok = false;
    QString m_reason;
};

void TestTransferDirect::init()
{
    m_server = new TestHttpServer(this);
    QVERIFY(m_server->listen());
    m_transfer = new Transfer(this);
    m_transfer->setIdleTimeout(300);
}

void TestTransferDirect::cleanup()
{
    delete m_transfer;
    delete m_server;
}

void TestTransferDirect::fetch(const QString &url, QIODevice *sink)
{
    QSignalSpy spy(m_transfer, &Transfer::finished);
    m_transfer->openUrl(url, sink);
    QCOMPARE(spy.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 10000);
    QVERIFY(!m_transfer->isBusy());
    m_ok = spy.at(0).at(0).toBool();
    m_reason = spy.at(0).at(1).toString();
}

void TestTransferDirect::requestHead()
{
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    fetch(m_server->baseUrl() + QStringLiteral("/a%20b.jpg?x=1"), &sink);
    QVERIFY2(m_ok, qPrintable(m_reason));
    const TestHttpServer::Request request = m_server->requests().value(0);
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.target, QByteArray("/a%20b.jpg?x=1"));
    QCOMPARE(headerOf(request, "Host"), "127.0.0.1:" + QByteArray::number(m_server->port()));
    QVERIFY(!headerOf(request, "User-Agent").isEmpty());
}

void TestTransferDirect::redirectFollowed_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("location"); // %1 is the test server's base address

    QTest::newRow("301 absolute") << 301 << QByteArray("%1/pics/final.jpg");
    QTest::newRow("302 from the root") << 302 << QByteArray("/pics/final.jpg");
    QTest::newRow("303 beside the start") << 303 << QByteArray("final.jpg");
    QTest::newRow("307 up and down") << 307 << QByteArray("../pics/./final.jpg");
    QTest::newRow("308 with a fragment") << 308 << QByteArray("final.jpg#top");
}

void TestTransferDirect::redirectFollowed()
{
    QFETCH(int, status);
    QFETCH(QByteArray, location);
    Response moved = TestHttpServer::redirect(
        QByteArray(location).replace("%1", m_server->baseUrl().toLatin1()), status);
    moved.body = "<html>moved</html>"; // never part of what is saved
    m_server->setResponse(QStringLiteral("/pics/start.jpg"), moved);
    m_server->setResponse(QStringLiteral("/pics/final.jpg"), TestHttpServer::image("picture"));

    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    fetch(m_server->baseUrl() + QStringLiteral("/pics/start.jpg"), &sink);
    QVERIFY2(m_ok, qPrintable(m_reason));
    QCOMPARE(sink.data(), QByteArray("picture"));
    QCOMPARE(m_transfer->statusCode(), 200);
    QCOMPARE(m_transfer->getHeader(QStringLiteral("location")), QString());
    QCOMPARE(m_server->requestedPaths(),
             QStringList({QStringLiteral("/pics/start.jpg"), QStringLiteral("/pics/final.jpg")}));
}

void TestTransferDirect::redirectLimit_data()
{
    QTest::addColumn<int>("hops");
    QTest::addColumn<QString>("reason");
    QTest::newRow("ten redirects are followed") << 10 << QString();
    QTest::newRow("the eleventh is not") << 11 << QStringLiteral("too many redirects");
}

void TestTransferDirect::redirectLimit()
{
    QFETCH(int, hops);
    QFETCH(QString, reason);
    for (int i = 0; i < hops; ++i)
        m_server->setResponse(QStringLiteral("/r%1").arg(i),
                              TestHttpServer::redirect("/r" + QByteArray::number(i + 1)));
    m_server->setResponse(QStringLiteral("/r%1").arg(hops), TestHttpServer::image("end"));
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    fetch(m_server->baseUrl() + QStringLiteral("/r0"), &sink);
    QCOMPARE(m_reason, reason);
    QCOMPARE(m_ok, reason.isEmpty());
}

void TestTransferDirect::redirectToHttpsKeepsTls()
{
    if (!QSslSocket::supportsSsl())
        QSKIP("no TLS backend");
    // A server that answers in plain text where TLS is expected: trusting it would save
    // the bytes of a connection that was never secured.
    QTcpServer plain;
    QVERIFY(plain.listen(QHostAddress::LocalHost, 0));
    connect(&plain, &QTcpServer::newConnection, this, [&plain] {
        QTcpSocket *socket = plain.nextPendingConnection();
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/gif\r\nContent-Length: 4\r\n"
                      "Connection: close\r\n\r\nGIF8");
    });
    m_server->setResponse(
        QStringLiteral("/start.jpg"),
        TestHttpServer::redirect("https://127.0.0.1:" + QByteArray::number(plain.serverPort()) +
                                 "/pic.jpg"));
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    fetch(m_server->baseUrl() + QStringLiteral("/start.jpg"), &sink);
    QVERIFY(!m_ok);
    QVERIFY2(m_reason.startsWith(QLatin1String("TLS error")), qPrintable(m_reason));
    QVERIFY(sink.data().isEmpty());
}

void TestTransferDirect::keptConnectionIsReused()
{
    m_server->setKeepAlive(true);
    for (const char *name : {"/a.jpg", "/b.jpg", "/c.jpg"})
        m_server->setResponse(QLatin1String(name), TestHttpServer::image(name));
    for (const char *name : {"/a.jpg", "/b.jpg", "/c.jpg", "/a.jpg"}) {
        QBuffer sink;
        sink.open(QIODevice::WriteOnly);
        fetch(m_server->baseUrl() + QLatin1String(name), &sink);
        QVERIFY2(m_ok, qPrintable(m_reason));
        QCOMPARE(sink.data(), QByteArray(name));
    }
    QCOMPARE(m_server->connectionCount(), 1);
}

void TestTransferDirect::keptConnectionDroppedByServer_data()
{
    QTest::addColumn<Behaviour>("behaviour");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("tries");
    // A kept connection the server has dropped is tried once more on a fresh one, and only
    // when nothing of the answer had come: a request that got part of an answer is not
    // sent twice.
    QTest::newRow("dropped once: the fresh connection serves it")
        << Behaviour::ResetOnce << QString() << 2;
    QTest::newRow("dropped again: one retry only")
        << Behaviour::Reset << QStringLiteral("connection reset") << 2;
    QTest::newRow("dropped mid-body: no retry")
        << Behaviour::CutBody << QStringLiteral("connection closed before the whole body arrived")
        << 1;
}

void TestTransferDirect::keptConnectionDroppedByServer()
{
    QFETCH(Behaviour, behaviour);
    QFETCH(QString, reason);
    QFETCH(int, tries);
    m_server->setKeepAlive(true);
    m_server->setResponse(QStringLiteral("/first.jpg"), TestHttpServer::image("first"));
    m_server->setResponse(QStringLiteral("/second.jpg"),
                          with(TestHttpServer::image("second"), behaviour));
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    fetch(m_server->baseUrl() + QStringLiteral("/first.jpg"), &sink);
    QVERIFY2(m_ok, qPrintable(m_reason));
    QBuffer second;
    second.open(QIODevice::WriteOnly);
    fetch(m_server->baseUrl() + QStringLiteral("/second.jpg"), &second);
    QCOMPARE(m_reason, reason);
    QCOMPARE(m_ok, reason.isEmpty());
    if (m_ok)
        QCOMPARE(second.data(), QByteArray("second"));
    QCOMPARE(m_server->requestedPaths().count(QStringLiteral("/second.jpg")), tries);
}

void TestTransferDirect::failedFetchLeavesNothingForTheNext_data()
{
    QTest::addColumn<Response>("response");
    QTest::addColumn<bool>("fullDisk");
    const Response big = TestHttpServer::image(QByteArray(200000, 'x'));
    QTest::newRow("sink refused the bytes") << big << true;
    QTest::newRow("stalled mid-body") << with(big, Behaviour::StallAfterHeaders) << false;
    QTest::newRow("bytes after the body")
        << TestHttpServer::raw(
               "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nabHTTP/1.1 200 OK\r\n\r\n")
        << false;
}

void TestTransferDirect::failedFetchLeavesNothingForTheNext()
{
    // The rest of an abandoned response must never be read as the answer to the next
    // request on the same connection.
    QFETCH(Response, response);
    QFETCH(bool, fullDisk);
    m_server->setKeepAlive(true);
    m_server->setResponse(QStringLiteral("/first.jpg"), response);
    m_server->setResponse(QStringLiteral("/next.jpg"), TestHttpServer::image("next"));
    FullDisk disk(1000);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    fetch(m_server->baseUrl() + QStringLiteral("/first.jpg"),
          fullDisk ? static_cast<QIODevice *>(&disk) : &buffer);
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    fetch(m_server->baseUrl() + QStringLiteral("/next.jpg"), &sink);
    QVERIFY2(m_ok, qPrintable(m_reason));
    QCOMPARE(sink.data(), QByteArray("next"));
    QCOMPARE(m_server->connectionCount(), 2);
}

QUILLOP_TEST_MAIN(TestTransferDirect)
#include "tst_transferdirect.moc"

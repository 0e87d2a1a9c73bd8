#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "TinyProxy.h"
#include "Transfer.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTcpServer>

namespace {

using Response = TestHttpServer::Response;
using Behaviour = TestHttpServer::Behaviour;

// Bytes no text transformation leaves alone: NULs, CR LF, high bytes.
QByteArray binaryBody(int size)
{
    QByteArray body(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        body[i] = char((i * 7 + i / 251) & 0xff);
    return body;
}

Response with(Response r, Behaviour behaviour, const QByteArray &declaredLength = {})
{
    r.behaviour = behaviour;
    r.declaredLength = declaredLength;
    return r;
}

// body in chunks of 1000 bytes, with an extension on some and a trailer at the end.
QByteArray chunked(const QByteArray &body, const QByteArray &contentType)
{
    QByteArray out = "HTTP/1.1 200 OK\r\nContent-Type: " + contentType +
                     "\r\nTransfer-Encoding: chunked\r\n\r\n";
    for (qsizetype at = 0; at < body.size(); at += 1000) {
        const QByteArray piece = body.mid(at, 1000);
        out += QByteArray::number(piece.size(), 16) + (at % 2000 ? ";part=odd" : "") + "\r\n" +
               piece + "\r\n";
    }
    return out + "0\r\nX-Checksum: none\r\n\r\n";
}

// A port on which nothing listens (for a moment at least).
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
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

class TestTransfer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void completeResponse_data();
    void completeResponse();
    void failedFetch_data();
    void failedFetch();
    void sinkRefusesBytes();
    void cancelInFlight();
    void newFetchCancelsTheOneInProgress();
    void badProxySettingNeverGoesDirect_data();
    void badProxySettingNeverGoesDirect();
    void directIgnoresEnvironmentProxy();
    void fetchThroughTinyproxy();

private:
    // Runs one fetch to its end; finished() must come once and never from inside openUrl().
    void fetch(const QString &url, QIODevice *sink);

    TestHttpServer *m_server = nullptr;
    Transfer *m_transfer = nullptr;
    bool m_ok = false;
    QString m_reason;
};

void TestTransfer::init()
{
    m_server = new TestHttpServer(this);
    QVERIFY(m_server->listen());
    m_transfer = new Transfer(this);
    m_transfer->setIdleTimeout(300);
}

void TestTransfer::cleanup()
{
    delete m_transfer;
    delete m_server;
}

void TestTransfer::fetch(const QString &url, QIODevice *sink)
{
    QSignalSpy spy(m_transfer, &Transfer::finished);
    m_transfer->openUrl(url, sink);
    QCOMPARE(spy.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 10000);
    QVERIFY(!m_transfer->isBusy());
    m_ok = spy.at(0).at(0).toBool();
    m_reason = spy.at(0).at(1).toString();
}

void TestTransfer::completeResponse_data()
{
    QTest::addColumn<Response>("response");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("contentType");

    const QByteArray picture = binaryBody(5000);
    const QByteArray html = "<html><body>No such picture</body></html>";
    QTest::newRow("200 with an image type")
        << TestHttpServer::image(picture, "image/gif") << 200 << picture << "image/gif";
    QTest::newRow("404 page comes back whole")
        << TestHttpServer::page(404, html) << 404 << html << "text/html";
    QTest::newRow("no Content-Type header")
        << TestHttpServer::page(200, picture, {}) << 200 << picture << QString();
    QTest::newRow("no length, body ends at close")
        << with(TestHttpServer::image(picture), Behaviour::NoLength) << 200 << picture
        << "image/jpeg";
    QTest::newRow("empty body") << TestHttpServer::image({}) << 200 << QByteArray() << "image/jpeg";
    const QByteArray large = binaryBody(3 * 1024 * 1024 + 17);
    QTest::newRow("body far larger than the read buffer")
        << TestHttpServer::image(large, "image/png") << 200 << large << "image/png";
    QTest::newRow("chunked body") << TestHttpServer::raw(chunked(picture, "image/png")) << 200
                                  << picture << "image/png";
    QTest::newRow("interim response first")
        << TestHttpServer::raw("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\n"
                               "Content-Type: image/gif\r\nContent-Length: 4\r\n\r\nGIF8")
        << 200 << QByteArray("GIF8") << "image/gif";
}

void TestTransfer::completeResponse()
{
    QFETCH(Response, response);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, contentType);
    m_server->setResponse(QStringLiteral("/pic01.jpg"), response);

    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    fetch(m_server->baseUrl() + QStringLiteral("/pic01.jpg"), &sink);
    QVERIFY2(m_ok, qPrintable(m_reason));
    QCOMPARE(m_transfer->statusCode(), status);
    QCOMPARE(sink.data().size(), body.size());
    QVERIFY(sink.data() == body);
    QCOMPARE(m_transfer->bytesReceived(), qint64(body.size()));
    for (const char *name : {"Content-type", "content-type", "CONTENT-TYPE", "Content-Type"})
        QCOMPARE(m_transfer->getHeader(QLatin1String(name)), contentType);
    QCOMPARE(m_transfer->hasHeader(QStringLiteral("content-type")), !contentType.isEmpty());
    // The bytes saved are the bytes served: nothing may invite a compressed answer.
    const TestHttpServer::Request request = m_server->requests().value(0);
    bool identity = false;
    for (const auto &h : request.headers)
        identity |=
            h.first.compare("Accept-Encoding", Qt::CaseInsensitive) == 0 && h.second == "identity";
    QVERIFY(identity);
}

void TestTransfer::failedFetch_data()
{
    QTest::addColumn<QString>("url"); // %1 is the test server's base address
    QTest::addColumn<Response>("response");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("reachesServer");

    const Response picture = TestHttpServer::image(binaryBody(4000));
    const QString pic = QStringLiteral("%1/pic01.jpg");
    QTest::newRow("server never answers")
        << pic << with(picture, Behaviour::Stall) << "timed out" << true;
    QTest::newRow("server stalls mid-body")
        << pic << with(picture, Behaviour::StallAfterHeaders) << "timed out" << true;
    QTest::newRow("body cut short") << pic << with(picture, Behaviour::CutBody)
                                    << "connection closed before the whole body arrived" << true;
    QTest::newRow("Content-Length larger than the body")
        << pic << with(picture, Behaviour::Normal, "9999")
        << "connection closed before the whole body arrived" << true;
    QTest::newRow("Content-Length that is no number")
        << pic << with(picture, Behaviour::Normal, "crap")
        << "malformed Content-Length from the server" << true;
    QTest::newRow("connection closed without a word")
        << pic << with(picture, Behaviour::Reset) << "connection reset" << true;
    QTest::newRow("redirect loop") << QStringLiteral("%1/loop") << TestHttpServer::redirect("/loop")
                                   << "too many redirects" << true;
    QTest::newRow("redirect to a non-http address")
        << pic << TestHttpServer::redirect("file:///etc/passwd") << "not an http address" << true;
    QTest::newRow("chunk size that is no number")
        << pic << TestHttpServer::raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n")
        << "malformed response from the server" << true;
    Response bigHeader = picture;
    bigHeader.headers.append({"X-Filler", QByteArray(20000, 'f')});
    QTest::newRow("header line past any sane size")
        << pic << bigHeader << "malformed response from the server" << true;
    QTest::newRow("nothing listening")
        << QStringLiteral("http://127.0.0.1:%1/pic01.jpg").arg(closedPort()) << picture
        << "connection refused" << false;
    QTest::newRow("file address") << QStringLiteral("file:///etc/passwd") << picture
                                  << "not an http address" << false;
    QTest::newRow("empty address") << QString() << picture << "malformed address" << false;
    QTest::newRow("no host") << QStringLiteral("http:///pic01.jpg") << picture
                             << "malformed address" << false;
}

void TestTransfer::failedFetch()
{
    QFETCH(QString, url);
    QFETCH(Response, response);
    QFETCH(QString, reason);
    QFETCH(bool, reachesServer);
    m_server->setDefaultResponse(response);

    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    fetch(url.contains(QLatin1String("%1")) ? url.arg(m_server->baseUrl()) : url, &sink);
    QVERIFY(!m_ok);
    QCOMPARE(m_reason, reason);
    QVERIFY(!m_transfer->sinkFailed());
    QCOMPARE(m_server->requestCount() > 0, reachesServer);
}

void TestTransfer::sinkRefusesBytes()
{
    m_server->setResponse(QStringLiteral("/big.jpg"), TestHttpServer::image(binaryBody(200000)));
    FullDisk sink(1000);
    fetch(m_server->baseUrl() + QStringLiteral("/big.jpg"), &sink);
    QVERIFY(!m_ok);
    QCOMPARE(m_reason, QStringLiteral("could not write: No space left on device"));
    QVERIFY(m_transfer->sinkFailed());
    QVERIFY(m_transfer->bytesReceived() <= 1000);
}

void TestTransfer::cancelInFlight()
{
    m_transfer->setIdleTimeout(60000);
    m_server->setDefaultResponse(with(TestHttpServer::image("x"), Behaviour::Stall));
    QSignalSpy arrived(m_server, &TestHttpServer::requestReceived);
    QSignalSpy spy(m_transfer, &Transfer::finished);
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    m_transfer->openUrl(m_server->baseUrl() + QStringLiteral("/slow.jpg"), &sink);
    QVERIFY(arrived.wait(10000));
    QVERIFY(m_transfer->isBusy());

    m_transfer->cancel();
    QCOMPARE(spy.count(), 0);
    QVERIFY(!m_transfer->isBusy());
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 10000);
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("cancelled"));
    m_transfer->cancel(); // nothing left to cancel: must stay silent

    // Whatever the cancelled reply still had to say would arrive before this fetch ends.
    m_server->setResponse(QStringLiteral("/next.jpg"), TestHttpServer::image("next"));
    m_transfer->openUrl(m_server->baseUrl() + QStringLiteral("/next.jpg"), &sink);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 10000);
    QVERIFY(spy.at(1).at(0).toBool());
}

void TestTransfer::newFetchCancelsTheOneInProgress()
{
    m_transfer->setIdleTimeout(60000);
    m_server->setResponse(QStringLiteral("/slow.jpg"),
                          with(TestHttpServer::image("x"), Behaviour::Stall));
    m_server->setResponse(QStringLiteral("/pic.jpg"), TestHttpServer::image("picture"));
    QSignalSpy spy(m_transfer, &Transfer::finished);
    QBuffer first, second;
    first.open(QIODevice::WriteOnly);
    second.open(QIODevice::WriteOnly);
    m_transfer->openUrl(m_server->baseUrl() + QStringLiteral("/slow.jpg"), &first);
    m_transfer->openUrl(m_server->baseUrl() + QStringLiteral("/pic.jpg"), &second);
    QCOMPARE(spy.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 10000);
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("cancelled"));
    QVERIFY(spy.at(1).at(0).toBool());
    QCOMPARE(second.data(), QByteArray("picture"));
    QVERIFY(first.data().isEmpty());
}

void TestTransfer::badProxySettingNeverGoesDirect_data()
{
    QTest::addColumn<QString>("proxy");
    QTest::addColumn<QString>("reason");
    const QString malformed = QStringLiteral("malformed proxy address");
    QTest::newRow("empty") << QString() << malformed;
    QTest::newRow("no port") << QStringLiteral("127.0.0.1") << malformed;
    QTest::newRow("no host") << QStringLiteral(":3128") << malformed;
    QTest::newRow("port 0") << QStringLiteral("127.0.0.1:0") << malformed;
    QTest::newRow("port past 65535") << QStringLiteral("127.0.0.1:65536") << malformed;
    QTest::newRow("negative port") << QStringLiteral("127.0.0.1:-1") << malformed;
    QTest::newRow("proxy down") << QStringLiteral("127.0.0.1:%1").arg(closedPort())
                                << QStringLiteral("proxy refused the connection");
}

void TestTransfer::badProxySettingNeverGoesDirect()
{
    QFETCH(QString, proxy);
    QFETCH(QString, reason);
    m_transfer->setAccessType(Transfer::NamedProxy);
    m_transfer->setProxy(proxy);
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    fetch(m_server->baseUrl() + QStringLiteral("/pic01.jpg"), &sink);
    QVERIFY(!m_ok);
    QVERIFY2(m_reason.startsWith(reason), qPrintable(m_reason));
    QCOMPARE(m_server->requestCount(), 0);
}

void TestTransfer::directIgnoresEnvironmentProxy()
{
    const QByteArray dead = "http://127.0.0.1:" + QByteArray::number(closedPort());
    qputenv("http_proxy", dead);
    qputenv("HTTP_PROXY", dead);
    delete m_transfer;
    m_transfer = new Transfer(this);
    qunsetenv("http_proxy");
    qunsetenv("HTTP_PROXY");
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    fetch(m_server->baseUrl() + QStringLiteral("/any"), &sink);
    QVERIFY2(m_ok, qPrintable(m_reason));
    QCOMPARE(m_transfer->statusCode(), 404);
}

void TestTransfer::fetchThroughTinyproxy()
{
    if (!TinyProxy::isAvailable())
        QSKIP("tinyproxy is not installed");
    TinyProxy proxy;
    QVERIFY2(proxy.start(), proxy.log().constData());
    const QByteArray picture = binaryBody(20000);
    m_server->setResponse(QStringLiteral("/pic01.jpg"), TestHttpServer::image(picture));
    m_transfer->setAccessType(Transfer::NamedProxy);
    m_transfer->setProxy(proxy.hostAndPort());

    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    fetch(m_server->baseUrl() + QStringLiteral("/pic01.jpg"), &sink);
    QVERIFY2(m_ok, qPrintable(m_reason));
    QVERIFY(sink.data() == picture);
    QCOMPARE(m_server->requestCount(), 1);
    bool viaProxy = m_server->requests().at(0).target.startsWith("http://");
    for (const auto &h : m_server->requests().at(0).headers)
        viaProxy |= h.first.compare("Via", Qt::CaseInsensitive) == 0;
    QVERIFY(viaProxy);

    // With the proxy gone the fetch fails; it must not quietly go direct.
    proxy.stop();
    fetch(m_server->baseUrl() + QStringLiteral("/pic01.jpg"), &sink);
    QVERIFY(!m_ok);
    QCOMPARE(m_reason, QStringLiteral("proxy refused the connection"));
    QCOMPARE(m_server->requestCount(), 1);
}

QUILLOP_TEST_MAIN(TestTransfer)
#include "tst_transfer.moc"

// Every fetch of the transfer against a misbehaving local server: plain http goes over its own
// kept connection, a proxied fetch through Qt's stack and a real tinyproxy.
#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "TinyProxy.h"
#include "Transfer.h"

#include <QBuffer>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>

namespace {

using Response = TestHttpServer::Response;
using Behaviour = TestHttpServer::Behaviour;

const QString Cut = QStringLiteral("connection closed before the whole body arrived");
const QString FullDiskReason = QStringLiteral("could not write: No space left on device");

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

// A redirect with a page of its own, which is never part of what is saved.
Response moved(const QByteArray &location, int status = 302)
{
    Response r = TestHttpServer::redirect(location, status);
    r.body = "<html>moved</html>";
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

// A port on which nothing listens (for a moment at least).
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

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
    void keptConnection_data();
    void keptConnection();
    void cancelInFlight();
    void proxy_data();
    void proxy();

private:
    QString url(const char *path) const { return m_server->baseUrl() + QLatin1String(path); }
    // Serves response for path (every path when empty); "%1" in its headers stands for the
    // server's host:port.
    void serve(const QString &path, Response response);
    QByteArray hostPort() const { return "127.0.0.1:" + QByteArray::number(m_server->port()); }
    // Runs one fetch to its end (into a fresh buffer, m_body, without a sink of its own);
    // finished() must come once and never from inside openUrl().
    void fetch(const QString &url, QIODevice *sink = nullptr);

    TestHttpServer *m_server = nullptr;
    Transfer *m_transfer = nullptr;
    bool m_ok = false;
    QString m_reason;
    QByteArray m_body;
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
    m_ok = false;
    m_reason = QStringLiteral("no answer");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSignalSpy spy(m_transfer, &Transfer::finished);
    m_transfer->openUrl(url, sink ? sink : &buffer);
    QCOMPARE(spy.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 10000);
    QVERIFY(!m_transfer->isBusy());
    m_ok = spy.at(0).at(0).toBool();
    m_reason = spy.at(0).at(1).toString();
    m_body = buffer.data();
}

void TestTransfer::serve(const QString &path, Response response)
{
    for (auto &h : response.headers)
        h.second.replace("%1", hostPort());
    if (path.isEmpty())
        m_server->setDefaultResponse(response);
    else
        m_server->setResponse(path, response);
}

void TestTransfer::completeResponse_data()
{
    QTest::addColumn<Response>("response");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("contentType");

    const QByteArray picture = binaryBody(5000);
    const QByteArray large = binaryBody(3 * 1024 * 1024 + 17);
    const QByteArray html = "<html><body>No such picture</body></html>";
    const QByteArray ok = "HTTP/1.1 200 OK\r\nContent-Type: image/gif\r\n";
    // clang-format off
    QTest::newRow("200 with an image type") << TestHttpServer::image(picture, "image/gif") << 200 << picture << "image/gif";
    QTest::newRow("404 page comes back whole") << TestHttpServer::page(404, html) << 404 << html << "text/html";
    QTest::newRow("no Content-Type header") << TestHttpServer::page(200, picture, {}) << 200 << picture << QString();
    QTest::newRow("no length, body ends at close") << with(TestHttpServer::image(picture), Behaviour::NoLength) << 200 << picture << "image/jpeg";
    QTest::newRow("empty body") << TestHttpServer::image({}) << 200 << QByteArray() << "image/jpeg";
    QTest::newRow("body far larger than the read buffer") << TestHttpServer::image(large, "image/png") << 200 << large << "image/png";
    QTest::newRow("chunked, with extensions and trailers") << TestHttpServer::raw(ok + "Transfer-Encoding: chunked\r\n\r\n4;part=1\r\nGIF8\r\n3 ; x\r\n9a\n\r\n0\r\nX-Sum: none\r\n\r\n") << 200 << QByteArray("GIF89a\n") << "image/gif";
    QTest::newRow("301 absolute") << moved("http://%1/final.jpg", 301) << 200 << QByteArray("picture") << "image/gif";
    QTest::newRow("302 from the root") << moved("/final.jpg") << 200 << QByteArray("picture") << "image/gif";
    QTest::newRow("303 beside the start") << moved("final.jpg", 303) << 200 << QByteArray("picture") << "image/gif";
    QTest::newRow("307 down and up") << moved("pics/./../final.jpg", 307) << 200 << QByteArray("picture") << "image/gif";
    QTest::newRow("308 with a fragment") << moved("final.jpg#top", 308) << 200 << QByteArray("picture") << "image/gif";
    QTest::newRow("interim response skipped") << TestHttpServer::raw("HTTP/1.1 100 Continue\r\nContent-Type: text/html\r\n\r\n" + ok + "Content-Length: 4\r\n\r\nGIF8") << 200 << QByteArray("GIF8") << "image/gif";
    // clang-format on
}

void TestTransfer::completeResponse()
{
    QFETCH(Response, response);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, contentType);
    serve(QStringLiteral("/a%20b.jpg?x=1"), response);
    m_server->setResponse(QStringLiteral("/final.jpg"),
                          TestHttpServer::image("picture", "image/gif"));

    fetch(url("/a%20b.jpg?x=1"));
    QVERIFY2(m_ok, qPrintable(m_reason));
    QCOMPARE(m_transfer->statusCode(), status);
    QVERIFY(m_body == body);
    QCOMPARE(m_transfer->bytesReceived(), qint64(body.size()));
    for (const char *name : {"Content-type", "CONTENT-TYPE", "content-type"})
        QCOMPARE(m_transfer->getHeader(QLatin1String(name)), contentType);
    QCOMPARE(m_transfer->hasHeader(QStringLiteral("content-type")), !contentType.isEmpty());

    const TestHttpServer::Request request = m_server->requests().value(0);
    QCOMPARE(request.target, QByteArray("/a%20b.jpg?x=1"));
    QCOMPARE(headerOf(request, "Host"), hostPort());
    QVERIFY(!headerOf(request, "User-Agent").isEmpty());
    // The bytes saved are the bytes served: nothing may invite a compressed answer.
    QCOMPARE(headerOf(request, "Accept-Encoding"), QByteArray("identity"));
}

void TestTransfer::failedFetch_data()
{
    QTest::addColumn<QString>("url"); // %1 is the test server's host:port
    QTest::addColumn<Response>("response");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("requests"); // that reached the server

    const Response picture = TestHttpServer::image(binaryBody(4000));
    const QString pic = QStringLiteral("http://%1/pic01.jpg");
    const QString malformed = QStringLiteral("malformed response from the server");
    Response bigHeader = picture;
    bigHeader.headers.append({"X-Filler", QByteArray(20000, 'f')});
    // A name longer than any DNS name: the resolver refuses it without asking a server.
    const QString noHost =
        QStringLiteral("http://%1/pic01.jpg").arg(QStringList(5, QString(63, u'a')).join(u'.'));
    // clang-format off
    QTest::newRow("server never answers") << pic << with(picture, Behaviour::Stall) << "timed out" << 1;
    QTest::newRow("body cut short") << pic << with(picture, Behaviour::CutBody) << Cut << 1;
    QTest::newRow("Content-Length that is no number") << pic << with(picture, Behaviour::Normal, "crap") << "malformed Content-Length from the server" << 1;
    QTest::newRow("connection closed without a word") << pic << with(picture, Behaviour::Reset) << "connection reset" << 1;
    QTest::newRow("redirect loop: ten followed, then no more") << QStringLiteral("http://%1/loop") << TestHttpServer::redirect("/loop") << "too many redirects" << 11;
    QTest::newRow("redirect to a file address") << pic << TestHttpServer::redirect("file:///etc/passwd") << "not an http address" << 1;
    // Our plain server waits for a request that a TLS client never sends.
    QTest::newRow("redirect to https is never fetched in plain") << pic << TestHttpServer::redirect("https://%1/pic.jpg") << "timed out" << 1;
    QTest::newRow("chunk size that is no number") << pic << TestHttpServer::raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n") << malformed << 1;
    QTest::newRow("header line past any sane size") << pic << bigHeader << malformed << 1;
    QTest::newRow("nothing listening") << QStringLiteral("http://127.0.0.1:%1/pic01.jpg").arg(closedPort()) << picture << "connection refused" << 0;
    QTest::newRow("host that cannot exist") << noHost << picture << "host not found" << 0;
    QTest::newRow("file address") << QStringLiteral("file:///etc/passwd") << picture << "not an http address" << 0;
    QTest::newRow("empty address") << QString() << picture << "malformed address" << 0;
    QTest::newRow("no host") << QStringLiteral("http:///pic01.jpg") << picture << "malformed address" << 0;
    // clang-format on
}

void TestTransfer::failedFetch()
{
    QFETCH(QString, url);
    QFETCH(Response, response);
    QFETCH(QString, reason);
    QFETCH(int, requests);
    serve(QString(), response);

    fetch(url.contains(QLatin1String("%1")) ? url.arg(QLatin1String(hostPort())) : url);
    QVERIFY(!m_ok);
    QCOMPARE(m_reason, reason);
    QVERIFY(!m_transfer->sinkFailed());
    QCOMPARE(m_server->requestCount(), requests);
}

void TestTransfer::keptConnection_data()
{
    QTest::addColumn<Response>("first");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("firstReason");
    QTest::addColumn<Response>("second");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("tries"); // requests for the second picture
    QTest::addColumn<int>("connections");

    const Response first = TestHttpServer::image("first");
    const Response second = TestHttpServer::image("second");
    const Response big = TestHttpServer::image(QByteArray(200000, 'x'));
    const auto http10 = [](const QByteArray &fields) {
        return TestHttpServer::raw("HTTP/1.0 200 OK\r\n" + fields +
                                   "Content-Length: 5\r\n\r\nfirst");
    };
    const Response extra = TestHttpServer::raw("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n"
                                               "firstHTTP/1.1 200 OK\r\n\r\n");
    // A kept connection the server has dropped is tried once more on a fresh one, only when
    // nothing of the answer had come. The rest of an abandoned response is never read as the
    // answer to the next request.
    // clang-format off
    QTest::newRow("reused for the next fetch") << first << false << QString() << second << QString() << 1 << 1;
    QTest::newRow("HTTP/1.0 keep-alive is kept") << http10("Connection: Keep-Alive\r\n") << false << QString() << second << QString() << 1 << 1;
    QTest::newRow("HTTP/1.0 is not kept by default") << http10({}) << false << QString() << second << QString() << 1 << 2;
    QTest::newRow("Connection: close is not kept") << TestHttpServer::raw("HTTP/1.1 200 OK\r\nConnection: keep-alive, Close\r\nContent-Length: 5\r\n\r\nfirst") << false << QString() << second << QString() << 1 << 2;
    QTest::newRow("dropped once: a fresh connection serves it") << first << false << QString() << with(second, Behaviour::ResetOnce) << QString() << 2 << 2;
    QTest::newRow("dropped again: one retry only") << first << false << QString() << with(second, Behaviour::Reset) << "connection reset" << 2 << 2;
    QTest::newRow("dropped mid-body: no retry") << first << false << QString() << with(second, Behaviour::CutBody) << Cut << 1 << 1;
    QTest::newRow("after the sink refused bytes") << big << true << FullDiskReason << second << QString() << 1 << 2;
    QTest::newRow("full disk seen only at the flush") << first << true << FullDiskReason << second << QString() << 1 << 1;
    QTest::newRow("after a stall mid-body") << with(big, Behaviour::StallAfterHeaders) << false << "timed out" << second << QString() << 1 << 2;
    QTest::newRow("after bytes nobody asked for") << extra << false << QString() << second << QString() << 1 << 2;
    // clang-format on
}

void TestTransfer::keptConnection()
{
    QFETCH(Response, first);
    QFETCH(bool, fullDisk);
    QFETCH(QString, firstReason);
    QFETCH(Response, second);
    QFETCH(QString, reason);
    QFETCH(int, tries);
    QFETCH(int, connections);
    m_server->setKeepAlive(true);
    m_server->setResponse(QStringLiteral("/first.jpg"), first);
    m_server->setResponse(QStringLiteral("/second.jpg"), second);

    QFile disk(QStringLiteral("/dev/full")); // every write fails: no space left on device
    QVERIFY(disk.open(QIODevice::WriteOnly));
    fetch(url("/first.jpg"), fullDisk ? &disk : nullptr);
    QCOMPARE(m_reason, firstReason);
    QCOMPARE(m_transfer->sinkFailed(), fullDisk);
    if (m_ok)
        QCOMPARE(m_body, QByteArray("first"));

    fetch(url("/second.jpg"));
    QCOMPARE(m_reason, reason);
    QCOMPARE(m_ok, reason.isEmpty());
    if (m_ok)
        QCOMPARE(m_body, QByteArray("second"));
    QCOMPARE(m_server->requestedPaths().count(QStringLiteral("/second.jpg")), tries);
    QCOMPARE(m_server->connectionCount(), connections);
}

void TestTransfer::cancelInFlight()
{
    m_transfer->setIdleTimeout(60000);
    m_server->setDefaultResponse(with(TestHttpServer::image("x"), Behaviour::Stall));
    m_server->setResponse(QStringLiteral("/next.jpg"), TestHttpServer::image("next"));
    QSignalSpy arrived(m_server, &TestHttpServer::requestReceived);
    QSignalSpy spy(m_transfer, &Transfer::finished);
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    m_transfer->openUrl(url("/slow.jpg"), &sink);
    QVERIFY(arrived.wait(10000));
    m_transfer->cancel();
    QVERIFY(!m_transfer->isBusy());
    QCOMPARE(spy.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 10000);
    m_transfer->cancel(); // nothing left to cancel: must stay silent

    // A new fetch cancels the one in progress; whatever that one still had to say would
    // arrive before the new one ends.
    m_transfer->openUrl(url("/slow.jpg"), &sink);
    QVERIFY(arrived.wait(10000));
    m_transfer->openUrl(url("/next.jpg"), &sink);
    QCOMPARE(spy.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 3, 10000);
    const QVariantList cancelled{false, QStringLiteral("cancelled")};
    QCOMPARE(spy.at(0), cancelled);
    QCOMPARE(spy.at(1), cancelled);
    QCOMPARE(spy.at(2), QVariantList({true, QString()}));
    QCOMPARE(sink.data(), QByteArray("next"));
}

void TestTransfer::proxy_data()
{
    QTest::addColumn<QString>("proxy"); // "tinyproxy": a real one, started for the row
    QTest::addColumn<Response>("response");
    QTest::addColumn<QString>("reason"); // how it starts; empty: the fetch succeeds
    const Response picture = TestHttpServer::image(binaryBody(20000));
    const QString tiny = QStringLiteral("tinyproxy");
    const QString malformed = QStringLiteral("malformed proxy address");
    // clang-format off
    QTest::newRow("no proxy named") << QString() << picture << malformed;
    QTest::newRow("no port") << QStringLiteral("127.0.0.1") << picture << malformed;
    QTest::newRow("port past 65535") << QStringLiteral("127.0.0.1:65536") << picture << malformed;
    QTest::newRow("proxy down") << QStringLiteral("127.0.0.1:%1").arg(closedPort()) << picture << "proxy refused the connection";
    QTest::newRow("tinyproxy: picture") << tiny << picture << QString();
    QTest::newRow("tinyproxy: 404 page comes back whole") << tiny << TestHttpServer::page(404, "<html>gone</html>") << QString();
    QTest::newRow("tinyproxy: body cut short") << tiny << with(picture, Behaviour::CutBody) << Cut;
    QTest::newRow("tinyproxy: Content-Length that is no number") << tiny << with(picture, Behaviour::Normal, "crap") << "malformed Content-Length from the server";
    // clang-format on
}

void TestTransfer::proxy()
{
    QFETCH(QString, proxy);
    QFETCH(Response, response);
    QFETCH(QString, reason);
    TinyProxy tiny;
    const bool real = proxy == QLatin1String("tinyproxy");
    if (real && !TinyProxy::isAvailable())
        QSKIP("tinyproxy is not installed");
    if (real) {
        QVERIFY2(tiny.start(), tiny.log().constData());
        proxy = tiny.hostAndPort();
    }
    m_server->setDefaultResponse(response);
    m_transfer->setAccessType(Transfer::NamedProxy);
    m_transfer->setProxy(proxy);

    fetch(url("/pic01.jpg"));
    QVERIFY2(reason.isEmpty() ? m_ok : m_reason.startsWith(reason), qPrintable(m_reason));
    QCOMPARE(m_ok, reason.isEmpty());
    if (m_ok) {
        QVERIFY(m_body == response.body);
        QCOMPARE(m_transfer->statusCode(), response.status);
    }
    // Only through the proxy: never a quiet direct connection when it is unusable.
    QCOMPARE(m_server->requestCount(), real ? 1 : 0);
    if (real) {
        const TestHttpServer::Request request = m_server->requests().at(0);
        QVERIFY(request.target.startsWith("http://") || !headerOf(request, "Via").isEmpty());
        QCOMPARE(headerOf(request, "Accept-Encoding"), QByteArray("identity"));
    }
}

QUILLOP_TEST_MAIN(TestTransfer)
#include "tst_transfer.moc"

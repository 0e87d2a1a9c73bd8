// Every fetch of the transfer against a misbehaving local server, directly and through a real
// tinyproxy.
#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "TinyProxy.h"
#include "Transfer.h"

#include <QBuffer>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>

#include <memory>

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

QByteArray headerOf(const QList<QPair<QByteArray, QByteArray>> &headers, const QByteArray &name)
{
    for (const auto &h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return {};
}

} // namespace

class TestTransfer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void oneFetch_data();
    void oneFetch();
    void keptConnection_data();
    void keptConnection();
    void cancelInFlight();

private:
    QString url(const char *path) const { return m_server->baseUrl() + QLatin1String(path); }
    QByteArray hostPort() const { return "127.0.0.1:" + QByteArray::number(m_server->port()); }
    // Runs one fetch to its end (into m_body without a sink of its own); finished() must come
    // once and never from inside openUrl().
    void fetch(const QString &url, QIODevice *sink = nullptr);

    std::unique_ptr<TestHttpServer> m_server;
    std::unique_ptr<Transfer> m_transfer;
    bool m_ok = false;
    QString m_reason;
    QByteArray m_body;
};

// A fresh server and transfer for every row; the transfer goes first, while its server lives.
void TestTransfer::init()
{
    m_transfer.reset();
    m_server.reset(new TestHttpServer);
    QVERIFY(m_server->listen());
    m_transfer.reset(new Transfer);
    m_transfer->setIdleTimeout(300);
}

void TestTransfer::fetch(const QString &url, QIODevice *sink)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSignalSpy spy(m_transfer.get(), &Transfer::finished);
    m_transfer->openUrl(url, sink ? sink : &buffer);
    QCOMPARE(spy.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 10000);
    QVERIFY(!m_transfer->isBusy());
    m_ok = spy.at(0).at(0).toBool();
    m_reason = spy.at(0).at(1).toString();
    m_body = buffer.data();
}

void TestTransfer::oneFetch_data()
{
    QTest::addColumn<QString>("proxy");     // empty: direct; "tinyproxy": started for the row
    QTest::addColumn<QString>("url");       // %1 is the test server's host:port
    QTest::addColumn<Response>("response"); // to every path; a redirect ends at a GIF
    QTest::addColumn<QString>("reason");    // empty: the fetch succeeds; via a proxy, how it starts
    QTest::addColumn<int>("requests");      // that reached the server

    const QByteArray html = "<html><body>No such picture</body></html>";
    const Response picture = TestHttpServer::image(binaryBody(5000), "image/gif");
    const QString pic = QStringLiteral("http://%1/a%20b.jpg?x=1");
    const QString badProxy = QStringLiteral("malformed proxy address");
    // A name longer than any DNS name: the resolver refuses it without asking a server.
    const QString noHost =
        QStringLiteral("http://%1/pic01.jpg").arg(QStringList(5, QString(63, u'a')).join(u'.'));
    QTcpServer closed; // nothing listens on its port once the rows are made
    closed.listen(QHostAddress::LocalHost, 0);
    const QString refused = QStringLiteral("127.0.0.1:%1").arg(closed.serverPort());
    // clang-format off
    QTest::newRow("200 with an image type") << QString() << pic << picture << QString() << 1;
    QTest::newRow("404 page comes back whole") << QString() << pic << TestHttpServer::page(404, html) << QString() << 1;
    QTest::newRow("no Content-Type header") << QString() << pic << TestHttpServer::page(200, html, {}) << QString() << 1;
    QTest::newRow("no length, body ends at close") << QString() << pic << with(picture, Behaviour::NoLength) << QString() << 1;
    QTest::newRow("body far larger than the read buffer") << QString() << pic << TestHttpServer::image(binaryBody(3 * 1024 * 1024 + 17), "image/png") << QString() << 1;
    QTest::newRow("301 absolute") << QString() << pic << moved("http://%1/final.jpg", 301) << QString() << 2;
    QTest::newRow("303 beside the start") << QString() << pic << moved("final.jpg", 303) << QString() << 2;
    QTest::newRow("307 down and up") << QString() << pic << moved("pics/./../final.jpg", 307) << QString() << 2;
    QTest::newRow("308 with a fragment") << QString() << pic << moved("final.jpg#top", 308) << QString() << 2;
    QTest::newRow("server never answers") << QString() << pic << with(picture, Behaviour::Stall) << "timed out" << 1;
    QTest::newRow("body cut short") << QString() << pic << with(picture, Behaviour::CutBody) << Cut << 1;
    QTest::newRow("connection closed without a word") << QString() << pic << with(picture, Behaviour::Reset) << "connection reset" << 1;
    QTest::newRow("redirect loop: ten followed, then no more") << QString() << pic << TestHttpServer::redirect("/loop") << "too many redirects" << 11;
    QTest::newRow("redirect to a file address") << QString() << pic << TestHttpServer::redirect("file:///etc/passwd") << "not an http address" << 1;
    // Our plain server waits for a request that a TLS client never sends.
    QTest::newRow("redirect to https is never fetched in plain") << QString() << pic << TestHttpServer::redirect("https://%1/pic.jpg") << "timed out" << 1;
    QTest::newRow("nothing listening") << QString() << QStringLiteral("http://") + refused << picture << "connection refused" << 0;
    QTest::newRow("host that cannot exist") << QString() << noHost << picture << "host not found" << 0;
    QTest::newRow("file address") << QString() << "file:///etc/passwd" << picture << "not an http address" << 0;
    QTest::newRow("empty address") << QString() << QString() << picture << "malformed address" << 0;
    QTest::newRow("no host") << QString() << "http:///pic01.jpg" << picture << "malformed address" << 0;
    QTest::newRow("proxy without a port") << "127.0.0.1" << pic << picture << badProxy << 0;
    QTest::newRow("proxy port past 65535") << "127.0.0.1:65536" << pic << picture << badProxy << 0;
    QTest::newRow("proxy down") << refused << pic << picture << "proxy refused the connection" << 0;
    QTest::newRow("tinyproxy: picture") << "tinyproxy" << pic << picture << QString() << 1;
    QTest::newRow("tinyproxy: 404 page comes back whole") << "tinyproxy" << pic << TestHttpServer::page(404, html) << QString() << 1;
    QTest::newRow("tinyproxy: body cut short") << "tinyproxy" << pic << with(picture, Behaviour::CutBody) << Cut << 1;
    QTest::newRow("tinyproxy: Content-Length that is no number") << "tinyproxy" << pic << with(picture, Behaviour::Normal, "crap") << "malformed response from the server" << 1;
    // clang-format on
}

void TestTransfer::oneFetch()
{
    QFETCH(QString, proxy);
    QFETCH(QString, url);
    QFETCH(Response, response);
    QFETCH(QString, reason);
    QFETCH(int, requests);
    TinyProxy tiny;
    if (proxy == QLatin1String("tinyproxy")) {
        if (!TinyProxy::isAvailable())
            QSKIP("tinyproxy is not installed");
        QVERIFY2(tiny.start(), tiny.log().constData());
        proxy = tiny.hostAndPort();
    }
    if (!proxy.isEmpty()) {
        m_transfer->setAccessType(Transfer::NamedProxy);
        m_transfer->setProxy(proxy);
    }
    for (auto &h : response.headers)
        h.second.replace("%1", hostPort());
    m_server->setDefaultResponse(response);
    const Response final = TestHttpServer::image("picture", "image/gif");
    m_server->setResponse(QStringLiteral("/final.jpg"), final);

    fetch(url.contains(QLatin1String("%1")) ? url.arg(QLatin1String(hostPort())) : url);
    // Through the proxy only: never a quiet direct connection when it is unusable.
    QCOMPARE(m_server->requestCount(), requests);
    if (!reason.isEmpty()) {
        QVERIFY2(proxy.isEmpty() ? m_reason == reason : m_reason.startsWith(reason),
                 qPrintable(m_reason));
        QVERIFY(!m_ok && !m_transfer->sinkFailed());
        return;
    }
    QVERIFY2(m_ok, qPrintable(m_reason));
    const Response &served = response.status / 100 == 3 ? final : response;
    QCOMPARE(m_transfer->statusCode(), served.status);
    QVERIFY(m_body == served.body);
    const QString contentType = QString::fromLatin1(headerOf(served.headers, "Content-Type"));
    for (const char *name : {"Content-type", "CONTENT-TYPE", "content-type"})
        QCOMPARE(m_transfer->getHeader(QLatin1String(name)), contentType);

    const TestHttpServer::Request request = m_server->requests().value(0);
    QCOMPARE(request.path, QByteArray("/a%20b.jpg?x=1"));
    if (proxy.isEmpty())
        QVERIFY(!headerOf(request.headers, "User-Agent").isEmpty());
    else
        QVERIFY(request.target.startsWith("http://") ||
                !headerOf(request.headers, "Via").isEmpty());
    QCOMPARE(headerOf(request.headers, "Host"), hostPort());
    // The bytes saved are the bytes served: nothing may invite a compressed answer.
    QCOMPARE(headerOf(request.headers, "Accept-Encoding"), QByteArray("identity"));
}

void TestTransfer::keptConnection_data()
{
    QTest::addColumn<Response>("first");
    QTest::addColumn<QString>("firstReason");
    QTest::addColumn<Response>("second");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("tries"); // requests for the second picture
    QTest::addColumn<int>("connections");

    const Response first = TestHttpServer::image("first");
    const Response second = TestHttpServer::image("second");
    const Response big = TestHttpServer::image(QByteArray(200000, 'x'));
    // A kept connection the server has dropped is tried once more on a fresh one, only when
    // nothing of the answer had come. The rest of an abandoned response is never read as the
    // answer to the next request.
    // clang-format off
    QTest::newRow("reused for the next fetch") << first << QString() << second << QString() << 1 << 1;
    QTest::newRow("HTTP/1.0 keep-alive is kept") << TestHttpServer::raw("HTTP/1.0 200 OK\r\nConnection: Keep-Alive\r\nContent-Length: 5\r\n\r\nfirst") << QString() << second << QString() << 1 << 1;
    QTest::newRow("HTTP/1.0 is not kept by default") << TestHttpServer::raw("HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nfirst") << QString() << second << QString() << 1 << 2;
    QTest::newRow("Connection: close is not kept") << TestHttpServer::raw("HTTP/1.1 200 OK\r\nConnection: keep-alive, Close\r\nContent-Length: 5\r\n\r\nfirst") << QString() << second << QString() << 1 << 2;
    QTest::newRow("dropped once: a fresh connection serves it") << first << QString() << with(second, Behaviour::ResetOnce) << QString() << 2 << 2;
    QTest::newRow("dropped again: one retry only") << first << QString() << with(second, Behaviour::Reset) << "connection reset" << 2 << 2;
    QTest::newRow("dropped mid-body: no retry") << first << QString() << with(second, Behaviour::CutBody) << Cut << 1 << 1;
    QTest::newRow("after the sink refused bytes") << big << FullDiskReason << second << QString() << 1 << 2;
    QTest::newRow("full disk seen only at the flush") << first << FullDiskReason << second << QString() << 1 << 1;
    QTest::newRow("after a stall mid-body") << with(big, Behaviour::StallAfterHeaders) << "timed out" << second << QString() << 1 << 2;
    QTest::newRow("after bytes nobody asked for") << TestHttpServer::raw("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nfirstHTTP/1.1 200 OK\r\n\r\n") << QString() << second << QString() << 1 << 2;
    // clang-format on
}

void TestTransfer::keptConnection()
{
    QFETCH(Response, first);
    QFETCH(QString, firstReason);
    QFETCH(Response, second);
    QFETCH(QString, reason);
    QFETCH(int, tries);
    QFETCH(int, connections);
    const bool fullDisk = firstReason == FullDiskReason;
    m_server->setKeepAlive(true);
    m_server->setResponse(QStringLiteral("/first.jpg"), first);
    m_server->setResponse(QStringLiteral("/second.jpg"), second);

    QFile disk(QStringLiteral("/dev/full")); // every write fails: no space left on device
    QVERIFY(disk.open(QIODevice::WriteOnly));
    fetch(url("/first.jpg"), fullDisk ? &disk : nullptr);
    QCOMPARE(m_reason, firstReason);
    QCOMPARE(m_transfer->sinkFailed(), fullDisk);

    fetch(url("/second.jpg"));
    QCOMPARE(m_reason, reason);
    if (m_ok)
        QCOMPARE(m_body, QByteArray("second"));
    QCOMPARE(m_server->requestedPaths().count(QStringLiteral("/second.jpg")), tries);
    QCOMPARE(m_server->connectionCount(), connections);
}

// A cancelled fetch reports once, later and never from inside cancel(). A new fetch cancels
// the one in progress; whatever that one still had to say arrives before the new one ends.
void TestTransfer::cancelInFlight()
{
    m_transfer->setIdleTimeout(60000);
    m_server->setDefaultResponse(with(TestHttpServer::image("x"), Behaviour::Stall));
    m_server->setResponse(QStringLiteral("/next.jpg"), TestHttpServer::image("next"));
    QSignalSpy arrived(m_server.get(), &TestHttpServer::requestReceived);
    QSignalSpy spy(m_transfer.get(), &Transfer::finished);
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    m_transfer->openUrl(url("/slow.jpg"), &sink);
    QVERIFY(arrived.wait(10000));
    m_transfer->cancel();
    QVERIFY(!m_transfer->isBusy() && spy.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 10000);
    m_transfer->cancel(); // nothing left to cancel: must stay silent

    m_transfer->openUrl(url("/slow.jpg"), &sink);
    QVERIFY(arrived.wait(10000));
    m_transfer->openUrl(url("/next.jpg"), &sink);
    QCOMPARE(spy.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 3, 10000);
    const QVariantList cancelled{false, QStringLiteral("cancelled")};
    QCOMPARE(QList<QVariantList>(spy),
             (QList<QVariantList>{cancelled, cancelled, {true, QString()}}));
    QCOMPARE(sink.data(), QByteArray("next"));
}

QUILLOP_TEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
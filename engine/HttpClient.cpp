#include "HttpClient.h"

#include "HttpConnection.h"
#include "TransferRules.h"

namespace {
// Connections kept open for later fetches; a run rarely talks to more than one server.
constexpr int MaxKept = 4;

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}
} // namespace

HttpClient::HttpClient(QObject *parent) : QObject(parent) {}

HttpClient::~HttpClient()
{
    m_busy = false;
    for (HttpConnection *connection : std::as_const(m_kept))
        disconnect(connection, nullptr, this, nullptr);
}

bool HttpClient::handles(const QUrl &url)
{
    return url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 &&
           url.userInfo().isEmpty();
}

QByteArray HttpClient::requestFor(const QUrl &url)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    const int port = url.port(80);
    if (port != 80)
        host += ':' + QByteArray::number(port);
    // Whatever the address holds, it must not break out of its line into headers of its own.
    for (const QByteArray *part : {&target, &host}) {
        for (const char c : *part) {
            if (uchar(c) <= ' ' || uchar(c) >= 0x7f)
                return {};
        }
    }
    return "GET " + target + " HTTP/1.1\r\nHost: " + host +
           "\r\nUser-Agent: Mozilla/5.0\r\nAccept-Encoding: identity\r\n"
           "Connection: keep-alive\r\n\r\n";
}

QString HttpClient::get(const QUrl &url, QIODevice *sink, int maxRedirects)
{
    abort();
    m_status = 0;
    m_headers.clear();
    m_bytesReceived = 0;
    m_sinkFailed = false;
    const QByteArray request = requestFor(url);
    if (request.isEmpty())
        return QStringLiteral("malformed address");
    m_url = url;
    m_sink = sink;
    m_redirectsLeft = maxRedirects;
    m_location.clear();
    m_busy = true;
    m_current = connectionFor(url.host(), quint16(url.port(80)));
    m_current->send(request, sink);
    return {};
}

void HttpClient::abort()
{
    if (!m_busy)
        return;
    m_busy = false;
    if (m_current)
        m_current->abort();
    m_current = nullptr;
}

HttpConnection *HttpClient::connectionFor(const QString &host, quint16 port)
{
    for (qsizetype i = 0; i < m_kept.size(); ++i) {
        HttpConnection *c = m_kept.at(i);
        if (c->port() == port && c->host().compare(host, Qt::CaseInsensitive) == 0) {
            m_kept.move(i, 0);
            return c;
        }
    }
    auto *connection = new HttpConnection(host, port, this);
    connect(connection, &HttpConnection::progress, this, [this, connection] {
        if (connection == m_current)
            Q_EMIT progress();
    });
    connect(connection, &HttpConnection::headReceived, this,
            [this, connection] { onHead(connection); });
    connect(
        connection, &HttpConnection::finished, this,
        [this, connection](bool ok, const QString &reason) { onFinished(connection, ok, reason); });
    m_kept.prepend(connection);
    while (m_kept.size() > MaxKept) {
        HttpConnection *oldest = m_kept.takeLast();
        disconnect(oldest, nullptr, this, nullptr);
        oldest->abort();
        oldest->deleteLater();
    }
    return connection;
}

void HttpClient::onHead(HttpConnection *connection)
{
    if (connection != m_current)
        return;
    const HttpResponseParser &response = connection->response();
    m_status = response.statusCode();
    m_headers = response.headers();
    if (isRedirect(m_status) && response.hasHeader("Location")) {
        // The body of a redirect is no part of what was asked for.
        m_location = response.header("Location");
        connection->setSink(nullptr);
    }
}

void HttpClient::onFinished(HttpConnection *connection, bool ok, const QString &reason)
{
    if (connection != m_current || !m_busy)
        return;
    m_bytesReceived = connection->bodyBytes();
    m_sinkFailed = connection->sinkFailed();
    if (!ok || m_location.isEmpty()) {
        end(ok, reason);
        return;
    }
    if (m_redirectsLeft <= 0) {
        end(false, QStringLiteral("too many redirects"));
        return;
    }
    QUrl target = m_url.resolved(QUrl::fromEncoded(m_location.trimmed(), QUrl::TolerantMode));
    target.setFragment(QString());
    const QString refused = TransferRules::refuseAddress(target);
    if (!refused.isEmpty()) {
        end(false, refused);
        return;
    }
    --m_redirectsLeft;
    m_location.clear();
    if (!handles(target)) {
        m_busy = false;
        m_current = nullptr;
        Q_EMIT redirectedAway(target, m_redirectsLeft);
        return;
    }
    const QByteArray request = requestFor(target);
    if (request.isEmpty()) {
        end(false, QStringLiteral("malformed address"));
        return;
    }
    m_url = target;
    m_status = 0;
    m_headers.clear();
    m_current = connectionFor(target.host(), quint16(target.port(80)));
    m_current->send(request, m_sink);
}

void HttpClient::end(bool ok, const QString &reason)
{
    m_busy = false;
    m_current = nullptr;
    Q_EMIT finished(ok, reason);
}

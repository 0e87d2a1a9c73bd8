#include "TransferRules.h"

#include <curl/curl.h>

#include <cerrno>

namespace TransferRules {

QString refuseAddress(const QUrl &url)
{
    if (url.isEmpty() || !url.isValid())
        return QStringLiteral("malformed address");
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return QStringLiteral("not an http address");
    if (url.host().isEmpty())
        return QStringLiteral("malformed address");
    return {};
}

ProxyAddress parseProxy(const QString &hostAndPort)
{
    ProxyAddress result;
    const QString text = hostAndPort.trimmed();
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return result;
    QString host = text.left(colon).trimmed();
    const QString portText = text.mid(colon + 1).trimmed();
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    else if (host.contains(QLatin1Char(':')))
        return result; // a bare IPv6 address is ambiguous: which colon starts the port?
    if (host.isEmpty() || portText.isEmpty())
        return result;
    for (const QChar c : host) {
        if (c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('@'))
            return result;
    }
    for (const QChar c : portText) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return result;
    }
    bool ok = false;
    const uint port = portText.toUInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return result;
    result.host = host;
    result.port = static_cast<quint16>(port);
    result.valid = true;
    return result;
}

QByteArray proxyUrl(const ProxyAddress &proxy, ConnectionOptions::ProxyType type)
{
    const QByteArray scheme =
        type == ConnectionOptions::ProxyType::Socks5 ? "socks5h://" : "http://";
    QByteArray host = QUrl::toAce(proxy.host);
    if (host.isEmpty())
        host = proxy.host.toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    return scheme + host + ':' + QByteArray::number(proxy.port);
}

QByteArray refererFor(const QUrl &url, const QString &setting)
{
    if (setting.isEmpty())
        return {};
    if (setting != QLatin1String("auto"))
        return setting.toUtf8();
    const QByteArray address = url.adjusted(QUrl::RemoveFragment).toEncoded();
    const qsizetype slash = address.lastIndexOf('/');
    // "http://host" has no path: its last "/" belongs to the scheme.
    if (slash < 0 || address.indexOf("://") + 2 == slash)
        return address + '/';
    return address.left(slash + 1);
}

QUrl redirectTarget(const QUrl &from, const QByteArray &location, QString *refusal,
                    Transfer::Failure *failure)
{
    const QUrl target =
        from.resolved(QUrl::fromEncoded(location.trimmed())).adjusted(QUrl::RemoveFragment);
    *refusal = refuseAddress(target);
    if (!refusal->isEmpty()) {
        *failure = Transfer::Failure::BadAddress;
        return {};
    }
    if (from.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 &&
        target.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0) {
        *refusal = QStringLiteral("redirect to a less secure address refused");
        *failure = Transfer::Failure::UnsafeRedirect;
        return {};
    }
    return target;
}

Outcome proxyLoginRefused(bool loginGiven)
{
    return {Transfer::Failure::ProxyAuthFailed, loginGiven
                                                    ? QStringLiteral("proxy refused the login")
                                                    : QStringLiteral("proxy requires a login")};
}

namespace {

using F = Transfer::Failure;

Outcome fromProxy(const CurlResult &r)
{
    switch (r.proxyError) {
    case CURLPX_USER_REJECTED:
    case CURLPX_NO_AUTH:
    case CURLPX_REQUEST_FAILED:
        return proxyLoginRefused(r.proxyLogin);
    case CURLPX_REPLY_CONNECTION_REFUSED:
        return {F::ConnectionRefused, QStringLiteral("connection refused")};
    case CURLPX_RESOLVE_HOST:
    case CURLPX_REPLY_HOST_UNREACHABLE:
        return {F::HostNotFound, QStringLiteral("host not found")};
    default:
        return {F::Other, QStringLiteral("proxy error: ") + r.detail};
    }
}

bool isTls(int code)
{
    switch (code) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_CLIENTCERT:
    case CURLE_USE_SSL_FAILED:
        return true;
    default:
        return false;
    }
}

} // namespace

Outcome outcomeFor(const CurlResult &r)
{
    const bool reset = r.osErrno == ECONNRESET || r.osErrno == EPIPE;
    if (r.viaProxy && r.connectCode == 407)
        return proxyLoginRefused(r.proxyLogin);
    if (isTls(r.code))
        return {F::Tls, QStringLiteral("TLS error: ") + r.detail};
    switch (r.code) {
    case CURLE_OK:
        return {F::None, {}};
    case CURLE_UNSUPPORTED_PROTOCOL:
        return {F::BadAddress, QStringLiteral("not an http address")};
    case CURLE_URL_MALFORMAT:
        return {F::BadAddress, QStringLiteral("malformed address")};
    case CURLE_COULDNT_RESOLVE_PROXY:
        return {F::ProxyNotFound, QStringLiteral("proxy not found")};
    case CURLE_COULDNT_RESOLVE_HOST:
        return {F::HostNotFound, QStringLiteral("host not found")};
    case CURLE_COULDNT_CONNECT:
        if (r.viaProxy)
            return {F::ProxyRefused, QStringLiteral("proxy refused the connection")};
        return {F::ConnectionRefused, QStringLiteral("connection refused")};
    case CURLE_OPERATION_TIMEDOUT:
        return {F::TimedOut, QStringLiteral("timed out")};
    case CURLE_PROXY:
        return fromProxy(r);
    case CURLE_GOT_NOTHING:
        return {F::ConnectionReset, QStringLiteral("connection reset")};
    case CURLE_PARTIAL_FILE:
        return {F::ClosedEarly, QStringLiteral("connection closed before the whole body arrived")};
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
        // A reset or nothing at all is the connection's fault; anything else once the
        // status is in is a response that breaks HTTP (a chunk size that is no number).
        if (reset || !r.statusArrived)
            return {F::ConnectionReset, QStringLiteral("connection reset")};
        return {F::BadResponse, QStringLiteral("malformed response from the server")};
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_BAD_CONTENT_ENCODING:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
    case CURLE_HTTP3:
        return {F::BadResponse, QStringLiteral("malformed response from the server")};
    default:
        break;
    }
    QString text = r.detail.isEmpty() ? QStringLiteral("network error %1").arg(r.code) : r.detail;
    text[0] = text.at(0).toLower();
    return {F::Other, text};
}

} // namespace TransferRules

// How a result of libcurl is told to the user and to the code that decides on it.
#include "TransferRules.h"

#include <curl/curl.h>

#include <cerrno>

namespace TransferRules {

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

QByteArray unknownContentCoding(const QByteArray &contentEncoding)
{
    static const QByteArrayList known = {"identity", "none", "gzip", "x-gzip",
                                         "deflate",  "br",   "zstd"};
    for (const QByteArray &part : contentEncoding.split(',')) {
        const QByteArray name = part.trimmed().toLower();
        if (!name.isEmpty() && !known.contains(name))
            return part.trimmed();
    }
    return {};
}

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
        // Only http and https addresses get this far: once a server took the request, what
        // came back was no HTTP (HTTP/0.9, or a status line of garbage).
        if (r.requestSent)
            return {F::NotHttp, QStringLiteral("not an HTTP response")};
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
    case CURLE_BAD_CONTENT_ENCODING:
        if (const QByteArray name = unknownContentCoding(r.contentCoding); !name.isEmpty())
            return {F::BadResponse,
                    QStringLiteral("unknown content coding \"%1\"").arg(QString::fromLatin1(name))};
        return {F::BadResponse, QStringLiteral("malformed response from the server")};
    case CURLE_WEIRD_SERVER_REPLY:
        if (r.requestSent && !r.statusArrived)
            return {F::NotHttp, QStringLiteral("not an HTTP response")};
        [[fallthrough]];
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

#pragma once

#include <QString>
#include <QUrl>

#include "ConnectionOptions.h"
#include "Transfer.h"

// The decisions the transfer takes on plain values, kept apart so that they read (and are
// tested) without a network: what an address, a proxy text or a redirect is worth, and how
// a result of libcurl is told to the user.
namespace TransferRules {

// Empty when url may be fetched; otherwise the reason it may not ("malformed address",
// "not an http address"). Only http and https: a file: or ftp: address must never reach
// the network layer, which would happily read local files.
QString refuseAddress(const QUrl &url);

struct ProxyAddress
{
    QString host;
    quint16 port = 0;
    bool valid = false;
};
// "host:port", "[v6address]:port"; surrounding blanks are ignored (the stored proxy name
// is kept as typed). The port must be 1..65535 in decimal.
ProxyAddress parseProxy(const QString &hostAndPort);
// The proxy as libcurl takes it: "http://host:port", or "socks5h://host:port" so that the
// proxy resolves host names.
QByteArray proxyUrl(const ProxyAddress &proxy, ConnectionOptions::ProxyType type);

// The Referer for a fetch of url: none for an empty setting, the address up to and
// including its last "/" for "auto", otherwise the setting as it stands.
QByteArray refererFor(const QUrl &url, const QString &setting);

// Where a redirect from `from` to the Location `location` leads; an invalid URL and the
// reason when it must not be followed (not http, or from https down to plain http).
QUrl redirectTarget(const QUrl &from, const QByteArray &location, QString *refusal,
                    Transfer::Failure *failure);

// What libcurl said about a failed transfer, with what the transfer knew besides.
struct CurlResult
{
    int code = 0;         // CURLcode
    long osErrno = 0;     // CURLINFO_OS_ERRNO
    long proxyError = 0;  // CURLINFO_PROXY_ERROR, for CURLE_PROXY
    long connectCode = 0; // CURLINFO_HTTP_CONNECTCODE: the proxy's answer to CONNECT
    bool viaProxy = false;
    bool proxyLogin = false; // a proxy user was given
    bool statusArrived = false;
    QString detail; // libcurl's error buffer
};
struct Outcome
{
    Transfer::Failure failure = Transfer::Failure::Other;
    QString reason;
};
// The user's words for a failure. Through a proxy every connection goes to the proxy, so
// a refused or unknown host there is the proxy's.
Outcome outcomeFor(const CurlResult &result);
// A proxy that turned the login down.
Outcome proxyLoginRefused(bool loginGiven);

} // namespace TransferRules

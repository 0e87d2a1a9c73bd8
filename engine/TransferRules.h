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
// including its last "/" for "auto" (without any user name or password in it: a Referer
// goes to every host a redirect leads to), otherwise the setting as it stands.
QByteArray refererFor(const QUrl &url, const QString &setting);

// The address (or a proxy as typed, "user:password@host:port") as people and logs see it: a
// user name and password in it become "***". Everything else stays exactly as typed.
QString hideCredentials(const QString &address);

// Empty when value may go into a request header; otherwise why not, naming the header
// (what: "User-Agent", "Referer"). A control character (CR, LF, NUL, DEL, ...) could end
// the header and smuggle in another one; a tab is plain white space in a header.
QString headerValueProblem(const QString &what, const QString &value);

// The lines of a Netscape cookies.txt (contents) that belong to host: a domain equal to it,
// or a parent domain of it. Comments, malformed lines and lines holding a control character
// are left out; of cookies with the same domain, path and name the last one counts, and of
// more than MaxCookiesPerHost the last ones. What comes back goes to libcurl one line at a
// time.
constexpr qsizetype MaxCookiesPerHost = 3000;
QByteArrayList cookieLinesFor(const QByteArray &contents, const QString &host);

// The bounds on the files the transfer reads into memory.
constexpr qint64 MaxCaFileBytes = 16 * 1024 * 1024;
constexpr qint64 MaxCookieFileBytes = 64 * 1024 * 1024;
// Reads a regular file of at most maxBytes without ever blocking in open() (a FIFO or a
// device in its place is refused, not waited for). False with why when it may not be read.
bool readBoundedFile(const QString &path, qint64 maxBytes, QByteArray *contents, QString *why);

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
    bool requestSent = false; // a server took the connection and the request went out
    QByteArray contentCoding; // the Content-Encoding of the response, if any
    QString detail;           // libcurl's error buffer
};
struct Outcome
{
    Transfer::Failure failure = Transfer::Failure::Other;
    QString reason;
};
// The user's words for a failure. Through a proxy every connection goes to the proxy, so
// a refused or unknown host there is the proxy's.
Outcome outcomeFor(const CurlResult &result);
// The first content coding of a Content-Encoding value that libcurl cannot decode; empty
// when it can decode them all.
QByteArray unknownContentCoding(const QByteArray &contentEncoding);
// A proxy that turned the login down.
Outcome proxyLoginRefused(bool loginGiven);

} // namespace TransferRules

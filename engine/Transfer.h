#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "ConnectionOptions.h"

class QIODevice;

// The program's one HTTP transfer component (Inet1), on libcurl's multi interface driven
// by the event loop. Asynchronous: openUrl() starts a fetch and finished() reports its end
// from the event loop; nothing here blocks, polls or pumps events.
//
// - Only http and https. Access type 1 fetches directly, 2 through the proxy named by
//   proxy() as "host:port" (HTTP or SOCKS5 by the connection options); a named proxy is
//   never bypassed, and the environment's proxy variables never count.
// - The whole response body is streamed into the caller's sink as it arrives, whatever
//   the status, so memory does not grow with the size of a response. Transfer codings
//   and the content codings libcurl knows (gzip, deflate, br, zstd) are decoded, even
//   though identity is asked for; an unknown coding fails the fetch. Connections are kept
//   for the next fetch; one on which bytes arrived while it stood idle is not reused.
// - Redirects are followed when they do not lower security, at most 10. TLS is verified
//   against the system's authorities and the connection options' extra ones (read for
//   https only), never ignored; HTTP/2 is used over TLS where the server offers it.
// - A failure is never a success: a body shorter than its framing, a broken chunk, a head
//   over 64 KiB, a reset, a head not complete idleTimeout() ms after the request went out,
//   a body bringing fewer than 1024 bytes in idleTimeout() ms, or fewer than 60 KiB in
//   twice that time (under 1 KiB a second over the last minute, by default). Interim 1xx
//   responses are skipped.
// - The cookie file and the CA file are read only when they are regular files of bounded
//   size, without ever blocking; of the cookie file only the lines for the host of the
//   session's first fetch are used. A User-Agent or Referer holding a control character
//   is never sent.
class Transfer : public QObject
{
    Q_OBJECT
public:
    enum AccessType { Direct = 1, NamedProxy = 2 };

    explicit Transfer(QObject *parent = nullptr);
    ~Transfer() override;

    void setAccessType(int type);
    int accessType() const;
    void setProxy(const QString &hostAndPort);
    QString proxy() const;

    // Proxy type and login, User-Agent, Referer, cookies and extra authorities; they apply
    // from the next openUrl().
    void setConnectionOptions(const ConnectionOptions &options);
    ConnectionOptions connectionOptions() const;
    // A run begins: cookies that servers set before are forgotten and the cookie file is
    // read afresh at the next fetch; cookies set during the run go with later requests.
    void startSession();

    // From now on this transfer's requests share the connections of primary (HTTP/2
    // streams of one connection where the server offers it, kept connections otherwise),
    // and its cookies, TLS sessions and session: primary's startSession() starts this
    // one's too. Only while neither fetches; primary must outlive this transfer.
    void shareConnectionsOf(Transfer &primary);

    // The connect time-out, the deadline for the head once the request went out, and the
    // window in which the body must bring 1024 bytes; 30 s unless set. Twice this time is
    // the window in which the body must bring 60 KiB.
    void setIdleTimeout(int ms);
    int idleTimeout() const;

    // Starts fetching url; the body goes into sink (open for writing, owned by the caller,
    // alive until finished()). A fetch already in progress is cancelled first.
    // finished() follows exactly once, never from inside openUrl() or cancel().
    void openUrl(const QString &url, QIODevice *sink);
    bool isBusy() const;

    // Abandons the transfer in progress; finished(false, "cancelled") follows.
    // Harmless when no transfer is in progress.
    void cancel();

    // Headers of the last response, looked up by name without regard to case.
    // Empty text when the header is absent or no response arrived.
    QString getHeader(const QString &name) const;
    bool hasHeader(const QString &name) const;
    int statusCode() const;       // 0 when no status line arrived
    qint64 bytesReceived() const; // body bytes handed to the sink
    // True when the last failure was the sink refusing the bytes (disk full, ...);
    // errorString of the sink is then part of the reason.
    bool sinkFailed() const;

    // What went wrong with the last fetch, for code to decide on (try again? a miss?); the
    // reason text of finished() is only for people.
    enum class Failure {
        None,       // the complete response arrived (any status)
        BadAddress, // malformed, or not http/https
        HostNotFound,
        ConnectionRefused,
        TimedOut, // connect, head deadline or a stalled body
        ConnectionReset,
        ClosedEarly, // the body ended before its framing said it would
        BadResponse, // a response that breaks HTTP (bad chunk, head too large, ...)
        NotHttp,     // what came back is no HTTP response at all (HTTP/0.9, garbage)
        TooManyRedirects,
        UnsafeRedirect, // a redirect to a less safe address
        ProxyRefused,
        ProxyNotFound,
        ProxyAuthFailed,
        MalformedProxy,
        Tls,
        CookieFile,   // the cookie file cannot be read
        UnsafeHeader, // a User-Agent or Referer that could smuggle in another header
        WriteFailed,  // the sink refused the bytes
        Cancelled,
        Other,
    };
    Failure failure() const;
    // The reason phrase of the final status line ("Not Found"); empty when none arrived.
    QString reasonPhrase() const;

Q_SIGNALS:
    // Body bytes handed to the sink so far and the length the server announced (-1 when
    // it did not). Emitted while a fetch is in progress, never after finished().
    void progress(qint64 received, qint64 total);

    // ok is true when the complete response arrived (any status). Otherwise reason says
    // why, in a few words a user understands: "host not found", "connection refused",
    // "timed out", "cancelled", "proxy refused the connection", ...
    void finished(bool ok, const QString &reason);

private:
    struct Private;
    Private *d;
};

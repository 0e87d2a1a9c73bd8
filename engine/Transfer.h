#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

// The program's one HTTP transfer component (Inet1). Asynchronous: openUrl() starts a
// fetch and finished() reports its end from the event loop; nothing here pumps events.
//
// - Access type 1 fetches directly (an explicit no-proxy), 2 through the HTTP proxy
//   named by proxy() as "host:port".
// - The whole response body is streamed into the caller's sink as it arrives, whatever
//   the status, so memory does not grow with the size of a response.
// - A transfer that receives nothing for idleTimeout() ms fails with "timed out";
//   redirects are followed when they do not lower security, at most 10; TLS errors are
//   never ignored; a body shorter than its Content-Length is a failure.
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

Q_SIGNALS:
    // ok is true when the complete response arrived (any status). Otherwise reason says
    // why, in a few words a user understands: "host not found", "connection refused",
    // "timed out", "cancelled", "proxy refused the connection", ...
    void finished(bool ok, const QString &reason);

private:
    struct Private;
    Private *d;
};

#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

class HttpConnection;
class QIODevice;

// Fetches plain http:// addresses over its own HTTP/1.1 connections in the calling thread,
// keeping one connection per host and port open for the next fetch. Redirects are followed
// here while they stay on plain http; one that leads to https is handed back through
// redirectedAway(), for the path that speaks TLS.
class HttpClient : public QObject
{
    Q_OBJECT
public:
    explicit HttpClient(QObject *parent = nullptr);
    ~HttpClient() override;

    // Whether url is fetched here: plain http without credentials in the address.
    static bool handles(const QUrl &url);
    // The request head for url; empty when the address cannot be written into one safely.
    static QByteArray requestFor(const QUrl &url);

    // Starts fetching url into sink. An empty result means started and finished() or
    // redirectedAway() follows, never from inside get(); otherwise the reason it did not
    // start.
    QString get(const QUrl &url, QIODevice *sink, int maxRedirects);
    // Stops the fetch in progress; nothing is emitted for it.
    void abort();
    bool isBusy() const { return m_busy; }

    // Of the last response.
    int statusCode() const { return m_status; }
    QList<QPair<QByteArray, QByteArray>> headers() const { return m_headers; }
    qint64 bytesReceived() const { return m_bytesReceived; }
    bool sinkFailed() const { return m_sinkFailed; }

Q_SIGNALS:
    void progress();
    void finished(bool ok, const QString &reason);
    void redirectedAway(const QUrl &url, int redirectsLeft);

private:
    HttpConnection *connectionFor(const QString &host, quint16 port);
    void onHead(HttpConnection *connection);
    void onFinished(HttpConnection *connection, bool ok, const QString &reason);
    void end(bool ok, const QString &reason);

    QList<HttpConnection *> m_kept; // most recently used first
    HttpConnection *m_current = nullptr;
    QUrl m_url;
    QIODevice *m_sink = nullptr;
    int m_redirectsLeft = 0;
    QByteArray m_location; // of a redirect being followed
    bool m_busy = false;
    int m_status = 0;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    qint64 m_bytesReceived = 0;
    bool m_sinkFailed = false;
};

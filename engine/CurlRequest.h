#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <curl/curl.h>

#include <functional>

class QIODevice;

// One libcurl easy handle, kept for the life of the transfer so that its cookies, TLS
// sessions and (through the multi handle) connections serve every fetch. It takes the
// response apart as it arrives: the head line by line with a bound on its size, skipping
// interim 1xx responses, and the body straight into the sink.
class CurlRequest
{
public:
    static constexpr qint64 MaxHeadBytes = 64 * 1024;

    struct Setup
    {
        QByteArray url;
        QByteArray proxy; // empty: direct, with the environment's proxy variables ignored
        QByteArray proxyUser;
        QByteArray proxyPassword;
        QByteArray userAgent;   // empty: none
        QByteArray referer;     // empty: none
        QByteArrayList cookies; // cookies.txt lines handed to the cookie engine at this fetch
        QByteArray caBundle;    // the extra authorities (see loadCaFile); empty: default
        int connectTimeoutMs = 30000;
    };

    CurlRequest();
    ~CurlRequest();
    CurlRequest(const CurlRequest &) = delete;
    CurlRequest &operator=(const CurlRequest &) = delete;

    CURL *handle() const { return m_easy; }
    // Sets the options of one request; the response state starts afresh.
    void reset();
    void prepare(const Setup &setup, QIODevice *sink);
    void forgetCookies();
    // Kept connections on which bytes arrived while they stood idle are shut, so that the
    // next fetch opens a fresh one: those bytes answer no request of ours, and read as the
    // next response they would be saved under the next picture's name. Only between
    // fetches, never while one is in progress.
    // Connections that a transfer in progress uses (inUse) are left alone: they may be
    // another transfer's, sharing the same multi handle.
    void dropTaintedConnections(const std::function<bool(curl_socket_t)> &inUse);
    // Where the connections libcurl opens and closes for this handle are listed: a list of
    // the multi handle, since a connection outlives the handle that opened it there.
    void setSocketList(QList<curl_socket_t> *sockets);
    // Cookies, TLS sessions and addresses kept in share (null: in this handle alone); an
    // https request then waits to go as a stream of a connection being made rather than
    // open a connection of its own.
    void useShare(CURLSH *share);
    // libcurl's own bundle of the system's authorities.
    QString systemCaFile() const;
    // Whether libcurl also looks the system's authorities up in a folder, one by one as a
    // certificate needs them; a bundle given then replaces only the file.
    bool hasSystemCaFolder() const;

    std::function<void()> requestSent;  // the connection is up, the request goes out
    std::function<void()> headComplete; // the final head is in: the body follows

    // What arrived of the response.
    int status = 0;
    QByteArray reasonPhrase;
    QList<QPair<QByteArray, QByteArray>> headers;
    bool headDone = false;
    bool requestWentOut = false;
    bool headTooLarge = false;
    bool discardBody = false; // a redirect's own page is never part of what is saved
    qint64 bytesReceived = 0; // handed to the sink
    qint64 recentBytes = 0;   // since the owner last cleared it
    qint64 totalBytes = 0;    // of the body, as recentBytes, but never cleared
    bool bodyArrived = false; // since the owner last cleared it
    bool sinkFailed = false;
    QString sinkError;
    QString error() const { return QString::fromUtf8(m_error); }
    QByteArray header(const QByteArray &name) const;

private:
    static size_t onHeader(char *data, size_t size, size_t count, void *self);
    static size_t onBody(char *data, size_t size, size_t count, void *self);
    static int onRequestSent(void *self, char *, char *, int, int);
    static int onSocketOpened(void *self, curl_socket_t socket, curlsocktype purpose);
    static int onSocketClosing(void *self, curl_socket_t socket);
    void headLine(QByteArrayView line);

    CURL *m_easy;
    curl_slist *m_extraHeaders = nullptr;
    QIODevice *m_sink = nullptr;
    int m_sinkFd = -1;     // the sink's descriptor when it is an unbuffered file, else -1
    QByteArray m_caBundle; // the bundle libcurl was last given
    bool m_shared = false;
    qint64 m_headBytes = 0;
    QList<curl_socket_t> *m_sockets = nullptr; // every connection libcurl holds open
    char m_error[CURL_ERROR_SIZE] = {};
};

#include "CurlRequest.h"

#include "FileOps.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

CurlRequest::CurlRequest() : m_easy(curl_easy_init())
{
    // What is the same for every request is set once: the handle keeps it between fetches,
    // and a picture then costs only what differs.
    CURL *e = m_easy;
    // The cookie engine is on from the start: cookies that servers set are kept for the run.
    curl_easy_setopt(e, CURLOPT_COOKIEFILE, "");
    m_extraHeaders = curl_slist_append(nullptr, "Accept-Encoding: identity");
    curl_easy_setopt(e, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 0L); // redirects are ours to judge
    // Always set, so that http_proxy and no_proxy from the environment never count.
    curl_easy_setopt(e, CURLOPT_NOPROXY, "");
    curl_easy_setopt(e, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    // A picture is asked for as it is (the header below says identity), but what a server
    // sends compressed all the same is decoded, and an unknown coding refused: the file
    // must be the picture, not its wire form. Transfer codings are libcurl's to decode or
    // refuse; libcurl streams both, so memory does not grow with the picture.
    curl_easy_setopt(e, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(e, CURLOPT_HTTP_CONTENT_DECODING, 1L);
    curl_easy_setopt(e, CURLOPT_HTTP_TRANSFER_DECODING, 1L);
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, m_extraHeaders);
    curl_easy_setopt(e, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_2TLS));
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    // Pictures are mostly larger than libcurl's 16 KiB default: a larger buffer takes a
    // picture in fewer reads, writes and turns of the event loop.
    curl_easy_setopt(e, CURLOPT_BUFFERSIZE, 128L * 1024L);
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, m_error);
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &CurlRequest::onHeader);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &CurlRequest::onBody);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(e, CURLOPT_PREREQFUNCTION, &CurlRequest::onRequestSent);
    curl_easy_setopt(e, CURLOPT_PREREQDATA, this);
    curl_easy_setopt(e, CURLOPT_SOCKOPTFUNCTION, &CurlRequest::onSocketOpened);
    curl_easy_setopt(e, CURLOPT_CLOSESOCKETFUNCTION, &CurlRequest::onSocketClosing);
    setSocketList(nullptr);
}

CurlRequest::~CurlRequest()
{
    curl_easy_cleanup(m_easy);
    curl_slist_free_all(m_extraHeaders);
}

void CurlRequest::setSocketList(QList<curl_socket_t> *sockets)
{
    m_sockets = sockets;
    curl_easy_setopt(m_easy, CURLOPT_SOCKOPTDATA, m_sockets);
    curl_easy_setopt(m_easy, CURLOPT_CLOSESOCKETDATA, m_sockets);
}

void CurlRequest::reset()
{
    status = 0;
    reasonPhrase.clear();
    headers.clear();
    headDone = headTooLarge = discardBody = sinkFailed = bodyArrived = requestWentOut = false;
    bytesReceived = recentBytes = totalBytes = m_headBytes = 0;
    sinkError.clear();
    m_sink = nullptr;
    m_sinkFd = -1;
    m_error[0] = '\0';
}

void CurlRequest::prepare(const Setup &s, QIODevice *sink)
{
    reset();
    m_sink = sink;
    // An unbuffered file takes the body straight to its descriptor: QFile would only pass each
    // block on to the same write(2), through several layers, for every block of every picture.
    const auto *file = qobject_cast<QFileDevice *>(sink);
    m_sinkFd = file && file->openMode().testFlag(QIODevice::Unbuffered) ? file->handle() : -1;

    CURL *e = m_easy;
    curl_easy_setopt(e, CURLOPT_URL, s.url.constData());
    // Over TLS a request that others share a connection with waits for the connection being
    // made to say whether it takes streams; plain HTTP/1.1 never does, and waiting there
    // would hold the request until another's response is in.
    const bool waitForStream = m_shared && s.url.startsWith("https:");
    curl_easy_setopt(e, CURLOPT_PIPEWAIT, waitForStream ? 1L : 0L);
    curl_easy_setopt(e, CURLOPT_PROXY, s.proxy.constData());
    curl_easy_setopt(e, CURLOPT_PROXYUSERNAME,
                     s.proxyUser.isEmpty() ? nullptr : s.proxyUser.constData());
    curl_easy_setopt(e, CURLOPT_PROXYPASSWORD,
                     s.proxyUser.isEmpty() ? nullptr : s.proxyPassword.constData());
    // An empty User-Agent sends none at all, as an empty Referer does.
    curl_easy_setopt(e, CURLOPT_USERAGENT,
                     s.userAgent.isEmpty() ? nullptr : s.userAgent.constData());
    curl_easy_setopt(e, CURLOPT_REFERER, s.referer.isEmpty() ? nullptr : s.referer.constData());
    for (const QByteArray &line : s.cookies)
        curl_easy_setopt(e, CURLOPT_COOKIELIST, line.constData());
    // libcurl copies the bundle: only when it is another one, not at every picture. Bytes
    // that are shared with the last one handed over are the same bytes.
    if (s.caBundle.constData() != m_caBundle.constData() ||
        s.caBundle.size() != m_caBundle.size()) {
        curl_blob bundle{const_cast<char *>(s.caBundle.constData()), size_t(s.caBundle.size()),
                         CURL_BLOB_COPY};
        curl_easy_setopt(e, CURLOPT_CAINFO_BLOB, s.caBundle.isEmpty() ? nullptr : &bundle);
        m_caBundle = s.caBundle;
    }
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, long(s.connectTimeoutMs));
}

void CurlRequest::dropTaintedConnections(const std::function<bool(curl_socket_t)> &inUse)
{
    if (!m_sockets)
        return;
    for (const curl_socket_t socket : std::as_const(*m_sockets)) {
        if (inUse(socket))
            continue;
        pollfd idle{socket, POLLIN, 0};
        if (::poll(&idle, 1, 0) <= 0 || idle.revents == 0)
            continue;
        // Read away what came, then shut both ways: libcurl finds the end of the stream
        // when it looks whether the connection is alive, and opens a new one.
        char scrap[4096];
        for (int reads = 0; reads < 64; ++reads) {
            if (::recv(socket, scrap, sizeof scrap, MSG_DONTWAIT) <= 0)
                break;
        }
        ::shutdown(socket, SHUT_RDWR);
    }
}

int CurlRequest::onSocketOpened(void *self, curl_socket_t socket, curlsocktype)
{
    if (self)
        static_cast<QList<curl_socket_t> *>(self)->append(socket);
    return CURL_SOCKOPT_OK;
}

int CurlRequest::onSocketClosing(void *self, curl_socket_t socket)
{
    if (self)
        static_cast<QList<curl_socket_t> *>(self)->removeAll(socket);
    return ::close(socket);
}

void CurlRequest::forgetCookies()
{
    curl_easy_setopt(m_easy, CURLOPT_COOKIELIST, "ALL");
}

void CurlRequest::useShare(CURLSH *share)
{
    curl_easy_setopt(m_easy, CURLOPT_SHARE, share);
    m_shared = share != nullptr;
}

QString CurlRequest::systemCaFile() const
{
    char *path = nullptr;
    curl_easy_getinfo(m_easy, CURLINFO_CAINFO, &path);
    return path ? QString::fromLocal8Bit(path)
                : QStringLiteral("/etc/ssl/certs/ca-certificates.crt");
}

bool CurlRequest::hasSystemCaFolder() const
{
    char *path = nullptr;
    curl_easy_getinfo(m_easy, CURLINFO_CAPATH, &path);
    return path && *path;
}

QByteArray CurlRequest::header(const QByteArray &name) const
{
    for (const auto &h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return {};
}

size_t CurlRequest::onHeader(char *data, size_t size, size_t count, void *self)
{
    auto *r = static_cast<CurlRequest *>(self);
    const size_t length = size * count;
    // Counted as the lines come, so that an endless head never sits in memory.
    r->m_headBytes += qint64(length);
    if (r->m_headBytes > MaxHeadBytes) {
        r->headTooLarge = true;
        return 0;
    }
    if (!r->headDone) // trailers of a chunked body are not headers of the response
        r->headLine(QByteArrayView(data, qsizetype(length)));
    return length;
}

void CurlRequest::headLine(QByteArrayView line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.startsWith("HTTP/")) {
        // A new status line: an interim 1xx response before it counts for nothing. The
        // words are split at single spaces: "HTTP/1.1 200 OK".
        const qsizetype codeAt = line.indexOf(' ') + 1;
        const qsizetype codeEnd = codeAt > 0 ? line.indexOf(' ', codeAt) : -1;
        status = codeAt > 0
                     ? line.sliced(codeAt, (codeEnd < 0 ? line.size() : codeEnd) - codeAt).toInt()
                     : 0;
        reasonPhrase =
            codeEnd < 0 ? QByteArray() : line.sliced(codeEnd + 1).trimmed().toByteArray();
        headers.clear();
        return;
    }
    if (line.isEmpty()) {
        if (status >= 200) {
            headDone = true;
            discardBody = status / 100 == 3 && !header("Location").isEmpty();
            if (headComplete)
                headComplete();
        }
        return;
    }
    const qsizetype colon = line.indexOf(':');
    if (colon > 0)
        headers.append({line.first(colon).trimmed().toByteArray(),
                        line.sliced(colon + 1).trimmed().toByteArray()});
}

size_t CurlRequest::onBody(char *data, size_t size, size_t count, void *self)
{
    auto *r = static_cast<CurlRequest *>(self);
    const qint64 length = qint64(size * count);
    r->recentBytes += length;
    r->totalBytes += length;
    if (r->discardBody)
        return size_t(length);
    errno = 0;
    if (r->m_sinkFd >= 0 && !FileOps::writeAll(r->m_sinkFd, data, length)) {
        r->sinkFailed = true;
        r->sinkError = QString::fromLocal8Bit(std::strerror(errno));
        return 0;
    }
    if (r->m_sinkFd < 0 && (!r->m_sink || r->m_sink->write(data, length) != length)) {
        const int error = errno;
        r->sinkFailed = true;
        r->sinkError = r->m_sink ? r->m_sink->errorString() : QString();
        // A device that does not say why: the system's words for the last error.
        if ((r->sinkError.isEmpty() || r->sinkError == QLatin1String("Unknown error")) && error)
            r->sinkError = QString::fromLocal8Bit(std::strerror(error));
        return 0;
    }
    r->bytesReceived += length;
    r->bodyArrived = true;
    return size_t(length);
}

int CurlRequest::onRequestSent(void *self, char *, char *, int, int)
{
    auto *r = static_cast<CurlRequest *>(self);
    r->requestWentOut = true;
    if (r->requestSent)
        r->requestSent();
    return CURL_PREREQFUNC_OK;
}

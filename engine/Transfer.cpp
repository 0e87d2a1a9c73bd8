#include "Transfer.h"

#include "HttpClient.h"
#include "TransferRules.h"

#include <QFileDevice>
#include <QHash>
#include <QIODevice>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPair>
#include <QScopedPointer>
#include <QSslError>
#include <QTimer>
#include <QUrl>

namespace {
// Bounds what Qt keeps in memory between two readyRead deliveries; the rest waits in the
// socket, so a large response never sits whole in memory.
constexpr qint64 ReadBufferSize = 256 * 1024;
constexpr qint64 ChunkSize = 64 * 1024;
constexpr int MaxRedirects = 10;
} // namespace

struct Transfer::Private
{
    explicit Private(Transfer *owner) : q(owner) {}

    Transfer *q;
    QNetworkAccessManager *manager = nullptr;
    // Plain http without a proxy: our own lean client, without Qt's network thread.
    HttpClient *client = nullptr;
    QTimer *idleTimer = nullptr;
    QScopedPointer<QNetworkReply, QScopedPointerDeleteLater> reply;
    QIODevice *sink = nullptr;

    int accessType = Transfer::Direct;
    QString proxy;
    bool viaProxy = false; // of the transfer in progress
    int idleTimeout = 30000;

    QList<QPair<QByteArray, QByteArray>> headers;
    int statusCode = 0;
    qint64 bytesReceived = 0;
    bool sinkFailed = false;
    QString tlsProblem;
    ConnectionOptions options;
    QString lastReason;

    bool busy() const { return !reply.isNull() || client->isBusy(); }
    void start(const QUrl &url, int redirectsLeft);
    void startDirect(const QUrl &url);
    void onClientFinished(bool ok, const QString &reason);
    void finishComplete();
    void captureMetaData();
    bool drain();
    void onReplyFinished();
    void finish(bool ok, const QString &reason);
    void report(bool ok, const QString &reason);
};

Transfer::Transfer(QObject *parent) : QObject(parent), d(new Private(this))
{
    // The environment's http_proxy and the desktop's settings must never decide where a
    // request goes: the access type alone does.
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    d->manager = new QNetworkAccessManager(this);
    d->manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    d->manager->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    d->idleTimer = new QTimer(this);
    d->idleTimer->setSingleShot(true);
    connect(d->idleTimer, &QTimer::timeout, this,
            [this] { d->finish(false, QStringLiteral("timed out")); });
    d->client = new HttpClient(this);
    connect(d->client, &HttpClient::progress, this, [this] {
        if (d->idleTimer->isActive())
            d->idleTimer->start(d->idleTimeout);
        qint64 total = -1;
        for (const auto &header : d->client->headers()) {
            if (header.first.compare("Content-Length", Qt::CaseInsensitive) == 0)
                total = header.second.trimmed().toLongLong();
        }
        if (d->sink)
            Q_EMIT progress(d->sink->pos(), total);
    });
    connect(d->client, &HttpClient::finished, this,
            [this](bool ok, const QString &reason) { d->onClientFinished(ok, reason); });
    connect(d->client, &HttpClient::redirectedAway, this, [this](const QUrl &url, int left) {
        // Qt's manager speaks TLS and keeps refusing any step down from https.
        d->idleTimer->stop();
        d->start(url, left);
    });
}

Transfer::~Transfer()
{
    disconnect(d->client, nullptr, this, nullptr);
    d->client->abort();
    if (d->reply) {
        // Dying mid-transfer: nobody is left to tell, so stop quietly.
        disconnect(d->reply.get(), nullptr, this, nullptr);
        d->reply->abort();
        d->reply.reset();
    }
    delete d;
}

void Transfer::setAccessType(int type)
{
    d->accessType = type;
}

int Transfer::accessType() const
{
    return d->accessType;
}

void Transfer::setProxy(const QString &hostAndPort)
{
    d->proxy = hostAndPort;
}

QString Transfer::proxy() const
{
    return d->proxy;
}

void Transfer::setIdleTimeout(int ms)
{
    d->idleTimeout = ms;
}

int Transfer::idleTimeout() const
{
    return d->idleTimeout;
}

void Transfer::openUrl(const QString &url, QIODevice *sink)
{
    cancel();
    d->headers.clear();
    d->statusCode = 0;
    d->bytesReceived = 0;
    d->sinkFailed = false;
    d->tlsProblem.clear();
    d->sink = sink;

    const QUrl address(url.trimmed(), QUrl::TolerantMode);
    const QString refused = TransferRules::refuseAddress(address);
    if (!refused.isEmpty()) {
        d->report(false, refused);
        return;
    }
    if (!sink || !sink->isWritable()) {
        d->sinkFailed = true;
        d->report(false, QStringLiteral("could not write: ") +
                             (sink ? sink->errorString() : QStringLiteral("nowhere to write")));
        return;
    }
    if (d->accessType == NamedProxy) {
        const TransferRules::ProxyAddress p = TransferRules::parseProxy(d->proxy);
        if (!p.valid) {
            // Falling back to a direct connection would bypass the proxy the user chose.
            d->report(false, QStringLiteral("malformed proxy address \"%1\" (expected host:port)")
                                 .arg(d->proxy));
            return;
        }
        d->manager->setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, p.host, p.port));
        d->viaProxy = true;
    } else {
        d->viaProxy = false;
        // Also for a plain http fetch: a redirect may hand it on to the manager.
        d->manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        if (HttpClient::handles(address)) {
            d->startDirect(address);
            return;
        }
    }
    d->start(address, MaxRedirects);
}

void Transfer::Private::startDirect(const QUrl &url)
{
    const QString refused = client->get(url, sink, MaxRedirects);
    if (!refused.isEmpty()) {
        report(false, refused);
        return;
    }
    if (idleTimeout > 0)
        idleTimer->start(idleTimeout);
}

void Transfer::Private::onClientFinished(bool ok, const QString &reason)
{
    headers = client->headers();
    statusCode = client->statusCode();
    bytesReceived = client->bytesReceived();
    sinkFailed = client->sinkFailed();
    if (ok)
        finishComplete();
    else
        finish(false, reason);
}

void Transfer::Private::start(const QUrl &url, int redirectsLeft)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(redirectsLeft);
    // Without this Qt may ask for gzip and inflate it on the way: the saved file must be
    // the bytes the server sent, and Content-Length must count those same bytes.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);

    reply.reset(manager->get(request));
    QNetworkReply *r = reply.get();
    r->setReadBufferSize(ReadBufferSize);

    const auto progress = [this] {
        if (idleTimer->isActive())
            idleTimer->start(idleTimeout);
    };
    connect(r, &QNetworkReply::readyRead, q, [this, progress] {
        progress();
        if (!drain())
            finish(false, QStringLiteral("could not write: ") + sink->errorString());
    });
    connect(r, &QNetworkReply::downloadProgress, q, progress);
    connect(r, &QNetworkReply::uploadProgress, q, progress);
    connect(r, &QNetworkReply::redirected, q, progress);
    connect(r, &QNetworkReply::encrypted, q, progress);
    connect(r, &QNetworkReply::metaDataChanged, q, [this, progress] {
        progress();
        captureMetaData();
    });
    connect(r, &QNetworkReply::sslErrors, q, [this](const QList<QSslError> &errors) {
        // Never ignored: the reply fails after this; keep the first cause for the user.
        if (!errors.isEmpty() && tlsProblem.isEmpty())
            tlsProblem = errors.first().errorString();
    });
    connect(r, &QNetworkReply::finished, q, [this] { onReplyFinished(); });
    if (idleTimeout > 0) // no limit otherwise
        idleTimer->start(idleTimeout);
}

void Transfer::Private::captureMetaData()
{
    headers = reply->rawHeaderPairs();
    statusCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// Hands everything waiting in the reply to the sink; false when the sink refused it.
bool Transfer::Private::drain()
{
    while (reply->bytesAvailable() > 0) {
        const QByteArray chunk = reply->read(ChunkSize);
        if (chunk.isEmpty())
            break;
        if (sink->write(chunk) != chunk.size()) {
            sinkFailed = true;
            return false;
        }
        bytesReceived += chunk.size();
    }
    return true;
}

void Transfer::Private::onReplyFinished()
{
    captureMetaData();
    if (!drain()) {
        finish(false, QStringLiteral("could not write: ") + sink->errorString());
        return;
    }
    const QNetworkReply::NetworkError error = reply->error();
    const bool responded = statusCode > 0;
    if (error != QNetworkReply::NoError && !(responded && TransferRules::isStatusError(error))) {
        const QString text = tlsProblem.isEmpty() ? reply->errorString() : tlsProblem;
        finish(false, TransferRules::reasonFor(error, responded, viaProxy, text));
        return;
    }
    // Qt lets a short body or a garbled length pass as success; a truncated picture must
    // not be saved as if it were whole.
    if (reply->hasRawHeader("Content-Length")) {
        const qint64 declared =
            TransferRules::parseContentLength(reply->rawHeader("Content-Length"));
        if (declared < 0) {
            finish(false, QStringLiteral("malformed Content-Length from the server"));
            return;
        }
        const bool bodyless = statusCode == 204 || statusCode == 304 || statusCode < 200;
        if (!bodyless && bytesReceived < declared) {
            finish(false, QStringLiteral("connection closed before the whole body arrived"));
            return;
        }
    }
    finishComplete();
}

void Transfer::Private::finishComplete()
{
    // A file sink may hold the last bytes in its buffer; a full disk shows only here.
    if (auto *file = qobject_cast<QFileDevice *>(sink); file && !file->flush()) {
        sinkFailed = true;
        finish(false, QStringLiteral("could not write: ") + file->errorString());
        return;
    }
    finish(true, QString());
}

// Ends the transfer in progress: the reply is let go (its late signals reach nobody) and
// finished() follows from the event loop.
void Transfer::Private::finish(bool ok, const QString &reason)
{
    idleTimer->stop();
    if (reply) {
        QObject::disconnect(reply.get(), nullptr, q, nullptr);
        if (!reply->isFinished())
            reply->abort();
        reply.reset();
    }
    client->abort();
    sink = nullptr;
    report(ok, reason);
}

void Transfer::Private::report(bool ok, const QString &reason)
{
    lastReason = ok ? QString() : reason;
    // Queued, so that a caller never sees finished() from inside openUrl() or cancel(),
    // and may start the next fetch from its slot.
    QMetaObject::invokeMethod(
        q, [t = q, ok, reason] { Q_EMIT t->finished(ok, reason); }, Qt::QueuedConnection);
}

bool Transfer::isBusy() const
{
    return d->busy();
}

void Transfer::cancel()
{
    if (d->busy())
        d->finish(false, QStringLiteral("cancelled"));
}

QString Transfer::getHeader(const QString &name) const
{
    const QByteArray wanted = name.toLatin1();
    QByteArrayList values;
    for (const auto &header : d->headers) {
        if (header.first.compare(wanted, Qt::CaseInsensitive) == 0)
            values.append(header.second);
    }
    return QString::fromLatin1(values.join(", "));
}

bool Transfer::hasHeader(const QString &name) const
{
    const QByteArray wanted = name.toLatin1();
    for (const auto &header : d->headers) {
        if (header.first.compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int Transfer::statusCode() const
{
    return d->statusCode;
}

qint64 Transfer::bytesReceived() const
{
    return d->bytesReceived;
}

bool Transfer::sinkFailed() const
{
    return d->sinkFailed;
}

void Transfer::setConnectionOptions(const ConnectionOptions &options)
{
    d->options = options;
}

ConnectionOptions Transfer::connectionOptions() const
{
    return d->options;
}

void Transfer::startSession() {}

Transfer::Failure Transfer::failure() const
{
    const QString &r = d->lastReason;
    if (r.isEmpty())
        return Failure::None;
    if (d->sinkFailed)
        return Failure::WriteFailed;
    static const QList<QPair<QString, Failure>> byReason = {
        {QStringLiteral("host not found"), Failure::HostNotFound},
        {QStringLiteral("connection refused"), Failure::ConnectionRefused},
        {QStringLiteral("timed out"), Failure::TimedOut},
        {QStringLiteral("connection reset"), Failure::ConnectionReset},
        {QStringLiteral("too many redirects"), Failure::TooManyRedirects},
        {QStringLiteral("proxy refused the connection"), Failure::ProxyRefused},
        {QStringLiteral("proxy not found"), Failure::ProxyNotFound},
        {QStringLiteral("cancelled"), Failure::Cancelled},
    };
    for (const auto &[text, kind] : byReason) {
        if (r == text)
            return kind;
    }
    if (r.startsWith(QLatin1String("TLS")))
        return Failure::Tls;
    if (r.contains(QLatin1String("closed")) || r.contains(QLatin1String("incomplete")))
        return Failure::ClosedEarly;
    return Failure::Other;
}

QString Transfer::reasonPhrase() const
{
    static const QHash<int, QString> phrases = {{400, QStringLiteral("Bad Request")},
                                                {401, QStringLiteral("Unauthorized")},
                                                {403, QStringLiteral("Forbidden")},
                                                {404, QStringLiteral("Not Found")},
                                                {410, QStringLiteral("Gone")},
                                                {429, QStringLiteral("Too Many Requests")},
                                                {500, QStringLiteral("Internal Server Error")},
                                                {501, QStringLiteral("Not Implemented")},
                                                {502, QStringLiteral("Bad Gateway")},
                                                {503, QStringLiteral("Service Unavailable")},
                                                {504, QStringLiteral("Gateway Timeout")}};
    return phrases.value(d->statusCode);
}

#include "Transfer.h"

#include "CurlMulti.h"
#include "CurlRequest.h"
#include "TransferRules.h"

#include <QFile>
#include <QFileDevice>
#include <QIODevice>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int MaxRedirects = 10;
// A body that brings fewer bytes than this in one stall window has stalled.
constexpr qint64 StallBytes = 1024;

void initCurlOnce()
{
    static const bool done = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(done);
}
} // namespace

struct Transfer::Private
{
    enum class Phase { Idle, Connecting, Head, Body };

    explicit Private(Transfer *owner) : q(owner) {}

    Transfer *q;
    CurlMulti *multi = nullptr;
    CurlRequest request;
    QTimer *clock = nullptr; // the head deadline, then the stall window of the body
    Phase phase = Phase::Idle;
    bool added = false; // the easy handle is in the multi handle
    QIODevice *sink = nullptr;

    int accessType = Transfer::Direct;
    QString proxy;
    ConnectionOptions options;
    int idleTimeout = 30000;

    CurlRequest::Setup setup;
    QUrl current;
    int redirectsLeft = MaxRedirects;
    bool viaProxy = false;
    qint64 reportedBytes = -1;

    bool cookiesFresh = true; // a run began: cookies go and the file is read at the next fetch
    QString cookiesFrom;
    QString caFrom;
    QByteArray caBundle;

    Transfer::Failure failure = Transfer::Failure::None;

    QString prepareSetup();
    void start(const QUrl &url);
    void onTick();
    void onAfterAction();
    void onDone(CURLcode code);
    void followRedirect();
    void finishComplete();
    void fail(const TransferRules::Outcome &outcome);
    void finish(bool ok, const QString &reason, Transfer::Failure kind);
    void detach();
};

Transfer::Transfer(QObject *parent) : QObject(parent), d(new Private(this))
{
    initCurlOnce();
    d->multi = new CurlMulti(this);
    d->multi->afterAction = [this] { d->onAfterAction(); };
    d->multi->done = [this](CURL *, CURLcode code) { d->onDone(code); };
    d->clock = new QTimer(this);
    d->clock->setSingleShot(true);
    connect(d->clock, &QTimer::timeout, this, [this] { d->onTick(); });
    d->request.requestSent = [this] {
        d->phase = Private::Phase::Head;
        d->clock->start(d->idleTimeout);
    };
    d->request.headComplete = [this] {
        d->phase = Private::Phase::Body;
        d->request.recentBytes = 0;
        d->clock->start(d->idleTimeout);
    };
}

Transfer::~Transfer()
{
    // Dying mid-transfer: nobody is left to tell, so stop quietly.
    d->detach();
    delete d->multi; // closes the kept connections while the easy handle still exists
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

void Transfer::setConnectionOptions(const ConnectionOptions &options)
{
    d->options = options;
}

ConnectionOptions Transfer::connectionOptions() const
{
    return d->options;
}

void Transfer::startSession()
{
    d->cookiesFresh = true;
    d->caFrom.clear();
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
    d->request.reset(); // forget the last response
    d->failure = Failure::None;
    d->redirectsLeft = MaxRedirects;
    d->reportedBytes = -1;

    const QUrl address(url.trimmed(), QUrl::TolerantMode);
    const QString refused = TransferRules::refuseAddress(address);
    if (!refused.isEmpty()) {
        d->finish(false, refused, Failure::BadAddress);
        return;
    }
    if (!sink || !sink->isWritable()) {
        d->request.sinkFailed = true;
        d->finish(false,
                  QStringLiteral("could not write: ") +
                      (sink ? sink->errorString() : QStringLiteral("nowhere to write")),
                  Failure::WriteFailed);
        return;
    }
    d->sink = sink;
    d->viaProxy = d->accessType == NamedProxy;
    const QString problem = d->prepareSetup();
    if (!problem.isEmpty())
        return; // prepareSetup() has reported it
    // The composed address is the page the pictures belong to, at every redirect too.
    d->setup.referer = TransferRules::refererFor(address, d->options.referer);
    d->start(address);
}

// Everything a fetch needs besides its address; a non-empty result when the fetch failed.
QString Transfer::Private::prepareSetup()
{
    const ConnectionOptions &o = options;
    setup = {};
    if (viaProxy) {
        const TransferRules::ProxyAddress p = TransferRules::parseProxy(proxy);
        if (!p.valid) {
            // Falling back to a direct connection would bypass the proxy the user chose.
            finish(false, QStringLiteral("malformed proxy address"), Failure::MalformedProxy);
            return QStringLiteral("proxy");
        }
        setup.proxy = TransferRules::proxyUrl(p, o.proxyType);
        setup.proxyUser = o.proxyUser.toUtf8();
        setup.proxyPassword = o.proxyPassword.toUtf8();
    }
    setup.userAgent = o.userAgent.isEmpty() ? QByteArray("Mozilla/5.0") : o.userAgent.toUtf8();
    if (cookiesFresh) {
        request.forgetCookies(); // those the servers set during the last run
        cookiesFrom.clear();
    }
    if (o.cookieFile.isEmpty()) {
        cookiesFresh = false;
    } else if (cookiesFrom != o.cookieFile) {
        // libcurl skips a file it cannot read; a run without the login cookie must not
        // pass for one with it.
        QFile file(o.cookieFile);
        if (!file.open(QIODevice::ReadOnly)) {
            finish(false, QStringLiteral("could not read the cookie file: ") + file.errorString(),
                   Failure::CookieFile);
            return QStringLiteral("cookies");
        }
        setup.cookieFile = QFile::encodeName(o.cookieFile);
        cookiesFresh = false;
        cookiesFrom = o.cookieFile;
    }
    if (o.caFile.isEmpty()) {
        caFrom.clear();
        caBundle.clear();
    } else if (caFrom != o.caFile) {
        // libcurl takes one bundle: the system's authorities and the extra ones together.
        QFile system(request.systemCaFile());
        QFile extra(o.caFile);
        if (!extra.open(QIODevice::ReadOnly)) {
            finish(false,
                   QStringLiteral("TLS error: could not read the CA file: ") + extra.errorString(),
                   Failure::Tls);
            return QStringLiteral("ca");
        }
        caBundle = system.open(QIODevice::ReadOnly) ? system.readAll() + '\n' : QByteArray();
        caBundle += extra.readAll();
        caFrom = o.caFile;
    }
    setup.caBundle = caBundle;
    setup.connectTimeoutMs = idleTimeout;
    return {};
}

void Transfer::Private::start(const QUrl &url)
{
    current = url;
    setup.url = url.adjusted(QUrl::RemoveFragment).toEncoded();
    request.prepare(setup, sink);
    setup.cookieFile.clear(); // read once per session, not at every redirect
    phase = Phase::Connecting;
    added = true;
    multi->add(request.handle());
}

// The head deadline passed, or a stall window of the body ended.
void Transfer::Private::onTick()
{
    if (phase == Phase::Body && request.recentBytes >= StallBytes) {
        request.recentBytes = 0;
        clock->start(idleTimeout);
        return;
    }
    finish(false, QStringLiteral("timed out"), Failure::TimedOut);
}

void Transfer::Private::onAfterAction()
{
    if (!added || !request.bodyArrived || request.bytesReceived == reportedBytes)
        return;
    curl_off_t total = -1;
    curl_easy_getinfo(request.handle(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
    reportedBytes = request.bytesReceived;
    Q_EMIT q->progress(request.bytesReceived, qint64(total));
}

void Transfer::Private::onDone(CURLcode code)
{
    CURL *easy = request.handle();
    multi->remove(easy);
    added = false;
    clock->stop();
    if (code == CURLE_OK) {
        // A plain http fetch through an HTTP proxy gets the proxy's refusal as its answer;
        // tinyproxy turns a wrong password down with 401 and its own realm.
        const bool refusedLogin =
            request.status == 407 ||
            (request.status == 401 && !options.proxyUser.isEmpty() &&
             request.header("WWW-Authenticate").contains("realm=\"Tinyproxy\""));
        if (viaProxy && refusedLogin)
            fail(TransferRules::proxyLoginRefused(!options.proxyUser.isEmpty()));
        else if (request.discardBody)
            followRedirect();
        else
            finishComplete();
        return;
    }
    if (request.sinkFailed) {
        finish(false, QStringLiteral("could not write: ") + request.sinkError,
               Failure::WriteFailed);
        return;
    }
    if (request.headTooLarge) {
        finish(false, QStringLiteral("response head too large"), Failure::BadResponse);
        return;
    }
    TransferRules::CurlResult result;
    result.code = code;
    curl_easy_getinfo(easy, CURLINFO_OS_ERRNO, &result.osErrno);
    curl_easy_getinfo(easy, CURLINFO_PROXY_ERROR, &result.proxyError);
    curl_easy_getinfo(easy, CURLINFO_HTTP_CONNECTCODE, &result.connectCode);
    result.viaProxy = viaProxy;
    result.proxyLogin = !options.proxyUser.isEmpty();
    result.statusArrived = request.status > 0;
    result.detail = request.error();
    fail(TransferRules::outcomeFor(result));
}

void Transfer::Private::followRedirect()
{
    if (redirectsLeft == 0) {
        finish(false, QStringLiteral("too many redirects"), Failure::TooManyRedirects);
        return;
    }
    --redirectsLeft;
    QString refusal;
    Failure kind = Failure::None;
    const QUrl target =
        TransferRules::redirectTarget(current, request.header("Location"), &refusal, &kind);
    if (!refusal.isEmpty()) {
        finish(false, refusal, kind);
        return;
    }
    start(target);
}

void Transfer::Private::finishComplete()
{
    // A file sink may hold the last bytes in its buffer; a full disk shows only here.
    if (auto *file = qobject_cast<QFileDevice *>(sink); file && !file->flush()) {
        request.sinkFailed = true;
        finish(false, QStringLiteral("could not write: ") + file->errorString(),
               Failure::WriteFailed);
        return;
    }
    finish(true, QString(), Failure::None);
}

void Transfer::Private::fail(const TransferRules::Outcome &outcome)
{
    finish(false, outcome.reason, outcome.failure);
}

// Takes the easy handle out of the multi handle: no callback of libcurl reaches it later.
void Transfer::Private::detach()
{
    clock->stop();
    phase = Phase::Idle;
    if (added) {
        multi->remove(request.handle());
        added = false;
    }
}

// Ends the transfer in progress; finished() follows from the event loop.
void Transfer::Private::finish(bool ok, const QString &reason, Failure kind)
{
    detach();
    sink = nullptr;
    failure = kind;
    // Queued, so that a caller never sees finished() from inside openUrl() or cancel(),
    // and may start the next fetch from its slot.
    QMetaObject::invokeMethod(
        q, [t = q, ok, reason] { Q_EMIT t->finished(ok, reason); }, Qt::QueuedConnection);
}

bool Transfer::isBusy() const
{
    return d->added;
}

void Transfer::cancel()
{
    if (d->added)
        d->finish(false, QStringLiteral("cancelled"), Failure::Cancelled);
}

QString Transfer::getHeader(const QString &name) const
{
    const QByteArray wanted = name.toLatin1();
    QByteArrayList values;
    for (const auto &header : d->request.headers) {
        if (header.first.compare(wanted, Qt::CaseInsensitive) == 0)
            values.append(header.second);
    }
    return QString::fromLatin1(values.join(", "));
}

bool Transfer::hasHeader(const QString &name) const
{
    const QByteArray wanted = name.toLatin1();
    for (const auto &header : d->request.headers) {
        if (header.first.compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int Transfer::statusCode() const
{
    return d->request.headDone ? d->request.status : 0;
}

qint64 Transfer::bytesReceived() const
{
    return d->request.bytesReceived;
}

bool Transfer::sinkFailed() const
{
    return d->request.sinkFailed;
}

Transfer::Failure Transfer::failure() const
{
    return d->failure;
}

QString Transfer::reasonPhrase() const
{
    return d->request.headDone ? QString::fromLatin1(d->request.reasonPhrase) : QString();
}

#include "Transfer.h"

#include "CurlMulti.h"
#include "ShownTexts.h"
#include "TransferPrivate.h"
#include "TransferRules.h"

#include <QIODevice>
#include <QTimer>
#include <QUrl>

namespace {
void initCurlOnce()
{
    static const bool done = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(done);
}
} // namespace

Transfer::Transfer(QObject *parent) : QObject(parent), d(new Private(this))
{
    initCurlOnce();
    d->multi = new CurlMulti(this);
    d->multi->setAfterAction(this, [this] { d->onAfterAction(); });
    d->request.setSocketList(&d->multi->openSockets);
    d->clock = new QTimer(this);
    d->clock->setSingleShot(true);
    connect(d->clock, &QTimer::timeout, this, [this] { d->onTick(); });
    d->request.requestSent = [this] {
        d->phase = Private::Phase::Head;
        d->armClock();
    };
    d->request.headComplete = [this] {
        d->phase = Private::Phase::Body;
        const QByteArray coding = d->request.header("Content-Encoding").trimmed().toLower();
        d->codedBody = !coding.isEmpty() && coding != "identity";
        d->request.recentBytes = 0;
        d->bodyAtTick[0] = -1;
        d->bodyAtTick[1] = 0;
        d->armClock();
    };
}

Transfer::~Transfer()
{
    // Dying mid-transfer: nobody is left to tell, so stop quietly.
    d->detach();
    if (d->ownsMulti) {
        // The share goes with the multi handle, and only once no easy handle uses it.
        if (d->shared)
            d->request.useShare(nullptr);
        delete d->multi; // closes the kept connections while the easy handle still exists
    } else {
        d->request.useShare(nullptr);
        d->multi->forgetOwner(this);
    }
    delete d;
}

void Transfer::shareConnectionsOf(Transfer &primary)
{
    d->detach();
    if (d->ownsMulti)
        delete d->multi;
    d->multi = primary.d->multi;
    d->ownsMulti = false;
    d->session = primary.d;
    d->multi->setAfterAction(this, [this] { d->onAfterAction(); });
    d->request.setSocketList(&d->multi->openSockets);
    CURLSH *share = d->multi->share();
    if (!primary.d->shared) {
        primary.d->request.useShare(share);
        primary.d->shared = true;
    }
    d->request.useShare(share);
    d->shared = true;
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
    d->redirectsLeft = TransferLimits::MaxRedirects;
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
    if (!d->prepareSetup(address))
        return; // it has reported why
    d->request.dropTaintedConnections(
        [multi = d->multi](curl_socket_t socket) { return multi->isWatched(socket); });
    // The composed address is the page the pictures belong to, at every redirect too.
    d->setup.referer = TransferRules::refererFor(address, d->options.referer);
    d->start(address);
}

bool Transfer::isBusy() const
{
    return d->added;
}

void Transfer::cancel()
{
    if (d->added)
        d->finish(false, ShownTexts::cancelled(), Failure::Cancelled);
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

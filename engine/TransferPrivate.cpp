#include "TransferPrivate.h"

#include "CurlMulti.h"
#include "TransferRules.h"

#include <QFile>
#include <QFileDevice>
#include <QIODevice>
#include <QTimer>

using namespace TransferLimits;
using Failure = Transfer::Failure;

// Everything a fetch needs besides its address; false when the fetch failed already.
bool Transfer::Private::prepareSetup()
{
    const ConnectionOptions &o = options;
    setup = {};
    if (viaProxy) {
        const TransferRules::ProxyAddress p = TransferRules::parseProxy(proxy);
        if (!p.valid) {
            // Falling back to a direct connection would bypass the proxy the user chose.
            finish(false, QStringLiteral("malformed proxy address"), Failure::MalformedProxy);
            return false;
        }
        setup.proxy = TransferRules::proxyUrl(p, o.proxyType);
        setup.proxyUser = o.proxyUser.toUtf8();
        setup.proxyPassword = o.proxyPassword.toUtf8();
    }
    setup.userAgent = o.userAgent.isEmpty() ? QByteArray("Mozilla/5.0") : o.userAgent.toUtf8();
    if (session->cookiesFresh) {
        request.forgetCookies(); // those the servers set during the last run
        session->cookiesFrom.clear();
    }
    if (o.cookieFile.isEmpty()) {
        session->cookiesFresh = false;
    } else if (session->cookiesFrom != o.cookieFile) {
        // libcurl skips a file it cannot read; a run without the login cookie must not
        // pass for one with it.
        QFile file(o.cookieFile);
        if (!file.open(QIODevice::ReadOnly)) {
            finish(false, QStringLiteral("could not read the cookie file: ") + file.errorString(),
                   Failure::CookieFile);
            return false;
        }
        setup.cookieFile = QFile::encodeName(o.cookieFile);
        session->cookiesFresh = false;
        session->cookiesFrom = o.cookieFile;
    }
    if (o.caFile.isEmpty()) {
        session->caFrom.clear();
        session->caBundle.clear();
    } else if (session->caFrom != o.caFile) {
        // libcurl takes one bundle: the system's authorities and the extra ones together.
        QFile system(request.systemCaFile());
        QFile extra(o.caFile);
        if (!extra.open(QIODevice::ReadOnly)) {
            finish(false,
                   QStringLiteral("TLS error: could not read the CA file: ") + extra.errorString(),
                   Failure::Tls);
            return false;
        }
        session->caBundle =
            system.open(QIODevice::ReadOnly) ? system.readAll() + '\n' : QByteArray();
        session->caBundle += extra.readAll();
        session->caFrom = o.caFile;
    }
    setup.caBundle = session->caBundle;
    setup.connectTimeoutMs = idleTimeout;
    return true;
}

void Transfer::Private::start(const QUrl &url)
{
    current = url;
    setup.url = url.adjusted(QUrl::RemoveFragment).toEncoded();
    request.prepare(setup, sink);
    setup.cookieFile.clear(); // read once per session, not at every redirect
    phase = Phase::Connecting;
    added = true;
    multi->add(request.handle(), [this](CURLcode code) { onDone(code); });
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
    // libcurl refuses a single header line past its own bound as if memory ran out.
    if (request.headTooLarge || (code == CURLE_OUT_OF_MEMORY && !request.headDone)) {
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

#include "TransferPrivate.h"

#include "CurlMulti.h"
#include "TransferRules.h"

#include <QFile>
#include <QFileDevice>
#include <QIODevice>
#include <QPointer>
#include <QTimer>

using namespace TransferLimits;
using Failure = Transfer::Failure;

// Everything a fetch needs besides its address; false when the fetch failed already.
bool Transfer::Private::prepareSetup(const QUrl &url)
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
    // Refused where they are entered; this is the last line, for any way round that.
    for (const auto &[what, value] :
         {std::pair{"User-Agent", &o.userAgent}, std::pair{"Referer", &o.referer}}) {
        const QString problem = TransferRules::headerValueProblem(QLatin1String(what), *value);
        if (!problem.isEmpty()) {
            finish(false, problem, Failure::UnsafeHeader);
            return false;
        }
    }
    setup.userAgent = o.userAgent.toUtf8();
    if (session->cookiesFresh) {
        request.forgetCookies(); // those the servers set during the last run
        session->cookiesFrom.clear();
    }
    if (o.cookieFile.isEmpty()) {
        session->cookiesFresh = false;
    } else if (session->cookiesFrom != o.cookieFile) {
        // libcurl skips a file it cannot read; a run without the login cookie must not
        // pass for one with it. libcurl takes a whole file in time that grows with the
        // square of its cookies, on the event loop: it gets only the series' host's.
        QByteArray contents;
        QString why;
        if (!TransferRules::readBoundedFile(o.cookieFile, TransferRules::MaxCookieFileBytes,
                                            &contents, &why)) {
            finish(false, QStringLiteral("could not read the cookie file: ") + why,
                   Failure::CookieFile);
            return false;
        }
        setup.cookies = TransferRules::cookieLinesFor(contents, url.host());
        session->cookiesFresh = false;
        session->cookiesFrom = o.cookieFile;
    }
    setup.connectTimeoutMs = idleTimeout;
    return true;
}

// The extra authorities, read when an https address is first fetched: a plain http run
// never fails for a CA file it does not need. False when the fetch failed already.
bool Transfer::Private::loadCaFile()
{
    const ConnectionOptions &o = options;
    if (o.caFile.isEmpty()) {
        session->caFrom.clear();
        session->caBundle.clear();
    } else if (session->caFrom != o.caFile) {
        // libcurl takes one bundle: the system's authorities and the extra ones together.
        QByteArray extra;
        QString why;
        if (!TransferRules::readBoundedFile(o.caFile, TransferRules::MaxCaFileBytes, &extra,
                                            &why)) {
            finish(false, QStringLiteral("TLS error: could not read the CA file: ") + why,
                   Failure::Tls);
            return false;
        }
        // The system's folder of authorities stays in use beside the bundle: the bundle then
        // holds the extra ones alone. Without such a folder it holds the system's file too,
        // parsed at every connection (some 140 authorities, tens of milliseconds).
        if (request.hasSystemCaFolder()) {
            session->caBundle = extra;
        } else {
            QFile system(request.systemCaFile());
            session->caBundle =
                system.open(QIODevice::ReadOnly) ? system.readAll() + '\n' : QByteArray();
            session->caBundle += extra;
        }
        session->caFrom = o.caFile;
    }
    setup.caBundle = session->caBundle;
    return true;
}

void Transfer::Private::start(const QUrl &url)
{
    if (url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 && !loadCaFile())
        return;
    current = url;
    setup.url = url.adjusted(QUrl::RemoveFragment).toEncoded();
    request.prepare(setup, sink);
    setup.cookies.clear(); // handed over once per session, not at every redirect
    phase = Phase::Connecting;
    bodyAtTick[0] = bodyAtTick[1] = -1;
    added = true;
    multi->add(request.handle(), [this](CURLcode code) { onDone(code); });
}

void Transfer::Private::armClock()
{
    clockDue.setRemainingTime(idleTimeout);
    clockArmed = true;
    // The timer's own due time is kept here: asking the event loop for it costs more.
    if (!clock->isActive() || clockFires.deadline() > clockDue.deadline()) {
        clock->start(idleTimeout);
        clockFires = clockDue;
    }
}

void Transfer::Private::disarmClock()
{
    clockArmed = false; // the timer may still fire: it finds nothing to do
}

// The head deadline passed, or a stall window of the body ended.
void Transfer::Private::onTick()
{
    if (!clockArmed)
        return;
    if (!clockDue.hasExpired()) { // the window was moved on since the timer was started
        clock->start(int(qMax<qint64>(1, clockDue.remainingTime())));
        clockFires = clockDue;
        return;
    }
    if (phase == Phase::Body && request.recentBytes >= StallBytes) {
        const qint64 total = request.totalBytes;
        if (bodyAtTick[0] >= 0 && total - bodyAtTick[0] < SlowBytes) {
            finish(false, QStringLiteral("timed out (too slow)"), Failure::TimedOut);
            return;
        }
        bodyAtTick[0] = bodyAtTick[1];
        bodyAtTick[1] = total;
        request.recentBytes = 0;
        armClock();
        return;
    }
    finish(false, QStringLiteral("timed out"), Failure::TimedOut);
}

void Transfer::Private::onAfterAction()
{
    if (!added || !request.bodyArrived || request.bytesReceived == reportedBytes)
        return;
    curl_off_t total = -1;
    // The length a server announces for a coded body is that of its wire form, not of the
    // decoded bytes counted here.
    if (!codedBody)
        curl_easy_getinfo(request.handle(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
    reportedBytes = request.bytesReceived;
    Q_EMIT q->progress(request.bytesReceived, qint64(total));
}

void Transfer::Private::onDone(CURLcode code)
{
    CURL *easy = request.handle();
    multi->remove(easy);
    added = false;
    disarmClock();
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
    result.requestSent = request.requestWentOut;
    result.contentCoding = request.header("Content-Encoding");
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
    disarmClock();
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
    // Never from inside openUrl() or cancel(), and from where the slot may start the next
    // fetch: after the action of the event loop that ended the transfer, in the same turn
    // (whatever the slot then arms for at once runs in that turn too), else queued.
    const QPointer<Transfer> t = q;
    auto report = [t, ok, reason] {
        if (t)
            Q_EMIT t->finished(ok, reason);
    };
    if (!multi->holdReport(report))
        QMetaObject::invokeMethod(q, report, Qt::QueuedConnection);
}

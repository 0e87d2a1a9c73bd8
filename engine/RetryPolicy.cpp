#include "RetryPolicy.h"

#include <QLocale>

#include <algorithm>

int RetryPolicy::retryAfterSeconds(const QString &value, const QDateTime &now)
{
    const QString text = value.trimmed();
    if (text.isEmpty())
        return -1;
    bool isCount = true;
    for (const QChar c : text)
        isCount = isCount && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (isCount) {
        bool ok = false;
        const qlonglong seconds = text.left(12).toLongLong(&ok);
        return !ok || text.size() > 12 ? maxWaitSeconds
                                       : int(std::min<qlonglong>(seconds, maxWaitSeconds));
    }
    // The preferred form of an HTTP date: "Sun, 06 Nov 1994 08:49:37 GMT".
    QDateTime when =
        QLocale::c().toDateTime(text, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
    if (!when.isValid())
        return -1;
    when.setTimeSpec(Qt::UTC);
    // A moment that has passed already (a clock behind the server's, a cached answer) still
    // gets a second: asked again at once, the server would only say the same.
    const qint64 seconds = now.secsTo(when);
    return int(std::clamp<qint64>(seconds, 1, maxWaitSeconds));
}

bool RetryPolicy::asksToSlowDown(int status, bool hasRetryAfter)
{
    return status == 429 || (status == 503 && hasRetryAfter);
}

int RetryPolicy::slowDownSeconds(int waitNumber, int retryAfter)
{
    if (retryAfter >= 0)
        return retryAfter;
    return waitNumber <= 1 ? 10 : waitNumber == 2 ? 30 : 60;
}

bool RetryPolicy::isPassing(Transfer::Failure failure, int status)
{
    switch (failure) {
    case Transfer::Failure::TimedOut:
    case Transfer::Failure::ConnectionReset:
    case Transfer::Failure::ClosedEarly:
    case Transfer::Failure::HostNotFound:
        return true;
    case Transfer::Failure::None:
        return status >= 500 && status <= 599 && status != 501;
    default:
        return false;
    }
}

bool RetryPolicy::meetsEveryAddress(Transfer::Failure failure)
{
    switch (failure) {
    case Transfer::Failure::HostNotFound:
    case Transfer::Failure::ProxyRefused:
    case Transfer::Failure::ProxyNotFound:
    case Transfer::Failure::ProxyAuthFailed:
    case Transfer::Failure::MalformedProxy:
    case Transfer::Failure::Tls:
    case Transfer::Failure::CookieFile:
    case Transfer::Failure::UnsafeHeader:
        return true;
    default:
        return false;
    }
}

int RetryPolicy::retryDelaySeconds(int retryNumber)
{
    return retryNumber >= 6 ? 60 : std::min(2 << (std::max(retryNumber, 1) - 1), 60);
}

QString RetryPolicy::httpErrorText(int status, const QString &reasonPhrase)
{
    const QString text = QStringLiteral("HTTP ") + QString::number(status);
    return reasonPhrase.isEmpty() ? text : text + QLatin1Char(' ') + reasonPhrase;
}

#include "TransferRules.h"

#include <QUrl>

namespace TransferRules {

QString refuseAddress(const QUrl &url)
{
    if (url.isEmpty() || !url.isValid())
        return QStringLiteral("malformed address");
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return QStringLiteral("not an http address");
    if (url.host().isEmpty())
        return QStringLiteral("malformed address");
    return {};
}

ProxyAddress parseProxy(const QString &hostAndPort)
{
    ProxyAddress result;
    const QString text = hostAndPort.trimmed();
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return result;
    QString host = text.left(colon).trimmed();
    const QString portText = text.mid(colon + 1).trimmed();
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    else if (host.contains(QLatin1Char(':')))
        return result; // a bare IPv6 address is ambiguous: which colon starts the port?
    if (host.isEmpty() || portText.isEmpty())
        return result;
    for (const QChar c : host) {
        if (c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('@'))
            return result;
    }
    for (const QChar c : portText) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return result;
    }
    bool ok = false;
    const uint port = portText.toUInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return result;
    result.host = host;
    result.port = static_cast<quint16>(port);
    result.valid = true;
    return result;
}

qint64 parseContentLength(const QByteArray &value)
{
    const QByteArray text = value.trimmed();
    if (text.isEmpty())
        return -1;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
    }
    bool ok = false;
    const qint64 length = text.toLongLong(&ok);
    return ok ? length : -1;
}

bool isStatusError(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::ContentOperationNotPermittedError:
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::AuthenticationRequiredError:
    case QNetworkReply::ContentConflictError:
    case QNetworkReply::ContentGoneError:
    case QNetworkReply::UnknownContentError:
    case QNetworkReply::ProtocolInvalidOperationError:
    case QNetworkReply::InternalServerError:
    case QNetworkReply::OperationNotImplementedError:
    case QNetworkReply::ServiceUnavailableError:
    case QNetworkReply::UnknownServerError:
        return true;
    default:
        return false;
    }
}

QString reasonFor(QNetworkReply::NetworkError error, bool statusArrived, bool viaProxy,
                  const QString &errorText)
{
    if (viaProxy && !statusArrived) {
        if (error == QNetworkReply::ConnectionRefusedError)
            error = QNetworkReply::ProxyConnectionRefusedError;
        else if (error == QNetworkReply::HostNotFoundError)
            error = QNetworkReply::ProxyNotFoundError;
    }
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("host not found");
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("connection refused");
    case QNetworkReply::TimeoutError:
        return QStringLiteral("timed out");
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("cancelled");
    case QNetworkReply::RemoteHostClosedError:
        // Once the headers are in, a close means the body was cut short.
        return statusArrived ? QStringLiteral("connection closed before the whole body arrived")
                             : QStringLiteral("connection reset");
    case QNetworkReply::ProxyConnectionRefusedError:
        return QStringLiteral("proxy refused the connection");
    case QNetworkReply::ProxyNotFoundError:
        return QStringLiteral("proxy not found");
    case QNetworkReply::ProxyTimeoutError:
        return QStringLiteral("proxy timed out");
    case QNetworkReply::ProxyConnectionClosedError:
        return QStringLiteral("proxy closed the connection");
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QStringLiteral("proxy requires a password");
    case QNetworkReply::TooManyRedirectsError:
        return QStringLiteral("too many redirects");
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral("redirect to a less secure address refused");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("TLS error: ") + errorText;
    case QNetworkReply::ProtocolUnknownError:
        return QStringLiteral("not an http address");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return QStringLiteral("network unavailable");
    default:
        break;
    }
    if (errorText.isEmpty())
        return QStringLiteral("network error %1").arg(int(error));
    QString text = errorText;
    text[0] = text.at(0).toLower();
    return text;
}

QNetworkReply::NetworkError networkErrorFor(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QNetworkReply::ConnectionRefusedError;
    case QAbstractSocket::RemoteHostClosedError:
        return QNetworkReply::RemoteHostClosedError;
    case QAbstractSocket::HostNotFoundError:
        return QNetworkReply::HostNotFoundError;
    case QAbstractSocket::SocketTimeoutError:
        return QNetworkReply::TimeoutError;
    default:
        return QNetworkReply::UnknownNetworkError;
    }
}

} // namespace TransferRules

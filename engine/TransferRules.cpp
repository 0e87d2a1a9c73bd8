#include "TransferRules.h"

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

QByteArray proxyUrl(const ProxyAddress &proxy, ConnectionOptions::ProxyType type)
{
    const QByteArray scheme =
        type == ConnectionOptions::ProxyType::Socks5 ? "socks5h://" : "http://";
    QByteArray host = QUrl::toAce(proxy.host);
    if (host.isEmpty())
        host = proxy.host.toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    return scheme + host + ':' + QByteArray::number(proxy.port);
}

QByteArray refererFor(const QUrl &url, const QString &setting)
{
    if (setting.isEmpty())
        return {};
    if (setting != QLatin1String("auto"))
        return setting.toUtf8();
    const QByteArray address = url.adjusted(QUrl::RemoveFragment).toEncoded();
    const qsizetype slash = address.lastIndexOf('/');
    // "http://host" has no path: its last "/" belongs to the scheme.
    if (slash < 0 || address.indexOf("://") + 2 == slash)
        return address + '/';
    return address.left(slash + 1);
}

QUrl redirectTarget(const QUrl &from, const QByteArray &location, QString *refusal,
                    Transfer::Failure *failure)
{
    const QUrl target =
        from.resolved(QUrl::fromEncoded(location.trimmed())).adjusted(QUrl::RemoveFragment);
    *refusal = refuseAddress(target);
    if (!refusal->isEmpty()) {
        *failure = Transfer::Failure::BadAddress;
        return {};
    }
    if (from.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 &&
        target.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0) {
        *refusal = QStringLiteral("redirect to a less secure address refused");
        *failure = Transfer::Failure::UnsafeRedirect;
        return {};
    }
    return target;
}

} // namespace TransferRules

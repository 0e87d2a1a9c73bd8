#include "TransferRules.h"

#include <QFile>
#include <QHash>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const QByteArray address =
        url.adjusted(QUrl::RemoveFragment | QUrl::RemoveUserInfo).toEncoded();
    const qsizetype slash = address.lastIndexOf('/');
    // "http://host" has no path: its last "/" belongs to the scheme.
    if (slash < 0 || address.indexOf("://") + 2 == slash)
        return address + '/';
    return address.left(slash + 1);
}

QString hideCredentials(const QString &address)
{
    // Without a scheme (a proxy as typed) the login comes first.
    const qsizetype scheme = address.indexOf(QLatin1String("://"));
    const qsizetype start = scheme < 0 ? 0 : scheme + 3;
    qsizetype end = start;
    while (end < address.size() && address[end] != QLatin1Char('/') &&
           address[end] != QLatin1Char('?') && address[end] != QLatin1Char('#'))
        ++end;
    const qsizetype at = address.lastIndexOf(QLatin1Char('@'), end - 1);
    if (at < start)
        return address;
    return address.left(start) + QStringLiteral("***") + address.mid(at);
}

QString headerValueProblem(const QString &what, const QString &value)
{
    for (const QChar c : value) {
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7f)
            return QStringLiteral("the %1 holds a control character").arg(what);
    }
    return {};
}

QByteArrayList cookieLinesFor(const QByteArray &contents, const QString &host)
{
    const QByteArray wanted = QUrl::toAce(host).toLower();
    QByteArrayList kept;
    QHash<QByteArray, qsizetype> where; // domain, path and name: the index in kept
    qsizetype begin = 0;
    while (begin < contents.size()) {
        qsizetype end = contents.indexOf('\n', begin);
        if (end < 0)
            end = contents.size();
        const QByteArrayView line(contents.constData() + begin, end - begin);
        begin = end + 1;
        // Most lines of a large file are other hosts': they are not taken apart.
        const qsizetype tab = line.indexOf('\t');
        QByteArrayView domain = tab < 0 ? line : line.first(tab);
        if (domain.startsWith("#HttpOnly_"))
            domain = domain.sliced(10);
        else if (line.startsWith('#'))
            continue;
        if (domain.startsWith('.'))
            domain = domain.sliced(1);
        // The host itself, or a parent domain of it.
        const qsizetype extra = wanted.size() - domain.size();
        if (domain.isEmpty() || extra < 0 || (extra > 0 && wanted.at(extra - 1) != '.') ||
            qstrnicmp(wanted.constData() + extra, domain.data(), domain.size()) != 0)
            continue;
        const QByteArray lower = domain.toByteArray().toLower();
        QByteArray text = line.toByteArray();
        if (text.endsWith('\r'))
            text.chop(1);
        const QList<QByteArray> fields = text.split('\t');
        bool clean = fields.size() == 7;
        for (const char c : text)
            clean = clean && (uchar(c) >= 0x20 || c == '\t') && c != 0x7f;
        if (!clean)
            continue;
        const QByteArray id = lower + '\t' + fields.at(2) + '\t' + fields.at(5);
        const auto known = where.constFind(id);
        if (known != where.cend()) {
            kept[*known] = text;
        } else {
            where.insert(id, kept.size());
            kept.append(text);
        }
    }
    // libcurl stores cookies in time that grows with the square of their number (20,000
    // take seconds, on the event loop); no server reads more than a few hundred of one host.
    if (kept.size() > MaxCookiesPerHost)
        kept = kept.mid(kept.size() - MaxCookiesPerHost);
    return kept;
}

bool readBoundedFile(const QString &path, qint64 maxBytes, QByteArray *contents, QString *why)
{
    const auto fail = [why](const QString &text) {
        *why = text;
        return false;
    };
    // O_NONBLOCK: a FIFO without a writer would hold open() for ever.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(QStringLiteral("not a regular file"));
    }
    if (info.st_size > maxBytes) {
        ::close(fd);
        return fail(QStringLiteral("larger than %1 MiB").arg(maxBytes / (1024 * 1024)));
    }
    contents->resize(qsizetype(info.st_size));
    qsizetype done = 0;
    // A file that grows while it is read is cut at the size it had: the bound holds.
    while (done < contents->size()) {
        const ssize_t n = ::read(fd, contents->data() + done, size_t(contents->size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return fail(QString::fromLocal8Bit(std::strerror(error)));
        }
        if (n == 0)
            break;
        done += n;
    }
    contents->truncate(done);
    ::close(fd);
    return true;
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

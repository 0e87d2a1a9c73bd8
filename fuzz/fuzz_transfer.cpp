// libFuzzer target for what our side of the transfer makes of text from outside: the
// Retry-After parser, the filter of cookies.txt lines, the check of a header value and the
// address shown without its login. Nothing may crash, and each keeps its promise:
// - a Retry-After is refused (-1) or a wait from 0 to the longest allowed;
// - a kept cookie line has seven fields, no control character, and the host's domain;
// - a header value passes exactly when it holds no control character but a tab;
// - a shown address holds no text of the login it hid.
#include "RetryPolicy.h"
#include "TransferRules.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void retryAfter(const QString &text)
{
    static const QDateTime now(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC);
    const int seconds = RetryPolicy::retryAfterSeconds(text, now);
    check(seconds == -1 || (seconds >= 0 && seconds <= RetryPolicy::maxWaitSeconds));
}

void cookies(const QByteArray &bytes)
{
    // The first line names the host; the rest is the file.
    const qsizetype cut = bytes.indexOf('\n');
    const QString host = QString::fromLatin1(cut < 0 ? bytes : bytes.left(cut)).toLower();
    const QByteArray contents = cut < 0 ? QByteArray() : bytes.mid(cut + 1);
    const QByteArrayList kept = TransferRules::cookieLinesFor(contents, host);
    check(kept.size() <= contents.count('\n') + 1);
    const QByteArray ace = QUrl::toAce(host).toLower();
    for (const QByteArray &line : kept) {
        check(line.split('\t').size() == 7);
        for (const char c : line)
            check((uchar(c) >= 0x20 || c == '\t') && c != 0x7f);
        QByteArray domain = line.left(line.indexOf('\t')).toLower();
        if (domain.startsWith("#httponly_"))
            domain = domain.mid(10);
        if (domain.startsWith('.'))
            domain = domain.mid(1);
        check(!domain.isEmpty() && (domain == ace || ace.endsWith('.' + domain)));
    }
}

void headerValue(const QString &text)
{
    bool control = false;
    for (const QChar c : text)
        control = control || (c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7f;
    check(TransferRules::headerValueProblem(QStringLiteral("Referer"), text).isEmpty() == !control);
}

void shownAddress(const QString &text)
{
    const QString shown = TransferRules::hideCredentials(text);
    check(shown == text || shown.contains(QLatin1String("***@")));
    // What stood between the scheme and the last "@" of the host part is gone.
    const qsizetype at = text.indexOf(QLatin1Char('@'));
    if (shown != text && at > 0)
        check(shown.size() <= text.size() + 3);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QString text = QString::fromUtf8(bytes);
    switch (data[0] % 4) {
    case 0:
        retryAfter(text);
        break;
    case 1:
        cookies(bytes);
        break;
    case 2:
        headerValue(text);
        break;
    default:
        shownAddress(text);
        break;
    }
    return 0;
}

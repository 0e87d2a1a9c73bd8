#include "ShownTexts.h"

#include "AttemptOutcome.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace {

// The content type as it is shown: a response may name none.
QString shownType(const QString &contentType)
{
    return contentType.isEmpty() ? QStringLiteral("no content type") : contentType;
}

// The English reasons the engine gives, as written where they are made; %1 and %2 stand for
// the parts that vary. A wording changed there and not here is shown in English.
constexpr const char *reasonTexts[] = {
    QT_TRANSLATE_NOOP("ShownTexts", "connection refused"),
    QT_TRANSLATE_NOOP("ShownTexts", "connection reset"),
    QT_TRANSLATE_NOOP("ShownTexts", "connection closed before the whole body arrived"),
    QT_TRANSLATE_NOOP("ShownTexts", "host not found"),
    QT_TRANSLATE_NOOP("ShownTexts", "timed out"),
    QT_TRANSLATE_NOOP("ShownTexts", "timed out (too slow)"),
    QT_TRANSLATE_NOOP("ShownTexts", "not an HTTP response"),
    QT_TRANSLATE_NOOP("ShownTexts", "empty response (%1)"),
    QT_TRANSLATE_NOOP("ShownTexts", "nowhere to write"),
    QT_TRANSLATE_NOOP("ShownTexts", "no folder was given"),
    QT_TRANSLATE_NOOP("ShownTexts", "not a regular file"),
    QT_TRANSLATE_NOOP("ShownTexts", "larger than %1 MiB"),
    QT_TRANSLATE_NOOP("ShownTexts", "malformed response from the server"),
    QT_TRANSLATE_NOOP("ShownTexts", "response head too large"),
    QT_TRANSLATE_NOOP("ShownTexts", "too many redirects"),
    QT_TRANSLATE_NOOP("ShownTexts", "redirect to a less secure address refused"),
    QT_TRANSLATE_NOOP("ShownTexts", "not an http address"),
    QT_TRANSLATE_NOOP("ShownTexts", "malformed address"),
    QT_TRANSLATE_NOOP("ShownTexts", "malformed proxy address"),
    QT_TRANSLATE_NOOP("ShownTexts", "proxy not found"),
    QT_TRANSLATE_NOOP("ShownTexts", "proxy refused the connection"),
    QT_TRANSLATE_NOOP("ShownTexts", "proxy requires a login"),
    QT_TRANSLATE_NOOP("ShownTexts", "proxy refused the login"),
    QT_TRANSLATE_NOOP("ShownTexts", "proxy error: %1"),
    QT_TRANSLATE_NOOP("ShownTexts", "TLS error: could not read the CA file: %1"),
    QT_TRANSLATE_NOOP("ShownTexts", "TLS error: %1"),
    QT_TRANSLATE_NOOP("ShownTexts", "could not read the cookie file: %1"),
    QT_TRANSLATE_NOOP("ShownTexts", "could not write: %1"),
    QT_TRANSLATE_NOOP("ShownTexts", "network error %1"),
    QT_TRANSLATE_NOOP("ShownTexts", "cancelled"),
    QT_TRANSLATE_NOOP("ShownTexts", "the file exists"),
    QT_TRANSLATE_NOOP("ShownTexts", "saving is off"),
    QT_TRANSLATE_NOOP("ShownTexts", "not an image (%1)"),
    QT_TRANSLATE_NOOP("ShownTexts", "no content type"),
    QT_TRANSLATE_NOOP("ShownTexts", "no response body was received"),
    QT_TRANSLATE_NOOP("ShownTexts", "no save directory is set"),
    QT_TRANSLATE_NOOP("ShownTexts", "no temporary file could be created"),
    QT_TRANSLATE_NOOP("ShownTexts", "the existing file is read-only"),
    QT_TRANSLATE_NOOP("ShownTexts", "the file name contains a path separator"),
    QT_TRANSLATE_NOOP("ShownTexts", "the file name contains a control character"),
    QT_TRANSLATE_NOOP("ShownTexts", "the file name is longer than %1 bytes"),
    QT_TRANSLATE_NOOP("ShownTexts", "the file name is reserved for temporary files"),
    QT_TRANSLATE_NOOP("ShownTexts", "the counter is empty"),
    QT_TRANSLATE_NOOP("ShownTexts", "the counter \"%1\" is not a number"),
    QT_TRANSLATE_NOOP("ShownTexts", "the counter %1 is outside -32768 to 32767"),
    QT_TRANSLATE_NOOP("ShownTexts", "the next counter %1 would be outside -32768 to 32767"),
    QT_TRANSLATE_NOOP("ShownTexts", "the counter \"%1\" is not a single-byte character"),
    QT_TRANSLATE_NOOP("ShownTexts", "the next counter would be outside character codes 0 to 255"),
    QT_TRANSLATE_NOOP("ShownTexts", "the range \"%1\" cannot be reached with increment %2"),
    QT_TRANSLATE_NOOP("ShownTexts",
                      "the range \"%1\" is of letters, but the counter counts numbers"),
    QT_TRANSLATE_NOOP("ShownTexts", "the range \"%1\" mixes upper and lower case"),
    QT_TRANSLATE_NOOP("ShownTexts", "the range \"%1\" mixes letters and digits"),
    QT_TRANSLATE_NOOP("ShownTexts", "the range \"[%1\" has no closing bracket"),
    QT_TRANSLATE_NOOP("ShownTexts", "the range \"[%1]\" is neither two numbers nor two letters, "
                                    "as in [01-20] or [A-F]"),
    QT_TRANSLATE_NOOP("ShownTexts", "the range \"%1\" goes outside -32768 to 32767"),
};

// Each wording as a pattern whose %1 and %2 match anything.
struct ReasonPattern
{
    const char *text;
    QRegularExpression pattern;
};

const QList<ReasonPattern> &reasonPatterns()
{
    static const QList<ReasonPattern> patterns = [] {
        QList<ReasonPattern> list;
        static const QRegularExpression marker(QStringLiteral("%[12]"));
        for (const char *text : reasonTexts) {
            const QString wording = QString::fromUtf8(text);
            QString expression;
            qsizetype done = 0;
            for (const QRegularExpressionMatch &m : marker.globalMatch(wording)) {
                expression +=
                    QRegularExpression::escape(wording.mid(done, m.capturedStart() - done)) +
                    QStringLiteral("(.*)");
                done = m.capturedEnd();
            }
            expression += QRegularExpression::escape(wording.mid(done));
            list.append({text, QRegularExpression(QRegularExpression::anchoredPattern(expression),
                                                  QRegularExpression::DotMatchesEverythingOption)});
        }
        return list;
    }();
    return patterns;
}

} // namespace

QString ShownTexts::reason(const QString &englishReason)
{
    for (const ReasonPattern &p : reasonPatterns()) {
        const QRegularExpressionMatch m = p.pattern.match(englishReason);
        if (!m.hasMatch())
            continue;
        const QString shown = QCoreApplication::translate("ShownTexts", p.text);
        // A part that is itself a reason ("proxy error: connection refused") is shown so too.
        if (m.lastCapturedIndex() == 2)
            return shown.arg(reason(m.captured(1)), reason(m.captured(2)));
        return m.lastCapturedIndex() == 1 ? shown.arg(reason(m.captured(1))) : shown;
    }
    return englishReason;
}

QString ShownTexts::opening(const QString &url)
{
    return QCoreApplication::translate("ShownTexts", "Opening : %1").arg(url);
}

QString ShownTexts::openingInFlight(const QString &url, int inFlight)
{
    return QCoreApplication::translate("ShownTexts", "%1 (%2)",
                                       "an address being opened, then how many")
        .arg(opening(url), ShownTexts::inFlight(inFlight));
}

QString ShownTexts::inFlight(int count)
{
    return QCoreApplication::translate("ShownTexts", "%n in flight",
                                       "pictures being fetched at once", count);
}

QString ShownTexts::opened(const QString &url)
{
    return QCoreApplication::translate("ShownTexts", "Opened  : %1").arg(url);
}

QString ShownTexts::waiting(int seconds)
{
    return QCoreApplication::translate("ShownTexts",
                                       "Waiting : %1 s, the server asked to slow down")
        .arg(seconds);
}

QString ShownTexts::failed(const QString &url, const QString &reason)
{
    return QCoreApplication::translate("ShownTexts", "Failed   : %1 (%2)")
        .arg(url, ShownTexts::reason(reason));
}

QString ShownTexts::couldNotSave(const QString &target, const QString &reason)
{
    return QCoreApplication::translate("ShownTexts", "could not save to %1: %2")
        .arg(target, ShownTexts::reason(reason));
}

QString ShownTexts::summary(const RunCounts &counts, const QString &reason)
{
    // One count per summary word, in the order the words first appear in the outcome table;
    // the first is always shown, the others only when not zero.
    QStringList words;
    QList<int> numbers;
    for (AttemptOutcome outcome : AttemptOutcomes::all()) {
        const QString word = QLatin1String(outcomeRow(outcome).summaryWord);
        const qsizetype at = words.indexOf(word);
        if (at < 0) {
            words.append(word);
            numbers.append(counts[outcome]);
        } else {
            numbers[at] += counts[outcome];
        }
    }
    // Each count with its own word, so that a language can inflect the word by the number.
    // The words of the outcome table are listed here for lupdate; one added there and not
    // here stays English.
    [[maybe_unused]] static const char *const countTexts[] = {
        QT_TRANSLATE_N_NOOP("ShownTexts", "%n saved"),
        QT_TRANSLATE_N_NOOP("ShownTexts", "%n skipped"),
        QT_TRANSLATE_N_NOOP("ShownTexts", "%n not images"),
        QT_TRANSLATE_N_NOOP("ShownTexts", "%n failed"),
    };
    QStringList shown;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i == 0 || numbers.at(i) != 0)
            shown << QCoreApplication::translate(
                "ShownTexts", QStringLiteral("%n %1").arg(words.at(i)).toUtf8().constData(),
                nullptr, numbers.at(i));
    }
    const QString joined =
        shown.join(QCoreApplication::translate("ShownTexts", ", ", "between two counts"));
    if (reason.isEmpty())
        return QCoreApplication::translate("ShownTexts", "downloading completed (%1)").arg(joined);
    return QCoreApplication::translate("ShownTexts", "downloading completed (%1; %2)",
                                       "%1: the counts, %2: why the run ended early")
        .arg(joined, ShownTexts::reason(reason));
}

QString ShownTexts::missesInRow(int misses)
{
    return misses == 1 ? QStringLiteral("1 miss in a row")
                       : QStringLiteral("%1 misses in a row").arg(misses);
}

QString ShownTexts::seriesEnded(int misses)
{
    return misses == 1 ? QCoreApplication::translate("ShownTexts", "the series ended after 1 miss")
                       : QCoreApplication::translate(
                             "ShownTexts", "the series ended after %n misses", nullptr, misses);
}

QString ShownTexts::trayTip(const QString &fileName)
{
    return QCoreApplication::translate("ShownTexts", "current file : %1").arg(fileName);
}

QString ShownTexts::idleTrayTip()
{
    return QCoreApplication::translate("ShownTexts", "current file : None");
}

QString ShownTexts::newNamePrompt()
{
    return QCoreApplication::translate(
        "ShownTexts",
        "File Exists. Enter a new Name without the extension. \r\nclick cancel to skip saving "
        "this file");
}

QString ShownTexts::fileExists()
{
    return QStringLiteral("the file exists");
}

QString ShownTexts::savingOff()
{
    return QStringLiteral("saving is off");
}

QString ShownTexts::notImage(const QString &contentType)
{
    return QStringLiteral("not an image (") + shownType(contentType) + QLatin1Char(')');
}

QString ShownTexts::cancelled()
{
    return QStringLiteral("cancelled");
}

QString ShownTexts::emptyResponse(const QString &httpStatus)
{
    return QStringLiteral("empty response (") + httpStatus + QLatin1Char(')');
}

QString ShownTexts::storeNotRegular(const QString &path)
{
    return QStringLiteral("The settings file %1 is not a regular file; the defaults apply and "
                          "nothing is stored.")
        .arg(path);
}

QString ShownTexts::storedValueIgnored(const QString &key, const QString &problem)
{
    return QStringLiteral("The stored setting %1: %2; it is ignored.").arg(key, problem);
}

QString LogLines::wrote(const QString &url, Placement placement, const QString &target)
{
    switch (placement) {
    case Placement::Saving:
        return url + QStringLiteral("---> saving to  ") + target;
    case Placement::Overwriting:
        return url + QStringLiteral("---> over writing to  ") + target;
    case Placement::Renaming:
        return url + QStringLiteral("---> renaming to  ") + target;
    case Placement::Autonaming:
        return url + QStringLiteral("---> autonaming to  ") + target;
    }
    return {};
}

QString LogLines::fileExists(const QString &url)
{
    return url + QStringLiteral(" ---> file exits. did not save");
}

QString LogLines::noFreeName(const QString &url)
{
    return url + QStringLiteral(" ---> no free name, did not save");
}

QString LogLines::notSaved(const QString &url)
{
    return url + QStringLiteral(" ---> not saved (saving is off)");
}

QString LogLines::couldNotSave(const QString &url, const QString &target, const QString &reason)
{
    return url + QStringLiteral("---> could not save to  ") + target + QStringLiteral(": ") +
           reason;
}

QString LogLines::notImage(const QString &url, const QString &contentType)
{
    return url + QStringLiteral(" ---> not an image (") + shownType(contentType) +
           QStringLiteral("), did not save");
}

QString LogLines::failed(const QString &url, const QString &reason)
{
    return url + QStringLiteral("---> failed: ") + reason;
}

QString LogLines::triedTimes(int tries)
{
    return QStringLiteral(" (tried %1 times)").arg(tries);
}

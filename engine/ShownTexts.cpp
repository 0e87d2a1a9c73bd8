#include "ShownTexts.h"

#include "AttemptOutcome.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The content type as it is shown: a response may name none.
QString shownType(const QString &contentType)
{
    return contentType.isEmpty() ? QStringLiteral("no content type") : contentType;
}

} // namespace

QString ShownTexts::opening(const QString &url)
{
    return QCoreApplication::translate("ShownTexts", "Opening : %1").arg(url);
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
    return QCoreApplication::translate("ShownTexts", "Failed   : %1 (%2)").arg(url, reason);
}

QString ShownTexts::couldNotSave(const QString &target, const QString &reason)
{
    return QCoreApplication::translate("ShownTexts", "could not save to %1: %2")
        .arg(target, reason);
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
        .arg(joined, reason);
}

QString ShownTexts::missesInRow(int misses)
{
    return misses == 1
               ? QCoreApplication::translate("ShownTexts", "1 miss in a row")
               : QCoreApplication::translate("ShownTexts", "%n misses in a row", nullptr, misses);
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

#include "ShownTexts.h"

#include "AttemptOutcome.h"

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
    return QStringLiteral("Opening : ") + url;
}

QString ShownTexts::openingInFlight(const QString &url, int inFlight)
{
    return opening(url) + QStringLiteral(" (") + ShownTexts::inFlight(inFlight) + QLatin1Char(')');
}

QString ShownTexts::inFlight(int count)
{
    return QStringLiteral("%1 in flight").arg(count);
}

QString ShownTexts::opened(const QString &url)
{
    return QStringLiteral("Opened  : ") + url;
}

QString ShownTexts::waiting(int seconds)
{
    return QStringLiteral("Waiting : %1 s, the server asked to slow down").arg(seconds);
}

QString ShownTexts::failed(const QString &url, const QString &reason)
{
    return QStringLiteral("Failed   : ") + url + QStringLiteral(" (") + reason + QLatin1Char(')');
}

QString ShownTexts::couldNotSave(const QString &target, const QString &reason)
{
    return QStringLiteral("could not save to ") + target + QStringLiteral(": ") + reason;
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
    QString text = QStringLiteral("downloading completed (");
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i == 0)
            text += QStringLiteral("%1 %2").arg(numbers.at(i)).arg(words.at(i));
        else if (numbers.at(i) != 0)
            text += QStringLiteral(", %1 %2").arg(numbers.at(i)).arg(words.at(i));
    }
    if (!reason.isEmpty())
        text += QStringLiteral("; ") + reason;
    return text + QLatin1Char(')');
}

QString ShownTexts::missesInRow(int misses)
{
    return misses == 1 ? QStringLiteral("1 miss in a row")
                       : QStringLiteral("%1 misses in a row").arg(misses);
}

QString ShownTexts::seriesEnded(int misses)
{
    return misses == 1 ? QStringLiteral("the series ended after 1 miss")
                       : QStringLiteral("the series ended after %1 misses").arg(misses);
}

QString ShownTexts::trayTip(const QString &fileName)
{
    return QStringLiteral("current file : ") + fileName;
}

QString ShownTexts::idleTrayTip()
{
    return QStringLiteral("current file : None");
}

QString ShownTexts::newNamePrompt()
{
    return QStringLiteral("File Exists. Enter a new Name without the extension. ") +
           QStringLiteral("\r\n") + QStringLiteral("click cancel to skip saving this file");
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

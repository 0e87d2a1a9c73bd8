#include "DryRun.h"

#include "RunSetup.h"
#include "SaveNaming.h"
#include "SequenceCounter.h"
#include "TerminalOutput.h"
#include "TransferRules.h"

#include <QDir>
#include <QFileInfo>

QString DryRun::actionFor(const RunSetup &setup, const QString &target, const QString &nameProblem)
{
    if (!nameProblem.isEmpty())
        return QStringLiteral("refused: ") + nameProblem;
    if (!setup.settings.is_save)
        return QStringLiteral("not kept: saving is off");
    const QFileInfo file(target);
    if (!file.exists() && !file.isSymLink())
        return QStringLiteral("new");
    switch (setup.settings.if_exists) {
    case IfExistsPolicy::Overwrite:
        return QStringLiteral("overwrite");
    case IfExistsPolicy::Rename:
        return QStringLiteral("rename");
    case IfExistsPolicy::Skip:
    case IfExistsPolicy::Prompt:
        break;
    }
    return QStringLiteral("skip: exists");
}

DryRun::Walk DryRun::walk(const QString &url2, const RunSettings &s)
{
    using SequenceCounter::Step;
    Walk walk;
    const SequenceCounter::Range range =
        SequenceCounter::parseRange(url2, s.is_number_mode, s.increment);
    if (range.kind == SequenceCounter::Range::Unreachable) {
        walk.end = range.reason;
        return walk;
    }
    const bool isRange = range.kind == SequenceCounter::Range::Walkable;
    QString counter = isRange ? range.from : url2;
    for (int attempt = 1;; ++attempt) {
        walk.counters << counter;
        // After each attempt the run steps the counter and then tests its ends.
        const Step step = SequenceCounter::advanceCounter(counter, s.is_number_mode, s.increment);
        const QString next = step.outcome == Step::Stepped ? step.newText : counter;
        if (!s.isMultiple) {
            walk.end = QStringLiteral("one attempt");
            return walk;
        }
        QString end;
        if (isRange &&
            SequenceCounter::endsRange(counter, next, range.to, s.is_number_mode, s.increment))
            end = QStringLiteral("the end of the range");
        else if (step.outcome == Step::LetterEnd)
            end = QStringLiteral("the last letter");
        else if (step.outcome == Step::Unsteppable)
            end = step.reason;
        else if (s.max_downloads <= attempt)
            end = QStringLiteral("max_downloads");
        if (!end.isEmpty()) {
            walk.end = end + (attempt == 1 ? QStringLiteral(", after 1 attempt")
                                           : QStringLiteral(", after %1 attempts").arg(attempt));
            return walk;
        }
        counter = next;
    }
}

void DryRun::show(const RunSetup &setup, TerminalOutput &output)
{
    const RunSettings &s = setup.settings;
    const QString dir = s.is_save ? s.save_dir : QDir::tempPath();
    const Walk planned = walk(setup.url2, s);
    for (const QString &counter : planned.counters) {
        const QString url = SequenceCounter::composeUrl(setup.url1, counter, setup.url3);
        QString problem;
        const QString target = SaveNaming::targetInDir(
            dir, SaveNaming::composeName(url, s.append_str, s.is_header), &problem);
        output.plannedAttempt(TransferRules::hideCredentials(url), target,
                              actionFor(setup, target, problem));
        if (output.isBroken())
            return;
    }
    output.plannedEnd(planned.end);
}

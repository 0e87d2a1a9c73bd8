#include "DryRun.h"

#include "RunSetup.h"
#include "SaveNaming.h"
#include "SequenceCounter.h"
#include "TerminalOutput.h"

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

void DryRun::show(const RunSetup &setup, TerminalOutput &output)
{
    const RunSettings &s = setup.settings;
    const QString dir = s.is_save ? s.save_dir : QDir::tempPath();
    QString counter = setup.plan.first;
    QString end = setup.endText;
    for (int i = 0; i < setup.planned; ++i) {
        const QString url = SequenceCounter::composeUrl(setup.url1, counter, setup.url3);
        QString problem;
        const QString target = SaveNaming::targetInDir(
            dir, SaveNaming::composeName(url, s.append_str, s.is_header), &problem);
        output.plannedAttempt(url, target, actionFor(setup, target, problem));
        if (i + 1 == setup.planned)
            break;
        const SequenceCounter::Step step =
            SequenceCounter::advanceCounter(counter, s.is_number_mode, s.increment);
        if (step.outcome != SequenceCounter::Step::Stepped) {
            end = step.outcome == SequenceCounter::Step::LetterEnd
                      ? QStringLiteral("the last letter, after %1 attempts").arg(i + 1)
                      : step.reason + QStringLiteral(", after %1 attempts").arg(i + 1);
            break;
        }
        counter = step.newText;
    }
    output.plannedEnd(end);
}

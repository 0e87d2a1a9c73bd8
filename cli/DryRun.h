#pragma once

#include <QString>
#include <QStringList>

struct RunSettings;
struct RunSetup;
class TerminalOutput;

// `quillop get --dry-run`: every attempt the run would make, without a request or a write:
// its address, its target and what would become of a picture there ("new", "skip: exists",
// "overwrite", "rename"), then how the run would end.
namespace DryRun {

// The counters of the attempts the run would make from url2 (a range is walked from FROM),
// stepped and ended as the run steps and ends them, as far as that is known before any
// response: misses and Stop are not.
struct Walk
{
    QStringList counters;
    QString end; // why the run would end after the last of them
};
Walk walk(const QString &url2, const RunSettings &settings);

void show(const RunSetup &setup, TerminalOutput &output);

// What saving a picture at target would do under the run's settings.
QString actionFor(const RunSetup &setup, const QString &target, const QString &nameProblem);

} // namespace DryRun

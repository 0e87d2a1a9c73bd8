#pragma once

#include <QString>

struct RunSetup;
class TerminalOutput;

// `quillop get --dry-run`: every attempt the run would make, from the counter's plan alone,
// without a request or a write: its address, its target and what would become of a picture
// there ("new", "skip: exists", "overwrite", "rename"), then how the run would end.
namespace DryRun {

void show(const RunSetup &setup, TerminalOutput &output);

// What saving a picture at target would do under the run's settings.
QString actionFor(const RunSetup &setup, const QString &target, const QString &nameProblem);

} // namespace DryRun

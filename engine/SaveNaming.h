#pragma once

#include <QString>

struct RunSettings;
class MainWindowElements;

// How a response's address becomes the path of the file it is saved as.
namespace SaveNaming {

// Longest name, in UTF-8 bytes, that common Linux file systems accept.
constexpr int maxNameBytes = 255;

// The name derived from url: append_str before (isHeader) or after the base name, then
// suffix, then "." and the extension, each part trimmed of blanks. The dot stays even
// when the address has no extension.
QString composeName(const QString &url, const QString &appendStr, bool isHeader,
                    const QString &suffix = QString());

// The suffix an automatically renamed file carries: "_qp" and number (10000..99999).
QString autoSuffix(int number);

// Empty when name can be a file directly inside a directory; otherwise why not, in
// words. Names that could climb out of the directory or that file systems refuse never
// pass: empty, ".", "..", a path separator, a control character, more than 255 bytes,
// and the names of our own temporary files.
QString nameProblem(const QString &name);

// dir joined with name. When name is not usable, problem (if given) says why; the path is
// still returned so that it can be shown.
QString targetInDir(const QString &dir, const QString &name, QString *problem = nullptr);

// The target in the save directory for url; shown as the status text.
QString makeSavePath(const QString &url, const RunSettings &settings, MainWindowElements &window,
                     QString *problem = nullptr);

// A candidate target with a random "_qpNNNNN" before the extension; shown as the
// status text.
QString makeAutoName(const QString &url, const RunSettings &settings, MainWindowElements &window,
                     QString *problem = nullptr);

// The target a prompt answer gives a file whose current target is currentTarget: the
// answer exactly as typed, ".", and the current target's extension. Answers that are a
// path rather than a name ("..", "../x", "a/b") are problems as well.
QString promptedTarget(const QString &answer, const QString &currentTarget, const QString &saveDir,
                       QString *problem);

// Temporary file names: ".quillop-<pid>-<random>.part".
QString tempNamePrefix(qint64 pid);
// The process id in a temporary file name; -1 for any other name.
qint64 tempNamePid(const QString &name);

} // namespace SaveNaming

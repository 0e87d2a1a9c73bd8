#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

// The file operations behind saving a picture: names that are taken, moves that never replace
// (or that do, in one step), temporary files in the save directory, syncing to disk.
namespace SaveFiles {

QByteArray native(const QString &path);
// Any directory entry counts, a dangling link or a directory included: none of them may be
// replaced by a saved picture.
bool pathTaken(const QString &path);
// Moves from to to unless to exists; returns 0 or the errno. EEXIST means the name was
// taken, even if it was taken only a moment ago.
int renameNoReplace(const QString &from, const QString &to);
// Sets errno and returns false when the file cannot be opened or synced.
bool syncToDisk(const QString &path);
int renameReplace(const QString &from, const QString &to);
bool isDeadProcess(qint64 pid);
// A new, empty file in dir under a temporary name, open for writing.
std::unique_ptr<QFile> createTemp(const QString &dir, QString *problem);
bool copyContents(const QString &from, QFile &to, QString *problem);
bool sameDirectory(const QString &a, const QString &b);

} // namespace SaveFiles

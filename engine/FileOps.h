#pragma once

#include <QString>

// Path and file operations. The segment operations accept both "/" and "\" as
// separators, so they work on addresses as well as on paths.
namespace FileOps {

// dir and name joined with exactly one separator; none added when dir ends in one.
QString BuildPath(const QString &dir, const QString &name);
// True when a directory exists at path; an empty path gives false.
bool FolderExists(const QString &path);
bool FileExists(const QString &path);
// Creates the folder path with every missing parent, each with mode 0755 less the umask.
// True when it is a folder afterwards; otherwise error says why, in the system's words.
bool CreateFolder(const QString &path, QString *error);
// The last segment: the text after the last "/" or "\".
QString GetFileName(const QString &path);
// The last segment up to its last "."; the whole segment when it has no ".".
QString GetBaseName(const QString &path);
// The text after the last "." of the last segment; empty when it has none.
QString GetExtensionName(const QString &path);
// The root of the mounted volume that holds path (the nearest existing parent is used
// for a path that does not exist).
QString GetDriveName(const QString &path);

// Appends text and CR LF to the file, creating it when missing; opens and closes it.
// The text is written as UTF-8 without a byte-order mark. Returns false on any failure.
bool appendLine(const QString &path, const QString &text);

// write(2) until every byte of data is out, again after an interruption. False, with errno
// set, when the system refuses.
bool writeAll(int fd, const char *data, qint64 length);

} // namespace FileOps

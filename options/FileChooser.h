#pragma once

#include <QString>
#include <functional>

class QWidget;

// The desktop's folder and file choosers behind one seam: tests answer in their place, so
// that nothing modal ever waits for a person offscreen. An empty answer means cancelled.
namespace FileChooser {

enum class Kind { Directory, File };

// What the hook is asked: the kind, the chooser's caption and the path it starts at.
using Hook = std::function<QString(Kind kind, const QString &caption, const QString &start)>;

QString existingDirectory(QWidget *parent, const QString &caption, const QString &start);
QString openFile(QWidget *parent, const QString &caption, const QString &start);
// Replaces the desktop's choosers; an empty hook brings them back.
void setHook(Hook hook);

} // namespace FileChooser

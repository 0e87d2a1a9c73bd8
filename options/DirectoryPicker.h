#pragma once

#include <QTreeWidget>

// A directory list in the classic style: the chain of folders from the root down to the
// current directory, each indented under its parent, and below it the subdirectories of
// the current directory. Double-click or Enter on an entry makes it current. Only
// directories are shown.
class DirectoryPicker : public QTreeWidget
{
    Q_OBJECT
public:
    explicit DirectoryPicker(QWidget *parent = nullptr);

    // The current directory as an absolute, cleaned path; empty until a path is set.
    QString path() const { return m_path; }
    // Makes path current. A path that does not exist (or cannot be read as a directory)
    // leaves the picker at its nearest existing parent; an empty path means the root.
    void setPath(const QString &path);

    // The nearest existing directory at or above path.
    static QString nearestExisting(const QString &path);

    // Room for a path of some depth and a few of its subdirectories.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The current directory changed, by the user or by setPath.
    void pathChanged(const QString &path);

private:
    void rebuild();
    void onActivated(QTreeWidgetItem *item);

    QString m_path;
};

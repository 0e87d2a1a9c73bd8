#include "DirectoryPicker.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>

namespace {
constexpr int PathRole = Qt::UserRole;
}

DirectoryPicker::DirectoryPicker(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(10);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item, int) { onActivated(item); });
}

QString DirectoryPicker::nearestExisting(const QString &path)
{
    QString candidate =
        QDir::cleanPath(QFileInfo(path.isEmpty() ? QDir::rootPath() : path).absoluteFilePath());
    while (!QFileInfo(candidate).isDir() && candidate != QDir::rootPath()) {
        const QString parent = QFileInfo(candidate).absolutePath();
        if (parent == candidate)
            break;
        candidate = parent;
    }
    return QFileInfo(candidate).isDir() ? candidate : QDir::rootPath();
}

QSize DirectoryPicker::sizeHint() const
{
    const int row = qMax(fontMetrics().height(), iconSize().height()) + 4;
    return {fontMetrics().averageCharWidth() * 36, row * 10 + 2 * frameWidth()};
}

QSize DirectoryPicker::minimumSizeHint() const
{
    const int row = qMax(fontMetrics().height(), iconSize().height()) + 4;
    return {fontMetrics().averageCharWidth() * 24, row * 7 + 2 * frameWidth()};
}

void DirectoryPicker::setPath(const QString &path)
{
    const QString target = nearestExisting(path);
    if (target == m_path)
        return;
    m_path = target;
    rebuild();
    emit pathChanged(m_path);
}

void DirectoryPicker::rebuild()
{
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The chain from the root down to the current directory.
    QStringList chain;
    for (QDir dir(m_path);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    QTreeWidgetItem *parentItem = nullptr;
    for (const QString &dirPath : std::as_const(chain)) {
        const QString name = QDir(dirPath).isRoot() ? QDir::toNativeSeparators(dirPath)
                                                    : QFileInfo(dirPath).fileName();
        auto *item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
        item->setText(0, name);
        item->setIcon(0, openIcon);
        item->setData(0, PathRole, dirPath);
        parentItem = item;
    }
    QTreeWidgetItem *current = parentItem;

    const QDir here(m_path);
    const QStringList subdirs =
        here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subdirs) {
        auto *item = new QTreeWidgetItem(current);
        item->setText(0, name);
        item->setIcon(0, closedIcon);
        item->setData(0, PathRole, here.absoluteFilePath(name));
    }
    expandAll();
    setCurrentItem(current);
    scrollToItem(current, QAbstractItemView::PositionAtTop);
}

void DirectoryPicker::onActivated(QTreeWidgetItem *item)
{
    if (item)
        setPath(item->data(0, PathRole).toString());
}

#include "DrivePicker.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

DrivePicker::DrivePicker(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    refresh();
    connect(this, &QComboBox::currentIndexChanged, this, &DrivePicker::onIndexChanged);
}

void DrivePicker::refresh()
{
    const QString chosen = drive();
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        // Containers bind-mount single files (resolv.conf, hosts); only directories are drives.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots << volume.rootPath();
    }
    if (!roots.contains(QDir::rootPath()))
        roots << QDir::rootPath();
    roots.removeDuplicates();
    roots.sort();

    const QSignalBlocker quiet(this);
    clear();
    for (const QString &root : std::as_const(roots))
        addItem(QDir::toNativeSeparators(root), root);
    // Nothing is chosen until the dialog fills the picker, so that filling always counts
    // as a change and runs the chain to the directory picker.
    setCurrentIndex(chosen.isEmpty() ? -1 : findData(chosen));
}

QString DrivePicker::drive() const
{
    return currentData().toString();
}

void DrivePicker::setDrive(const QString &root)
{
    int index = findData(root);
    if (index < 0) {
        const QSignalBlocker quiet(this);
        addItem(QDir::toNativeSeparators(root), root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

void DrivePicker::onIndexChanged(int index)
{
    if (index >= 0)
        emit driveChanged(itemData(index).toString());
}

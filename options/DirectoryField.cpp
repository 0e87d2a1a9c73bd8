#include "DirectoryField.h"

#include "DirectoryPicker.h"
#include "DrivePicker.h"
#include "FileChooser.h"
#include "FileOps.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

DirectoryField::DirectoryField(QLineEdit *box, DrivePicker *drive, DirectoryPicker *picker,
                               QPushButton *browse, const QString &caption, Shape shape)
    : QObject(box->window()), m_box(box), m_drive(drive), m_picker(picker), m_caption(caption),
      m_shape(std::move(shape))
{
    connect(drive, &DrivePicker::driveChanged, picker, &DirectoryPicker::setPath);
    connect(picker, &DirectoryPicker::pathChanged, this,
            [this](const QString &path) { m_box->setText(m_shape.shown(path)); });
    connect(browse, &QPushButton::clicked, this, &DirectoryField::browse);
    connect(box, &QLineEdit::editingFinished, this, &DirectoryField::typed);
}

void DirectoryField::fill(const QString &stored)
{
    m_box->setText(m_shape.shown(stored));
    m_drive->setDrive(FileOps::GetDriveName(stored));
    m_picker->setPath(stored);
    // A stored directory that is gone leaves the pickers at its nearest parent; the box keeps
    // the stored text, so an untouched OK does not quietly store another directory.
    if (!FileOps::FolderExists(stored))
        m_box->setText(m_shape.shown(stored));
}

QString DirectoryField::directory() const
{
    return m_shape.directoryOf(m_box->text());
}

void DirectoryField::moveTo(const QString &dir)
{
    const QString shown = m_shape.shown(dir);
    m_drive->setDrive(FileOps::GetDriveName(dir));
    m_picker->setPath(dir);
    // As typed or chosen, not as the picker cleans it.
    m_box->setText(shown);
}

void DirectoryField::browse()
{
    const QString current = directory().trimmed();
    const QString start = FileOps::FolderExists(current) ? current : m_picker->path();
    const QString chosen = FileChooser::existingDirectory(m_box->window(), m_caption, start);
    if (!chosen.isEmpty())
        moveTo(chosen);
}

void DirectoryField::typed()
{
    const QString dir = directory();
    if (!FileOps::FolderExists(dir.trimmed()))
        return;
    if (m_box->text() != m_shape.shown(dir) || QDir::cleanPath(dir) != m_picker->path())
        moveTo(dir);
}

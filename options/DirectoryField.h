#pragma once

#include <QObject>
#include <QString>
#include <functional>

class DirectoryPicker;
class DrivePicker;
class QLineEdit;
class QPushButton;

// A directory setting of the options dialog: a text box that names it (and may be typed
// into), a drive picker, a directory picker and a "Browse..." button, kept in step. Choosing
// a drive moves the directory picker, which puts its path into the box; a folder chosen with
// Browse, or an existing directory typed into the box, moves both pickers. The box always
// holds the setting's text: a stored directory that is gone keeps its text, while the
// pickers show its nearest existing parent.
class DirectoryField : public QObject
{
    Q_OBJECT
public:
    // How the box shows a directory, and which directory a text of the box names.
    struct Shape
    {
        std::function<QString(const QString &dir)> shown;
        std::function<QString(const QString &text)> directoryOf;
    };

    DirectoryField(QLineEdit *box, DrivePicker *drive, DirectoryPicker *picker, QPushButton *browse,
                   const QString &caption, Shape shape);

    // Shows the stored directory in all four controls.
    void fill(const QString &stored);
    // The directory the box names.
    QString directory() const;

private:
    void moveTo(const QString &dir);
    void browse();
    void typed();

    QLineEdit *m_box;
    DrivePicker *m_drive;
    DirectoryPicker *m_picker;
    QString m_caption;
    Shape m_shape;
};

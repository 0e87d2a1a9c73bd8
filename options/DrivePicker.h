#pragma once

#include <QComboBox>

// The drive list of the options dialog on a system without drive letters: the roots of the
// mounted volumes. driveChanged follows every change of the chosen root, made by the user
// or by setDrive, as the directory picker beside it must follow both.
class DrivePicker : public QComboBox
{
    Q_OBJECT
public:
    explicit DrivePicker(QWidget *parent = nullptr);

    // Reads the mounted volumes again; keeps the chosen root when it is still there.
    void refresh();
    QString drive() const;
    // Chooses root; a root that is not listed (a volume that went away or is not ready)
    // is added, so the picker can always show the drive of a stored path.
    void setDrive(const QString &root);

Q_SIGNALS:
    void driveChanged(const QString &root);

private:
    void onIndexChanged(int index);
};

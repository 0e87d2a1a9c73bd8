#pragma once

#include <QDialog>

// The about box: at most one, not modal.
class FrmAbout : public QDialog
{
    Q_OBJECT
public:
    // Shows the one about box, creating it when none is open.
    static FrmAbout *showBox(QWidget *mainWindow);

private:
    explicit FrmAbout(QWidget *mainWindow);
};

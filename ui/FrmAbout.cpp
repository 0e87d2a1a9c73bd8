#include "FrmAbout.h"

#include <QPointer>

FrmAbout *FrmAbout::showBox(QWidget *mainWindow)
{
    static QPointer<FrmAbout> box;
    if (!box)
        box = new FrmAbout(mainWindow);
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}

FrmAbout::FrmAbout(QWidget *mainWindow) : QDialog(nullptr)
{
    Q_UNUSED(mainWindow);
    setWindowTitle(QStringLiteral("About Quillop"));
    setAttribute(Qt::WA_DeleteOnClose);
}

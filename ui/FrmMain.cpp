#include "FrmMain.h"

FrmMain::FrmMain(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quillop"));
}

void FrmMain::start()
{
    show();
}

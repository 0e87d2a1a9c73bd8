#include "FrmOptions.h"

FrmOptions::FrmOptions(RunSettings &settings, MainWindowElements &mainWindow, QWidget *mainWidget)
    : QDialog(nullptr), m_settings(settings), m_mainWindow(mainWindow), m_mainWidget(mainWidget)
{
    setWindowTitle(QStringLiteral("Quillop Options"));
    setAttribute(Qt::WA_DeleteOnClose);
}

FrmOptions::~FrmOptions()
{
    if (m_mainWidget)
        m_mainWidget->setEnabled(true);
}

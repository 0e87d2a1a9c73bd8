#pragma once

#include <QDialog>

struct RunSettings;
class MainWindowElements;

// The options dialog. Created afresh at every opening, deleted when it closes. The main
// window disables itself before showing it; the dialog enables mainWidget again however
// it closes.
class FrmOptions : public QDialog
{
    Q_OBJECT
public:
    FrmOptions(RunSettings &settings, MainWindowElements &mainWindow, QWidget *mainWidget);
    ~FrmOptions() override;

private:
    RunSettings &m_settings;
    MainWindowElements &m_mainWindow;
    QWidget *m_mainWidget;
};

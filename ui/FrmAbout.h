#pragma once

#include "SysInfo.h"

#include <QDialog>

class EtchedRule;
class QPushButton;
class QTextBrowser;

// The about box: the program's version, how to fill the address boxes, and the way to the
// system-information viewer. At most one exists; it is not modal, and it is a top-level
// window of its own (only transient for the main window) so that disabling the main window
// never disables it and it never keeps the program running on its own.
class FrmAbout : public QDialog
{
    Q_OBJECT
public:
    // Shows the one about box, creating it when none is open.
    static FrmAbout *showBox(QWidget *mainWindow);

    // Where cmdSysInfo looks and how it starts things; tests replace its hooks.
    SysInfo &sysInfo() { return m_sysInfo; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    FrmAbout();
    void placeControls();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    QTextBrowser *RichTextBox1;
    EtchedRule *Line1;
    QPushButton *cmdSysInfo;
    QPushButton *cmdOK;
    SysInfo m_sysInfo;
};

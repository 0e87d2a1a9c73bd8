#pragma once

#include "SysInfo.h"

#include <QDialog>

class EtchedRule;
class QPushButton;
class QTextBrowser;

// The about box: the program's version, how to fill the address boxes, and the way to the
// system-information viewer. At most one exists; it is not modal, and it is a top-level
// window of its own, transient for the main window (no taskbar entry, no minimize button),
// so that disabling the main window never disables it.
class FrmAbout : public QDialog
{
    Q_OBJECT
public:
    // Shows the one about box, creating it when none is open.
    static FrmAbout *showBox(QWidget *mainWindow);
    // The main window has closed: an open box now stands on its own and keeps the program
    // running until it is closed.
    static void outliveMainWindow();

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

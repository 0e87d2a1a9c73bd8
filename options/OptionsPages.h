#pragma once

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QWidget;
class DirectoryPicker;
class DrivePicker;
class TabStrip;

// The controls of the options dialog, created on the dialog at their designed places (in
// twips, converted with the screen's logical DPI). The object names are the control names
// the rest of the program and the tests look them up by.
struct OptionsPages
{
    explicit OptionsPages(QWidget *dialog);

    TabStrip *tab1 = nullptr;
    QFrame *frameArray[4] = {};

    // Save
    QFrame *frame2_4 = nullptr;
    QRadioButton *optSave = nullptr, *optNoSave = nullptr;
    QFrame *Frame2_1 = nullptr;
    QLabel *Label1 = nullptr, *Label6 = nullptr, *Label7 = nullptr;
    QLineEdit *txtAdd = nullptr;
    QRadioButton *optHead = nullptr, *optTail = nullptr;
    QFrame *Frame2_2 = nullptr;
    QLabel *Label8 = nullptr;
    QLineEdit *txtSavPath = nullptr;
    DrivePicker *drvSav = nullptr;
    DirectoryPicker *dirSav = nullptr;
    QFrame *Frame2_3 = nullptr;
    QLabel *Label9 = nullptr;
    QRadioButton *optSkip = nullptr, *optOver = nullptr, *optPrompt = nullptr, *optRen = nullptr;

    // Download
    QLabel *Label2 = nullptr, *Label3[2] = {}, *Label5 = nullptr, *Label4 = nullptr;
    QLabel *Label15 = nullptr;
    QLineEdit *txtMaxFiles = nullptr, *txtIncrement = nullptr, *txtPause = nullptr;
    QRadioButton *optCharactor = nullptr, *optNumber = nullptr;
    QFrame *Line1 = nullptr;

    // Connection
    QLabel *Label10 = nullptr;
    QRadioButton *optYes = nullptr, *optNo = nullptr;
    QFrame *Frame3_1 = nullptr;
    QLabel *Label11 = nullptr, *Label12 = nullptr, *Label18 = nullptr;
    QLineEdit *txtProxy = nullptr, *txtPort = nullptr;

    // Log
    QLabel *Label13 = nullptr, *Label14 = nullptr;
    QRadioButton *optLogYes = nullptr, *OptLogNo = nullptr;
    QFrame *frame4_1 = nullptr;
    QLineEdit *txtLogDir = nullptr;
    DrivePicker *drvLog = nullptr;
    DirectoryPicker *dirLog = nullptr;

    // Below the pages
    QFrame *Shape2 = nullptr;
    QPushButton *cmdOK = nullptr, *cmdCancel = nullptr, *cmdApply = nullptr;
    QStatusBar *statbar = nullptr;

private:
    void buildSavePage(QFrame *page);
    void buildDownloadPage(QFrame *page);
    void buildConnectionPage(QFrame *page);
    void buildLogPage(QFrame *page);
};

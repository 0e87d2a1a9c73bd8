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

// The controls of the options dialog, placed by layouts on the dialog and its four pages
// so that every caption and value shows whole at any font and scale. The object names are
// the control names the rest of the program and the tests look them up by.
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
    QPushButton *cmdSavBrowse = nullptr;
    DrivePicker *drvSav = nullptr;
    DirectoryPicker *dirSav = nullptr;
    QFrame *Frame2_3 = nullptr;
    QLabel *Label9 = nullptr;
    QRadioButton *optSkip = nullptr, *optOver = nullptr, *optPrompt = nullptr, *optRen = nullptr;

    // Download
    QLabel *Label2 = nullptr, *Label3[2] = {}, *Label5 = nullptr, *Label4 = nullptr;
    QLabel *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr;
    QLineEdit *txtMaxFiles = nullptr, *txtIncrement = nullptr, *txtPause = nullptr;
    QLineEdit *txtMisses = nullptr, *txtRetries = nullptr, *txtParallel = nullptr;
    QRadioButton *optCharactor = nullptr, *optNumber = nullptr;
    QFrame *Line1 = nullptr;

    // Connection
    QLabel *Label10 = nullptr;
    QRadioButton *optYes = nullptr, *optNo = nullptr;
    QFrame *Frame3_1 = nullptr;
    QLabel *Label19 = nullptr, *Label11 = nullptr, *Label12 = nullptr;
    QLabel *Label20 = nullptr, *Label21 = nullptr;
    QRadioButton *optProxyHttp = nullptr, *optProxySocks5 = nullptr;
    QLineEdit *txtProxy = nullptr, *txtPort = nullptr;
    QLineEdit *txtProxyUser = nullptr, *txtProxyPassword = nullptr;
    QFrame *Frame3_2 = nullptr;
    QLabel *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr, *Label25 = nullptr;
    QRadioButton *optRefNone = nullptr, *optRefAuto = nullptr, *optRefCustom = nullptr;
    QLineEdit *txtReferer = nullptr, *txtUserAgent = nullptr;
    QLineEdit *txtCookieFile = nullptr, *txtCaFile = nullptr;
    QPushButton *cmdCookieBrowse = nullptr, *cmdCaBrowse = nullptr;

    // Log
    QLabel *Label13 = nullptr, *Label14 = nullptr;
    QRadioButton *optLogYes = nullptr, *OptLogNo = nullptr;
    QFrame *frame4_1 = nullptr;
    QLineEdit *txtLogDir = nullptr;
    QPushButton *cmdLogBrowse = nullptr;
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
    void buildRequestDetails(QFrame *page);
    void buildLogPage(QFrame *page);
};

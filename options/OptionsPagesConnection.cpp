// The Connection and Log pages of OptionsPages.
#include "OptionsPages.h"

#include "DirectoryPicker.h"
#include "DrivePicker.h"
#include "OptionsWidgets.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace OptionsWidgets;

namespace {

// A frame that keeps its room while hidden, so the page does not move when it comes and goes.
void keepRoomWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QBoxLayout *row(std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QHBoxLayout;
    for (QWidget *w : widgets)
        layout->addWidget(w);
    layout->addStretch(1);
    return layout;
}

} // namespace

void OptionsPages::buildConnectionPage(QFrame *page)
{
    Label10 = label(
        page, "Label10",
        QCoreApplication::translate("OptionsPages", "I use a proxy server to connect to internet"),
        QCoreApplication::translate(
            "OptionsPages", "If you are using a proxy server select yes and fill details of "
                            "the proxy"));
    optYes = option(page, "optYes", QCoreApplication::translate("OptionsPages", "Yes"),
                    QCoreApplication::translate("OptionsPages", "Select if use a proxy server"));
    optNo = option(
        page, "optNo", QCoreApplication::translate("OptionsPages", "No"),
        QCoreApplication::translate("OptionsPages", "Select if you directly dial in the Internet"));
    group(page, {optYes, optNo});

    Frame3_1 =
        frame(page, "Frame3_1", true, QCoreApplication::translate("OptionsPages", "Proxy details"));
    keepRoomWhenHidden(Frame3_1);
    Label19 =
        label(Frame3_1, "Label19", QCoreApplication::translate("OptionsPages", "Proxy type"),
              QCoreApplication::translate(
                  "OptionsPages", "The kind of proxy server: an HTTP proxy or a SOCKS5 proxy"));
    optProxyHttp =
        option(Frame3_1, "optProxyHttp", QCoreApplication::translate("OptionsPages", "HTTP"),
               QCoreApplication::translate("OptionsPages", "Select if the proxy is an HTTP proxy"));
    optProxySocks5 =
        option(Frame3_1, "optProxySocks5", QCoreApplication::translate("OptionsPages", "SOCKS5"),
               QCoreApplication::translate("OptionsPages",
                                           "Select if the proxy is a SOCKS5 proxy; it then "
                                           "also looks up the server names"));
    group(Frame3_1, {optProxyHttp, optProxySocks5});
    const QString proxyTip = QCoreApplication::translate(
        "OptionsPages", "enter the server name or the IP address. This option is "
                        "visible only when the yes is selected for the proxy "
                        "server");
    Label11 = label(Frame3_1, "Label11",
                    QCoreApplication::translate("OptionsPages", "Proxy server"), proxyTip);
    txtProxy = textBox(Frame3_1, "txtProxy", QStringLiteral("Text1"), Label11, proxyTip);
    fitToCharacters(txtProxy, 28);
    const QString portTip = QCoreApplication::translate(
        "OptionsPages", ": Enter the port which the proxy is running on the "
                        "server. Usually this port is 80.  This option is visible "
                        "only when the yes is selected for the proxy server.");
    Label12 = label(Frame3_1, "Label12", QCoreApplication::translate("OptionsPages", "Http Port"),
                    portTip);
    txtPort = textBox(Frame3_1, "txtPort", QStringLiteral("Text1"), Label12, portTip);
    fitToValue(txtPort, QStringLiteral("65535"));
    Label20 = label(Frame3_1, "Label20", QCoreApplication::translate("OptionsPages", "Proxy user"),
                    QCoreApplication::translate(
                        "OptionsPages", "The user name the proxy asks for; leave it empty when the "
                                        "proxy asks for none"));
    txtProxyUser = textBox(Frame3_1, "txtProxyUser", QString(), Label20, Label20->toolTip());
    Label21 =
        label(Frame3_1, "Label21", QCoreApplication::translate("OptionsPages", "Proxy password"),
              QCoreApplication::translate("OptionsPages", "The password of the proxy user"));
    txtProxyPassword =
        textBox(Frame3_1, "txtProxyPassword", QString(), Label21, Label21->toolTip());
    txtProxyPassword->setEchoMode(QLineEdit::Password);
    auto *proxy = new QGridLayout(Frame3_1);
    proxy->addWidget(Label19, 0, 0);
    proxy->addLayout(row({optProxyHttp, optProxySocks5}), 0, 1);
    proxy->addWidget(Label11, 1, 0);
    proxy->addWidget(txtProxy, 1, 1);
    proxy->addWidget(Label12, 2, 0);
    proxy->addWidget(txtPort, 2, 1, Qt::AlignLeft);
    proxy->addWidget(Label20, 3, 0);
    proxy->addWidget(txtProxyUser, 3, 1);
    proxy->addWidget(Label21, 4, 0);
    proxy->addWidget(txtProxyPassword, 4, 1);
    proxy->setRowStretch(5, 1);

    buildRequestDetails(page);

    auto *choice = new QVBoxLayout;
    choice->addWidget(optYes);
    choice->addWidget(optNo);
    choice->addStretch(1);
    auto *grid = new QGridLayout(page);
    grid->addWidget(Label10, 0, 0, 1, 2);
    grid->addLayout(choice, 1, 0);
    grid->addWidget(Frame3_1, 1, 1);
    grid->addWidget(Frame3_2, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
}

void OptionsPages::buildRequestDetails(QFrame *page)
{
    Frame3_2 = frame(page, "Frame3_2", true,
                     QCoreApplication::translate("OptionsPages", "Request details"));
    Label22 = label(Frame3_2, "Label22", QCoreApplication::translate("OptionsPages", "Referer"),
                    QCoreApplication::translate(
                        "OptionsPages",
                        "The page the requests say they come from: none, the address "
                        "of the picture up to its last \"/\", or the address typed here"));
    optRefNone = option(Frame3_2, "optRefNone", QCoreApplication::translate("OptionsPages", "None"),
                        QCoreApplication::translate("OptionsPages", "Send no referring page"));
    optRefAuto =
        option(Frame3_2, "optRefAuto", QCoreApplication::translate("OptionsPages", "Automatic"),
               QCoreApplication::translate("OptionsPages",
                                           "Send the picture's address up to its last \"/\""));
    optRefCustom = option(
        Frame3_2, "optRefCustom", QCoreApplication::translate("OptionsPages", "Custom"),
        QCoreApplication::translate("OptionsPages", "Send the address typed in the box beside"));
    group(Frame3_2, {optRefNone, optRefAuto, optRefCustom});
    txtReferer = textBox(
        Frame3_2, "txtReferer", QString(), Label22,
        QCoreApplication::translate("OptionsPages", "The referring page sent with every request"));
    txtReferer->setAccessibleName(QCoreApplication::translate("OptionsPages", "Custom referer"));
    Label23 = label(
        Frame3_2, "Label23", QCoreApplication::translate("OptionsPages", "User-Agent"),
        QCoreApplication::translate("OptionsPages", "How the program names itself to the servers"));
    txtUserAgent = textBox(Frame3_2, "txtUserAgent", QString(), Label23, Label23->toolTip());
    fitToCharacters(txtUserAgent, 40);
    Label24 =
        label(Frame3_2, "Label24", QCoreApplication::translate("OptionsPages", "Cookie file"),
              QCoreApplication::translate(
                  "OptionsPages", "A cookies.txt file whose cookies are sent with the requests; "
                                  "empty for none"));
    txtCookieFile = textBox(Frame3_2, "txtCookieFile", QString(), Label24, Label24->toolTip());
    cmdCookieBrowse = button(
        Frame3_2, "cmdCookieBrowse", QCoreApplication::translate("OptionsPages", "Browse..."),
        QCoreApplication::translate("OptionsPages", "Browse for the cookie file"));
    cmdCookieBrowse->setToolTip(
        QCoreApplication::translate("OptionsPages", "Choose the cookie file in the file chooser"));
    Label25 = label(
        Frame3_2, "Label25", QCoreApplication::translate("OptionsPages", "Certificate (CA) file"),
        QCoreApplication::translate("OptionsPages",
                                    "A PEM file of certificate authorities to trust besides the "
                                    "system's; empty for none"));
    txtCaFile = textBox(Frame3_2, "txtCaFile", QString(), Label25, Label25->toolTip());
    cmdCaBrowse =
        button(Frame3_2, "cmdCaBrowse", QCoreApplication::translate("OptionsPages", "Browse..."),
               QCoreApplication::translate("OptionsPages", "Browse for the certificate file"));
    cmdCaBrowse->setToolTip(QCoreApplication::translate(
        "OptionsPages", "Choose the certificate file in the file chooser"));
    auto *details = new QGridLayout(Frame3_2);
    details->addWidget(Label22, 0, 0);
    details->addLayout(row({optRefNone, optRefAuto, optRefCustom}), 0, 1, 1, 2);
    details->addWidget(txtReferer, 1, 1, 1, 2);
    details->addWidget(Label23, 2, 0);
    details->addWidget(txtUserAgent, 2, 1, 1, 2);
    details->addWidget(Label24, 3, 0);
    details->addWidget(txtCookieFile, 3, 1);
    details->addWidget(cmdCookieBrowse, 3, 2);
    details->addWidget(Label25, 4, 0);
    details->addWidget(txtCaFile, 4, 1);
    details->addWidget(cmdCaBrowse, 4, 2);
    details->setColumnStretch(1, 1);
}

void OptionsPages::buildLogPage(QFrame *page)
{
    Label13 =
        label(page, "Label13", QCoreApplication::translate("OptionsPages", "Log to file"),
              QCoreApplication::translate(
                  "OptionsPages", "If you need to log the file download attempts you may select "
                                  "yes option"));
    optLogYes = option(page, "optLogYes", QCoreApplication::translate("OptionsPages", "Yes"),
                       QCoreApplication::translate("OptionsPages", "Select yes to log downloads"));
    OptLogNo = option(
        page, "OptLogNo", QCoreApplication::translate("OptionsPages", "No"),
        QCoreApplication::translate("OptionsPages", "Select No if you do not need a log file"));
    group(page, {optLogYes, OptLogNo});

    frame4_1 =
        frame(page, "frame4_1", true, QCoreApplication::translate("OptionsPages", "Log directory"));
    keepRoomWhenHidden(frame4_1);
    Label14 = label(frame4_1, "Label14", QCoreApplication::translate("OptionsPages", "Save to"));
    txtLogDir =
        textBox(frame4_1, "txtLogDir", QString(), Label14,
                QCoreApplication::translate(
                    "OptionsPages", "Select the directory from below. The file name is selected by "
                                    "the system. A new log file will be created each new day with "
                                    "the date as the file name. This option is visible only when "
                                    "the yes is selected logging option"));
    txtLogDir->setAccessibleName(QCoreApplication::translate("OptionsPages", "Log file"));
    fitToCharacters(txtLogDir, 36);
    cmdLogBrowse =
        button(frame4_1, "cmdLogBrowse", QCoreApplication::translate("OptionsPages", "Browse..."),
               QCoreApplication::translate("OptionsPages", "Browse for the log directory"));
    cmdLogBrowse->setToolTip(QCoreApplication::translate(
        "OptionsPages", "Choose the log directory in the folder chooser"));
    drvLog = new DrivePicker(frame4_1);
    drvLog->setObjectName(QStringLiteral("drvLog"));
    drvLog->setAccessibleName(QCoreApplication::translate("OptionsPages", "Log drive"));
    drvLog->setToolTip(QCoreApplication::translate("OptionsPages", "Slect Log Drive"));
    dirLog = new DirectoryPicker(frame4_1);
    dirLog->setObjectName(QStringLiteral("dirLog"));
    dirLog->setAccessibleName(QCoreApplication::translate("OptionsPages", "Log directory"));
    dirLog->setToolTip(QCoreApplication::translate("OptionsPages", "Select Log Directory"));
    auto *logDir = new QGridLayout(frame4_1);
    logDir->addWidget(Label14, 0, 0, 1, 2);
    logDir->addWidget(txtLogDir, 1, 0);
    logDir->addWidget(cmdLogBrowse, 1, 1);
    logDir->addWidget(drvLog, 2, 0, 1, 2);
    logDir->addWidget(dirLog, 3, 0, 1, 2);
    logDir->setRowStretch(3, 1);

    auto *choice = new QVBoxLayout;
    choice->addWidget(Label13);
    choice->addWidget(optLogYes);
    choice->addWidget(OptLogNo);
    choice->addStretch(1);
    auto *grid = new QHBoxLayout(page);
    grid->addLayout(choice);
    grid->addWidget(frame4_1, 1);
}

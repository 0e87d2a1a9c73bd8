// The Connection page of OptionsPages.
#include "OptionsPages.h"

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
using SettingsStore::Key;

namespace {

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
    Label10 = label(page, "Label10", Key::is_proxy);
    optYes = option(page, "optYes", QCoreApplication::translate("OptionsPages", "Yes"),
                    QCoreApplication::translate("OptionsPages", "Select if use a proxy server"));
    optNo = option(
        page, "optNo", QCoreApplication::translate("OptionsPages", "No"),
        QCoreApplication::translate("OptionsPages", "Select if you directly dial in the Internet"));
    yesNo(page, optYes, optNo, Key::is_proxy);

    Frame3_1 =
        frame(page, "Frame3_1", true, QCoreApplication::translate("OptionsPages", "Proxy details"));
    keepRoomWhenHidden(Frame3_1);
    Label19 = label(Frame3_1, "Label19", Key::proxy_type);
    optProxyHttp =
        option(Frame3_1, "optProxyHttp", QCoreApplication::translate("OptionsPages", "HTTP"),
               QCoreApplication::translate("OptionsPages", "Select if the proxy is an HTTP proxy"));
    optProxySocks5 =
        option(Frame3_1, "optProxySocks5", QCoreApplication::translate("OptionsPages", "SOCKS5"),
               QCoreApplication::translate("OptionsPages",
                                           "Select if the proxy is a SOCKS5 proxy; it then "
                                           "also looks up the server names"));
    group(Frame3_1, {optProxyHttp, optProxySocks5});
    bind(optProxyHttp, Key::proxy_type, "http");
    bind(optProxySocks5, Key::proxy_type, "socks5");
    Label11 = label(Frame3_1, "Label11", Key::proxy_name);
    txtProxy = textBox(Frame3_1, "txtProxy", QStringLiteral("Text1"), Label11, Label11->toolTip());
    bind(txtProxy, Key::proxy_name);
    fitToCharacters(txtProxy, 28);
    Label12 = label(Frame3_1, "Label12", Key::proxy_port);
    txtPort = textBox(Frame3_1, "txtPort", QStringLiteral("Text1"), Label12, Label12->toolTip());
    bind(txtPort, Key::proxy_port);
    fitToValue(txtPort, QStringLiteral("65535"));
    Label20 = label(Frame3_1, "Label20", Key::proxy_user);
    txtProxyUser =
        settingBox(Frame3_1, "txtProxyUser", Key::proxy_user, Label20, Label20->toolTip());
    Label21 = label(Frame3_1, "Label21", Key::proxy_password);
    txtProxyPassword =
        settingBox(Frame3_1, "txtProxyPassword", Key::proxy_password, Label21, Label21->toolTip());
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
    Label22 = label(Frame3_2, "Label22", Key::referer);
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
    Label23 = label(Frame3_2, "Label23", Key::user_agent);
    txtUserAgent =
        settingBox(Frame3_2, "txtUserAgent", Key::user_agent, Label23, Label23->toolTip());
    fitToCharacters(txtUserAgent, 40);
    Label24 = label(Frame3_2, "Label24", Key::cookie_file);
    txtCookieFile =
        settingBox(Frame3_2, "txtCookieFile", Key::cookie_file, Label24, Label24->toolTip());
    cmdCookieBrowse = button(
        Frame3_2, "cmdCookieBrowse", QCoreApplication::translate("OptionsPages", "Browse..."),
        QCoreApplication::translate("OptionsPages", "Browse for the cookie file"));
    cmdCookieBrowse->setToolTip(
        QCoreApplication::translate("OptionsPages", "Choose the cookie file in the file chooser"));
    Label25 = label(Frame3_2, "Label25", Key::ca_file);
    txtCaFile = settingBox(Frame3_2, "txtCaFile", Key::ca_file, Label25, Label25->toolTip());
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

// The settings of the options dialog beyond the first fourteen: proxy type and login, the
// request details (referer, user agent, cookie and certificate files) and how patient a run
// is (misses in a row, retries). Their marks are set by the user's own changes only, so an
// untouched OK writes none of them.
#include "FrmOptions.h"

#include "FileChooser.h"
#include "OptionsApply.h"
#include "OptionsPages.h"
#include "RunSettings.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void FrmOptions::connectNewSettings()
{
    OptionsPages &ui = *m_ui;
    for (QRadioButton *button : {ui.optProxyHttp, ui.optProxySocks5})
        connect(button, &QRadioButton::clicked, this, [this] { m_marks.proxy_type = true; });
    for (QRadioButton *button : {ui.optRefNone, ui.optRefAuto, ui.optRefCustom})
        connect(button, &QRadioButton::clicked, this, [this] { m_marks.referer = true; });
    connect(ui.optRefCustom, &QRadioButton::toggled, ui.txtReferer, &QWidget::setEnabled);

    const std::pair<QLineEdit *, bool ChangeMarks::*> typed[] = {
        {ui.txtProxyUser, &ChangeMarks::proxy_user},
        {ui.txtProxyPassword, &ChangeMarks::proxy_password},
        {ui.txtReferer, &ChangeMarks::referer},
        {ui.txtUserAgent, &ChangeMarks::user_agent},
        {ui.txtCookieFile, &ChangeMarks::cookie_file},
        {ui.txtCaFile, &ChangeMarks::ca_file},
    };
    for (const auto &[box, mark] : typed)
        connect(box, &QLineEdit::textEdited, this, [this, mark = mark] { m_marks.*mark = true; });

    connect(ui.cmdCookieBrowse, &QPushButton::clicked, this,
            [this] { browseFile(m_ui->txtCookieFile, tr("Cookie file"), m_marks.cookie_file); });
    connect(ui.cmdCaBrowse, &QPushButton::clicked, this,
            [this] { browseFile(m_ui->txtCaFile, tr("Certificate (CA) file"), m_marks.ca_file); });
}

void FrmOptions::fillNewSettings()
{
    OptionsPages &ui = *m_ui;
    const RunSettings &s = m_settings;
    const bool socks5 = s.proxy_type == ConnectionOptions::ProxyType::Socks5;
    (socks5 ? ui.optProxySocks5 : ui.optProxyHttp)->setChecked(true);
    ui.txtProxyUser->setText(s.proxy_user);
    ui.txtProxyPassword->setText(s.proxy_password);

    const QString referer = s.referer.trimmed();
    const bool automatic = referer.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0;
    QRadioButton *refererButton = referer.isEmpty() ? ui.optRefNone
                                  : automatic       ? ui.optRefAuto
                                                    : ui.optRefCustom;
    refererButton->setChecked(true);
    ui.txtReferer->setText(automatic ? QString() : referer);
    ui.txtReferer->setEnabled(refererButton == ui.optRefCustom);

    ui.txtUserAgent->setText(s.user_agent);
    ui.txtCookieFile->setText(s.cookie_file);
    ui.txtCaFile->setText(s.ca_file);
    ui.txtMisses->setText(QString::number(s.stop_after_misses));
    ui.txtRetries->setText(QString::number(s.retries));
}

void FrmOptions::readNewSettings(OptionsValues &v) const
{
    const OptionsPages &ui = *m_ui;
    v.socks5 = ui.optProxySocks5->isChecked();
    v.proxyUser = ui.txtProxyUser->text();
    v.proxyPassword = ui.txtProxyPassword->text();
    v.referer = ui.optRefAuto->isChecked()     ? QStringLiteral("auto")
                : ui.optRefCustom->isChecked() ? ui.txtReferer->text()
                                               : QString();
    v.userAgent = ui.txtUserAgent->text();
    v.cookieFile = ui.txtCookieFile->text();
    v.caFile = ui.txtCaFile->text();
    v.misses = ui.txtMisses->text();
    v.retries = ui.txtRetries->text();
}

void FrmOptions::browseFile(QLineEdit *box, const QString &caption, bool &mark)
{
    const QString current = box->text().trimmed();
    const QString start = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    const QString chosen = FileChooser::openFile(this, caption, start);
    if (chosen.isEmpty())
        return;
    box->setText(chosen);
    mark = true;
}

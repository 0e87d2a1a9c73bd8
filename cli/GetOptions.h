#pragma once

#include "AddressSplit.h"
#include "ConnectionOptions.h"
#include "SettingsStore.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// What `quillop get` was asked to do: the address and the settings it overrides for this
// run only. Unset overrides leave the stored setting as it is.
struct GetOptions
{
    struct Proxy
    {
        ConnectionOptions::ProxyType type = ConnectionOptions::ProxyType::Http;
        QString user;
        QString password;
        bool hasPassword = false; // "USER:PASSWORD@", not just "USER@"
        QString host;
        int port = 0;
    };

    AddressParts address;
    // What the options set, as the texts the store keeps, for this run only.
    QMap<SettingsStore::Key, QString> overrides;
    std::optional<Proxy> proxy; // set with --proxy
    // The proxy password: --proxy-password-file, the one in --proxy, or the environment's
    // QUILLOP_PROXY_PASSWORD; it also goes with a stored proxy login.
    std::optional<QString> proxyPassword;
    bool dryRun = false;
    bool quiet = false;
    bool json = false;
};

// The command line of `quillop get`, read and checked.
struct GetCommandLine
{
    GetOptions options;
    bool helpAsked = false;
    QString error; // a usage error, in words; empty when the command line is sound
};

namespace GetOptionsParser {

// arguments: the words after "get".
GetCommandLine parse(const QStringList &arguments);

// "--proxy [socks5://|http://][USER[:PASSWORD]@]HOST:PORT"; nullopt with why when malformed
// (why never shows the password).
std::optional<GetOptions::Proxy> parseProxy(const QString &text, QString *why);

// The help of `quillop get`: usage, the options with the stored settings they override,
// and the exit statuses.
QString helpText();

} // namespace GetOptionsParser

#pragma once

#include <QString>

// How the transfer reaches a server, beyond direct or named-proxy access (Transfer's
// access type and proxy text). Filled from the settings in one place (loadSettings).
struct ConnectionOptions
{
    enum class ProxyType { Http, Socks5 };

    ProxyType proxyType = ProxyType::Http; // socks5: host names are resolved by the proxy
    QString proxyUser;                     // a login for either proxy type; empty for none
    QString proxyPassword;
    QString userAgent = QStringLiteral("Mozilla/5.0"); // sent with every request; empty: none
    QString referer;    // empty: none; "auto": the address up to its last "/"; else as it stands
    QString cookieFile; // a Netscape cookies.txt; empty for none
    QString caFile;     // PEM authorities trusted besides the system's; empty for none

    bool operator==(const ConnectionOptions &) const = default;
};

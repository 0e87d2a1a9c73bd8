#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QNetworkReply>
#include <QString>

class QUrl;

// The decisions the transfer takes on plain values, kept apart so that they read (and are
// tested) without a network: what an address or a proxy text is worth, what a declared
// length means, and how an error of the network layer is told to the user.
namespace TransferRules {

// Empty when url may be fetched; otherwise the reason it may not ("malformed address",
// "not an http address"). Only http and https: a file: or ftp: address must never reach
// the network layer, which would happily read local files.
QString refuseAddress(const QUrl &url);

struct ProxyAddress
{
    QString host;
    quint16 port = 0;
    bool valid = false;
};
// "host:port", "[v6address]:port"; surrounding blanks are ignored (the stored proxy name
// is kept as typed). The port must be 1..65535 in decimal.
ProxyAddress parseProxy(const QString &hostAndPort);

// A Content-Length value: -1 when it is no plain non-negative decimal number.
qint64 parseContentLength(const QByteArray &value);

// True for the errors Qt raises because of the HTTP status (404, 500, ...): the response
// itself arrived and is the caller's to judge.
bool isStatusError(QNetworkReply::NetworkError error);

// The user's words for a failure of the network layer. Through a proxy every connection
// goes to the proxy, so a refused or unknown host there is the proxy's.
QString reasonFor(QNetworkReply::NetworkError error, bool statusArrived, bool viaProxy,
                  const QString &errorText);

// The network layer's name for a socket error, so that a fetch over a plain socket tells its
// failures in the same words as one through QNetworkAccessManager.
QNetworkReply::NetworkError networkErrorFor(QAbstractSocket::SocketError error);

} // namespace TransferRules

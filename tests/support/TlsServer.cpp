#include "TlsServer.h"

#include <QFile>
#include <QProcess>
#include <QSslKey>
#include <QSslSocket>
#include <QTemporaryDir>

namespace {
QTemporaryDir &directory()
{
    static QTemporaryDir dir;
    return dir;
}
} // namespace

QString TlsServer::certificateFile()
{
    return directory().filePath(QStringLiteral("cert.pem"));
}

QString TlsServer::keyFile()
{
    return directory().filePath(QStringLiteral("key.pem"));
}

bool TlsServer::makeCertificate()
{
    if (!directory().isValid() || !QSslSocket::supportsSsl())
        return false;
    if (QFile::exists(certificateFile()))
        return true;
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                   QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=localhost"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1,DNS:localhost"),
                   QStringLiteral("-keyout"), keyFile(), QStringLiteral("-out"),
                   certificateFile()});
    return openssl.waitForFinished(30000) && openssl.exitStatus() == QProcess::NormalExit &&
           openssl.exitCode() == 0;
}

void TlsServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    socket->setLocalCertificate(certificateFile());
    QFile key(keyFile());
    key.open(QIODevice::ReadOnly);
    socket->setPrivateKey(QSslKey(key.readAll(), QSsl::Ec));
    socket->setPeerVerifyMode(QSslSocket::VerifyNone);
    // A client that gives up on the handshake leaves a socket nobody reads: drop it.
    connect(socket, &QSslSocket::errorOccurred, socket, &QSslSocket::abort);
    socket->startServerEncryption();
    addPendingConnection(socket);
}

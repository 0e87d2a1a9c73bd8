#pragma once

#include <QTcpServer>

// A TCP server whose connections speak TLS, with a self-signed certificate for 127.0.0.1
// and localhost that openssl makes once per test program. Its sockets are QSslSocket, read
// and written as any QTcpSocket.
class TlsServer : public QTcpServer
{
    Q_OBJECT
public:
    explicit TlsServer(QObject *parent = nullptr) : QTcpServer(parent) {}

    static bool makeCertificate();
    static QString certificateFile();
    static QString keyFile();

protected:
    void incomingConnection(qintptr descriptor) override;
};

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QProcess;

// A real SOCKS5 proxy for tests: Debian's microsocks on a free 127.0.0.1 port, with or
// without a login. Stopped when the object goes.
class MicroSocks : public QObject
{
    Q_OBJECT
public:
    static bool isAvailable();

    explicit MicroSocks(QObject *parent = nullptr);
    ~MicroSocks() override;

    // True once the proxy accepts connections. An empty user: no login asked.
    bool start(const QByteArray &user = {}, const QByteArray &password = {});
    QString hostAndPort() const; // "127.0.0.1:PORT"

private:
    QProcess *m_process = nullptr;
    quint16 m_port = 0;
};

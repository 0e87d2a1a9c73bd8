#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real proxy for tests, Debian's own program on a free 127.0.0.1 port: tinyproxy (HTTP,
// its login by BasicAuth) or microsocks (SOCKS5). Stopped when the object goes.
class ProxyProcess : public QObject
{
    Q_OBJECT
public:
    // program: "tinyproxy" or "microsocks", as installed in /usr/bin.
    static bool isAvailable(const QString &program);

    explicit ProxyProcess(const QString &program, QObject *parent = nullptr);
    ~ProxyProcess() override;

    // True once the proxy accepts connections. An empty user: no login asked.
    bool start(const QByteArray &user = {}, const QByteArray &password = {});
    QString hostAndPort() const; // "127.0.0.1:PORT", as the proxy setting reads

private:
    QString m_program;
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};

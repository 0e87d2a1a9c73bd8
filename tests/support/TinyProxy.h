#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

class QProcess;

// A real HTTP proxy for tests: Debian's tinyproxy in the foreground, with its own
// configuration in a temporary directory, listening on a free 127.0.0.1 port and
// accepting only 127.0.0.1. Stopped when the object goes.
class TinyProxy : public QObject
{
    Q_OBJECT
public:
    static QString program(); // /usr/bin/tinyproxy
    static bool isAvailable();

    explicit TinyProxy(QObject *parent = nullptr);
    ~TinyProxy() override;

    // A login the proxy asks of every client (its BasicAuth); empty for none.
    void setLogin(const QByteArray &user, const QByteArray &password)
    {
        m_login = user.isEmpty() ? QByteArray() : user + ' ' + password;
    }
    // True once the proxy accepts connections; its output is in log() either way.
    bool start();
    void stop();

    quint16 port() const { return m_port; }
    QString hostAndPort() const; // "127.0.0.1:PORT", as the proxy setting reads
    QByteArray log() const { return m_log; }

private:
    bool writeConfig(const QString &path) const;

    QTemporaryDir m_dir;
    QProcess *m_process = nullptr;
    quint16 m_port = 0;
    QByteArray m_log;
    QByteArray m_login;
};

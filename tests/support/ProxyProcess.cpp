#include "ProxyProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {
QString program(ProxyProcess::Kind kind)
{
    return kind == ProxyProcess::Kind::Http ? QStringLiteral("/usr/bin/tinyproxy")
                                            : QStringLiteral("/usr/bin/microsocks");
}
} // namespace

bool ProxyProcess::isAvailable(Kind kind)
{
    return QFileInfo(program(kind)).isExecutable();
}

ProxyProcess::ProxyProcess(Kind kind, QObject *parent) : QObject(parent), m_kind(kind) {}

ProxyProcess::~ProxyProcess()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

QString ProxyProcess::hostAndPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

bool ProxyProcess::start(const QByteArray &user, const QByteArray &password)
{
    {
        // Neither takes "any free port": borrow one from the system for a moment.
        QTcpServer probe;
        if (!isAvailable(m_kind) || !m_dir.isValid() || !probe.listen(QHostAddress::LocalHost, 0))
            return false;
        m_port = probe.serverPort();
    }
    const QString port = QString::number(m_port);
    QStringList args{QStringLiteral("-i"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"), port};
    if (!user.isEmpty())
        args << QStringLiteral("-u") << QString::fromUtf8(user) << QStringLiteral("-P")
             << QString::fromUtf8(password);
    if (m_kind == Kind::Http) {
        QFile config(m_dir.filePath(QStringLiteral("tinyproxy.conf")));
        const QByteArray text =
            "Port " + port.toLatin1() + "\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 30\n" +
            (user.isEmpty() ? QByteArray() : "BasicAuth " + user + ' ' + password + '\n');
        if (!config.open(QIODevice::WriteOnly) || config.write(text) != text.size())
            return false;
        args = QStringList{QStringLiteral("-d"), QStringLiteral("-c"), config.fileName()};
        m_process.setWorkingDirectory(m_dir.path());
    }
    m_process.start(program(m_kind), args);
    // It says nothing we rely on once it listens: knock until it answers.
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired() && m_process.waitForStarted(10000)) {
        QTcpSocket knock;
        knock.connectToHost(QHostAddress::LocalHost, m_port);
        if (knock.waitForConnected(1000))
            return true;
        QTest::qWait(20);
    }
    return false;
}

#include "ProxyProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

bool ProxyProcess::isAvailable(const QString &program)
{
    return QFileInfo(QStringLiteral("/usr/bin/") + program).isExecutable();
}

ProxyProcess::ProxyProcess(const QString &program, QObject *parent)
    : QObject(parent), m_program(program)
{
}

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
        if (!isAvailable(m_program) || !m_dir.isValid() ||
            !probe.listen(QHostAddress::LocalHost, 0))
            return false;
        m_port = probe.serverPort();
    }
    const QString port = QString::number(m_port);
    QStringList args{QStringLiteral("-i"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"), port};
    if (!user.isEmpty())
        args << QStringLiteral("-u") << QString::fromUtf8(user) << QStringLiteral("-P")
             << QString::fromUtf8(password);
    if (m_program == QLatin1String("tinyproxy")) {
        QFile config(m_dir.filePath(QStringLiteral("tinyproxy.conf")));
        const QByteArray text =
            "Port " + port.toLatin1() + "\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 30\n" +
            (user.isEmpty() ? QByteArray() : "BasicAuth " + user + ' ' + password + '\n');
        if (!config.open(QIODevice::WriteOnly) || config.write(text) != text.size())
            return false;
        args = QStringList{QStringLiteral("-d"), QStringLiteral("-c"), config.fileName()};
        m_process.setWorkingDirectory(m_dir.path());
    }
    m_process.start(QStringLiteral("/usr/bin/") + m_program, args);
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

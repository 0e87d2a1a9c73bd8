#include "MicroSocks.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {
const QString Program = QStringLiteral("/usr/bin/microsocks");
}

bool MicroSocks::isAvailable()
{
    return QFileInfo(Program).isExecutable();
}

MicroSocks::MicroSocks(QObject *parent) : QObject(parent) {}

MicroSocks::~MicroSocks()
{
    if (m_process) {
        m_process->kill();
        m_process->waitForFinished(5000);
    }
}

QString MicroSocks::hostAndPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

bool MicroSocks::start(const QByteArray &user, const QByteArray &password)
{
    {
        // microsocks has no "any free port": borrow one from the system for a moment.
        QTcpServer probe;
        if (!isAvailable() || !probe.listen(QHostAddress::LocalHost, 0))
            return false;
        m_port = probe.serverPort();
    }
    QStringList args{QStringLiteral("-i"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                     QString::number(m_port)};
    if (!user.isEmpty())
        args << QStringLiteral("-u") << QString::fromUtf8(user) << QStringLiteral("-P")
             << QString::fromUtf8(password);
    m_process = new QProcess(this);
    m_process->start(Program, args);
    if (!m_process->waitForStarted(10000))
        return false;
    // It says nothing once it listens: knock until it answers.
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired() && m_process->state() == QProcess::Running) {
        QTcpSocket knock;
        knock.connectToHost(QHostAddress::LocalHost, m_port);
        if (knock.waitForConnected(1000))
            return true;
        QTest::qWait(20);
    }
    return false;
}

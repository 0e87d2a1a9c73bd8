#include "TinyProxy.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>

QString TinyProxy::program()
{
    return QStringLiteral("/usr/bin/tinyproxy");
}

bool TinyProxy::isAvailable()
{
    return QFileInfo(program()).isExecutable();
}

TinyProxy::TinyProxy(QObject *parent) : QObject(parent) {}

TinyProxy::~TinyProxy()
{
    stop();
}

QString TinyProxy::hostAndPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

bool TinyProxy::writeConfig(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray config = "Port " + QByteArray::number(m_port) +
                              "\n"
                              "Listen 127.0.0.1\n"
                              "Allow 127.0.0.1\n"
                              "Timeout 30\n"
                              "MaxClients 10\n"
                              "LogLevel Info\n" +
                              (m_login.isEmpty() ? QByteArray() : "BasicAuth " + m_login + '\n');
    return file.write(config) == config.size();
}

bool TinyProxy::start()
{
    stop();
    if (!isAvailable() || !m_dir.isValid())
        return false;
    {
        // tinyproxy has no "any free port": borrow one from the system for a moment.
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            return false;
        m_port = probe.serverPort();
    }
    const QString config = m_dir.filePath(QStringLiteral("tinyproxy.conf"));
    if (!writeConfig(config))
        return false;

    m_log.clear();
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setWorkingDirectory(m_dir.path());
    m_process->start(program(), {QStringLiteral("-d"), QStringLiteral("-c"), config});
    if (!m_process->waitForStarted(10000))
        return false;
    // It says so once its socket listens; a failed bind ends the process instead.
    const QDeadlineTimer deadline(15000);
    while (!m_log.contains("Accepting connections")) {
        if (m_process->state() != QProcess::Running || deadline.hasExpired())
            return false;
        m_process->waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        m_log += m_process->readAll();
    }
    connect(m_process, &QProcess::readyRead, this, [this] { m_log += m_process->readAll(); });
    return true;
}

void TinyProxy::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(5000)) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
    }
    m_log += m_process->readAll();
    delete m_process;
    m_process = nullptr;
}

#include "TerminalOutput.h"

#include "MainWindowElements.h"
#include "ShownTexts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>

TerminalOutput::TerminalOutput(Format format, bool showProgress, FILE *out, FILE *err)
    : m_format(format), m_showProgress(showProgress && format != Format::Quiet), m_out(out),
      m_err(err)
{
}

QString TerminalOutput::byteText(qint64 bytes)
{
    if (bytes < 1024)
        return tr("%1 B").arg(bytes);
    if (bytes < 1024 * 1024)
        return tr("%1 KiB").arg(double(bytes) / 1024, 0, 'f', 1);
    return tr("%1 MiB").arg(double(bytes) / (1024 * 1024), 0, 'f', 1);
}

void TerminalOutput::writeLine(FILE *stream, const QString &line)
{
    if (stream == m_out && m_broken)
        return;
    clearProgress();
    errno = 0;
    std::fputs(line.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    if (std::fflush(stream) != 0 && errno == EPIPE && stream == m_out) {
        m_broken = true;
        if (m_onBroken)
            m_onBroken();
        return;
    }
    drawProgress();
}

void TerminalOutput::attempt(const AttemptReport &r)
{
    if (m_format == Format::Json) {
        const QJsonObject object{
            {QStringLiteral("address"), r.url},
            {QStringLiteral("target"), r.targetPath},
            {QStringLiteral("outcome"), QLatin1String(outcomeRow(r.outcome).jsonName)},
            {QStringLiteral("http_status"), r.httpStatus},
            {QStringLiteral("bytes"), r.bytes},
            {QStringLiteral("reason"), r.reason},
            {QStringLiteral("tries"), r.tries}};
        writeLine(m_out, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
    } else if (m_format == Format::Lines) {
        writeLine(m_out, r.logText);
    } else if (outcomeRow(r.outcome).failsRun) {
        // Quiet is about what went well; a failure is still told.
        writeLine(m_err, r.logText);
    }
}

void TerminalOutput::plannedAttempt(const QString &address, const QString &target,
                                    const QString &action)
{
    if (m_format == Format::Json) {
        const QJsonObject object{{QStringLiteral("address"), address},
                                 {QStringLiteral("target"), target},
                                 {QStringLiteral("action"), action}};
        writeLine(m_out, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
    } else if (m_format == Format::Lines) {
        writeLine(m_out, address + QStringLiteral(" -> ") + target + QStringLiteral(": ") + action);
    }
}

void TerminalOutput::plannedEnd(const QString &text)
{
    if (m_format == Format::Json) {
        const QJsonObject object{{QStringLiteral("end"), text}};
        writeLine(m_out, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
    } else if (m_format == Format::Lines) {
        writeLine(m_out, QStringLiteral("end: ") + text);
    }
}

void TerminalOutput::setRun(int attempt, int planned)
{
    m_attempt = attempt;
    m_planned = planned;
    m_received = -1;
    drawProgress();
}

void TerminalOutput::setFile(qint64 received, qint64 total)
{
    if (received >= 0 && m_received < 0)
        m_fileClock.start();
    m_received = received;
    m_total = total;
    // A redraw per arriving block would cost more than the block; ten a second is plenty.
    if (!m_drawClock.isValid() || m_drawClock.elapsed() >= 100)
        drawProgress();
}

void TerminalOutput::setInFlight(int count)
{
    m_inFlight = count;
    drawProgress();
}

void TerminalOutput::drawProgress()
{
    if (!m_showProgress || m_attempt <= 0)
        return;
    QString line = m_planned > 0 ? tr("attempt %1 of %2").arg(m_attempt).arg(m_planned)
                                 : tr("attempt %1").arg(m_attempt);
    if (m_received >= 0) {
        line += QStringLiteral("  ") +
                (m_total >= 0 ? tr("%1 of %2").arg(byteText(m_received), byteText(m_total))
                              : byteText(m_received));
        const qint64 ms = m_fileClock.elapsed();
        if (ms > 0)
            line += QStringLiteral("  ") + tr("%1/s").arg(byteText(m_received * 1000 / ms));
    }
    if (m_inFlight > 1)
        line += QStringLiteral("  ") + ShownTexts::inFlight(m_inFlight);
    std::fputs(("\r\033[K" + line.toLocal8Bit()).constData(), m_err);
    std::fflush(m_err);
    m_progressShown = true;
    m_drawClock.start();
}

void TerminalOutput::clearProgress()
{
    if (!m_progressShown)
        return;
    std::fputs("\r\033[K", m_err);
    std::fflush(m_err);
    m_progressShown = false;
}

void TerminalOutput::message(const QString &text)
{
    writeLine(m_err, text);
}

void TerminalOutput::note(const QString &text)
{
    if (m_format != Format::Quiet)
        writeLine(m_err, text);
}

void TerminalOutput::summary(const QString &text)
{
    m_showProgress = false;
    clearProgress();
    if (m_format != Format::Quiet)
        writeLine(m_err, text);
}

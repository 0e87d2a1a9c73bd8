#include "TerminalWindow.h"

#include "ShownTexts.h"
#include "TerminalOutput.h"

#include <QCoreApplication>

void TerminalWindow::showMessage(const QString &text, const QString &)
{
    m_output.message(text);
}

void TerminalWindow::setRunProgress(int attempt, int planned)
{
    m_output.setRun(attempt, planned);
}

void TerminalWindow::setFileProgress(qint64 received, qint64 total)
{
    m_output.setFile(received, total);
}

void TerminalWindow::setInFlight(int count)
{
    m_output.setInFlight(count);
}

void TerminalWindow::reportWait(int seconds)
{
    m_output.note(
        QCoreApplication::translate("TerminalWindow", "waiting %1 s: the server asked to slow down")
            .arg(seconds));
}

void TerminalWindow::reportRetry(const QString &name, const QString &reason, int attempt, int of)
{
    m_output.note(QCoreApplication::translate("TerminalWindow", "trying %1 again (%2), %3 of %4")
                      .arg(name, ShownTexts::reason(reason))
                      .arg(attempt)
                      .arg(of));
}

void TerminalWindow::reportAttempt(const AttemptReport &report)
{
    m_output.attempt(report);
}

void TerminalWindow::reportRunEnd(const RunCounts &counts, const QString &summary)
{
    m_ended = true;
    m_counts = counts;
    m_summary = summary;
}

void TerminalWindow::finishRun()
{
    if (m_ended)
        m_output.summary(m_summary);
    else
        m_output.clearProgress();
}

int TerminalWindow::exitStatus() const
{
    return !m_ended || m_counts.failingRun() > 0 ? 1 : 0;
}

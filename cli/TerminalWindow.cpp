#include "TerminalWindow.h"

#include "TerminalOutput.h"

namespace {
const QString openingPrefix = QStringLiteral("Opening : ");
}

TerminalWindow::TerminalWindow(TerminalOutput &output, int planned)
    : m_output(output), m_planned(planned)
{
}

void TerminalWindow::setStatusText(const QString &text)
{
    m_status = text;
    if (!text.startsWith(openingPrefix))
        return;
    flushInferred();
    m_currentUrl = text.mid(openingPrefix.size());
    if (!m_engineProgress)
        m_output.setRun(++m_attempt, m_planned);
}

void TerminalWindow::setIcon(ImageKey key)
{
    // An engine that reports its attempts says more than the tray picture can; before the
    // first report, the picture and the status text are what there is to go by.
    if (m_engineReports || (key != ImageKey::IsImage && key != ImageKey::NoImage))
        return;
    const bool saveFailed = m_status.startsWith(QLatin1String("could not save"));
    AttemptReport report;
    if (key == ImageKey::IsImage)
        report.outcome =
            saveFailed ? AttemptReport::Outcome::Failed : AttemptReport::Outcome::Saved;
    else if (saveFailed || m_status.startsWith(QLatin1String("Failed")))
        report.outcome = AttemptReport::Outcome::Failed;
    else
        report.outcome = AttemptReport::Outcome::NotImage;
    report.url = m_currentUrl;
    if (report.outcome == AttemptReport::Outcome::Saved)
        report.targetPath = m_status; // the saver shows where the picture went
    else
        report.reason = m_status;
    report.logText = m_status;
    m_inferred = report;
}

void TerminalWindow::showMessage(const QString &text, const QString &)
{
    m_output.message(text);
}

void TerminalWindow::setRunProgress(int attempt, int planned)
{
    m_engineProgress = true;
    m_attempt = attempt;
    m_output.setRun(attempt, planned > 0 ? planned : m_planned);
}

void TerminalWindow::setFileProgress(qint64 received, qint64 total)
{
    m_output.setFile(received, total);
}

void TerminalWindow::reportAttempt(const AttemptReport &report)
{
    m_engineReports = true;
    m_inferred.reset();
    count(report);
    m_output.attempt(report);
}

void TerminalWindow::reportRunEnd(const RunCounts &, const QString &summary)
{
    m_summary = summary;
}

void TerminalWindow::count(const AttemptReport &report)
{
    switch (report.outcome) {
    case AttemptReport::Outcome::Saved:
        ++m_counts.saved;
        break;
    case AttemptReport::Outcome::Skipped:
        ++m_counts.skipped;
        break;
    case AttemptReport::Outcome::NotImage:
        ++m_counts.notImages;
        break;
    case AttemptReport::Outcome::Failed:
        ++m_counts.failed;
        break;
    }
}

void TerminalWindow::flushInferred()
{
    if (!m_inferred)
        return;
    count(*m_inferred);
    m_output.attempt(*m_inferred);
    m_inferred.reset();
}

void TerminalWindow::finishRun()
{
    flushInferred();
    m_output.summary(m_summary.isEmpty() ? m_status : m_summary);
}

int TerminalWindow::exitStatus() const
{
    return m_counts.failed + m_counts.notImages > 0 ? 1 : 0;
}

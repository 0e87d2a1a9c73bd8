#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <functional>

struct AttemptReport;

// What `quillop get` writes: one line per attempt on standard output (the log line, or a
// JSON object; with --quiet only a failed one, on standard error), a progress line on standard
// error redrawn in place while it is a terminal, and messages and the summary on standard error.
class TerminalOutput
{
    Q_DECLARE_TR_FUNCTIONS(TerminalOutput)

public:
    enum class Format { Lines, Json, Quiet };

    TerminalOutput(Format format, bool showProgress, FILE *out = stdout, FILE *err = stderr);

    void attempt(const AttemptReport &report);
    // A dry run's attempt: what would become of a picture at target.
    void plannedAttempt(const QString &address, const QString &target, const QString &action);
    // How a dry run would end.
    void plannedEnd(const QString &text);

    void setRun(int attempt, int planned);
    void setFile(qint64 received, qint64 total);
    // Pictures fetched at the same time; the line names them when more than one is.
    void setInFlight(int count);
    void clearProgress();

    void message(const QString &text); // always shown, even with --quiet
    void note(const QString &text);    // what the run does meanwhile; not with --quiet
    // handler runs once, when standard output has lost its reader (EPIPE); nothing more is
    // written there after that.
    void setBrokenHandler(std::function<void()> handler) { m_onBroken = std::move(handler); }
    bool isBroken() const { return m_broken; }
    void summary(const QString &text);

    static QString byteText(qint64 bytes);

private:
    void drawProgress();
    void writeLine(FILE *stream, const QString &line);

    Format m_format;
    bool m_showProgress;
    FILE *m_out;
    FILE *m_err;
    int m_attempt = 0;
    int m_planned = -1;
    qint64 m_received = -1;
    qint64 m_total = -1;
    int m_inFlight = 0;
    bool m_progressShown = false;
    bool m_broken = false;
    std::function<void()> m_onBroken;
    QElapsedTimer m_fileClock; // since the current file began to arrive
    QElapsedTimer m_drawClock; // since the progress line was last drawn
};

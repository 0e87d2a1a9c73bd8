#include "MainWindowElements.h"

MainWindowElements::~MainWindowElements() = default;

void MainWindowElements::setRunProgress(int, int) {}

void MainWindowElements::setFileProgress(qint64, qint64) {}

void MainWindowElements::setInFlight(int) {}

void MainWindowElements::reportWait(int) {}

void MainWindowElements::reportRetry(const QString &, const QString &, int, int) {}

void MainWindowElements::reportAttempt(const AttemptReport &) {}

void MainWindowElements::reportRunEnd(const RunCounts &, const QString &) {}

#include "MainWindowElements.h"

MainWindowElements::~MainWindowElements() = default;

QString imageKeyName(ImageKey key)
{
    switch (key) {
    case ImageKey::On:
        return QStringLiteral("on");
    case ImageKey::Off:
        return QStringLiteral("off");
    case ImageKey::Spare:
        return {};
    case ImageKey::Stopped:
        return QStringLiteral("stopped");
    case ImageKey::IsImage:
        return QStringLiteral("is_image");
    case ImageKey::NoImage:
        return QStringLiteral("no_image");
    }
    return {};
}

void MainWindowElements::setRunProgress(int, int) {}

void MainWindowElements::setFileProgress(qint64, qint64) {}

void MainWindowElements::reportWait(int) {}

void MainWindowElements::reportRetry(const QString &, const QString &, int, int) {}

void MainWindowElements::reportAttempt(const AttemptReport &) {}

void MainWindowElements::reportRunEnd(const RunCounts &, const QString &) {}

#include "ProgressPanel.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace {

constexpr int BarSteps = 1000; // the bar's range; byte counts may pass an int

// Short and steady while the bytes count up: whole kilobytes, megabytes to a tenth.
QString dataSize(qint64 bytes)
{
    constexpr qint64 Kilo = 1024;
    if (bytes < Kilo)
        return QStringLiteral("%1 bytes").arg(bytes);
    if (bytes < Kilo * Kilo)
        return QStringLiteral("%1 KB").arg((bytes + Kilo / 2) / Kilo);
    return QStringLiteral("%1 MB").arg(double(bytes) / (Kilo * Kilo), 0, 'f', 1);
}

} // namespace

ProgressPanel::ProgressPanel(QWidget *parent)
    : QWidget(parent), p_run(new QLabel(this)), p_file(new QProgressBar(this))
{
    setObjectName(QStringLiteral("progressPanel"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    // The attempt at the right edge, where it stays while the bar comes and goes.
    row->addWidget(p_file);
    row->addWidget(p_run);

    p_run->setObjectName(QStringLiteral("p_run"));
    p_run->setToolTip(QStringLiteral("Attempt of the run"));
    p_run->setFrameShape(QFrame::StyledPanel);
    p_run->setFrameShadow(QFrame::Sunken);
    p_run->setAlignment(Qt::AlignCenter);
    p_run->setTextFormat(Qt::PlainText);
    p_run->setMargin(3);

    p_file->setObjectName(QStringLiteral("p_file"));
    p_file->setAccessibleName(QStringLiteral("Current file"));
    p_file->setToolTip(QStringLiteral("Bytes of the file arriving now"));
    p_file->setRange(0, BarSteps);
    // Between two files the bar goes out of sight but keeps its room: the status bar is not
    // laid out again, and the window's least size not sent again, for every picture.
    QSizePolicy keepRoom = p_file->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    p_file->setSizePolicy(keepRoom);
    p_file->setTextVisible(true);
    // The bar shows how much of the file is in; its text, the bytes so far, must fit.
    p_file->setFixedWidth(p_file->fontMetrics().horizontalAdvance(bytesText(1023 * 1024 * 1024)) +
                          24);
    // Fixed in both directions, the panels ask for no new layout when their texts change,
    // which they do several times a picture.
    p_file->setFixedHeight(p_file->sizeHint().height());
    p_run->setText(attemptText(99999, 99999));
    p_run->setFixedSize(p_run->sizeHint());
    clear();
}

QString ProgressPanel::attemptText(int attempt, int planned)
{
    if (planned < 0)
        return QString::number(attempt);
    return QStringLiteral("%1 / %2").arg(attempt).arg(planned);
}

QString ProgressPanel::bytesText(qint64 received)
{
    return dataSize(received);
}

void ProgressPanel::setRunProgress(int attempt, int planned)
{
    const QString text = attemptText(attempt, planned);
    if (text != p_run->text()) {
        p_run->setText(text);
        QAccessibleEvent changed(p_run, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    p_run->show();
    if (!isVisibleTo(parentWidget())) {
        show();
        Q_EMIT shown();
    }
}

void ProgressPanel::setFileProgress(qint64 received, qint64 total)
{
    if (received < 0) {
        // Between two files of a run the bar stays, empty: showing it again for every
        // picture would lay the status bar out every time. clear() hides it at the end.
        showOnBar(0, QString());
        return;
    }
    // A length not announced leaves the bar empty; its text still counts the bytes.
    showOnBar(total > 0 ? int(qMin(received, total) * BarSteps / total) : 0, bytesText(received));
    if (!p_file->isVisibleTo(this))
        p_file->show();
    if (!isVisibleTo(parentWidget())) {
        show();
        Q_EMIT shown();
    }
}

void ProgressPanel::showOnBar(int value, const QString &text)
{
    // QProgressBar paints a new value at once, inside the call; the run gives several a
    // picture. With updates held, the bar is painted with the next paint of the window.
    p_file->setUpdatesEnabled(false);
    p_file->setValue(value);
    p_file->setFormat(text);
    p_file->setUpdatesEnabled(true);
}

void ProgressPanel::clear()
{
    p_run->clear();
    p_file->setFormat(QString());
    p_run->hide();
    p_file->hide();
    hide();
}

QString ProgressPanel::attemptShown() const
{
    return isVisibleTo(parentWidget()) && p_run->isVisibleTo(this) ? p_run->text() : QString();
}

QString ProgressPanel::fileShown() const
{
    return isVisibleTo(parentWidget()) && p_file->isVisibleTo(this) ? p_file->format() : QString();
}

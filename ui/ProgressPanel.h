#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The run's progress: the attempt ("8 / 20", or "8" when the end is not
// known) and, while a file arrives, a bar with its bytes. Nothing of it shows while idle.
class ProgressPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressPanel(QWidget *parent = nullptr);

    static QString attemptText(int attempt, int planned);
    // The bytes of a file so far: "1000 bytes", "340 KB", "1.5 MB".
    static QString bytesText(qint64 received);

    void setRunProgress(int attempt, int planned);
    void setFileProgress(qint64 received, qint64 total);
    // Back to idle: everything hidden.
    void clear();

    QString attemptShown() const;
    // The bar's text; empty while no file arrives.
    QString fileShown() const;
Q_SIGNALS:
    // It came into sight (for its place to be set).
    void shown();

private:
    void showOnBar(int value, const QString &text);

    QLabel *p_run;
    QProgressBar *p_file;
};

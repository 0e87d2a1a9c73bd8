#pragma once

#include <QObject>
#include <QString>

struct RunSettings;
class MainWindowElements;
class Transfer;
class Pause;
class ImageSaver;

// One attempt of a run (downloadFile): compose the address, fetch it, keep the body when
// it is an image, show the preview or the tray state, log one line, pause. start() returns
// at once; the transfer's finished() carries the attempt on, and done() follows once the
// pause has elapsed. A failed fetch still makes a whole attempt (status, log, pause).
class DownloadAttempt : public QObject
{
    Q_OBJECT
public:
    enum class Phase { Idle, Fetching, Pausing };

    DownloadAttempt(RunSettings &settings, MainWindowElements &window, Transfer &transfer,
                    QObject *parent = nullptr);
    ~DownloadAttempt() override;

    // downloadFile: ignored while an attempt is under way.
    void start();
    Phase phase() const;
    bool isActive() const { return phase() != Phase::Idle; }
    // The address of the attempt in progress, or of the last one.
    QString url() const;

    Pause &pause();
    ImageSaver &saver();

    // The image rule: "image" anywhere in the Content-type value, without regard to case.
    static bool isImageType(const QString &contentType);

Q_SIGNALS:
    void done();

private:
    void onTransferFinished(bool ok, const QString &reason);
    void onPauseElapsed();
    void finishFetched();
    void finishFailed(const QString &reason);
    void showAndLog(const QString &logText);

    struct Private;
    Private *d;
};

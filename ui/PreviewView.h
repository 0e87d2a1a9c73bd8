#pragma once

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QTimer>
#include <QWidget>

// The preview img1: shows its picture scaled to its own size. Only the picture's header is
// read at once, so the layout can fit it; its pixels are always decoded on a worker thread
// at the size shown, so a run never waits for its preview and camera-sized JPEGs neither
// freeze the window nor fill the memory. One decode at most is in flight; of the pictures
// asked for meanwhile only the latest is decoded, and a result for a replaced picture is
// dropped. Until the new pixels arrive the old picture stays, undistorted.
class PreviewView : public QWidget
{
    Q_OBJECT
public:
    // Decodes start at most this often: a fast run shows a picture every few frames
    // instead of keeping a core busy with pictures that are replaced before they are seen.
    static constexpr int DecodePaceMs = 40;
    // The most memory one decoded picture may take, in megabytes.
    static constexpr int AllocationLimitMb = 256;

    explicit PreviewView(QWidget *parent = nullptr);

    // Replaces the picture with the file's; false (and the old picture kept) when the file
    // is not a picture. The picture shows once its pixels are decoded; decodeFailed follows
    // when they cannot be.
    bool loadFile(const QString &path);

    // The picture's own size, before any scaling; empty while a picture whose header does
    // not tell it is being decoded.
    QSize pictureSize() const { return m_pictureSize; }
    // The size it was decoded at; empty while it is being decoded.
    QSize decodedSize() const { return m_image.size(); }
    QString path() const { return m_path; }
    // A worker decodes, or is about to decode, pixels (perhaps of a picture since replaced).
    bool isDecoding() const { return m_decodeWanted || m_inFlight; }

    // The largest size a picture is decoded at (default: the screen's, in device pixels).
    void setDecodeBound(const QSize &bound) { m_decodeBound = bound; }

Q_SIGNALS:
    // The file's header was read, but its pixels could not be decoded.
    void decodeFailed(const QString &path);
    // The picture's own size became known only with its pixels: it has to be fitted again.
    void pictureSizeKnown();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QSize decodeBound() const;
    QSize decodeTarget() const;
    void setImage(const QImage &image);
    void requestDecode();
    void startDecode();
    void decodeFinished();

    QImage m_image;
    QPixmap m_scaled;
    QSize m_pictureSize;
    QSize m_decodeBound;
    QString m_path;
    bool m_decodeWanted = false; // a decode of the current picture waits to be started
    quint64 m_generation = 0;    // raised by every picture loaded
    quint64 m_running = 0;       // the generation the decode in flight was started for
    // Until its result has been handled here: the future itself ends a little earlier.
    bool m_inFlight = false;
    QFutureWatcher<QImage> m_watcher;
    QElapsedTimer m_lastStart;
    QTimer m_pace;
};

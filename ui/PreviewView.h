#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QWidget>

// The preview img1: shows its picture scaled to its own size. The picture's own size is
// read at once, so the layout can fit it; a large picture's pixels are decoded on a worker
// thread at the size shown, so a run of camera-sized JPEGs neither freezes the window nor
// fills the memory. Only the latest picture asked for is ever shown.
class PreviewView : public QWidget
{
    Q_OBJECT
public:
    // The most memory one decoded picture may take, in megabytes.
    static constexpr int AllocationLimitMb = 256;
    // Pictures up to this many pixels decode quickly enough to do it on the spot.
    static constexpr qint64 SynchronousPixels = 2'000'000;

    explicit PreviewView(QWidget *parent = nullptr);

    // Replaces the picture with the file's; false (and the old picture kept) when the file
    // is not a picture or has no size. A large picture shows once its pixels are decoded;
    // decodeFailed follows when they cannot be.
    bool loadFile(const QString &path);

    // The picture's own size, before any scaling.
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
    bool m_onWorker = false;     // the current picture is decoded off the GUI thread
    bool m_decodeWanted = false; // a decode of the current picture waits to be started
    quint64 m_generation = 0;    // raised by every picture loaded
    quint64 m_running = 0;       // the generation the decode in flight was started for
    // Until its result has been handled here: the future itself ends a little earlier.
    bool m_inFlight = false;
    QFutureWatcher<QImage> m_watcher;
};

#include "PreviewView.h"

#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// Runs on a worker: only value types and a reader of its own.
QImage decodeAt(const QString &path, const QSize &target)
{
    QImageReader reader(path);
    reader.setScaledSize(target);
    return reader.read();
}

} // namespace

PreviewView::PreviewView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // Process-wide, so it is set here once rather than while a worker may be reading it.
    QImageReader::setAllocationLimit(AllocationLimitMb);
    connect(&m_watcher, &QFutureWatcher<QImage>::finished, this, &PreviewView::decodeFinished);
}

QSize PreviewView::decodeBound() const
{
    if (m_decodeBound.isValid())
        return m_decodeBound;
    if (const QScreen *shown = screen())
        return (QSizeF(shown->size()) * shown->devicePixelRatio()).toSize();
    return QSize(4096, 4096);
}

QSize PreviewView::decodeTarget() const
{
    // The layout has fitted the view to the picture's ratio, so its size is the one shown;
    // before any layout the picture's own size stands in.
    const QSize shown = (QSizeF(size()) * devicePixelRatioF()).toSize();
    QSize target = shown.isEmpty() ? m_pictureSize : shown;
    const QSize bound = decodeBound();
    if (target.width() > bound.width() || target.height() > bound.height())
        target = target.scaled(bound, Qt::KeepAspectRatio);
    return target.expandedTo(QSize(1, 1));
}

bool PreviewView::loadFile(const QString &path)
{
    QImageReader reader(path);
    const QSize own = reader.size();
    const bool known = own.isValid() && !own.isEmpty();
    if (known && qint64(own.width()) * own.height() > SynchronousPixels) {
        ++m_generation;
        m_onWorker = true;
        m_pictureSize = own;
        m_path = path;
        // The old picture would show distorted in the new one's place until the decode ends.
        setImage(QImage());
        requestDecode();
        return true;
    }
    if (known) {
        const QSize bound = decodeBound();
        if (own.width() > bound.width() || own.height() > bound.height())
            reader.setScaledSize(own.scaled(bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    }
    const QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return false;
    ++m_generation;
    m_onWorker = false;
    m_decodeWanted = false;
    m_pictureSize = known ? own : image.size();
    m_path = path;
    setImage(image);
    return true;
}

void PreviewView::setImage(const QImage &image)
{
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void PreviewView::requestDecode()
{
    // Started from the event loop: the layout that follows a load has then sized the view,
    // and of several loads in a row only the last one is decoded.
    if (m_decodeWanted)
        return;
    m_decodeWanted = true;
    QMetaObject::invokeMethod(this, &PreviewView::startDecode, Qt::QueuedConnection);
}

void PreviewView::startDecode()
{
    if (!m_onWorker)
        m_decodeWanted = false;
    // One decode at a time; the one in flight starts the next when it ends.
    if (!m_decodeWanted || m_inFlight)
        return;
    m_decodeWanted = false;
    m_inFlight = true;
    m_running = m_generation;
    m_watcher.setFuture(QtConcurrent::run(decodeAt, m_path, decodeTarget()));
}

void PreviewView::decodeFinished()
{
    m_inFlight = false;
    const QImage image = m_watcher.result();
    // A result for a picture that has been replaced meanwhile is dropped.
    if (m_running == m_generation && m_onWorker) {
        if (image.isNull())
            Q_EMIT decodeFailed(m_path);
        else
            setImage(image);
    }
    startDecode();
}

void PreviewView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_onWorker && m_image.size() != decodeTarget())
        requestDecode();
}

void PreviewView::paintEvent(QPaintEvent *)
{
    if (m_image.isNull() || width() <= 0 || height() <= 0)
        return;
    const QSize target = size() * devicePixelRatioF();
    // Scaling once per size keeps repaints cheap while a run replaces pictures; while a
    // better decode is on its way, a quick scaling is enough.
    if (m_scaled.size() != target) {
        const bool interim = m_onWorker && (m_decodeWanted || m_watcher.isRunning());
        m_scaled = QPixmap::fromImage(
            m_image.scaled(target, Qt::IgnoreAspectRatio,
                           interim ? Qt::FastTransformation : Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(devicePixelRatioF());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_scaled);
}

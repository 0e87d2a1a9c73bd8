#include "PreviewView.h"

#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// Runs on a worker: only value types and a reader of its own. Without a target (a header
// that does not tell the size) the picture is read whole and then brought within bound.
QImage decodeAt(const QString &path, const QSize &target, const QSize &bound)
{
    QImageReader reader(path);
    if (target.isValid())
        reader.setScaledSize(target);
    const QImage image = reader.read();
    if (target.isValid() || image.isNull() ||
        (image.width() <= bound.width() && image.height() <= bound.height()))
        return image;
    return image.scaled(bound, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

PreviewView::PreviewView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // Process-wide, so it is set here once rather than while a worker may be reading it.
    QImageReader::setAllocationLimit(AllocationLimitMb);
    connect(&m_watcher, &QFutureWatcher<QImage>::finished, this, &PreviewView::decodeFinished);
    m_pace.setSingleShot(true);
    connect(&m_pace, &QTimer::timeout, this, &PreviewView::startDecode);
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
    if (m_pictureSize.isEmpty())
        return QSize();
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
    if (!reader.canRead())
        return false;
    const QSize own = reader.size();
    ++m_generation;
    m_pictureSize = own.isValid() && !own.isEmpty() ? own : QSize();
    m_path = path;
    requestDecode();
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
    // One decode at a time; the one in flight starts the next when it ends.
    if (!m_decodeWanted || m_inFlight || m_pace.isActive())
        return;
    if (m_lastStart.isValid() && m_lastStart.elapsed() < DecodePaceMs) {
        m_pace.start(DecodePaceMs - int(m_lastStart.elapsed()));
        return;
    }
    m_lastStart.start();
    m_decodeWanted = false;
    m_inFlight = true;
    m_running = m_generation;
    m_watcher.setFuture(QtConcurrent::run(decodeAt, m_path, decodeTarget(), decodeBound()));
}

void PreviewView::decodeFinished()
{
    m_inFlight = false;
    const QImage image = m_watcher.result();
    // A result for a picture that has been replaced meanwhile is dropped.
    if (m_running == m_generation) {
        if (image.isNull()) {
            Q_EMIT decodeFailed(m_path);
        } else {
            const bool sizeLearned = m_pictureSize.isEmpty();
            if (sizeLearned)
                m_pictureSize = image.size();
            setImage(image);
            if (sizeLearned)
                Q_EMIT pictureSizeKnown();
        }
    }
    startDecode();
}

void PreviewView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_path.isEmpty() && !m_pictureSize.isEmpty() && m_image.size() != decodeTarget())
        requestDecode();
}

void PreviewView::paintEvent(QPaintEvent *)
{
    if (m_image.isNull() || width() <= 0 || height() <= 0)
        return;
    // The view has the new picture's ratio; an older picture still shown keeps its own.
    const QSize target = m_image.size().scaled(size() * devicePixelRatioF(), Qt::KeepAspectRatio);
    // Scaling once per size keeps repaints cheap while a run replaces pictures; while a
    // better decode is on its way, a quick scaling is enough.
    if (m_scaled.size() != target) {
        m_scaled = QPixmap::fromImage(
            m_image.scaled(target, Qt::IgnoreAspectRatio,
                           isDecoding() ? Qt::FastTransformation : Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(devicePixelRatioF());
    }
    const QSizeF shown = QSizeF(m_scaled.size()) / devicePixelRatioF();
    QPainter painter(this);
    painter.drawPixmap(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                       m_scaled);
}

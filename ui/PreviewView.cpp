#include "PreviewView.h"

#include <QImageReader>
#include <QPainter>
#include <QScreen>

PreviewView::PreviewView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QSize PreviewView::decodeBound() const
{
    if (m_decodeBound.isValid())
        return m_decodeBound;
    if (const QScreen *shown = screen())
        return (QSizeF(shown->size()) * shown->devicePixelRatio()).toSize();
    return QSize(4096, 4096);
}

bool PreviewView::loadFile(const QString &path)
{
    QImageReader reader(path);
    reader.setAllocationLimit(AllocationLimitMb);
    const QSize own = reader.size();
    if (own.isValid() && !own.isEmpty()) {
        const QSize bound = decodeBound();
        if (own.width() > bound.width() || own.height() > bound.height())
            reader.setScaledSize(own.scaled(bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    }
    const QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return false;
    m_image = image;
    m_pictureSize = (own.isValid() && !own.isEmpty()) ? own : image.size();
    m_path = path;
    m_scaled = QPixmap();
    update();
    return true;
}

void PreviewView::paintEvent(QPaintEvent *)
{
    if (m_image.isNull() || width() <= 0 || height() <= 0)
        return;
    const QSize target = size() * devicePixelRatioF();
    // Scaling once per size keeps repaints cheap while a run replaces pictures.
    if (m_scaled.size() != target) {
        m_scaled = QPixmap::fromImage(
            m_image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(devicePixelRatioF());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_scaled);
}

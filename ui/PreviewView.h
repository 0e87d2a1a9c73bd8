#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QWidget>

// The preview img1: shows its picture scaled to its own size. A picture is decoded no
// larger than the screen it may be shown on, so a camera-sized JPEG neither freezes the
// window nor fills the memory; the picture's own size is kept for the layout.
class PreviewView : public QWidget
{
    Q_OBJECT
public:
    // The most memory one decoded picture may take, in megabytes.
    static constexpr int AllocationLimitMb = 256;

    explicit PreviewView(QWidget *parent = nullptr);

    // Replaces the picture with the file's; false (and the old picture kept) when the file
    // cannot be decoded or has no size.
    bool loadFile(const QString &path);

    // The picture's own size, before any scaling.
    QSize pictureSize() const { return m_pictureSize; }
    // The size it was decoded at.
    QSize decodedSize() const { return m_image.size(); }
    QString path() const { return m_path; }

    // The largest size a picture is decoded at (default: the screen's, in device pixels).
    void setDecodeBound(const QSize &bound) { m_decodeBound = bound; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSize decodeBound() const;

    QImage m_image;
    QPixmap m_scaled;
    QSize m_pictureSize;
    QSize m_decodeBound;
    QString m_path;
};

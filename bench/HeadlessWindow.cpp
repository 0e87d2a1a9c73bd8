#include "HeadlessWindow.h"

#include <QImage>
#include <QImageReader>
#include <cstdio>

HeadlessWindow::HeadlessWindow(QSize previewSize) : m_previewSize(previewSize) {}

bool HeadlessWindow::loadPreview(const QString &path)
{
    ++m_previews;
    if (m_previewSize.isEmpty())
        return true;
    // The picture is only ever shown fitted into the preview area, so the decoder is asked
    // for that size straight away (JPEG then decodes at a fraction of its full size).
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() &&
        (full.width() > m_previewSize.width() || full.height() > m_previewSize.height()))
        reader.setScaledSize(full.scaled(m_previewSize, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull()) {
        ++m_previewFailures;
        return false;
    }
    return true;
}

void HeadlessWindow::showMessage(const QString &text, const QString &title)
{
    ++m_messages;
    std::fprintf(stderr, "message [%s]: %s\n", qPrintable(title), qPrintable(text));
}

bool HeadlessWindow::promptForName(const QString &title, const QString &prompt, QString *)
{
    ++m_messages;
    std::fprintf(stderr, "prompt [%s]: %s (cancelled)\n", qPrintable(title), qPrintable(prompt));
    return false;
}

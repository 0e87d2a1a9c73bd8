#pragma once

#include <QLabel>
#include <QString>

// The status line p_sat. Long addresses are shown shortened in the middle instead of
// widening the status bar (and with it the window's minimum width); statusText() keeps
// the full text, and so does the name a screen reader reads.
class StatusTextPanel : public QLabel
{
    Q_OBJECT
public:
    explicit StatusTextPanel(QWidget *parent = nullptr);

    void setStatusText(const QString &text);
    QString statusText() const { return m_text; }
    // The width at which text shows whole.
    int widthFor(const QString &text) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Not the label's own text: setting that would lay the status bar out again for every
    // status of a run, although the panel's width never depends on it.
    QString m_text;
};

#pragma once

#include <QFrame>
#include <QString>

// The status line p_sat. Long addresses are shown shortened in the middle instead of
// widening the status bar (and with it the window's minimum width); text() keeps the full
// text.
class StatusTextPanel : public QFrame
{
    Q_OBJECT
public:
    explicit StatusTextPanel(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return m_text; }
    // The width at which text shows whole.
    int widthFor(const QString &text) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};

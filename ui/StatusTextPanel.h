#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>

// The status line p_sat. A text that is too long for the panel keeps its meaning: the
// middle of its address is left out (never the file name at its end), and what is still
// too long goes on to more lines, so that a reason, a count or a summary shows whole. The
// panel then grows by the lines it needs, never wider. statusText() keeps the full text,
// and so do the tooltip on hover and the name a screen reader reads.
class StatusTextPanel : public QLabel
{
    Q_OBJECT
public:
    explicit StatusTextPanel(QWidget *parent = nullptr);

    void setStatusText(const QString &text);
    QString statusText() const { return m_text; }
    // The width at which text shows whole on one line.
    int widthFor(const QString &text) const;
    // The lines text is shown as at a text area width pixels wide.
    static QStringList shownLines(const QString &text, const QFontMetrics &metrics, int width);
    // The lines shown now.
    QStringList shownLines() const;
    // The width the text of a line may take now.
    int textWidth() const;
    int oneLineHeight() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void relayoutLines();

    // Not the label's own text: setting that would lay the status bar out again for every
    // status of a run, although the panel's width never depends on it.
    QString m_text;
    QStringList m_lines;
};

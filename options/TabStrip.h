#pragma once

#include <QWidget>

class QTabBar;

// A row of tabs above an empty framed panel. Unlike QTabWidget it does not own the pages:
// the dialog places its page frames over the panel itself and shows the one that belongs
// to the selected tab.
class TabStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TabStrip(QWidget *parent = nullptr);

    QTabBar *bar() const { return m_bar; }
    int addTab(const QString &caption);
    // 0-based index of the selected tab.
    int currentIndex() const;
    void setCurrentIndex(int index);

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QTabBar *m_bar;
};

#pragma once

#include <QWidget>

class QGridLayout;
class QTabBar;

// A row of tabs above a framed panel that holds the pages. Unlike QTabWidget it does not
// show or hide the pages itself: the dialog shows the one that belongs to the selected tab.
// Every page keeps its room while hidden, so the panel is as large as the largest page and
// does not change size when another page is shown.
class TabStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TabStrip(QWidget *parent = nullptr);

    QTabBar *bar() const { return m_bar; }
    int addTab(const QString &caption);
    // Puts page into the panel, over the pages added before it.
    void addPage(QWidget *page);
    // 0-based index of the selected tab.
    int currentIndex() const;
    void setCurrentIndex(int index);

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTabBar *m_bar;
    QGridLayout *m_panel;
};

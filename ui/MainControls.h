#pragma once

#include <QSizeF>
#include <QWidget>

class AddressLineEdit;
class PreviewView;
class ProgressPanel;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QToolButton;

// The client area of the main window: the band shp1 with Get, Stop and the three address
// inputs, and the preview img1 below it. Positions follow the twips arithmetic of
// PreviewLayout, converted to pixels with the screen's logical DPI.
class MainControls : public QWidget
{
    Q_OBJECT
public:
    explicit MainControls(double logicalDpi, QWidget *parent = nullptr);

    // Lays out band, preview and inputs for a window of the given outer size in twips.
    void arrange(double windowWidth, double windowHeight);
    // Places img1 for its current picture.
    void fitImage(double windowWidth, double windowHeight);
    // The smallest outer window size, in twips, at which neither the band nor the menu and
    // status bars (of the given heights and least width, in pixels) cut a text; never below
    // the designed minimum. frame is the window frame's share of the outer size.
    QSizeF leastWindow(const QSize &frame, int menuHeight, int statusWidth, int statusHeight) const;

    // Shows the placeholder picture: the file beside the program, or the compiled-in copy
    // when that is missing or broken.
    void showPlaceholder();

    QFrame *shp1;
    QPushButton *cmdGet;
    QPushButton *cmdStop;
    QComboBox *url1;
    AddressLineEdit *url1Edit; // the text field of url1
    QLineEdit *url2;
    QComboBox *url3;
    PreviewView *img1;
    // Beside url2: moves the counter to the next place in the address that can count.
    QToolButton *cmdCounter;
    // The run's progress, over the lower right corner of the preview while a run goes on:
    // it never takes the room of the status line.
    ProgressPanel *progress;

Q_SIGNALS:
    // img1 got another picture by itself and has to be fitted again.
    void pictureReplaced();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeProgress();
    int px(double twips) const;
    // url2 with its button, in twips: they move together.
    double counterWidth() const;
    double twips(int pixels) const;

    double m_dpi;
};

#pragma once

#include <QWidget>

class PreviewView;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

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

    QFrame *shp1;
    QPushButton *cmdGet;
    QPushButton *cmdStop;
    QComboBox *url1;
    QLineEdit *url2;
    QComboBox *url3;
    PreviewView *img1;

private:
    int px(double twips) const;
    double twips(int pixels) const;

    double m_dpi;
};

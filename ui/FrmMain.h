#pragma once

#include <QMainWindow>

// The main window. (First cut: the full window replaces this.)
class FrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmMain(QWidget *parent = nullptr);
    // The start-up sequence; shows the window at its end.
    void start();
};

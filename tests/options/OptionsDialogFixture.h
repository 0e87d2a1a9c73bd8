#pragma once

#include "FrmOptions.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QPointer>
#include <QRadioButton>
#include <QTabBar>
#include <QWidget>
#include <QtTest>

// One opening of the options dialog as the main window does it: disable, create, show.
struct OptionsDialogFixture
{
    OptionsDialogFixture()
    {
        const QString home = TestEnvironment::home();
        QDir(home).mkpath(QStringLiteral("pictures/series"));
        QDir(home).mkpath(QStringLiteral("logs"));
        settings.max_downloads = 100;
        settings.is_number_mode = true;
        settings.increment = 1;
        settings.pause_time = 1;
        settings.is_save = true;
        settings.is_header = true;
        settings.save_dir = home + QStringLiteral("/pictures/series");
        settings.if_exists = 3;
        settings.proxy_port = 80;
        settings.log_dir = home + QStringLiteral("/logs");
        settings.log_file_name = QStringLiteral("2026-12-05.log");
        settings.log_file_path = settings.log_dir + QLatin1Char('/') + settings.log_file_name;
        window.url2 = QStringLiteral("07");
    }

    ~OptionsDialogFixture() { delete dialog.data(); }

    FrmOptions *open()
    {
        mainWidget.setEnabled(false);
        dialog = new FrmOptions(settings, window, &mainWidget);
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog))
            qWarning("the options dialog did not become active");
        return dialog;
    }

    template <typename W = QWidget> W *control(const char *name) const
    {
        return dialog->findChild<W *>(QLatin1String(name));
    }

    void clickTab(int index)
    {
        QTabBar *bar = tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    QTabBar *tabBar() const { return control("tab1")->findChild<QTabBar *>(); }

    // Option buttons take clicks on their indicator and caption only, not on the blank rest.
    void click(const char *name)
    {
        QWidget *widget = control(name);
        const QPoint at = qobject_cast<QRadioButton *>(widget) ? QPoint(6, widget->height() / 2)
                                                               : widget->rect().center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }

    RunSettings settings;
    RecordingWindow window;
    QWidget mainWidget;
    QPointer<FrmOptions> dialog;
};

#pragma once

#include "FrmOptions.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

// One opening of the options dialog as the main window does it (disable, create, show),
// over an empty store and existing directories, with the beeps counted.
struct OptionsDialogFixture
{
    OptionsDialogFixture()
    {
        TestEnvironment::resetStore();
        FrmOptions::setBeepHook([this] { ++beeps; });
        settings.save_dir = TestEnvironment::home() + QStringLiteral("/pictures/series");
        settings.log_dir = TestEnvironment::home() + QStringLiteral("/logs");
        QDir().mkpath(settings.save_dir);
        QDir().mkpath(settings.log_dir);
        settings.max_downloads = 100;
        settings.increment = settings.pause_time = 1;
        settings.is_number_mode = settings.is_save = settings.is_header = true;
        settings.if_exists = IfExistsPolicy::Prompt;
        window.url2 = QStringLiteral("07");
    }
    ~OptionsDialogFixture()
    {
        delete dialog.data();
        FrmOptions::setBeepHook({});
    }

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

    template <typename W = QWidget> W *control(const QString &name) const
    {
        return dialog->findChild<W *>(name);
    }
    QTabBar *tabBar() const { return control(QStringLiteral("tab1"))->findChild<QTabBar *>(); }
    void clickTab(int index)
    {
        QTest::mouseClick(tabBar(), Qt::LeftButton, {}, tabBar()->tabRect(index).center());
    }
    // Option buttons take clicks on their indicator and caption only, not on the blank rest.
    void click(const char *name)
    {
        QWidget *widget = control(QLatin1String(name));
        const QPoint at = qobject_cast<QRadioButton *>(widget) ? QPoint(6, widget->height() / 2)
                                                               : widget->rect().center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }
    // Clicks into the box and types over what it holds.
    static void typeInto(QLineEdit *box, const QString &text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    static QStringList storedKeys()
    {
        QStringList keys = SettingsStore::allKeys();
        keys.removeIf([](const QString &key) { return !SettingsStore::contains(key); });
        keys.sort();
        return keys;
    }

    RunSettings settings;
    RecordingWindow window;
    QWidget mainWidget;
    QPointer<FrmOptions> dialog;
    int beeps = 0;
};

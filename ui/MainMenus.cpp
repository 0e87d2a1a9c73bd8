#include "MainMenus.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->setAccessibleName(caption);
    return menu;
}

QAction *addItem(QMenu *menu, const char *name, const QString &caption, bool checkable = false)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setCheckable(checkable);
    return item;
}

QAction *addSeparator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

} // namespace

MainMenus::MainMenus(QMenuBar *bar)
{
    m_File = addMenu(bar, "m_File", QCoreApplication::translate("MainMenus", "File"));
    m_new = addItem(m_File, "m_new", QCoreApplication::translate("MainMenus", "Open New Window"));
    sep1 = addSeparator(m_File, "sep1");
    m_start = addItem(m_File, "m_start", QCoreApplication::translate("MainMenus", "Start Engine"));
    m_stop = addItem(m_File, "m_stop", QCoreApplication::translate("MainMenus", "Stop Engine"));
    sep2 = addSeparator(m_File, "sep2");
    m_close = addItem(m_File, "m_close", QCoreApplication::translate("MainMenus", "Close"));

    m_view = addMenu(bar, "m_view", QCoreApplication::translate("MainMenus", "View"));
    m_full = addItem(m_view, "m_full", QCoreApplication::translate("MainMenus", "Full Screen"));
    m_cust = addItem(m_view, "m_cust", QCoreApplication::translate("MainMenus", "Custom Size"));
    m_icon = addItem(m_view, "m_icon", QCoreApplication::translate("MainMenus", "Iconize"));
    sep5 = addSeparator(m_view, "sep5");
    m_log = addItem(m_view, "m_log", QCoreApplication::translate("MainMenus", "Todays Log"));

    m_opt = addMenu(bar, "m_opt", QCoreApplication::translate("MainMenus", "Options"));
    m_set = addItem(m_opt, "m_set", QCoreApplication::translate("MainMenus", "Set Options"));
    sep3 = addSeparator(m_opt, "sep3");
    m_single = addItem(m_opt, "m_single",
                       QCoreApplication::translate("MainMenus", "Single file Download"), true);
    m_mul = addItem(m_opt, "m_mul",
                    QCoreApplication::translate("MainMenus", "Multiple file Download"), true);
    m_exit = addItem(m_opt, "m_exit",
                     QCoreApplication::translate("MainMenus", "Close Window After Download"), true);

    m_help = addMenu(bar, "m_help", QCoreApplication::translate("MainMenus", "Help"));
    m_cont = addItem(m_help, "m_cont", QCoreApplication::translate("MainMenus", "Content"));
    sep6 = addSeparator(m_help, "sep6");
    m_about = addItem(m_help, "m_about", QCoreApplication::translate("MainMenus", "About"));
}

void MainMenus::setModeChecks(bool isMultiple)
{
    m_mul->setChecked(isMultiple);
    m_single->setChecked(!isMultiple);
}

void MainMenus::setExitCheck(bool exitIfOver)
{
    m_exit->setChecked(exitIfOver);
}

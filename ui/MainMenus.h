#pragma once

class QAction;
class QMenu;
class QMenuBar;

// The four menus of the main window with their items, in the order they appear. The
// members carry the items' own names; the window connects their commands.
struct MainMenus
{
    explicit MainMenus(QMenuBar *bar);

    // Marks m_mul exactly when isMultiple, m_single exactly when not.
    void setModeChecks(bool isMultiple);
    void setExitCheck(bool exitIfOver);

    QMenu *m_File;
    QAction *m_new, *sep1, *m_start, *m_stop, *sep2, *m_close;
    QMenu *m_view;
    QAction *m_full, *m_cust, *m_icon, *sep5, *m_log;
    QMenu *m_opt;
    QAction *m_set, *sep3, *m_single, *m_mul, *m_exit;
    QMenu *m_help;
    QAction *m_cont, *sep6, *m_about;
};

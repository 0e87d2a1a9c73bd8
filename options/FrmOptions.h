#pragma once

#include "ChangeMarks.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

struct RunSettings;
struct OptionsPages;
struct OptionsValues;
class MainWindowElements;
class DirectoryField;
class QLineEdit;
class ValidationGate;

// The options dialog. Created afresh at every opening, deleted when it closes. The main
// window disables itself before showing it; the dialog enables mainWidget again however
// it closes. It is a window of its own (transient for the main window), not a child of
// mainWidget, because a disabled window disables its children too.
class FrmOptions : public QDialog
{
    Q_OBJECT
public:
    FrmOptions(RunSettings &settings, MainWindowElements &mainWindow, QWidget *mainWidget);
    ~FrmOptions() override;

    const ChangeMarks &changeMarks() const { return m_marks; }
    QString statusText() const;

    // The system beep of a refused entry; tests replace it to count the beeps.
    static void setBeepHook(std::function<void()> hook);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpStatusBar();
    void makeDirectoryFields();
    void connectControls();
    // Every control bound to a setting (OptionsWidgets::bind) is filled, read and marked
    // by its key.
    void connectBoundControls();
    void browseFile(QLineEdit *box, const QString &caption, SettingsStore::Key key);
    void guardFocusMoves();
    void clearChangeMarks();
    void layoutPages();
    void showSelectedPage();
    void fillControls();
    OptionsValues currentValues() const;

    bool checkNumber(QLineEdit *box, SettingsStore::Key key);
    // A cookie or certificate file box: empty, or a regular file that can be read.
    bool checkFile(QLineEdit *box, SettingsStore::Key key);
    void refuse(QLineEdit *box, SettingsStore::Key key);
    bool maxFilesAcceptable();
    // Offers to create a typed save or log folder that does not exist; false when one
    // cannot be created (the apply must not go on).
    bool foldersReady();
    void proxyClicked(bool yes);
    void logClicked(bool yes);

    void cmdOK_Click();
    void cmdApply_Click();
    void enableMainWindow();

    RunSettings &m_settings;
    MainWindowElements &m_mainWindow;
    QPointer<QWidget> m_mainWidget;
    std::unique_ptr<OptionsPages> m_ui;
    ValidationGate *m_gate = nullptr;
    DirectoryField *m_saveDir = nullptr;
    DirectoryField *m_logDir = nullptr;
    QList<QWidget *> m_bound; // in the order of the key table
    ChangeMarks m_marks;
    bool m_placed = false;
};

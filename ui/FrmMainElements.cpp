// FrmMain as the engine sees it: the window contract, one small call per element.
#include "FrmMain.h"

#include "DownloadRun.h"
#include "ImageList.h"
#include "MainControls.h"
#include "ModalDialogs.h"
#include "PreviewView.h"
#include "ProgressPanel.h"
#include "StatusBar.h"
#include "TrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

QString FrmMain::url1Text() const
{
    return m_controls->url1->currentText();
}

QString FrmMain::url2Text() const
{
    return m_controls->url2->text();
}

QString FrmMain::url3Text() const
{
    return m_controls->url3->currentText();
}

void FrmMain::setUrl1Text(const QString &text)
{
    m_controls->url1->setEditText(text);
}

void FrmMain::setUrl2Text(const QString &text)
{
    m_controls->url2->setText(text);
}

void FrmMain::setUrl3Text(const QString &text)
{
    m_controls->url3->setEditText(text);
}

// During a run the focus stands on Stop, so that no stray key lands in an address box;
// when the run ends it goes back to Get. A button that loses the focus by being disabled
// would otherwise hand it on to the next input, url1, with all its text selected.
void FrmMain::setGetEnabled(bool enabled)
{
    QPushButton *get = m_controls->cmdGet;
    QPushButton *stop = m_controls->cmdStop;
    if (!enabled && get->hasFocus())
        stop->isEnabled() ? stop->setFocus(Qt::OtherFocusReason) : parkFocus(get);
    get->setEnabled(enabled);
    if (enabled && m_focusParked) {
        m_focusParked = false;
        get->setFocus(Qt::OtherFocusReason);
    }
}

void FrmMain::setStopEnabled(bool enabled)
{
    QPushButton *get = m_controls->cmdGet;
    QPushButton *stop = m_controls->cmdStop;
    if (!enabled && stop->hasFocus())
        get->isEnabled() ? get->setFocus(Qt::OtherFocusReason) : parkFocus(stop);
    stop->setEnabled(enabled);
    m_escape->setEnabled(enabled);
    if (enabled) {
        m_focusParked = false;
        stop->setFocus(Qt::OtherFocusReason);
    } else
        m_controls->progress->clear();
}

void FrmMain::parkFocus(QWidget *button)
{
    // Until the other button is enabled and takes it.
    button->clearFocus();
    m_focusParked = true;
}

void FrmMain::setStartMenuEnabled(bool enabled)
{
    m_menus.m_start->setEnabled(enabled);
}

void FrmMain::setStopMenuEnabled(bool enabled)
{
    m_menus.m_stop->setEnabled(enabled);
}

// The buttons' own state: a window disabled while the options dialog is open greys them
// out without a run going on.
bool FrmMain::isGetEnabled() const
{
    return m_controls->cmdGet->isEnabledTo(this);
}

bool FrmMain::isStopEnabled() const
{
    return m_controls->cmdStop->isEnabledTo(this);
}

void FrmMain::setModeChecks(bool isMultiple)
{
    m_menus.setModeChecks(isMultiple);
}

void FrmMain::setExitCheck(bool exitIfOver)
{
    m_menus.setExitCheck(exitIfOver);
}

void FrmMain::setStatusText(const QString &text)
{
    statbar->setStatusText(text);
}

QString FrmMain::statusText() const
{
    return statbar->statusText();
}

void FrmMain::setStatePicture(ImageKey key)
{
    m_statePicture = key;
    statbar->setStatePicture(ImageList::icon(key));
}

bool FrmMain::loadPreview(const QString &path)
{
    return m_controls->img1->loadFile(path);
}

void FrmMain::loadPlaceholder()
{
    m_controls->showPlaceholder();
}

void FrmMain::setPreviewVisible(bool visible)
{
    // Painting happens between events: a hide undone before the next event is never seen,
    // and would only cost a repaint of the whole preview after every picture of a run.
    m_previewHidden = !visible;
    if (visible) {
        m_controls->img1->show();
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_previewHidden)
                m_controls->img1->hide();
        },
        Qt::QueuedConnection);
}

bool FrmMain::isMinimized() const
{
    return QMainWindow::isMinimized();
}

void FrmMain::closeWindow()
{
    close();
}

void FrmMain::setTip(const QString &tip)
{
    m_tray->setTip(tip);
}

void FrmMain::setIcon(ImageKey key)
{
    m_tray->setIcon(key);
}

void FrmMain::setTrayRecordIcon(ImageKey key)
{
    m_tray->setRecordIcon(key);
}

void FrmMain::showMessage(const QString &text, const QString &title)
{
    bringBackForQuestion();
    ModalDialogs::showMessage(questionParent(), text, title);
}

bool FrmMain::promptForName(const QString &title, const QString &prompt, QString *answer)
{
    bringBackForQuestion();
    return ModalDialogs::promptForName(questionParent(), title, prompt, answer);
}

QWidget *FrmMain::questionParent()
{
    // While the options dialog is open this window is disabled, and so would be a dialog of
    // its own: the question would wait behind the options, unanswerable.
    if (m_options && m_options->isVisible())
        return m_options;
    return this;
}

void FrmMain::bringBackForQuestion()
{
    // Hidden at start-up is not in the tray: that window shows by itself.
    if (m_tray->record().shown)
        restoreFromTray();
    else if (isMinimized())
        showNormal();
    else
        return;
    raise();
    activateWindow();
}

void FrmMain::setRunProgress(int attempt, int planned)
{
    m_controls->progress->setRunProgress(attempt, planned);
}

void FrmMain::setFileProgress(qint64 received, qint64 total)
{
    m_controls->progress->setFileProgress(received, total);
}

void FrmMain::reportRunEnd(const RunCounts &, const QString &summary)
{
    m_controls->progress->clear();
    // Out of sight, the end of the run is told by the desktop.
    if (m_tray->record().shown)
        m_tray->notify(windowTitle(), summary);
    else if (isMinimized())
        QApplication::alert(this);
}

void FrmMain::beep()
{
    ++m_beeps;
    QApplication::beep();
}

#include "FrmMain.h"

#include "AddressEntry.h"
#include "AddressInputs.h"
#include "AddressLineEdit.h"
#include "DownloadRun.h"
#include "FrmAbout.h"
#include "FrmOptions.h"
#include "ImageList.h"
#include "ImageSaver.h"
#include "LoadSettings.h"
#include "MainControls.h"
#include "MenuCommands.h"
#include "ModalDialogs.h"
#include "PreviewLayout.h"
#include "PreviewView.h"
#include "ProgramPaths.h"
#include "ProgressPanel.h"
#include "SettingsStore.h"
#include "StatusBar.h"
#include "Transfer.h"
#include "TrayIcon.h"
#include "Twips.h"
#include "WindowGeometry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr int LayoutDelayMs = 500;

// The size of the window's client area before any geometry was stored, in twips.
constexpr double DesignClientWidth = 7590;
constexpr double DesignClientHeight = 5490;

const QString busyText =
    QStringLiteral("The system is in middle of a download. This application will\r\n"
                   "terminate once the current connection is cleaned\r\nClick OK");

// A window closed while hidden in the tray is not counted by Qt as the last window
// closing, so the program would live on with nothing on the screen.
void quitIfNoWindowLeft()
{
    if (!QGuiApplication::quitOnLastWindowClosed())
        return;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *w : windows) {
        if (w->isVisible() && !w->parentWidget() && w->testAttribute(Qt::WA_QuitOnClose))
            return;
    }
    QCoreApplication::quit();
}

} // namespace

FrmMain::FrmMain(QWidget *parent)
    : QMainWindow(parent), m_transfer(new Transfer(this)),
      m_run(new DownloadRun(m_settings, *this, *m_transfer, this)), m_tray(new TrayIcon(this)),
      m_menus(menuBar())
{
    ImageList::ensureResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quillop"));
    setWindowIcon(QIcon(QStringLiteral(":/quillop.svg")));
    setAccessibleName(QStringLiteral("Quillop"));
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    menuBar()->setAccessibleName(QStringLiteral("Menu bar"));

    buildControls();
    connectCommands();

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setSingleShot(true);
    m_timer1.setInterval(LayoutDelayMs);
    connect(&m_timer1, &QTimer::timeout, this, &FrmMain::Timer1_Timer);

    const double dpi = WindowGeometry::logicalDpi(this);
    resize(Twips::toPixels(DesignClientWidth, dpi),
           Twips::toPixels(DesignClientHeight, dpi) + menuBar()->sizeHint().height());
    m_controls->img1->loadFile(QStringLiteral(":/start.svg"));
    setStatePicture(ImageKey::On);
}

FrmMain::~FrmMain()
{
    // The dialog and the run refer to this window; they go first.
    delete m_options;
    delete m_run;
    m_run = nullptr;
}

void FrmMain::buildControls()
{
    const double dpi = WindowGeometry::logicalDpi(this);
    m_controls = new MainControls(dpi, this);
    setCentralWidget(m_controls);
    m_inputs = new AddressInputs(m_controls->url1, m_controls->url3, this);
    m_entry = new AddressEntry(m_controls, this);
    setAcceptDrops(true);

    statbar = new StatusBar(dpi, this);
    setStatusBar(statbar);
    // A status text of more lines makes the bar taller: the preview is fitted again.
    statbar->installEventFilter(this);
}

ProgressPanel &FrmMain::progressPanel()
{
    return *m_controls->progress;
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == statbar && event->type() == QEvent::Resize &&
        static_cast<QResizeEvent *>(event)->oldSize().height() != statbar->height() &&
        !m_timer1.isActive())
        QTimer::singleShot(0, this, [this] {
            if (!m_timer1.isActive())
                arrangeControls();
        });
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::connectCommands()
{
    connect(m_controls->cmdGet, &QPushButton::clicked, this, &FrmMain::cmdGet_Click);
    connect(m_controls->cmdStop, &QPushButton::clicked, m_run, &DownloadRun::cmdStop_Click);
    connect(m_entry, &AddressEntry::getRequested, this, [this] {
        if (isGetEnabled())
            m_controls->cmdGet->click();
    });
    // Only during a run: otherwise Escape stays with the inputs and their lists.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, m_controls->cmdStop, &QPushButton::click);
    connect(m_run, &DownloadRun::runFinished, this, &FrmMain::onRunFinished);
    // Fitted and shown again at once: a layout leaves the preview hidden.
    connect(m_controls, &MainControls::pictureReplaced, this, &FrmMain::Timer1_Timer);
    connect(m_tray, &TrayIcon::restoreRequested, this, &FrmMain::restoreFromTray);

    const MainMenus &m = m_menus;
    connect(m.m_new, &QAction::triggered, this, [] { MenuCommands::m_new_Click(); });
    connect(m.m_start, &QAction::triggered, this, &FrmMain::cmdGet_Click);
    connect(m.m_stop, &QAction::triggered, m_run, &DownloadRun::cmdStop_Click);
    connect(m.m_close, &QAction::triggered, this, &FrmMain::close);
    connect(m.m_full, &QAction::triggered, this, [this] { setWindowState(Qt::WindowMaximized); });
    connect(m.m_cust, &QAction::triggered, this, [this] { setWindowState(Qt::WindowNoState); });
    connect(m.m_icon, &QAction::triggered, this, [this] { setWindowState(Qt::WindowMinimized); });
    connect(m.m_log, &QAction::triggered, this,
            [this] { MenuCommands::m_log_Click(m_settings, *this); });
    connect(m.m_set, &QAction::triggered, this, &FrmMain::m_set_Click);
    connect(m.m_single, &QAction::triggered, this,
            [this] { MenuCommands::m_single_Click(m_settings, *this); });
    connect(m.m_mul, &QAction::triggered, this,
            [this] { MenuCommands::m_mul_Click(m_settings, *this); });
    connect(m.m_exit, &QAction::triggered, this,
            [this] { MenuCommands::m_exit_Click(m_settings, *this); });
    connect(m.m_cont, &QAction::triggered, this, [this] { FrmAbout::showBox(this); });
    connect(m.m_about, &QAction::triggered, this, [this] { FrmAbout::showBox(this); });
}

void FrmMain::m_set_Click()
{
    // The dialog enables the window again however it closes; the activation that follows
    // reloads the settings it stored.
    setEnabled(false);
    auto *dlg = new FrmOptions(m_settings, *this, this);
    m_options = dlg;
    dlg->show();
}

void FrmMain::cmdGet_Click()
{
    // An address typed without a scheme would fail every attempt; the user sees the
    // completed address before the first attempt is made.
    const QString typed = url1Text();
    if (isGetEnabled() && m_entry->completeScheme())
        m_inputs->prefixCompleted(typed, url1Text());
    m_run->cmdGet_Click();
}

void FrmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (isGetEnabled() &&
        AddressLineEdit::looksLikeWholeAddress(AddressLineEdit::addressIn(event->mimeData())))
        event->acceptProposedAction();
}

void FrmMain::dropEvent(QDropEvent *event)
{
    const QString address = AddressLineEdit::addressIn(event->mimeData());
    if (!isGetEnabled() || !AddressLineEdit::looksLikeWholeAddress(address))
        return;
    event->acceptProposedAction();
    m_entry->fill(address.trimmed());
}

// Start-up: everything is filled in while the window is hidden, so it appears once, in
// its final place and state.
void FrmMain::start()
{
    hide();
    m_loadingSettings = true;
    loadSettings(m_settings, *this, *m_transfer);
    m_loadingSettings = false;
    ImageSaver::removeLeftovers(m_settings.save_dir);
    restoreInputs();
    restoreWindow();
    setWindowState(Qt::WindowNoState);
    show();
    correctFrameSize();
}

void FrmMain::Form_Activate()
{
    // loadSettings may show a message box, whose closing activates this window again.
    if (m_loadingSettings)
        return;
    m_loadingSettings = true;
    loadSettings(m_settings, *this, *m_transfer);
    m_loadingSettings = false;
}

void FrmMain::restoreInputs()
{
    m_inputs->restoreInputs();
    trayIcon = ImageKey::Stopped;
    trayTip = ShownTexts::idleTrayTip();
}

void FrmMain::restoreWindow()
{
    setStatusText(QStringLiteral("Engine Stopped"));
    m_wantedFrameSize = WindowGeometry::restore(this);
    arrangeControls();
    setModeChecks(m_settings.isMultiple);
    setExitCheck(m_settings.exit_ifover);
    m_run->setIdleState();
}

void FrmMain::onRunFinished()
{
    if (m_waitingForRun && !m_inBusyMessage) {
        m_closeAccepted = true;
        close();
    }
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    const bool hiddenInTray = isHidden();
    if (!m_closeAccepted && !isMinimized()) {
        if (m_waitingForRun) {
            // The user was told once; the window closes when the run is idle.
            event->ignore();
            return;
        }
        WindowGeometry::save(this);
        if (!isGetEnabled()) {
            m_run->closeDuringRun();
            m_waitingForRun = true;
            m_inBusyMessage = true;
            ModalDialogs::showInformation(this, busyText, QStringLiteral("System is busy"));
            m_inBusyMessage = false;
            if (!isGetEnabled()) {
                event->ignore();
                return;
            }
        }
    }
    m_closeAccepted = true;
    event->accept();
    // The options dialog edits this window's settings: it is cancelled with it.
    if (m_options)
        m_options->close();
    FrmAbout::outliveMainWindow();
    if (hiddenInTray)
        QTimer::singleShot(0, qApp, &quitIfNoWindowLeft);
}

bool FrmMain::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QMainWindow::event(event);
}

// Layout and window states

double FrmMain::twipsPerPixel() const
{
    return Twips::perPixel(WindowGeometry::logicalDpi(this));
}

void FrmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // A drag of the frame sends many resizes; the layout follows once it has settled.
    if (!isMinimized())
        m_timer1.start();
    correctFrameSize();
}

void FrmMain::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    correctFrameSize();
}

void FrmMain::Timer1_Timer()
{
    m_timer1.stop();
    m_controls->img1->hide();
    arrangeControls();
    m_controls->img1->show();
}

void FrmMain::arrangeControls()
{
    if (isMinimized())
        return;
    const double perPixel = twipsPerPixel();
    const double dpi = WindowGeometry::logicalDpi(this);
    const QSize margins = frameGeometry().size() - size();
    // After every picture of a run the window stands as it was laid out last: only the
    // new picture has to be fitted.
    if (size() == m_arrangedSize) {
        m_controls->fitImage((width() + margins.width()) * perPixel,
                             (height() + margins.height()) * perPixel);
        return;
    }
    const QSize outer = size() + margins;
    const QSizeF least = m_controls->leastWindow(margins, menuBar()->sizeHint().height(),
                                                 statbar->leastWidth(), statbar->oneLineHeight());
    const PreviewLayout::Minimum minimum = PreviewLayout::enforceMinimum(
        outer.width() * perPixel, outer.height() * perPixel, least.width(), least.height());
    if (minimum.width != outer.width() * perPixel) {
        resize(Twips::toPixels(minimum.width, dpi) - margins.width(), height());
        beep();
    }
    if (minimum.height != outer.height() * perPixel) {
        resize(width(), Twips::toPixels(minimum.height, dpi) - margins.height());
        beep();
    }
    // The client area must stand at its final size before the preview measures it.
    if (layout()) {
        layout()->invalidate();
        layout()->activate();
    }
    m_controls->arrange((width() + margins.width()) * perPixel,
                        (height() + margins.height()) * perPixel);
    m_arrangedSize = size();
}

void FrmMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_arrangedSize = QSize(); // the least size may have changed with them
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (!isMinimized()) {
        // Coming back keeps the size, so no resize follows: a picture loaded meanwhile
        // still has to be fitted.
        m_timer1.start();
        return;
    }
    // Hiding from inside the state change confuses some window managers; it follows as
    // soon as the change has been handled.
    QTimer::singleShot(0, this, [this] {
        if (isMinimized() && isVisible())
            iconizeToTray();
    });
}

void FrmMain::iconizeToTray()
{
    // Without a notification area the icon would be the only way back, so the window
    // then stays minimized on the taskbar.
    if (!m_tray->isAvailable())
        return;
    hide();
    m_tray->addTrayIcon(trayIcon, trayTip);
}

void FrmMain::restoreFromTray()
{
    setWindowState(Qt::WindowNoState);
    show();
    raise();
    activateWindow();
    m_tray->removeTrayIcon();
}

void FrmMain::correctFrameSize()
{
    // The stored size is the outer one, but the frame is only known once the window
    // manager has framed the window: the client size is corrected then, once.
    if (!m_wantedFrameSize.isValid() || !isVisible() || windowState() != Qt::WindowNoState)
        return;
    const QSize margins = frameGeometry().size() - size();
    if (margins.width() <= 0 && margins.height() <= 0)
        return;
    const QSize wanted = m_wantedFrameSize;
    m_wantedFrameSize = QSize();
    resize(wanted - margins);
}

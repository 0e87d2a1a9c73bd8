#include "FrmOptions.h"

#include "DialogPlacement.h"
#include "DirectoryField.h"
#include "DirectoryPicker.h"
#include "DrivePicker.h"
#include "FileChooser.h"
#include "FileOps.h"
#include "FolderPrompt.h"
#include "LoadSettings.h"
#include "OptionsApply.h"
#include "OptionsPages.h"
#include "OptionsWidgets.h"
#include "RunSettings.h"
#include "TabStrip.h"
#include "ValidationGate.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QWindow>

using SettingsStore::Key;

namespace {
std::function<void()> &beepHook()
{
    static std::function<void()> hook = [] { QApplication::beep(); };
    return hook;
}
} // namespace

FrmOptions::FrmOptions(RunSettings &settings, MainWindowElements &mainWindow, QWidget *mainWidget)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings), m_mainWindow(mainWindow), m_mainWidget(mainWidget)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Quillop Options"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    if (mainWidget)
        setWindowIcon(mainWidget->window()->windowIcon());

    m_ui = std::make_unique<OptionsPages>(this);
    setUpStatusBar();
    makeDirectoryFields();
    DialogPlacement::attach(this, m_mainWidget);

    connectControls();
    guardFocusMoves();
    clearChangeMarks();
    layoutPages();
    fillControls();
}

FrmOptions::~FrmOptions()
{
    // The gate reacts to focus changes, which the destruction of the controls causes.
    delete m_gate;
    m_gate = nullptr;
    delete m_saveDir;
    delete m_logDir;
    // The controls outlive this part of the object; what they signal while they go down
    // must not reach handlers that use it.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
    enableMainWindow();
}

void FrmOptions::setBeepHook(std::function<void()> hook)
{
    beepHook() = hook ? std::move(hook) : [] { QApplication::beep(); };
}

QString FrmOptions::statusText() const
{
    return m_ui->statbar->currentMessage();
}

void FrmOptions::setUpStatusBar()
{
    QStatusBar *bar = m_ui->statbar;
    bar->setToolTip(tr("Messages about the entries of this dialog"));
    bar->setAccessibleDescription(bar->toolTip());
    // Wide enough for the longest message of the checks.
    int widest = 0;
    for (const SettingsStore::Setting &row : SettingsStore::allSettings()) {
        if (row.refusal)
            widest = qMax(widest, bar->fontMetrics().horizontalAdvance(
                                      QCoreApplication::translate("SettingsStore", row.refusal)));
    }
    bar->setMinimumWidth(widest + 4 * bar->fontMetrics().averageCharWidth());
    // No accessible name of its own: a status bar is named by the message it shows, and
    // tells the accessibility layer when the message changes.
}

void FrmOptions::makeDirectoryFields()
{
    OptionsPages &ui = *m_ui;
    const auto same = [](const QString &text) { return text; };
    m_saveDir = new DirectoryField(ui.txtSavPath, ui.drvSav, ui.dirSav, ui.cmdSavBrowse,
                                   tr("Save to"), {same, same});
    // The log box shows the day's log file in the directory.
    const auto logFile = [](const QString &dir) {
        return FileOps::BuildPath(dir, logFileNameFor(QDate::currentDate()));
    };
    const auto logDirOf = [](const QString &text) {
        static const QRegularExpression dayFile(
            QStringLiteral("(?<=[/\\\\])\\d{4}-\\d{2}-\\d{2}\\.log$"));
        const QRegularExpressionMatch match = dayFile.match(text);
        if (!match.hasMatch())
            return text;
        QString dir = text.left(match.capturedStart());
        if (dir.size() > 1)
            dir.chop(1); // the separator BuildPath put in, unless it is the root
        return dir;
    };
    m_logDir = new DirectoryField(ui.txtLogDir, ui.drvLog, ui.dirLog, ui.cmdLogBrowse,
                                  tr("Log directory"), {logFile, logDirOf});
}

void FrmOptions::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // Minimized, it would leave nothing on screen to take input, as the main window is
    // disabled while it is open.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        setWindowState(windowState() & ~Qt::WindowMinimized);
}

void FrmOptions::connectControls()
{
    OptionsPages &ui = *m_ui;
    connect(ui.tab1, &TabStrip::currentChanged, this, &FrmOptions::showSelectedPage);
    connect(ui.cmdOK, &QPushButton::clicked, this, &FrmOptions::cmdOK_Click);
    connect(ui.cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.cmdApply, &QPushButton::clicked, this, &FrmOptions::cmdApply_Click);

    connectBoundControls();
    for (QRadioButton *button :
         {ui.optNumber, ui.optCharactor, ui.optSkip, ui.optOver, ui.optPrompt, ui.optRen})
        button->installEventFilter(this);
    // These are marked by the filling too, so that an untouched OK writes them as shown.
    connect(ui.txtSavPath, &QLineEdit::textChanged, this, [this] { m_marks.mark(Key::save_dir); });
    connect(ui.txtLogDir, &QLineEdit::textChanged, this, [this] { m_marks.mark(Key::log_dir); });
    connect(ui.txtProxy, &QLineEdit::textChanged, this, [this] { m_marks.mark(Key::proxy_name); });
    connect(ui.txtMaxFiles, &QLineEdit::textChanged, this,
            [this] { checkNumber(m_ui->txtMaxFiles, Key::max_downloads); });

    // A selection made by the program counts as a click.
    for (QRadioButton *button : {ui.optSave, ui.optNoSave}) {
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                m_marks.mark(Key::is_save);
        });
    }
    const std::pair<QRadioButton *, bool> proxyButtons[] = {{ui.optYes, true}, {ui.optNo, false}};
    for (const auto &[button, yes] : proxyButtons) {
        connect(button, &QRadioButton::clicked, this, [this, yes = yes] { proxyClicked(yes); });
        connect(button, &QRadioButton::toggled, this, [this, yes = yes](bool on) {
            if (on)
                proxyClicked(yes);
        });
        button->installEventFilter(this);
    }
    const std::pair<QRadioButton *, bool> logButtons[] = {{ui.optLogYes, true},
                                                          {ui.OptLogNo, false}};
    for (const auto &[button, yes] : logButtons) {
        connect(button, &QRadioButton::clicked, this, [this, yes = yes] { logClicked(yes); });
        connect(button, &QRadioButton::toggled, this, [this, yes = yes](bool on) {
            if (on)
                logClicked(yes);
        });
    }

    // The referer is one setting shown as three buttons and a box.
    for (QRadioButton *button : {ui.optRefNone, ui.optRefAuto, ui.optRefCustom})
        connect(button, &QRadioButton::clicked, this, [this] { m_marks.mark(Key::referer); });
    connect(ui.optRefCustom, &QRadioButton::toggled, ui.txtReferer, &QWidget::setEnabled);
    connect(ui.txtReferer, &QLineEdit::textEdited, this, [this] { m_marks.mark(Key::referer); });
    connect(ui.cmdCookieBrowse, &QPushButton::clicked, this,
            [this] { browseFile(m_ui->txtCookieFile, tr("Cookie file"), Key::cookie_file); });
    connect(ui.cmdCaBrowse, &QPushButton::clicked, this,
            [this] { browseFile(m_ui->txtCaFile, tr("Certificate (CA) file"), Key::ca_file); });
}

void FrmOptions::guardFocusMoves()
{
    OptionsPages &ui = *m_ui;
    m_gate = new ValidationGate(this, ui.cmdCancel);
    // A number box keeps the focus until it holds a number it takes; max downloads is
    // checked as it is typed instead.
    for (QWidget *control : std::as_const(m_bound)) {
        auto *box = qobject_cast<QLineEdit *>(control);
        const Key key = *OptionsWidgets::boundKey(control);
        const SettingsStore::Type type = SettingsStore::type(key);
        if (box && key != Key::max_downloads &&
            (type == SettingsStore::Type::Int16 || type == SettingsStore::Type::Port))
            m_gate->guard(box, [this, box, key] { return checkNumber(box, key); });
    }
    // A value the setting cannot take (a header value with a control character) keeps the
    // focus in its box.
    QList<std::pair<QLineEdit *, Key>> texts{{ui.txtReferer, Key::referer}};
    for (QWidget *control : std::as_const(m_bound)) {
        if (auto *box = qobject_cast<QLineEdit *>(control))
            texts.append({box, *OptionsWidgets::boundKey(control)});
    }
    for (const auto &[box, key] : texts) {
        if (!SettingsStore::setting(key).header)
            continue;
        m_gate->guard(box, [this, box = box, key = key] {
            const QString problem = SettingsStore::valueProblem(key, box->text());
            if (problem.isEmpty())
                return true;
            box->setSelection(0, int(box->text().size()));
            beepHook()();
            m_ui->statbar->showMessage(problem);
            return false;
        });
    }
    auto marking = [this](Key key) {
        return [this, key] {
            m_marks.mark(key);
            return true;
        };
    };
    // A file the transfer cannot read would fail every fetch of a run, plain http included.
    for (const auto &[box, key] :
         {std::pair{ui.txtCookieFile, Key::cookie_file}, std::pair{ui.txtCaFile, Key::ca_file}})
        m_gate->guard(box, [this, box = box, key = key] { return checkFile(box, key); });
    m_gate->guard(ui.txtAdd, marking(Key::append_str));
    for (QWidget *button : {ui.optHead, ui.optTail})
        m_gate->guard(button, marking(Key::is_header));
    for (QWidget *button : {ui.optNumber, ui.optCharactor})
        m_gate->guard(button, marking(Key::is_number_mode));
    for (QWidget *button : {ui.optSkip, ui.optOver, ui.optPrompt, ui.optRen})
        m_gate->guard(button, marking(Key::if_exists));
}

void FrmOptions::clearChangeMarks()
{
    m_marks.clear();
}

void FrmOptions::layoutPages()
{
    // The pages share the tab strip's panel, where its layout placed them; one shows.
    showSelectedPage();
}

void FrmOptions::showSelectedPage()
{
    for (QFrame *page : m_ui->frameArray) {
        page->hide();
        page->setFrameShape(QFrame::NoFrame);
    }
    const int page = qBound(0, m_ui->tab1->currentIndex(), 3);
    m_ui->frameArray[page]->show();
    m_ui->frameArray[page]->setFrameShape(QFrame::Box);
    if (page == 2)
        m_ui->Frame3_1->setFrameShape(QFrame::NoFrame);
    if (page == 3)
        m_ui->frame4_1->setFrameShape(QFrame::NoFrame);
    m_ui->tab1->settle();
}

void FrmOptions::refuse(QLineEdit *box, Key key)
{
    // Selected, so the next key replaces the refused text.
    box->setSelection(0, int(box->text().size()));
    beepHook()();
    m_ui->statbar->showMessage(
        QCoreApplication::translate("SettingsStore", SettingsStore::setting(key).refusal));
}

void FrmOptions::proxyClicked(bool yes)
{
    m_ui->Frame3_1->setVisible(yes);
    m_marks.mark(Key::is_proxy);
}

void FrmOptions::logClicked(bool yes)
{
    m_ui->frame4_1->setVisible(yes);
    m_marks.mark(Key::is_log);
}

bool FrmOptions::foldersReady()
{
    const OptionsPages &ui = *m_ui;
    const struct
    {
        bool marked;
        const DirectoryField *field;
        int page;
        QLineEdit *box;
    } folders[] = {{m_marks.isMarked(Key::save_dir), m_saveDir, 0, ui.txtSavPath},
                   {m_marks.isMarked(Key::log_dir), m_logDir, 3, ui.txtLogDir}};
    for (const auto &f : folders) {
        QString problem;
        if (!f.marked || FolderPrompt::prepare(this, f.field->directory(), &problem) ==
                             FolderPrompt::Result::Ready)
            continue;
        // Nothing is stored while a folder cannot be had; the box is there to be changed.
        ui.tab1->setCurrentIndex(f.page);
        f.box->setFocus(Qt::OtherFocusReason);
        f.box->selectAll();
        beepHook()();
        ui.statbar->showMessage(problem);
        return false;
    }
    return true;
}

void FrmOptions::cmdOK_Click()
{
    if (!maxFilesAcceptable() || !foldersReady())
        return;
    applyOptions(currentValues(), m_marks, m_settings, m_mainWindow);
    enableMainWindow();
    close();
}

void FrmOptions::cmdApply_Click()
{
    if (!maxFilesAcceptable() || !foldersReady())
        return;
    applyOptions(currentValues(), m_marks, m_settings, m_mainWindow);
    clearChangeMarks();
}

void FrmOptions::enableMainWindow()
{
    if (m_mainWidget)
        m_mainWidget->setEnabled(true);
}

void FrmOptions::keyPressEvent(QKeyEvent *event)
{
    // Neither Enter nor Escape stands for a button of this dialog.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void FrmOptions::closeEvent(QCloseEvent *event)
{
    // The close control means Cancel. QDialog's own handling would go through reject().
    enableMainWindow();
    event->accept();
}

void FrmOptions::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    // A dialog of the main window, though no child widget of it: a disabled window
    // disables its children too.
    DialogPlacement::attach(this, m_mainWidget);
    DialogPlacement::fitToScreen(this, m_mainWidget);
    DialogPlacement::place(this, m_mainWidget);
}

bool FrmOptions::eventFilter(QObject *watched, QEvent *event)
{
    const OptionsPages &ui = *m_ui;
    auto *button = qobject_cast<QRadioButton *>(watched);
    if (!button)
        return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!button->rect().contains(mouse->position().toPoint()))
            return false;
        if (button == ui.optNumber || button == ui.optCharactor)
            m_marks.mark(Key::is_number_mode);
        // A left release over a pressed button is the click that selects it.
        const bool selected =
            button->isChecked() || (mouse->button() == Qt::LeftButton && button->isDown());
        if (selected && (button == ui.optSkip || button == ui.optOver || button == ui.optPrompt ||
                         button == ui.optRen))
            m_marks.mark(Key::if_exists);
    } else if (button == ui.optYes || button == ui.optNo) {
        if (type == QEvent::MouseButtonDblClick)
            proxyClicked(button == ui.optYes);
        if (type == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (!key->text().isEmpty() && key->key() != Qt::Key_Tab &&
                key->key() != Qt::Key_Backtab)
                proxyClicked(button == ui.optYes);
        }
    }
    return false;
}

#include "FrmOptions.h"

#include "DialogPlacement.h"
#include "DirectoryField.h"
#include "DirectoryPicker.h"
#include "DrivePicker.h"
#include "FileChooser.h"
#include "FileOps.h"
#include "LoadSettings.h"
#include "OptionsApply.h"
#include "OptionsPages.h"
#include "RunSettings.h"
#include "TabStrip.h"
#include "TransferRules.h"
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
    setWindowTitle(QStringLiteral("Quillop Options"));
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
    bar->setToolTip(QStringLiteral("Messages about the entries of this dialog"));
    bar->setAccessibleDescription(bar->toolTip());
    // Wide enough for the longest message of the checks.
    int widest = 0;
    using NumericCheck::Box;
    for (Box box :
         {Box::MaxFiles, Box::Increment, Box::Pause, Box::Port, Box::Misses, Box::Retries})
        widest = qMax(widest, bar->fontMetrics().horizontalAdvance(NumericCheck::message(box)));
    bar->setMinimumWidth(widest + 4 * bar->fontMetrics().averageCharWidth());
    // No accessible name of its own: a status bar is named by the message it shows, and
    // tells the accessibility layer when the message changes.
}

void FrmOptions::makeDirectoryFields()
{
    OptionsPages &ui = *m_ui;
    const auto same = [](const QString &text) { return text; };
    m_saveDir = new DirectoryField(ui.txtSavPath, ui.drvSav, ui.dirSav, ui.cmdSavBrowse,
                                   QStringLiteral("Save to"), {same, same});
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
                                  QStringLiteral("Log directory"), {logFile, logDirOf});
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

    connectNewSettings();
    connect(ui.txtSavPath, &QLineEdit::textChanged, this, [this] { m_marks.save_dir = true; });
    connect(ui.txtLogDir, &QLineEdit::textChanged, this, [this] { m_marks.log_dir = true; });
    connect(ui.txtProxy, &QLineEdit::textChanged, this, [this] { m_marks.proxy_name = true; });
    connect(ui.txtMaxFiles, &QLineEdit::textChanged, this, [this] {
        checkNumber(m_ui->txtMaxFiles, NumericCheck::Box::MaxFiles, m_marks.max_downloads);
    });

    // A selection made by the program counts as a click.
    for (QRadioButton *button : {ui.optSave, ui.optNoSave}) {
        connect(button, &QRadioButton::clicked, this, [this] { m_marks.is_save = true; });
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                m_marks.is_save = true;
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
    for (QRadioButton *button :
         {ui.optNumber, ui.optCharactor, ui.optSkip, ui.optOver, ui.optPrompt, ui.optRen})
        button->installEventFilter(this);
}

void FrmOptions::guardFocusMoves()
{
    OptionsPages &ui = *m_ui;
    m_gate = new ValidationGate(this, ui.cmdCancel);
    using NumericCheck::Box;
    m_gate->guard(ui.txtIncrement, [this] {
        return checkNumber(m_ui->txtIncrement, Box::Increment, m_marks.increment);
    });
    m_gate->guard(ui.txtPause,
                  [this] { return checkNumber(m_ui->txtPause, Box::Pause, m_marks.pause_time); });
    m_gate->guard(ui.txtPort,
                  [this] { return checkNumber(m_ui->txtPort, Box::Port, m_marks.proxy_port); });
    m_gate->guard(ui.txtMisses, [this] {
        return checkNumber(m_ui->txtMisses, Box::Misses, m_marks.stop_after_misses);
    });
    m_gate->guard(ui.txtRetries,
                  [this] { return checkNumber(m_ui->txtRetries, Box::Retries, m_marks.retries); });
    // A header value with a control character could smuggle in a header of its own.
    for (const auto &[box, what] :
         {std::pair{ui.txtUserAgent, "User-Agent"}, std::pair{ui.txtReferer, "Referer"}}) {
        m_gate->guard(box, [this, box = box, what = what] {
            const QString problem =
                TransferRules::headerValueProblem(QLatin1String(what), box->text());
            if (problem.isEmpty())
                return true;
            box->setSelection(0, int(box->text().size()));
            beepHook()();
            m_ui->statbar->showMessage(problem);
            return false;
        });
    }
    auto marking = [](bool &mark) {
        return [&mark] {
            mark = true;
            return true;
        };
    };
    m_gate->guard(ui.txtAdd, marking(m_marks.append_str));
    for (QWidget *button : {ui.optHead, ui.optTail})
        m_gate->guard(button, marking(m_marks.is_header));
    for (QWidget *button : {ui.optNumber, ui.optCharactor})
        m_gate->guard(button, marking(m_marks.is_number_mode));
    for (QWidget *button : {ui.optSkip, ui.optOver, ui.optPrompt, ui.optRen})
        m_gate->guard(button, marking(m_marks.if_exists));
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
}

void FrmOptions::fillControls()
{
    OptionsPages &ui = *m_ui;
    const RunSettings &s = m_settings;
    ui.txtMaxFiles->setText(QString::number(s.max_downloads));
    (s.is_number_mode ? ui.optNumber : ui.optCharactor)->setChecked(true);
    ui.txtIncrement->setText(QString::number(s.increment));
    ui.txtPause->setText(QString::number(s.pause_time));
    (s.is_save ? ui.optSave : ui.optNoSave)->setChecked(true);
    ui.txtAdd->setText(s.append_str);
    (s.is_header ? ui.optHead : ui.optTail)->setChecked(true);

    m_saveDir->fill(s.save_dir);

    QRadioButton *const policy[] = {ui.optSkip, ui.optOver, ui.optPrompt, ui.optRen};
    const int policyIndex = static_cast<int>(s.if_exists) - 1;
    if (policyIndex >= 0 && policyIndex < 4)
        policy[policyIndex]->setChecked(true);

    (s.is_proxy ? ui.optYes : ui.optNo)->setChecked(true);
    ui.txtProxy->setText(s.proxy_name);
    ui.txtPort->setText(QString::number(s.proxy_port));

    (s.is_log ? ui.optLogYes : ui.OptLogNo)->setChecked(true);
    m_logDir->fill(s.log_dir);
    fillNewSettings();
}

OptionsValues FrmOptions::currentValues() const
{
    const OptionsPages &ui = *m_ui;
    OptionsValues v;
    v.maxFiles = ui.txtMaxFiles->text();
    v.numberMode = ui.optNumber->isChecked();
    v.increment = ui.txtIncrement->text();
    v.pause = ui.txtPause->text();
    v.save = ui.optSave->isChecked();
    v.addText = ui.txtAdd->text();
    v.header = ui.optHead->isChecked();
    v.savePath = ui.txtSavPath->text();
    v.skip = ui.optSkip->isChecked();
    v.overwrite = ui.optOver->isChecked();
    v.prompt = ui.optPrompt->isChecked();
    v.proxy = ui.optYes->isChecked();
    v.proxyName = ui.txtProxy->text();
    v.proxyPort = ui.txtPort->text();
    v.log = ui.optLogYes->isChecked();
    v.logDir = m_logDir->directory();
    readNewSettings(v);
    return v;
}

bool FrmOptions::checkNumber(QLineEdit *box, NumericCheck::Box which, bool &mark)
{
    if (NumericCheck::accepted(which, box->text())) {
        mark = true;
        return true;
    }
    refuse(box, which);
    return false;
}

void FrmOptions::refuse(QLineEdit *box, NumericCheck::Box which)
{
    // Selected, so the next key replaces the refused text.
    box->setSelection(0, int(box->text().size()));
    beepHook()();
    m_ui->statbar->showMessage(NumericCheck::message(which));
}

bool FrmOptions::maxFilesAcceptable()
{
    QLineEdit *box = m_ui->txtMaxFiles;
    if (NumericCheck::accepted(NumericCheck::Box::MaxFiles, box->text()))
        return true;
    // Storing the last accepted number while the box shows another text would store a
    // value the user never sees; the apply waits until the box holds a number.
    m_ui->tab1->setCurrentIndex(1);
    box->setFocus(Qt::OtherFocusReason);
    refuse(box, NumericCheck::Box::MaxFiles);
    return false;
}

void FrmOptions::proxyClicked(bool yes)
{
    m_ui->Frame3_1->setVisible(yes);
    m_marks.is_proxy = true;
}

void FrmOptions::logClicked(bool yes)
{
    m_ui->frame4_1->setVisible(yes);
    m_marks.is_log = true;
}

void FrmOptions::cmdOK_Click()
{
    if (!maxFilesAcceptable())
        return;
    applyOptions(currentValues(), m_marks, m_settings, m_mainWindow);
    enableMainWindow();
    close();
}

void FrmOptions::cmdApply_Click()
{
    if (!maxFilesAcceptable())
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
            m_marks.is_number_mode = true;
        // A left release over a pressed button is the click that selects it.
        const bool selected =
            button->isChecked() || (mouse->button() == Qt::LeftButton && button->isDown());
        if (selected && (button == ui.optSkip || button == ui.optOver || button == ui.optPrompt ||
                         button == ui.optRen))
            m_marks.if_exists = true;
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

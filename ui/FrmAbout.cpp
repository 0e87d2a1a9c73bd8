#include "FrmAbout.h"

#include "AboutText.h"
#include "EtchedRule.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QWindow>

namespace {

QPointer<FrmAbout> &theBox()
{
    static QPointer<FrmAbout> box;
    return box;
}

} // namespace

FrmAbout *FrmAbout::showBox(QWidget *mainWindow)
{
    QPointer<FrmAbout> &box = theBox();
    if (!box) {
        box = new FrmAbout;
        QWindow *owner = mainWindow ? mainWindow->window()->windowHandle() : nullptr;
        if (owner) {
            box->winId();
            box->windowHandle()->setTransientParent(owner);
        }
    }
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}

void FrmAbout::outliveMainWindow()
{
    FrmAbout *box = theBox();
    if (!box || !box->isVisible())
        return;
    // A window transient for another does not count as one of the program's windows.
    if (QWindow *handle = box->windowHandle())
        handle->setTransientParent(nullptr);
    box->setAttribute(Qt::WA_QuitOnClose, true);
}

FrmAbout::FrmAbout()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      RichTextBox1(new QTextBrowser(this)), Line1(new EtchedRule(this)),
      cmdSysInfo(new QPushButton(tr("&System Info..."), this)),
      cmdOK(new QPushButton(tr("OK"), this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Quillop"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);

    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setAccessibleName(tr("About Quillop"));
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setStyleHint(QFont::Serif);
    RichTextBox1->setFont(font);
    RichTextBox1->setLocale(QLocale(QCoreApplication::translate(
        "AboutText", "en-GB", "the language of this translation, as a BCP 47 tag")));
    // Long addresses have no spaces; they break anywhere rather than hide behind the edge.
    RichTextBox1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    RichTextBox1->setHtml(AboutText::html());

    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setAccessibleName(tr("Separator"));
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setAccessibleName(tr("System Info..."));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAccessibleName(tr("OK"));
    cmdOK->setDefault(true);

    connect(cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &FrmAbout::cmdSysInfo_Click);
    placeControls();
    cmdOK->setFocus();
}

// Places follow the twips of the original design; a button grows where the font would clip
// its caption, and the window grows with it.
void FrmAbout::placeControls()
{
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const auto x = [dpiX](double twips) { return Twips::toPixels(twips, dpiX); };
    const auto y = [dpiY](double twips) { return Twips::toPixels(twips, dpiY); };

    RichTextBox1->setGeometry(x(120), y(120), x(5535), y(2175));
    Line1->setLines(x(90), x(105), x(5654), y(2445), y(2460) - y(2445));

    const QSize sysSize = QSize(x(1245), y(345)).expandedTo(cmdSysInfo->sizeHint());
    cmdSysInfo->setGeometry(QRect(QPoint(x(120), y(2640)), sysSize));
    // OK keeps its right edge, so a wider button grows towards the middle.
    const QSize okSize = QSize(x(1260), y(345)).expandedTo(cmdOK->sizeHint());
    const int okLeft = qMax(x(4440 + 1260) - okSize.width(), cmdSysInfo->geometry().right() + 8);
    cmdOK->setGeometry(QRect(QPoint(okLeft, y(2625)), okSize));

    const int margin = x(5865) - x(4440 + 1260);
    const int bottomMargin = y(3135) - y(2640 + 345);
    setFixedSize(
        QSize(x(5865), y(3135))
            .expandedTo(QSize(cmdOK->geometry().right() + 1 + margin,
                              qMax(cmdOK->geometry().bottom(), cmdSysInfo->geometry().bottom()) +
                                  1 + bottomMargin)));
}

void FrmAbout::keyPressEvent(QKeyEvent *event)
{
    // Escape presses OK, just as Enter does, rather than merely rejecting the dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmAbout::cmdOK_Click()
{
    close();
}

void FrmAbout::cmdSysInfo_Click()
{
    m_sysInfo.StartSysInfo(this);
}

#include "OptionsPages.h"

#include "DirectoryPicker.h"
#include "DrivePicker.h"
#include "TabStrip.h"
#include "Twips.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace {

struct Twip
{
    int left, top, width, height;
};

void place(QWidget *widget, Twip at)
{
    const double dpi = widget->logicalDpiX();
    widget->setGeometry(Twips::toPixels(at.left, dpi), Twips::toPixels(at.top, dpi),
                        Twips::toPixels(at.width, dpi), Twips::toPixels(at.height, dpi));
}

template <typename W> W *make(QWidget *parent, const char *name, Twip at, const QString &accessible)
{
    auto *widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(accessible);
    place(widget, at);
    return widget;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, Twip at,
              const QString &tip = QString())
{
    auto *widget = make<QLabel>(parent, name, at, text.trimmed());
    widget->setText(text);
    widget->setTextFormat(Qt::PlainText);
    // Captions wrap at word boundaries within their box, as the designed sizes expect.
    widget->setWordWrap(true);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget->setToolTip(tip);
    return widget;
}

QRadioButton *option(QWidget *parent, const char *name, const QString &text, Twip at,
                     const QString &tip = QString())
{
    QString shown = text;
    auto *widget = make<QRadioButton>(parent, name, at,
                                      shown.replace(QStringLiteral("&&"), QStringLiteral("&")));
    widget->setText(text);
    widget->setToolTip(tip);
    return widget;
}

QLineEdit *textBox(QWidget *parent, const char *name, const QString &initial, Twip at,
                   QLabel *besides, const QString &tip = QString())
{
    auto *widget = make<QLineEdit>(parent, name, at, besides->text().trimmed());
    widget->setText(initial);
    widget->setToolTip(tip);
    besides->setBuddy(widget);
    return widget;
}

QFrame *frame(QWidget *parent, const char *name, Twip at, bool border, const QString &accessible)
{
    auto *widget = make<QFrame>(parent, name, at, accessible);
    widget->setFrameShape(border ? QFrame::Box : QFrame::NoFrame);
    widget->setFrameShadow(QFrame::Plain);
    return widget;
}

// Option buttons are exclusive within their container only.
void group(QWidget *container, std::initializer_list<QRadioButton *> buttons)
{
    auto *buttonGroup = new QButtonGroup(container);
    buttonGroup->setExclusive(true);
    for (QRadioButton *button : buttons)
        buttonGroup->addButton(button);
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, Twip at)
{
    auto *widget = make<QPushButton>(parent, name, at, caption);
    widget->setText(caption);
    // No default button: Enter must not press anything.
    widget->setAutoDefault(false);
    widget->setDefault(false);
    return widget;
}

} // namespace

OptionsPages::OptionsPages(QWidget *dialog)
{
    tab1 = make<TabStrip>(dialog, "tab1", {120, 120, 6255, 3615}, QStringLiteral("Option pages"));
    tab1->addTab(QStringLiteral("     Save     "));
    tab1->addTab(QStringLiteral(" Download "));
    tab1->addTab(QStringLiteral("Connection "));
    tab1->addTab(QStringLiteral("      Log       "));

    const char *pageNames[] = {"frameArray_0", "frameArray_1", "frameArray_2", "frameArray_3"};
    const QString pageTitles[] = {QStringLiteral("Save"), QStringLiteral("Download"),
                                  QStringLiteral("Connection"), QStringLiteral("Log")};
    for (int i = 0; i < 4; ++i)
        frameArray[i] = frame(dialog, pageNames[i], {240, 450, 6000, 3255}, true, pageTitles[i]);
    buildSavePage(frameArray[0]);
    buildDownloadPage(frameArray[1]);
    buildConnectionPage(frameArray[2]);
    buildLogPage(frameArray[3]);

    // The band sits behind the buttons, so it is made first.
    Shape2 = make<QFrame>(dialog, "Shape2", {120, 3840, 6135, 495}, QStringLiteral("Button band"));
    Shape2->setFrameShape(QFrame::Box);
    Shape2->setFrameShadow(QFrame::Plain);
    Shape2->setForegroundRole(QPalette::Dark);
    Shape2->setAttribute(Qt::WA_TransparentForMouseEvents);
    cmdOK = button(dialog, "cmdOK", QStringLiteral("OK"), {3000, 3915, 975, 325});
    cmdCancel = button(dialog, "cmdCancel", QStringLiteral("Cancel"), {4080, 3915, 975, 325});
    cmdApply = button(dialog, "cmdApply", QStringLiteral("Apply"), {5160, 3915, 975, 325});

    statbar = make<QStatusBar>(dialog, "statbar", {0, 4410, 6450, 375}, QStringLiteral("Status"));
    statbar->setSizeGripEnabled(false);
}

void OptionsPages::buildSavePage(QFrame *page)
{
    frame2_4 = frame(page, "frame2_4", {0, 0, 6015, 615}, false, QStringLiteral("Saving"));
    optSave = option(frame2_4, "optSave", QStringLiteral("Save"), {240, 240, 855, 255});
    optNoSave =
        option(frame2_4, "optNoSave", QStringLiteral("Do Not Save"), {1200, 240, 1335, 255});
    group(frame2_4, {optSave, optNoSave});

    Frame2_1 = frame(page, "Frame2_1", {240, 360, 5535, 615}, false, QStringLiteral("Added text"));
    Label1 = label(Frame2_1, "Label1", QStringLiteral("Add Charactors"), {240, 240, 1335, 255});
    txtAdd = textBox(Frame2_1, "txtAdd", QStringLiteral("aa"), {1440, 240, 1095, 285}, Label1,
                     QStringLiteral("When saving downloaded files the text in the text box will be "
                                    "appended to beginning or end of file name"));
    Label6 = label(Frame2_1, "Label6", QStringLiteral("to"), {2640, 240, 375, 255});
    optHead = option(Frame2_1, "optHead", QStringLiteral("Header"), {2880, 240, 855, 195},
                     QStringLiteral("Select Head to append text to the begining"));
    optTail = option(Frame2_1, "optTail", QStringLiteral("Tail"), {3840, 240, 615, 195},
                     QStringLiteral("Select tail to append text to the end"));
    Label7 = label(Frame2_1, "Label7", QStringLiteral("of the file"), {4680, 240, 855, 255});
    group(Frame2_1, {optHead, optTail});

    Frame2_2 =
        frame(page, "Frame2_2", {0, 1080, 4215, 2175}, true, QStringLiteral("Save directory"));
    Label8 = label(Frame2_2, "Label8", QStringLiteral("Save to"), {240, 120, 615, 255},
                   QStringLiteral("Select the save directory"));
    txtSavPath = textBox(Frame2_2, "txtSavPath", QString(), {240, 360, 3495, 285}, Label8,
                         QStringLiteral("Select the save directory from below"));
    txtSavPath->setReadOnly(true);
    drvSav =
        make<DrivePicker>(Frame2_2, "drvSav", {240, 720, 2895, 315}, QStringLiteral("Save drive"));
    drvSav->setToolTip(QStringLiteral("Select Save Drive"));
    dirSav = make<DirectoryPicker>(Frame2_2, "dirSav", {240, 1080, 2895, 990},
                                   QStringLiteral("Save directory"));
    dirSav->setToolTip(QStringLiteral("Select Save Directory"));

    Frame2_3 = frame(page, "Frame2_3", {4080, 1080, 1935, 2175}, true,
                     QStringLiteral("If file name exists"));
    Label9 = label(Frame2_3, "Label9", QStringLiteral("If file name exists"), {240, 240, 1335, 375},
                   QStringLiteral("If the name of the file exists what application should do"));
    optSkip = option(Frame2_3, "optSkip", QStringLiteral("Skip Saving"), {300, 600, 1215, 255});
    optOver = option(Frame2_3, "optOver", QStringLiteral("Overwrite"), {300, 960, 975, 255});
    optPrompt = option(Frame2_3, "optPrompt", QStringLiteral("Prompt"), {300, 1320, 975, 255});
    optRen = option(Frame2_3, "optRen", QStringLiteral("Rename && Save"), {300, 1680, 1455, 255});
    group(Frame2_3, {optSkip, optOver, optPrompt, optRen});
}

void OptionsPages::buildDownloadPage(QFrame *page)
{
    const QString maxTip =
        QStringLiteral("Max number of image downloads  to be attempted.  Once the "
                       "limit is reached the attempts will stop.");
    Label2 = label(page, "Label2", QStringLiteral("Max downloads "), {240, 360, 1935, 255}, maxTip);
    Label3[0] = label(page, "Label3_0", QStringLiteral("(Including failed attempts)"),
                      {240, 600, 1935, 255});
    txtMaxFiles =
        textBox(page, "txtMaxFiles", QStringLiteral("100"), {2400, 360, 1335, 285}, Label2, maxTip);
    Label5 =
        label(page, "Label5", QStringLiteral("Increment Mode"), {240, 960, 1332, 252},
              QStringLiteral(": Some image series increase by characters e.g.  A,B,C,D etc. For "
                             "such series change the mode to character. The Input Box 2 on the "
                             "main screen will change to Numeric to Character. and vice versa"));
    optCharactor =
        option(page, "optCharactor", QStringLiteral("Charector Mode"), {2280, 960, 1452, 255});
    optNumber = option(page, "optNumber", QStringLiteral("Number Mode"), {2280, 1320, 1335, 255});
    group(page, {optCharactor, optNumber});
    Label4 =
        label(page, "Label4", QStringLiteral("Increment by"), {240, 1680, 1932, 372},
              QStringLiteral("Usually the increment step is 1.  But Sometimes you may find the "
                             "increments are by 3 or 4 etc"));
    txtIncrement =
        textBox(page, "txtIncrement", QStringLiteral("1"), {2400, 1680, 1335, 285}, Label4);
    Label3[1] =
        label(page, "Label3_1",
              QStringLiteral("(This parameter is used for both Cheractor mode increments and "
                             "Number mode increments"),
              {240, 2160, 3372, 612});
    Line1 = make<QFrame>(page, "Line1", {3960, 360, 15, 2640}, QStringLiteral("Column divider"));
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Plain);
    Label15 = label(page, "Label15", QStringLiteral("Pause between downloads in seconds"),
                    {4080, 360, 1332, 612});
    txtPause = textBox(page, "txtPause", QString(), {5400, 480, 372, 288}, Label15);
}

void OptionsPages::buildConnectionPage(QFrame *page)
{
    Label10 = label(page, "Label10", QStringLiteral("I use a proxy server to connect to internet"),
                    {360, 360, 3975, 255},
                    QStringLiteral("If you are using a proxy server select yes and fill details of "
                                   "the proxy"));
    optYes = option(page, "optYes", QStringLiteral("Yes"), {480, 720, 1455, 255},
                    QStringLiteral("Select if use a proxy server"));
    optNo = option(page, "optNo", QStringLiteral("No"), {480, 1080, 1455, 255},
                   QStringLiteral("Select if you directly dial in the Internet"));
    group(page, {optYes, optNo});

    Frame3_1 =
        frame(page, "Frame3_1", {1200, 720, 4335, 2295}, true, QStringLiteral("Proxy details"));
    const QString proxyTip =
        QStringLiteral("enter the server name or the IP address. This option is "
                       "visible only when the yes is selected for the proxy "
                       "server");
    Label11 =
        label(Frame3_1, "Label11", QStringLiteral("Proxy server"), {240, 360, 975, 255}, proxyTip);
    txtProxy = textBox(Frame3_1, "txtProxy", QStringLiteral("Text1"), {1440, 360, 2655, 285},
                       Label11, proxyTip);
    const QString portTip =
        QStringLiteral(": Enter the port which the proxy is running on the "
                       "server. Usually this port is 80.  This option is visible "
                       "only when the yes is selected for the proxy server.");
    Label12 =
        label(Frame3_1, "Label12", QStringLiteral("Http Port"), {240, 840, 975, 255}, portTip);
    txtPort = textBox(Frame3_1, "txtPort", QStringLiteral("Text1"), {1440, 840, 615, 285}, Label12,
                      portTip);
    Label18 = label(Frame3_1, "Label18", QStringLiteral("Proxy Authentication is not suported"),
                    {240, 1440, 2895, 375});
}

void OptionsPages::buildLogPage(QFrame *page)
{
    Label13 =
        label(page, "Label13", QStringLiteral("Log to file"), {360, 360, 975, 255},
              QStringLiteral("If you need to log the file download attempts you may select yes "
                             "option"));
    optLogYes = option(page, "optLogYes", QStringLiteral("Yes"), {480, 720, 855, 255},
                       QStringLiteral("Select yes to log downloads"));
    OptLogNo = option(page, "OptLogNo", QStringLiteral("No"), {480, 1080, 735, 255},
                      QStringLiteral("Select No if you do not need a log file"));
    group(page, {optLogYes, OptLogNo});

    frame4_1 =
        frame(page, "frame4_1", {1680, 360, 4095, 2655}, true, QStringLiteral("Log directory"));
    Label14 = label(frame4_1, "Label14", QStringLiteral("Save to"), {240, 240, 615, 255});
    txtLogDir =
        textBox(frame4_1, "txtLogDir", QString(), {240, 480, 3735, 285}, Label14,
                QStringLiteral("Select the directory from below. The file name is selected by "
                               "the system. A new log file will be created each new day with "
                               "the date as the file name. This option is visible only when "
                               "the yes is selected logging option"));
    txtLogDir->setReadOnly(true);
    txtLogDir->setAccessibleName(QStringLiteral("Log file"));
    drvLog =
        make<DrivePicker>(frame4_1, "drvLog", {240, 840, 2895, 315}, QStringLiteral("Log drive"));
    drvLog->setToolTip(QStringLiteral("Slect Log Drive"));
    dirLog = make<DirectoryPicker>(frame4_1, "dirLog", {240, 1320, 2895, 990},
                                   QStringLiteral("Log directory"));
    dirLog->setToolTip(QStringLiteral("Select Log Directory"));
}

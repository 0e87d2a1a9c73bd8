#include "OptionsPages.h"

#include "DirectoryPicker.h"
#include "DrivePicker.h"
#include "Mnemonics.h"
#include "OptionsWidgets.h"
#include "TabStrip.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

using namespace OptionsWidgets;
using SettingsStore::Key;

OptionsPages::OptionsPages(QWidget *dialog)
{
    tab1 = new TabStrip(dialog);
    tab1->setObjectName(QStringLiteral("tab1"));
    tab1->setAccessibleName(QCoreApplication::translate("OptionsPages", "Option pages"));
    tab1->addTab(QCoreApplication::translate("OptionsPages", "     Save     "));
    tab1->addTab(QCoreApplication::translate("OptionsPages", " Download "));
    tab1->addTab(QCoreApplication::translate("OptionsPages", "Connection "));
    tab1->addTab(QCoreApplication::translate("OptionsPages", "      Log       "));

    const char *pageNames[] = {"frameArray_0", "frameArray_1", "frameArray_2", "frameArray_3"};
    const QString pageTitles[] = {QCoreApplication::translate("OptionsPages", "Save", "page"),
                                  QCoreApplication::translate("OptionsPages", "Download", "page"),
                                  QCoreApplication::translate("OptionsPages", "Connection", "page"),
                                  QCoreApplication::translate("OptionsPages", "Log", "page")};
    for (int i = 0; i < 4; ++i) {
        frameArray[i] = frame(tab1, pageNames[i], true, pageTitles[i]);
        tab1->addPage(frameArray[i]);
    }
    buildSavePage(frameArray[0]);
    buildDownloadPage(frameArray[1]);
    buildConnectionPage(frameArray[2]);
    buildLogPage(frameArray[3]);

    // The band around the three buttons.
    Shape2 =
        frame(dialog, "Shape2", true, QCoreApplication::translate("OptionsPages", "Button band"));
    Shape2->setForegroundRole(QPalette::Dark);
    cmdOK = button(Shape2, "cmdOK", QCoreApplication::translate("OptionsPages", "OK"));
    cmdCancel = button(Shape2, "cmdCancel", QCoreApplication::translate("OptionsPages", "Cancel"));
    cmdApply = button(Shape2, "cmdApply", QCoreApplication::translate("OptionsPages", "Apply"));
    auto *buttons = new QHBoxLayout(Shape2);
    buttons->addStretch(1);
    for (QPushButton *b : {cmdOK, cmdCancel, cmdApply})
        buttons->addWidget(b);

    statbar = new QStatusBar(dialog);
    statbar->setObjectName(QStringLiteral("statbar"));
    statbar->setSizeGripEnabled(false);

    auto *column = new QVBoxLayout(dialog);
    column->addWidget(tab1, 1);
    column->addWidget(Shape2);
    column->addWidget(statbar);
    Mnemonics::assign(tab1->bar(), Shape2,
                      {frameArray[0], frameArray[1], frameArray[2], frameArray[3]});
    // The dialog opens as large as its contents need where the screen has the room; it may
    // be made smaller, and then its pages scroll.
}

void OptionsPages::buildSavePage(QFrame *page)
{
    frame2_4 =
        frame(page, "frame2_4", false, QCoreApplication::translate("OptionsPages", "Saving"));
    optSave = option(frame2_4, "optSave", QCoreApplication::translate("OptionsPages", "Save"));
    optNoSave =
        option(frame2_4, "optNoSave", QCoreApplication::translate("OptionsPages", "Do Not Save"));
    yesNo(frame2_4, optSave, optNoSave, Key::is_save);
    auto *saving = new QHBoxLayout(frame2_4);
    saving->setContentsMargins(0, 0, 0, 0);
    saving->addWidget(optSave);
    saving->addWidget(optNoSave);
    saving->addStretch(1);

    Frame2_1 =
        frame(page, "Frame2_1", false, QCoreApplication::translate("OptionsPages", "Added text"));
    Label1 = label(Frame2_1, "Label1", Key::append_str);
    txtAdd =
        textBox(Frame2_1, "txtAdd", QStringLiteral("aa"), Label1,
                QCoreApplication::translate(
                    "OptionsPages", "When saving downloaded files the text in the text box will be "
                                    "appended to beginning or end of file name"));
    bind(txtAdd, Key::append_str);
    fitToCharacters(txtAdd, 10);
    Label6 = label(Frame2_1, "Label6", QCoreApplication::translate("OptionsPages", "to"));
    optHead = option(
        Frame2_1, "optHead", QCoreApplication::translate("OptionsPages", "Header"),
        QCoreApplication::translate("OptionsPages", "Select Head to append text to the begining"));
    optTail = option(
        Frame2_1, "optTail", QCoreApplication::translate("OptionsPages", "Tail"),
        QCoreApplication::translate("OptionsPages", "Select tail to append text to the end"));
    yesNo(Frame2_1, optHead, optTail, Key::is_header);
    Label7 = label(Frame2_1, "Label7", QCoreApplication::translate("OptionsPages", "of the file"));
    auto *added = new QHBoxLayout(Frame2_1);
    added->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label1, txtAdd, Label6, optHead, optTail, Label7})
        added->addWidget(w);
    added->addStretch(1);

    Frame2_2 = frame(page, "Frame2_2", true,
                     QCoreApplication::translate("OptionsPages", "Save directory"));
    Label8 = label(Frame2_2, "Label8", Key::save_dir);
    txtSavPath = textBox(
        Frame2_2, "txtSavPath", QString(), Label8,
        QCoreApplication::translate("OptionsPages", "Select the save directory from below"));
    fitToCharacters(txtSavPath, 32);
    cmdSavBrowse =
        button(Frame2_2, "cmdSavBrowse", QCoreApplication::translate("OptionsPages", "Browse..."),
               QCoreApplication::translate("OptionsPages", "Browse for the save directory"));
    cmdSavBrowse->setToolTip(QCoreApplication::translate(
        "OptionsPages", "Choose the save directory in the folder chooser"));
    drvSav = new DrivePicker(Frame2_2);
    drvSav->setObjectName(QStringLiteral("drvSav"));
    drvSav->setAccessibleName(QCoreApplication::translate("OptionsPages", "Save drive"));
    drvSav->setToolTip(QCoreApplication::translate("OptionsPages", "Select Save Drive"));
    dirSav = new DirectoryPicker(Frame2_2);
    dirSav->setObjectName(QStringLiteral("dirSav"));
    dirSav->setAccessibleName(QCoreApplication::translate("OptionsPages", "Save directory"));
    dirSav->setToolTip(QCoreApplication::translate("OptionsPages", "Select Save Directory"));
    auto *saveDir = new QGridLayout(Frame2_2);
    saveDir->addWidget(Label8, 0, 0, 1, 2);
    saveDir->addWidget(txtSavPath, 1, 0);
    saveDir->addWidget(cmdSavBrowse, 1, 1);
    saveDir->addWidget(drvSav, 2, 0, 1, 2);
    saveDir->addWidget(dirSav, 3, 0, 1, 2);
    saveDir->setRowStretch(3, 1);

    Frame2_3 = frame(page, "Frame2_3", true,
                     QCoreApplication::translate("OptionsPages", "If file name exists"));
    Label9 = label(Frame2_3, "Label9", Key::if_exists);
    optSkip =
        option(Frame2_3, "optSkip", QCoreApplication::translate("OptionsPages", "Skip Saving"));
    optOver = option(Frame2_3, "optOver", QCoreApplication::translate("OptionsPages", "Overwrite"));
    optPrompt =
        option(Frame2_3, "optPrompt", QCoreApplication::translate("OptionsPages", "Prompt"));
    optRen =
        option(Frame2_3, "optRen", QCoreApplication::translate("OptionsPages", "Rename && Save"));
    group(Frame2_3, {optSkip, optOver, optPrompt, optRen});
    bind(optSkip, Key::if_exists, "1");
    bind(optOver, Key::if_exists, "2");
    bind(optPrompt, Key::if_exists, "3");
    bind(optRen, Key::if_exists, "4");
    auto *policy = new QVBoxLayout(Frame2_3);
    for (QWidget *w : std::initializer_list<QWidget *>{Label9, optSkip, optOver, optPrompt, optRen})
        policy->addWidget(w);
    policy->addStretch(1);

    auto *grid = new QGridLayout(page);
    grid->addWidget(frame2_4, 0, 0, 1, 2);
    grid->addWidget(Frame2_1, 1, 0, 1, 2);
    grid->addWidget(Frame2_2, 2, 0);
    grid->addWidget(Frame2_3, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(2, 1);
}

void OptionsPages::buildDownloadPage(QFrame *page)
{
    Label2 = label(page, "Label2", Key::max_downloads);
    Label3[0] = label(page, "Label3_0",
                      QCoreApplication::translate("OptionsPages", "(Including failed attempts)"));
    txtMaxFiles = textBox(page, "txtMaxFiles", QStringLiteral("100"), Label2, Label2->toolTip());
    bind(txtMaxFiles, Key::max_downloads);
    Label5 = label(page, "Label5", Key::is_number_mode);
    optCharactor =
        option(page, "optCharactor", QCoreApplication::translate("OptionsPages", "Charector Mode"));
    optNumber =
        option(page, "optNumber", QCoreApplication::translate("OptionsPages", "Number Mode"));
    yesNo(page, optNumber, optCharactor, Key::is_number_mode);
    Label4 = label(page, "Label4", Key::increment);
    txtIncrement = textBox(page, "txtIncrement", QStringLiteral("1"), Label4);
    bind(txtIncrement, Key::increment);
    Label3[1] = wrappingLabel(page, "Label3_1",
                              QCoreApplication::translate(
                                  "OptionsPages", "(This parameter is used for both Cheractor mode "
                                                  "increments and Number mode increments"));
    Line1 =
        frame(page, "Line1", false, QCoreApplication::translate("OptionsPages", "Column divider"));
    Line1->setFrameShape(QFrame::VLine);
    Label15 = label(page, "Label15", Key::pause_time);
    txtPause = settingBox(page, "txtPause", Key::pause_time, Label15);
    Label16 = label(page, "Label16", Key::stop_after_misses);
    txtMisses = settingBox(page, "txtMisses", Key::stop_after_misses, Label16, Label16->toolTip());
    Label17 = label(page, "Label17", Key::retries);
    txtRetries = settingBox(page, "txtRetries", Key::retries, Label17, Label17->toolTip());
    Label18 = label(page, "Label18", Key::parallel);
    txtParallel = settingBox(page, "txtParallel", Key::parallel, Label18, Label18->toolTip());
    // Each number box shows the longest number it takes whole.
    for (QLineEdit *box : {txtMaxFiles, txtIncrement, txtPause, txtMisses, txtRetries, txtParallel})
        fitToValue(box, QStringLiteral("32767"));

    auto *grid = new QGridLayout(page);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(txtMaxFiles, 0, 1);
    grid->addWidget(Label3[0], 1, 0);
    grid->addWidget(Label5, 2, 0);
    grid->addWidget(optCharactor, 2, 1);
    grid->addWidget(optNumber, 3, 1);
    grid->addWidget(Label4, 4, 0);
    grid->addWidget(txtIncrement, 4, 1);
    grid->addWidget(Label3[1], 5, 0, 1, 2);
    grid->addWidget(Line1, 0, 2, 7, 1);
    grid->addWidget(Label15, 0, 3);
    grid->addWidget(txtPause, 0, 4);
    grid->addWidget(Label16, 1, 3);
    grid->addWidget(txtMisses, 1, 4);
    grid->addWidget(Label17, 2, 3);
    grid->addWidget(txtRetries, 2, 4);
    grid->addWidget(Label18, 3, 3);
    grid->addWidget(txtParallel, 3, 4);
    grid->setRowStretch(6, 1);
    grid->setColumnMinimumWidth(2, 12);
}

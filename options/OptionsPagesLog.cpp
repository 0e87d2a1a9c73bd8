// The Log page of OptionsPages.
#include "OptionsPages.h"

#include "DirectoryPicker.h"
#include "DrivePicker.h"
#include "OptionsWidgets.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace OptionsWidgets;
using SettingsStore::Key;

void OptionsPages::buildLogPage(QFrame *page)
{
    Label13 = label(page, "Label13", Key::is_log);
    optLogYes = option(page, "optLogYes", QCoreApplication::translate("OptionsPages", "Yes"),
                       QCoreApplication::translate("OptionsPages", "Select yes to log downloads"));
    OptLogNo = option(
        page, "OptLogNo", QCoreApplication::translate("OptionsPages", "No"),
        QCoreApplication::translate("OptionsPages", "Select No if you do not need a log file"));
    yesNo(page, optLogYes, OptLogNo, Key::is_log);

    frame4_1 =
        frame(page, "frame4_1", true, QCoreApplication::translate("OptionsPages", "Log directory"));
    keepRoomWhenHidden(frame4_1);
    Label14 = label(frame4_1, "Label14", Key::log_dir);
    txtLogDir =
        textBox(frame4_1, "txtLogDir", QString(), Label14,
                QCoreApplication::translate(
                    "OptionsPages", "Select the directory from below. The file name is selected by "
                                    "the system. A new log file will be created each new day with "
                                    "the date as the file name. This option is visible only when "
                                    "the yes is selected logging option"));
    txtLogDir->setAccessibleName(QCoreApplication::translate("OptionsPages", "Log file"));
    fitToCharacters(txtLogDir, 36);
    cmdLogBrowse =
        button(frame4_1, "cmdLogBrowse", QCoreApplication::translate("OptionsPages", "Browse..."),
               QCoreApplication::translate("OptionsPages", "Browse for the log directory"));
    cmdLogBrowse->setToolTip(QCoreApplication::translate(
        "OptionsPages", "Choose the log directory in the folder chooser"));
    drvLog = new DrivePicker(frame4_1);
    drvLog->setObjectName(QStringLiteral("drvLog"));
    drvLog->setAccessibleName(QCoreApplication::translate("OptionsPages", "Log drive"));
    drvLog->setToolTip(QCoreApplication::translate("OptionsPages", "Slect Log Drive"));
    dirLog = new DirectoryPicker(frame4_1);
    dirLog->setObjectName(QStringLiteral("dirLog"));
    dirLog->setAccessibleName(QCoreApplication::translate("OptionsPages", "Log directory"));
    dirLog->setToolTip(QCoreApplication::translate("OptionsPages", "Select Log Directory"));
    auto *logDir = new QGridLayout(frame4_1);
    logDir->addWidget(Label14, 0, 0, 1, 2);
    logDir->addWidget(txtLogDir, 1, 0);
    logDir->addWidget(cmdLogBrowse, 1, 1);
    logDir->addWidget(drvLog, 2, 0, 1, 2);
    logDir->addWidget(dirLog, 3, 0, 1, 2);
    logDir->setRowStretch(3, 1);

    auto *choice = new QVBoxLayout;
    choice->addWidget(Label13);
    choice->addWidget(optLogYes);
    choice->addWidget(OptLogNo);
    choice->addStretch(1);
    auto *grid = new QHBoxLayout(page);
    grid->addLayout(choice);
    grid->addWidget(frame4_1, 1);
}

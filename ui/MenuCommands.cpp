#include "MenuCommands.h"

#include "MainWindowElements.h"
#include "ProgramPaths.h"
#include "RunSettings.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

MenuCommands::ProgramStarter &starter()
{
    static MenuCommands::ProgramStarter hook;
    return hook;
}

MenuCommands::FileOpener &opener()
{
    static MenuCommands::FileOpener hook;
    return hook;
}

void setMultiple(RunSettings &settings, MainWindowElements &window, bool multiple)
{
    settings.isMultiple = multiple;
    window.setModeChecks(multiple);
    SettingsStore::write(QStringLiteral("isMultiple"), SettingsStore::boolText(multiple));
}

} // namespace

void MenuCommands::m_single_Click(RunSettings &settings, MainWindowElements &window)
{
    setMultiple(settings, window, false);
}

void MenuCommands::m_mul_Click(RunSettings &settings, MainWindowElements &window)
{
    setMultiple(settings, window, true);
}

void MenuCommands::m_exit_Click(RunSettings &settings, MainWindowElements &window)
{
    settings.exit_ifover = !settings.exit_ifover;
    window.setExitCheck(settings.exit_ifover);
    SettingsStore::write(QStringLiteral("exit_ifover"),
                         SettingsStore::boolText(settings.exit_ifover));
}

bool MenuCommands::m_new_Click()
{
    // The program's own file, started directly: no shell ever sees the path.
    const QString program = QCoreApplication::applicationFilePath();
    if (starter())
        return starter()(program);
    return QProcess::startDetached(program, {});
}

void MenuCommands::m_log_Click(const RunSettings &settings, MainWindowElements &window)
{
    const QString path = settings.log_file_path;
    if (!QFileInfo(path).isFile()) {
        window.showMessage(
            QCoreApplication::translate("MenuCommands", "There is no log for today yet:\r\n%1")
                .arg(path),
            QCoreApplication::translate("MenuCommands", "Todays Log"));
        return;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    const bool opened = opener() ? opener()(url) : QDesktopServices::openUrl(url);
    if (!opened)
        window.showMessage(QCoreApplication::translate(
                               "MenuCommands", "No program was found to show the log file:\r\n%1")
                               .arg(path),
                           QCoreApplication::translate("MenuCommands", "Todays Log"));
}

void MenuCommands::m_cont_Click(MainWindowElements &window)
{
    const QString path = ProgramPaths::manualPath();
    if (path.isEmpty()) {
        window.showMessage(
            QCoreApplication::translate("MenuCommands", "The manual is not installed."),
            QCoreApplication::translate("MenuCommands", "Content"));
        return;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    const bool opened = opener() ? opener()(url) : QDesktopServices::openUrl(url);
    if (!opened)
        window.showMessage(QCoreApplication::translate(
                               "MenuCommands", "No program was found to show the manual:\r\n%1")
                               .arg(path),
                           QCoreApplication::translate("MenuCommands", "Content"));
}

void MenuCommands::setProgramStarter(ProgramStarter hook)
{
    starter() = std::move(hook);
}

void MenuCommands::setFileOpener(FileOpener hook)
{
    opener() = std::move(hook);
}

#pragma once

#include <QString>
#include <functional>

class QUrl;
struct RunSettings;
class MainWindowElements;

// The menu commands that change settings or start other programs. The window-state,
// start/stop and dialog commands live in the window itself.
namespace MenuCommands {

// Single / Multiple file Download: the mode, its check marks and its stored value.
void m_single_Click(RunSettings &settings, MainWindowElements &window);
void m_mul_Click(RunSettings &settings, MainWindowElements &window);
// Close Window After Download: toggles exit_ifover, its check mark and its stored value.
void m_exit_Click(RunSettings &settings, MainWindowElements &window);

// Open New Window: a second, independent copy of this very program.
bool m_new_Click();
// Todays Log: opens today's log file with the desktop's viewer, or says that there is
// none yet.
void m_log_Click(const RunSettings &settings, MainWindowElements &window);
// Help > Content: opens the user manual in the desktop's browser, or says where it was
// looked for when it is not installed.
void m_cont_Click(MainWindowElements &window);

// The ways out of the program, replaceable so that tests start and open nothing.
using ProgramStarter = std::function<bool(const QString &program)>;
using FileOpener = std::function<bool(const QUrl &file)>;
void setProgramStarter(ProgramStarter starter); // empty: QProcess::startDetached
void setFileOpener(FileOpener opener);          // empty: QDesktopServices::openUrl

} // namespace MenuCommands

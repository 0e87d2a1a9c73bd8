#include "GetCommand.h"

#include "DownloadRun.h"
#include "DryRun.h"
#include "GetOptions.h"
#include "ImageSaver.h"
#include "LoadSettings.h"
#include "Pause.h"
#include "RunSetup.h"
#include "ShownTexts.h"
#include "StopSignals.h"
#include "TerminalOutput.h"
#include "TerminalWindow.h"
#include "Transfer.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// As a shell reports a program ended by SIGPIPE.
constexpr int brokenPipeStatus = 128 + SIGPIPE;

// Every user may read a process's command line. A password in a word of it ("--proxy
// ann:pw@host:port", an address with a login) is overwritten with stars once it is read, so
// that it shows no longer than the program takes to start.
void hidePasswords(int argc, char **argv)
{
    for (int i = 2; i < argc; ++i) {
        char *word = argv[i];
        if (word[0] == '-' && std::strchr(word, '='))
            word = std::strchr(word, '=') + 1;
        if (char *scheme = std::strstr(word, "://"))
            word = scheme + 3;
        const size_t authority = std::strcspn(word, "/?#");
        char *at = nullptr;
        for (size_t k = 0; k < authority; ++k)
            at = word[k] == '@' ? word + k : at;
        char *colon = at ? static_cast<char *>(std::memchr(word, ':', size_t(at - word))) : nullptr;
        for (char *c = colon ? colon + 1 : at; c && c < at; ++c)
            *c = '*';
    }
}

// The problem may be one of the engine's reasons ("the range ... cannot be reached"), which
// are English until shown.
int usageError(const QString &problem)
{
    const QString text = ShownTexts::reason(problem);
    const QString hint = QCoreApplication::translate("GetCommand", "Try 'quillop get --help'.");
    std::fprintf(stderr, "quillop get: %s\n%s\n", text.toLocal8Bit().constData(),
                 hint.toLocal8Bit().constData());
    return 2;
}

int download(RunSetup &setup, TerminalOutput &output)
{
    TerminalWindow window(output);
    window.setUrl1Text(setup.url1);
    window.setUrl2Text(setup.url2);
    window.setUrl3Text(setup.url3);
    if (setup.settings.is_save)
        ImageSaver::removeLeftovers(setup.settings.save_dir);

    Transfer transfer;
    configureTransfer(setup.settings, transfer);
    DownloadRun run(setup.settings, window, transfer);
    const auto stopRun = [&setup, &run] {
        if (!run.isRunning()) {
            // Before the first attempt, or after the end: there is nothing to wind down.
            QCoreApplication::quit();
            return;
        }
        // The attempt in progress ends as Stop ends it (its file removed, its line
        // written); the pause after it is not waited out.
        setup.settings.pause_time = 0;
        run.cmdStop_Click();
        run.endPauses();
    };
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::stopRequested, &run, stopRun);
    // A reader that has gone (`quillop get ... | head -1`) stops the run as Ctrl+C does;
    // from the event loop, since the line was written from inside the attempt.
    output.setBrokenHandler([&run, stopRun] { QTimer::singleShot(0, &run, stopRun); });
    QObject::connect(&run, &DownloadRun::runFinished, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QTimer::singleShot(0, &run, &DownloadRun::cmdGet_Click);
    QCoreApplication::exec();
    output.setBrokenHandler({});
    window.finishRun();
    if (stopSignals.received())
        return 130;
    return output.isBroken() ? brokenPipeStatus : window.exitStatus();
}

} // namespace

bool GetCommand::isRequested(int argc, char **argv)
{
    return argc >= 2 && std::strcmp(argv[1], "get") == 0;
}

int GetCommand::run(int &argc, char **argv)
{
    // A closed standard output is seen as EPIPE where it is written, not as a signal that
    // ends the program in the middle of a file.
    ::signal(SIGPIPE, SIG_IGN);
    // Nothing here needs GLib's main loop; Qt's own poll loop takes fewer calls per turn.
    qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quillop"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillop"));
    Translations::install(app);

    const GetCommandLine commandLine = GetOptionsParser::parse(app.arguments().mid(2));
    hidePasswords(argc, argv);
    if (commandLine.helpAsked) {
        std::fputs(GetOptionsParser::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!commandLine.error.isEmpty())
        return usageError(commandLine.error);
    RunSetup setup = RunSetupBuilder::build(commandLine.options);
    if (!setup.problem.isEmpty())
        return usageError(setup.problem);

    const GetOptions &o = commandLine.options;
    const auto format = o.quiet  ? TerminalOutput::Format::Quiet
                        : o.json ? TerminalOutput::Format::Json
                                 : TerminalOutput::Format::Lines;
    TerminalOutput output(format, ::isatty(STDERR_FILENO) == 1);
    for (const QString &note : std::as_const(setup.notes))
        output.message(note);
    if (o.dryRun) {
        DryRun::show(setup, output);
        return output.isBroken() ? brokenPipeStatus : 0;
    }
    return download(setup, output);
}

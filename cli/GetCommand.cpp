#include "GetCommand.h"

#include "DownloadRun.h"
#include "DryRun.h"
#include "GetOptions.h"
#include "ImageSaver.h"
#include "LoadSettings.h"
#include "Pause.h"
#include "RunSetup.h"
#include "StopSignals.h"
#include "TerminalOutput.h"
#include "TerminalWindow.h"
#include "Transfer.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

int usageError(const QString &text)
{
    std::fprintf(stderr, "quillop get: %s\nTry 'quillop get --help'.\n",
                 text.toLocal8Bit().constData());
    return 2;
}

int download(RunSetup &setup, TerminalOutput &output)
{
    TerminalWindow window(output, setup.planned);
    window.setUrl1Text(setup.url1);
    window.setUrl2Text(setup.plan.first);
    window.setUrl3Text(setup.url3);
    if (setup.settings.is_save)
        ImageSaver::removeLeftovers(setup.settings.save_dir);

    Transfer transfer;
    configureTransfer(setup.settings, transfer);
    DownloadRun run(setup.settings, window, transfer);
    // The bytes of the file arriving now, straight from the transfer: the same figures the
    // engine hands the window, at the transfer's own pace.
    QObject::connect(
        &transfer, &Transfer::progress, &run,
        [&window](qint64 received, qint64 total) { window.setFileProgress(received, total); });
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::stopRequested, &run, [&setup, &run] {
        // The attempt in progress ends as Stop ends it (its file removed, its line
        // written); the pause after it is not waited out.
        setup.settings.pause_time = 0;
        run.cmdStop_Click();
        if (run.pause().isWaiting())
            run.pause().pauseFor(0);
    });
    QObject::connect(&run, &DownloadRun::runFinished, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QTimer::singleShot(0, &run, &DownloadRun::cmdGet_Click);
    QCoreApplication::exec();
    window.finishRun();
    return stopSignals.received() ? 130 : window.exitStatus();
}

} // namespace

bool GetCommand::isRequested(int argc, char **argv)
{
    return argc >= 2 && std::strcmp(argv[1], "get") == 0;
}

int GetCommand::run(int &argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quillop"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillop"));

    const GetCommandLine commandLine = GetOptionsParser::parse(app.arguments().mid(2));
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
    if (o.dryRun) {
        DryRun::show(setup, output);
        return 0;
    }
    return download(setup, output);
}

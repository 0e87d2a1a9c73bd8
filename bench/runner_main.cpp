// The engine without a screen, driven the way the main window drives it: settings through
// the store and loadSettings, the run through cmdGet_Click until runFinished.
//
//   quillop_bench_runner fetch --url1 U --url2 001 --url3 .jpg --count N --save-dir D
//                              --log-dir L [--preview 1000x700]
//   quillop_bench_runner pauses --count N [--unit-ms 1000]
//
// Results are "key=value" lines on standard output.
#include "BenchEnvironment.h"
#include "DownloadRun.h"
#include "HeadlessWindow.h"
#include "LoadSettings.h"
#include "Pause.h"
#include "RunSettings.h"
#include "Transfer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <memory>

using BenchEnvironment::option;
using BenchEnvironment::report;

namespace {

QSize parseSize(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

int fetch(const QStringList &args)
{
    const int count = option(args, QStringLiteral("--count"), QStringLiteral("1")).toInt();
    BenchEnvironment::storeRunSettings(count, option(args, QStringLiteral("--save-dir")),
                                       option(args, QStringLiteral("--log-dir")));

    RunSettings settings;
    HeadlessWindow window(parseSize(option(args, QStringLiteral("--preview"))));
    Transfer transfer;
    window.setUrl1Text(option(args, QStringLiteral("--url1")));
    window.setUrl2Text(option(args, QStringLiteral("--url2"), QStringLiteral("1")));
    window.setUrl3Text(option(args, QStringLiteral("--url3")));
    loadSettings(settings, window, transfer);

    DownloadRun run(settings, window, transfer);
    QElapsedTimer clock;
    QObject::connect(&run, &DownloadRun::runFinished, qApp, [&] {
        report("run_ms", QString::number(clock.nsecsElapsed() / 1e6, 'f', 1));
        QCoreApplication::quit();
    });
    QTimer::singleShot(0, &run, [&] {
        clock.start();
        run.cmdGet_Click();
    });
    const int rc = QCoreApplication::exec();
    report("attempts", QString::number(run.attempt_count));
    report("previews", QString::number(window.previewsShown()));
    report("preview_failures", QString::number(window.previewFailures()));
    report("messages", QString::number(window.messages()));
    report("status", window.statusText());
    report("peak_rss_kib", QString::number(BenchEnvironment::peakRssKiB()));
    return rc;
}

// One pause after the other, each timed from its arming to its elapsed() signal.
int pauses(const QStringList &args)
{
    const int count = option(args, QStringLiteral("--count"), QStringLiteral("10")).toInt();
    Pause pause;
    pause.setUnitMs(option(args, QStringLiteral("--unit-ms"), QStringLiteral("1000")).toInt());
    QElapsedTimer clock;
    QStringList lengths;
    QObject::connect(&pause, &Pause::elapsed, qApp, [&] {
        lengths << QString::number(clock.nsecsElapsed() / 1e9, 'f', 6);
        if (lengths.size() == count) {
            QCoreApplication::quit();
            return;
        }
        clock.start();
        pause.pauseFor(1);
    });
    QTimer::singleShot(0, &pause, [&] {
        clock.start();
        pause.pauseFor(1);
    });
    const int rc = QCoreApplication::exec();
    report("pause_seconds", lengths.join(QLatin1Char(' ')));
    return rc;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchEnvironment::isolate();
    // A core application is enough: the image plugins the preview decodes with load
    // without a window system.
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillop"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillop"));

    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    if (mode == QLatin1String("fetch"))
        return fetch(args);
    if (mode == QLatin1String("pauses"))
        return pauses(args);
    std::fprintf(stderr, "usage: %s fetch|pauses [options]\n", argv[0]);
    return 2;
}

// The real main window, offscreen, with a 5 ms timer beside it: while Get runs a download
// of large pictures, every gap between two ticks of the timer is a moment the window could
// not have answered the user.
//
//   quillop_bench_window --url1 U --url2 001 --url3 .jpg --count N --save-dir D --log-dir L
//
// Results are "key=value" lines on standard output.
#include "BenchEnvironment.h"
#include "FrmMain.h"
#include "MainWindowElements.h"
#include "PreviewView.h"
#include "Twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

using BenchEnvironment::option;
using BenchEnvironment::report;

namespace {

constexpr int StartDelayMs = 300;

// A window whose preview area is 1000 x 700 pixels at 96 dpi: the area is the window less
// 125 twips across and 1625 twips down.
void storeGeometry()
{
    using BenchEnvironment::storeValue;
    storeValue(QStringLiteral("main_left"), QStringLiteral("0"));
    storeValue(QStringLiteral("main_top"), QStringLiteral("0"));
    storeValue(QStringLiteral("main_width"), QString::number(Twips::fromPixels(1000, 96) + 125));
    storeValue(QStringLiteral("main_height"), QString::number(Twips::fromPixels(700, 96) + 1625));
}

} // namespace

int main(int argc, char *argv[])
{
    BenchEnvironment::isolate();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillop"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillop"));

    const QStringList args = QCoreApplication::arguments();
    const int count = option(args, QStringLiteral("--count"), QStringLiteral("1")).toInt();
    const QString saveDir = option(args, QStringLiteral("--save-dir"));
    BenchEnvironment::storeRunSettings(count, saveDir, option(args, QStringLiteral("--log-dir")));
    storeGeometry();

    FrmMain window;
    window.start();
    auto *elements = dynamic_cast<MainWindowElements *>(&window);
    auto *get = window.findChild<QAbstractButton *>(QStringLiteral("cmdGet"));
    if (!elements || !get) {
        std::fprintf(stderr, "the main window has no window contract or no cmdGet yet\n");
        return 1;
    }
    elements->setUrl1Text(option(args, QStringLiteral("--url1")));
    elements->setUrl2Text(option(args, QStringLiteral("--url2"), QStringLiteral("1")));
    elements->setUrl3Text(option(args, QStringLiteral("--url3")));

    QElapsedTimer runClock, tickClock;
    qint64 longestGapNs = 0, ticks = 0, gapsOver50 = 0;
    bool started = false;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, &app, [&] {
        const qint64 gap = tickClock.nsecsElapsed();
        tickClock.start();
        ++ticks;
        longestGapNs = std::max(longestGapNs, gap);
        if (gap > 50'000'000)
            ++gapsOver50;
        if (started && elements->isGetEnabled())
            QCoreApplication::quit();
    });
    // Pressed once the window stands and has been painted, as a user would press it: the
    // run is timed from the click, and the window's first paint is no part of it.
    QTimer::singleShot(StartDelayMs, &app, [&] {
        runClock.start();
        tickClock.start();
        ticker.start();
        get->click();
        started = true;
    });
    // A run that never ends is a failure, not a figure.
    QTimer::singleShot(30 * 60 * 1000, &app, [] { QCoreApplication::exit(3); });
    const int rc = QApplication::exec();

    report("run_ms", QString::number(runClock.nsecsElapsed() / 1e6, 'f', 1));
    report("max_gap_ms", QString::number(longestGapNs / 1e6, 'f', 1));
    report("ticks", QString::number(ticks));
    report("gaps_over_50ms", QString::number(gapsOver50));
    report("status", elements->statusText());
    report("saved", QString::number(QDir(saveDir).entryList(QDir::Files).size()));
    if (const auto *preview = window.findChild<PreviewView *>(QStringLiteral("img1"))) {
        report("preview", QStringLiteral("%1x%2").arg(preview->width()).arg(preview->height()));
        // The run does not wait for the preview; what it shows in the end is the last
        // picture, once the worker has decoded it.
        QElapsedTimer settle;
        settle.start();
        while (preview->isDecoding() && settle.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        report("preview_settle_ms", QString::number(settle.nsecsElapsed() / 1e6, 'f', 1));
        report("preview_path", preview->path());
        report("preview_decoded", QStringLiteral("%1x%2")
                                      .arg(preview->decodedSize().width())
                                      .arg(preview->decodedSize().height()));
    }
    report("window", QStringLiteral("%1x%2").arg(window.width()).arg(window.height()));
    return rc;
}

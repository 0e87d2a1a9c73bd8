// Preloaded into the real program (LD_PRELOAD) to time its start: when the first paint of
// a window arrives, the probe writes the wall-clock time (microseconds since the epoch,
// CLOCK_REALTIME) on standard output as "shown_us=N" and ends the process at once, before
// the program writes anything into its settings store.
//
// It takes the place of QApplication::exec(), which main() calls from the executable
// through the dynamic linker, adds an event filter and hands over to the real exec().
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window()->isVisible()) {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            char line[64];
            const int n =
                std::snprintf(line, sizeof line, "shown_us=%lld\n",
                              static_cast<long long>(now.tv_sec) * 1000000LL + now.tv_nsec / 1000);
            if (write(STDOUT_FILENO, line, static_cast<size_t>(n)) != n)
                _exit(4);
            _exit(0);
        }
        return false;
    }
};

} // namespace

int QApplication::exec()
{
    using Exec = int (*)();
    static const auto real = reinterpret_cast<Exec>(dlsym(RTLD_NEXT, "_ZN12QApplication4execEv"));
    if (!real)
        _exit(5);
    qApp->installEventFilter(new FirstPaint);
    // A window that never paints is reported as a failure rather than waited for.
    QTimer::singleShot(60000, [] { _exit(6); });
    return real();
}

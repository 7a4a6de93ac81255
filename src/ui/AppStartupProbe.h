#pragma once

// Start-up measurement: when KORVAN_STARTUP_PROBE_T0 holds the launch time in
// nanoseconds since the epoch (date +%s%N), the first paint of the window
// prints the milliseconds since then on standard output and closes the window.
// Used by bench/startup.sh for the trainer and the bare window alike.

#include <QDateTime>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace korvan {

class TStartupProbe : public QObject
{
public:
    // Nothing when the variable is not set.
    static void Attach(QWidget* window)
    {
        const char* t0 = std::getenv("KORVAN_STARTUP_PROBE_T0");
        if (t0 == nullptr || *t0 == '\0')
            return;
        window->installEventFilter(new TStartupProbe(window, std::strtoll(t0, nullptr, 10)));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !Done) {
            Done = true;
            const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
            std::printf("%.1f\n", static_cast<double>(now - T0) / 1e6);
            std::fflush(stdout);
            auto* window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, window, [window] { window->close(); });
        }
        return false;
    }

private:
    TStartupProbe(QWidget* window, long long t0) : QObject(window), T0(t0) {}
    long long T0;
    bool Done = false;
};

} // namespace korvan

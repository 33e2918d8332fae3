#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

namespace croquel::bench {

inline long cpuMicroseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1'000'000L + usage.ru_utime.tv_usec
           + usage.ru_stime.tv_usec;
}

// Prints when the window is first painted (wall clock, ns since the epoch).
// Then, given a count of windows, lets the program settle for a second and
// prints the CPU time it uses in each 3-second window of play; a window in
// which play stopped (the chaser caught the player) is reported as such and
// ends the measurement. Last comes the peak resident memory.
class Probe final : public QObject {
public:
    Probe(
        QWidget& window, int windows, std::function<bool()> playing = [] { return true; })
        : windows_(windows), playing_(std::move(playing))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !shown_) {
            shown_ = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("shown_ns=%lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            QTimer::singleShot(windows_ > 0 ? settleMs : 0, this, [this] { measure(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr int settleMs = 1000;
    static constexpr int windowMs = 3000;

    // Runs once the program has settled, then at the end of each window.
    void measure()
    {
        if (windowsStarted_ > 0) {
            if (!playing_()) {
                std::puts("captured");
                finish();
            }
            std::printf("window_cpu_us=%ld\n", cpuMicroseconds() - cpuAtStart_);
        }
        if (windowsStarted_ == windows_) {
            finish();
        }
        ++windowsStarted_;
        cpuAtStart_ = cpuMicroseconds();
        QTimer::singleShot(windowMs, this, [this] { measure(); });
    }

    static void finish()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("maxrss_kb=%ld\n", usage.ru_maxrss);
        std::fflush(stdout);
        std::_Exit(0);  // windows and timers need no tidying for a measurement
    }

    int windows_;
    std::function<bool()> playing_;
    bool shown_ = false;
    int windowsStarted_ = 0;
    long cpuAtStart_ = 0;
};

inline int windowsFrom(int argc, char* argv[])
{
    return argc > 1 ? std::atoi(argv[1]) : 0;
}

}  // namespace croquel::bench

#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace croquel::bench {

inline long cpuMicroseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1'000'000L + usage.ru_utime.tv_usec
           + usage.ru_stime.tv_usec;
}

// Prints when the window is first painted (wall clock, ns since the epoch),
// then lets the program idle for the given seconds and prints the CPU time
// it used meanwhile and its peak resident memory.
class Probe final : public QObject {
public:
    Probe(QWidget& window, int idleSeconds) : idleSeconds_(idleSeconds) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !shown_) {
            shown_ = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("shown_ns=%lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            const long cpuAtShow = cpuMicroseconds();
            QTimer::singleShot(idleSeconds_ * 1000, this, [cpuAtShow] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("idle_cpu_us=%ld\nmaxrss_kb=%ld\n", cpuMicroseconds() - cpuAtShow, usage.ru_maxrss);
                std::fflush(stdout);
                std::_Exit(0);  // windows and timers need no tidying for a measurement
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int idleSeconds_;
    bool shown_ = false;
};

inline int idleSecondsFrom(int argc, char* argv[])
{
    return argc > 1 ? std::atoi(argv[1]) : 0;
}

}  // namespace croquel::bench

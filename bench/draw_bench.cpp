// What one chaser tick costs on screen: Timer3's handler and the window's
// redraw that follows it, on the platform Qt runs on (offscreen or X11);
// run back to back, and as the game meets it, with the caches gone cold.
#include "form1_window.h"
#include "program.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <vector>

namespace croquel {
namespace {

// With `cold`, each tick comes after the processor's caches were filled
// with other data, as when the game wakes 200 ms after its last chaser
// tick: in play, most of a tick's cost is fetching what it touches.
void runChaserTicks(benchmark::State& state, bool cold)
{
    ui::Program program;
    program.start();
    ui::Form1Window& window = *program.form1();
    // Only the ticks of the loop below run: no capture, no other redraw.
    for (int n = 1; n <= 3; ++n) {
        window.form().timer(n).Enabled = false;
    }
    window.syncTimers();
    QDeadlineTimer shown(5000);
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        if (shown.hasExpired()) {
            state.SkipWithError("the game window was never shown");
            return;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QCoreApplication::processEvents();
    std::vector<char> other(cold ? std::size_t{64} << 20U : 0);
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            for (std::size_t i = 0; i < other.size(); i += 64) {
                other[i] = static_cast<char>(other[i] + 1);
            }
            benchmark::ClobberMemory();
            state.ResumeTiming();
        }
        window.tickTimer3();
        QCoreApplication::processEvents();  // the redraw the tick asked for
    }
}

void chaserTickDrawn(benchmark::State& state)
{
    runChaserTicks(state, false);
}
BENCHMARK(chaserTickDrawn);

void chaserTickDrawnCold(benchmark::State& state)
{
    runChaserTicks(state, true);
}
BENCHMARK(chaserTickDrawnCold)->Iterations(2000);

}  // namespace
}  // namespace croquel

int main(int argc, char* argv[])
{
    croquel::ui::prepareApplication();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

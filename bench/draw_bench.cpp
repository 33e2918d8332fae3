// What one chaser tick costs on screen: Timer3's handler and the window's
// redraw that follows it, on the platform Qt runs on (offscreen or X11).
#include "form1_window.h"
#include "program.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace croquel {
namespace {

void chaserTickDrawn(benchmark::State& state)
{
    ui::Program program;
    program.start();
    ui::Form1Window& window = *program.form1();
    // Only the ticks of the loop below run: no capture, no other redraw.
    for (int n = 1; n <= 3; ++n) {
        window.form().timer(n).Enabled = false;
    }
    window.render();
    QDeadlineTimer shown(5000);
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        if (shown.hasExpired()) {
            state.SkipWithError("the game window was never shown");
            return;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.tickTimer3();  // draws and flushes its changes before it returns
    }
}
BENCHMARK(chaserTickDrawn);

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

// Cost of one tick of each handler on the core, with the real random source.
#include "clock_random.h"
#include "fakes.h"

#include <benchmark/benchmark.h>

namespace croquel {
namespace {

using testing::Game;

// The player runs along the top row and back: a move and a turn every tick.
void playerTick(benchmark::State& state)
{
    Game game;
    bool right = true;
    for (auto _ : state) {
        if (game.module.left == 3770 || game.module.left == 50) {
            right = game.module.left == 50;
        }
        game.keys.press({right ? ArrowKey::Right : ArrowKey::Left});
        game.form.Timer1_Timer();
        game.keys.polls.clear();
        benchmark::DoNotOptimize(game.module.left);
    }
}
BENCHMARK(playerTick);

// The referee on a pellet cell: 42 rows tested and the score caption set.
void refereeTick(benchmark::State& state)
{
    Game game;
    game.placePlayer(6250, 3770);
    for (auto _ : state) {
        game.form.Timer2_Timer();
        benchmark::DoNotOptimize(game.form.Label2.Caption.data());
    }
}
BENCHMARK(refereeTick);

// The chaser hunting a player that stands still, with clock-seeded draws.
void chaserTick(benchmark::State& state)
{
    Module1 module;
    testing::ScriptedKeys keys;
    ClockRandom random;
    testing::RecordingMessageBox box;
    testing::RecordingUnloader unloader;
    Form1 form(module, Platform{keys, random, box, unloader});
    form.Form_Load();
    for (auto _ : state) {
        form.Timer3_Timer();
        benchmark::DoNotOptimize(form.Label1.Caption.data());
    }
}
BENCHMARK(chaserTick);

}  // namespace
}  // namespace croquel

BENCHMARK_MAIN();

// The game as it starts for a player, measured by the probe; play counts
// until the chaser catches the player, which stops the game's timers.
#include "form1_window.h"
#include "probe.h"
#include "program.h"

int main(int argc, char* argv[])
{
    croquel::ui::prepareApplication();
    QApplication app(argc, argv);
    croquel::ui::Program program;
    program.start();
    croquel::bench::Probe probe(*program.form1(), croquel::bench::windowsFrom(argc, argv),
                                [&program] { return program.form1() && program.form1()->timer(2).isActive(); });
    return app.exec();
}

// The game as it starts for a player, measured by the probe.
#include "form1_window.h"
#include "probe.h"
#include "program.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    croquel::ui::Program program;
    program.start();
    croquel::bench::Probe probe(*program.form1(), croquel::bench::idleSecondsFrom(argc, argv));
    return app.exec();
}

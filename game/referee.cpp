// The referee's tick: pellets, score and capture.
#include "form1.h"
#include "pellets.h"

namespace croquel {

void Form1::Timer2_Timer()
{
    for (const PelletRow& row : pelletTable) {
        ImageControl& pellet = Image[static_cast<std::size_t>(row.image)];
        if (module_.left == row.left && module_.top == row.top && pellet.Visible) {
            pellet.Visible = false;
            points = add16(points, 1);
        }
    }

    Label2.Caption = "nombres de points: " + decimal(points);

    if (Picture5.Left != static_cast<float>(module_.left) || Picture5.Top != static_cast<float>(module_.top)) {
        return;
    }

    showPlayerImage(nullptr);  // the player vanishes, whichever way it faced
    // Stopped before the box: ticks still arrive while it waits, and a
    // second capture would stack a second box on the first.
    for (Timer* timer : {&Timer1, &Timer2, &Timer3}) {
        timer->Enabled = false;
    }
    platform_.messageBox.show("Niark Niark !!!!!! GAME OVER !!!!!!    points:" + decimal(points), styleCritical,
                              "Tu t'est fait manger ^^");
    platform_.unloader.unloadForm1();
}

}  // namespace croquel

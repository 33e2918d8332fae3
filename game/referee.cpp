// The referee's tick: pellets, score and capture.
#include "form1.h"
#include "pellets.h"

#include <array>
#include <charconv>
#include <string_view>

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

    // Rewritten only when the score changed: the tick comes twenty times a
    // second and the text stays the same between pellets.
    constexpr std::string_view scoreLine = "nombres de points: ";
    std::array<char, 8> digits{};
    const std::string_view score(digits.data(),
                                 std::to_chars(digits.data(), digits.data() + digits.size(), points).ptr);
    if (const std::string& shown = Label2.Caption;
        shown.size() != scoreLine.size() + score.size() || !shown.starts_with(scoreLine) || !shown.ends_with(score)) {
        Label2.Caption.assign(scoreLine).append(score);
    }

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

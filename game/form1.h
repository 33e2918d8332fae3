#pragma once

#include "controls.h"
#include "form1_layout.h"
#include "module1.h"
#include "platform.h"

#include <array>
#include <cstdint>

namespace croquel {

// The game window's state and handlers, without any drawing: the window
// layer owns one of these for as long as the window is loaded and draws its
// controls after every handler. Module1 outlives it.
class Form1 {
public:
    Form1(Module1& module, Platform platform);

    // Run once when the window is loaded, before it is shown or ticks.
    void Form_Load();
    // Player: poll the arrow keys and move (every 250 ms).
    void Timer1_Timer();
    // Referee: pellets, score and capture (every 50 ms).
    void Timer2_Timer();
    // Chaser: measure, weigh and move (every 200 ms).
    void Timer3_Timer();

    // Picture<n> for n in 1..5, Label<n> for n in 1..2 and Timer<n> for n
    // in 1..3, by number;
    // std::out_of_range for any other n.
    PictureBox& picture(int number);
    const PictureBox& picture(int number) const;
    Label& label(int number);
    const Label& label(int number) const;
    Timer& timer(int number);
    const Timer& timer(int number) const;

    // Controls, created from the layout.
    PictureBox Picture1, Picture2, Picture3, Picture4, Picture5;
    std::array<ImageControl, form1Images + 1> Image{};  // Image[1]..Image[49]; [0] unused
    Label Label1, Label2;
    Timer Timer1{timer1Interval}, Timer2{timer2Interval}, Timer3{timer3Interval};

    // Fields, all 0 when the window is created.
    std::int16_t points = 0;
    std::int16_t gapv = 0;
    std::int16_t gaph = 0;
    std::int16_t upflag = 0;
    std::int16_t leftflag = 0;
    std::int16_t savetop = 0;
    std::int16_t saveleft = 0;

private:
    // The player's four facings, Picture1 to Picture4, in that order.
    std::array<PictureBox*, 4> playerImages();
    // Shows that one facing and hides the others; nullptr hides all four.
    void showPlayerImage(const PictureBox* shown);

    Module1& module_;
    Platform platform_;
};

// Sets the four chaser weights from the random bases, the preference toward
// the player, the momentum of the last move and the closures of junction.
void DrawWeights(Module1& module, RandomSource& random);

}  // namespace croquel

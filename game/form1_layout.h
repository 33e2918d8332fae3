#pragma once

#include <array>
#include <string_view>

namespace croquel {

// The game window as static data: what the game's controls start as, and
// what the window layer builds. Twips throughout.

inline constexpr int twipsPerPixel = 15;
inline constexpr int form1ClientWidth = 11430;
inline constexpr int form1ClientHeight = 7875;

enum class ControlKind { PictureBox, Image, Label };

enum class Picture {
    None,
    PlayerRight,
    PlayerDown,
    PlayerLeft,
    PlayerUp,
    Chaser,
    Pellet,
    WallBracket,  // Image1
    WallBar,      // Image2, Image18
    WallArch,     // Image19
    WallFoot,     // Image20
    WallFigure,   // Image26
    WallUpright,  // Image27
};

struct ControlLayout {
    ControlKind kind;
    int number;  // Picture<n>, Image<n> or Label<n>
    int left;
    int top;
    int width;
    int height;
    Picture picture;
    std::string_view caption;
};

namespace layout_detail {
constexpr ControlLayout box(int n, int left, int top, int width, int height, Picture picture)
{
    return {ControlKind::PictureBox, n, left, top, width, height, picture, {}};
}
constexpr ControlLayout pellet(int n, int left, int top)
{
    return {ControlKind::Image, n, left, top, 150, 150, Picture::Pellet, {}};
}
constexpr ControlLayout wall(int n, int left, int top, int width, int height, Picture picture)
{
    return {ControlKind::Image, n, left, top, width, height, picture, {}};
}
constexpr ControlLayout label(int n, int left, int top, int width, int height, std::string_view caption)
{
    return {ControlKind::Label, n, left, top, width, height, Picture::None, caption};
}
}  // namespace layout_detail

// In stacking order, top-most first: the sprite boxes lie above every image
// and label, so a player image covers the chaser and the pellets cover the
// black of the large wall picture they sit on.
inline constexpr std::array<ControlLayout, 56> form1Children = [] {
    using namespace layout_detail;
    return std::array<ControlLayout, 56>{{
        box(4, 10320, 210, 620, 620, Picture::PlayerUp),
        box(3, 9570, 210, 620, 620, Picture::PlayerLeft),
        box(1, 150, 120, 620, 620, Picture::PlayerRight),
        box(2, 8850, 180, 620, 620, Picture::PlayerDown),
        box(5, 9660, 3330, 585, 645, Picture::Chaser),
        pellet(49, 4095, 6570),
        pellet(48, 3470, 6565),
        pellet(47, 4095, 5325),
        pellet(46, 3470, 5325),
        pellet(45, 4095, 4710),
        pellet(44, 4095, 4095),
        pellet(43, 4095, 3465),
        pellet(42, 3470, 3465),
        pellet(41, 2880, 6565),
        pellet(40, 2880, 5945),
        pellet(39, 2880, 3465),
        pellet(38, 2880, 5325),
        pellet(37, 4095, 2230),
        pellet(36, 4095, 1610),
        pellet(35, 4095, 990),
        pellet(34, 4095, 330),
        pellet(33, 3470, 330),
        pellet(32, 3470, 2230),
        pellet(31, 2880, 2235),
        pellet(30, 2235, 3465),
        pellet(29, 2235, 2850),
        pellet(28, 2230, 2230),
        label(1, 3060, 7350, 3045, 465, "Label1"),
        wall(27, 6660, 2955, 1170, 3750, Picture::WallUpright),
        wall(26, 4320, 630, 5100, 2970, Picture::WallFigure),
        pellet(25, 2230, 6565),
        pellet(24, 1610, 6565),
        pellet(23, 990, 6565),
        pellet(22, 370, 6565),
        pellet(21, 375, 5945),
        wall(20, 2910, 5460, 1560, 915, Picture::WallFoot),
        wall(19, 4440, 3870, 1695, 2550, Picture::WallArch),
        wall(18, 2640, 2490, 1935, 780, Picture::WallBar),
        label(2, 0, 7170, 11445, 765, ""),
        pellet(17, 2230, 5325),
        pellet(16, 1610, 5325),
        pellet(15, 990, 5325),
        pellet(14, 370, 5325),
        pellet(13, 370, 4710),
        pellet(12, 370, 4095),
        pellet(11, 375, 3465),
        pellet(10, 370, 2850),
        pellet(9, 370, 2230),
        pellet(8, 370, 1610),
        pellet(7, 2850, 330),
        pellet(6, 370, 990),
        pellet(5, 2230, 330),
        pellet(3, 1610, 330),
        pellet(4, 990, 330),
        wall(2, 690, 5580, 1935, 780, Picture::WallBar),
        wall(1, -210, 630, 4500, 4500, Picture::WallBracket),
    }};
}();

inline constexpr int form1Images = 49;

// Timer intervals in milliseconds.
inline constexpr int timer1Interval = 250;
inline constexpr int timer2Interval = 50;
inline constexpr int timer3Interval = 200;

}  // namespace croquel

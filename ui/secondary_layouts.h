#pragma once

#include <array>
#include <span>
#include <string_view>

namespace croquel::ui {

// The three small windows of the menu as static data, in twips from the
// top-left corner of the client area (of Frame1 for its children).

// QuitButton is the one button with an action: it closes its window.
enum class ChildKind { Frame, PictureButton, QuitButton, Label, CentredLabel, TextBox };

struct ChildLayout {
    std::string_view name;
    ChildKind kind;
    bool inFrame;  // a child of Frame1, in the frame's coordinates
    int left;
    int top;
    int width;
    int height;
    std::string_view text;  // caption, content, or picture file of a picture button
    int tabIndex;
    std::string_view pressedPicture = {};  // also shown when disabled
    std::string_view buddy = {};           // the control a label names, for screen readers
};

// A straight line 2 pixels wide, between two points of Frame1.
struct LineLayout {
    std::string_view name;
    int x1;
    int y1;
    int x2;
    int y2;
};

enum class FrameKind {
    FixedTool,  // small title bar, not resizable, no task-bar button, centred
    Sizeable,   // ordinary window placed by the window manager
};

struct WindowLayout {
    std::string_view name;
    std::string_view caption;
    int clientWidth;
    int clientHeight;
    FrameKind frame;
    std::span<const ChildLayout> children;
    std::span<const LineLayout> lines;
};

// The game's web address, the project's (top CMakeLists.txt).
inline constexpr std::string_view webAddress = CROQUEL_HOMEPAGE_URL;

inline constexpr std::array<ChildLayout, 10> form2Children{{
    {"Frame1", ChildKind::Frame, false, 0, 0, 4275, 2745, "Les commandes", 0},
    {"Command1", ChildKind::PictureButton, true, 990, 330, 585, 525, "arrow_up.png", 1, "arrow_up_pressed.png"},
    {"Command2", ChildKind::PictureButton, true, 420, 870, 585, 525, "arrow_left.png", 2},
    {"Command3", ChildKind::PictureButton, true, 990, 870, 585, 525, "arrow_down.png", 3},
    {"Command4", ChildKind::PictureButton, true, 1530, 870, 555, 525, "arrow_right.png", 4},
    {"Label1", ChildKind::Label, true, 2520, 1680, 1455, 285, "deplacement droite", 5, {}, "Command4"},
    {"Label2", ChildKind::Label, true, 2490, 330, 1575, 375, "deplacement haut", 6, {}, "Command1"},
    {"Label3", ChildKind::Label, true, 1350, 2220, 1425, 255, "deplacement bas", 7, {}, "Command3"},
    {"Label4", ChildKind::Label, true, 90, 1890, 1575, 255, "deplacement gauhe", 8, {}, "Command2"},
    {"Command5", ChildKind::QuitButton, false, 870, 2880, 2385, 405, "Quitter", 9},
}};

inline constexpr std::array<LineLayout, 4> form2Lines{{
    {"Line1", 1800, 1170, 2430, 1680},
    {"Line2", 1260, 630, 2430, 450},
    {"Line3", 1260, 1230, 1950, 2190},
    {"Line4", 690, 1170, 750, 1860},
}};

// Followed by 15 spaces and the signature, word-wrapped by the label.
inline constexpr std::string_view aboutText =
    "Voici une vesion beta de mon Croquel.Elle n'est donc pas totallement finie , reste malgré tout imparfaite "
    "et n'est qu'une variante du jeux croquel... Remerciement a tout ceux qui m'ont aidé pour faire ce petit soft "
    "et bon amusement.               Bon jeu à tous ! Julien";

inline constexpr std::array<ChildLayout, 2> form3Children{{
    {"Label6", ChildKind::CentredLabel, false, 0, 150, 4725, 1275, aboutText, 0},
    {"Command1", ChildKind::QuitButton, false, 1140, 1500, 2235, 345, "Quitter", 1},
}};

inline constexpr std::array<ChildLayout, 3> form4Children{{
    {"Label5", ChildKind::Label, false, 450, 300, 975, 255, "site internet:", 0, {}, "Text1"},
    {"Text1", ChildKind::TextBox, false, 1620, 240, 1725, 345, webAddress, 1},
    {"Command1", ChildKind::QuitButton, false, 660, 870, 2235, 345, "Quitter", 2},
}};

inline constexpr WindowLayout form2Layout{"Form2",       "Commandes", 4260, 3525, FrameKind::FixedTool,
                                          form2Children, form2Lines};
inline constexpr WindowLayout form3Layout{"Form3", "A propos", 4665, 1995, FrameKind::FixedTool, form3Children, {}};
inline constexpr WindowLayout form4Layout{"Form4", "Lien internet", 3750, 1455, FrameKind::Sizeable, form4Children, {}};

}  // namespace croquel::ui

#pragma once

#include "int16.h"

#include <cstdint>
#include <string>

namespace croquel {

// The game window's controls as the game sees them; the window layer draws
// them after every handler. Coordinates are twips.

// A sprite box. Left and Top are single precision, as the window layer keeps
// them; whole 16-bit values convert exactly, so a read gives back the write.
struct PictureBox {
    float Left = 0;
    float Top = 0;
    bool Visible = true;

    std::int16_t leftTwips() const { return toInt16(Left); }
    std::int16_t topTwips() const { return toInt16(Top); }
    void setLeft(std::int16_t value) { Left = static_cast<float>(value); }
    void setTop(std::int16_t value) { Top = static_cast<float>(value); }
};

struct ImageControl {
    bool Visible = true;
};

struct Label {
    std::string Caption;
};

struct Timer {
    int Interval = 0;
    bool Enabled = true;
};

}  // namespace croquel

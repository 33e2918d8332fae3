#pragma once

#include <string_view>

namespace croquel {

// Virtual-key codes of the arrow keys, in the numbering the keys are polled by.
enum class ArrowKey { Left = 37, Up = 38, Right = 39, Down = 40 };

// A per-key latch: true when the key went down (auto-repeats included)
// since the previous poll of that same key; polling clears it.
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual bool pressedSinceLastPoll(ArrowKey key) = 0;
};

// Reseeded from the clock before every draw; next() lies in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual float next() = 0;
};

// Message box style 16: critical icon, one OK button.
inline constexpr int styleCritical = 16;

// A modal message box; returns the button pressed. Throws WindowError when
// the box cannot be shown.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual int show(std::string_view prompt, int style, std::string_view title) = 0;
};

// Unloads the game window: its timers stop and its state goes with it. The
// caller's handler still runs to its end; the window goes away afterwards.
class WindowUnloader {
public:
    virtual ~WindowUnloader() = default;
    virtual void unloadForm1() = 0;
};

struct Platform {
    KeyState& keys;
    RandomSource& random;
    MessageBox& messageBox;
    WindowUnloader& unloader;
};

}  // namespace croquel

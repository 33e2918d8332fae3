#pragma once

#include "platform.h"

#include <QObject>

#include <array>

namespace croquel::ui {

// Latches every arrow key-down (auto-repeats included) seen anywhere in the
// application, so a secondary window's focus does not hide the keys from the
// player; a poll reports and clears one key's latch. Install it on the
// application object.
class KeyLatch final : public QObject, public KeyState {
    Q_OBJECT
public:
    using QObject::QObject;

    bool pressedSinceLastPoll(ArrowKey key) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<bool, 4> latched_{};
};

}  // namespace croquel::ui

#include "key_latch.h"

#include <QKeyEvent>

#include <optional>
#include <utility>

namespace croquel::ui {

namespace {

std::size_t slotOf(ArrowKey key)
{
    return static_cast<std::size_t>(static_cast<int>(key) - static_cast<int>(ArrowKey::Left));
}

std::optional<ArrowKey> arrowOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return ArrowKey::Left;
    case Qt::Key_Up: return ArrowKey::Up;
    case Qt::Key_Right: return ArrowKey::Right;
    case Qt::Key_Down: return ArrowKey::Down;
    default: return std::nullopt;
    }
}

}  // namespace

bool KeyLatch::pressedSinceLastPoll(ArrowKey key)
{
    return std::exchange(latched_[slotOf(key)], false);
}

bool KeyLatch::eventFilter(QObject* watched, QEvent* event)
{
    // A key event passes here once for each widget it propagates to; the
    // latch is a flag, so seeing it twice changes nothing.
    if (event->type() == QEvent::KeyPress) {
        if (const auto arrow = arrowOf(static_cast<QKeyEvent*>(event)->key())) {
            latched_[slotOf(*arrow)] = true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace croquel::ui

#pragma once

#include <QScreen>
#include <QString>
#include <QWidget>

#include <string_view>

namespace croquel::ui {

// The game's texts are UTF-8 string views; Qt wants QString.
inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Places a top-level window, sized already, in the middle of its screen.
inline void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.geometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

}  // namespace croquel::ui

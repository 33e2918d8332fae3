#pragma once

#include <QMargins>

class QWidget;

namespace croquel::ui {

// What a top-level window settles with the desktop's window manager before
// it is first shown. Only X11 window managers take these requests; on other
// platforms (Wayland, offscreen) they do nothing.

// Asks for no task-bar button.
void keepOffTaskBar(QWidget& window);

// The frame the window manager will draw around the window, asked of it
// ahead of the first show; empty where it cannot tell.
QMargins expectedFrame(QWidget& window);

}  // namespace croquel::ui

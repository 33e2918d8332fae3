#pragma once

#include <QMargins>

class QWidget;

namespace croquel::ui {

// What a top-level window settles with the desktop's window manager. Only
// X11 window managers take these requests; on other platforms (Wayland,
// offscreen) they do nothing.

// Asks for no task-bar button, each time the window is mapped; call before
// the first show.
void keepOffTaskBar(QWidget& window);

// The frame the window manager will draw around the window, asked of it
// ahead of the first show; empty where it cannot tell.
QMargins expectedFrame(QWidget& window);

// Asks for the focus back for a window whose program the window manager
// passed over when another of its windows closed.
void takeFocusBack(QWidget& window);

}  // namespace croquel::ui

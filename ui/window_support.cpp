#include "window_support.h"

#include "form1_layout.h"
#include "window_manager.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

namespace croquel::ui {

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

void centreOn(QWidget& window, const QRect& area)
{
    // Placed by its client area, which every platform places alike; the
    // frame is the window manager's, and most tell its size only on request.
    const QMargins frame = expectedFrame(window);
    const QSize outer = window.size().grownBy(frame);
    const QPoint corner(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    window.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window.size()));
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen()) {
        centreOn(window, screen->availableGeometry());
    }
}

}  // namespace croquel::ui

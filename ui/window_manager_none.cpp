// Platforms without window-manager requests: the windows keep the
// platform's defaults.
#include "window_manager.h"

namespace croquel::ui {

void keepOffTaskBar(QWidget& /*window*/) {}

QMargins expectedFrame(QWidget& /*window*/)
{
    return {};
}

void takeFocusBack(QWidget& /*window*/) {}

}  // namespace croquel::ui

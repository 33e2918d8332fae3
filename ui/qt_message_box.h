#pragma once

#include "platform.h"

#include <QPointer>
#include <QWidget>

namespace croquel::ui {

// The modal message box of the game, centred over its owner window (the
// game window), whichever window is active when it opens. Styles follow the
// classic numbering: 16 critical, 32 question, 48 warning, 64 information.
class QtMessageBox final : public MessageBox {
public:
    // The window the box belongs to; while there is none, the box opens
    // over the active window.
    void setOwner(QWidget* owner) { owner_ = owner; }

    int show(std::string_view prompt, int style, std::string_view title) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace croquel::ui

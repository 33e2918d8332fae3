#pragma once

#include "platform.h"

namespace croquel::ui {

// The modal message box of the game, over the active window. Styles follow
// the classic numbering: 16 critical, 32 question, 48 warning, 64 information.
class QtMessageBox final : public MessageBox {
public:
    int show(std::string_view prompt, int style, std::string_view title) override;
};

}  // namespace croquel::ui

#pragma once

#include "secondary_layouts.h"

#include <QWidget>

namespace croquel::ui {

// A secondary window built from its layout. It is destroyed when closed,
// by its "Quitter" button or its close box, so the next show builds it
// afresh. It has no parent: closing the game leaves it open.
class SecondaryWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SecondaryWindow(const WindowLayout& layout);

private:
    void buildChildren(const WindowLayout& layout);
};

}  // namespace croquel::ui

#include "qt_message_box.h"

#include "window_support.h"

#include <QApplication>
#include <QMessageBox>

namespace croquel::ui {

namespace {

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// A message box centred over its owner, frame and all. Qt places a dialog
// by its client area once the native window exists, which on X11 leaves it
// a title bar's height too high.
class CentredMessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);  // settles the size
        if (QWidget* owner = parentWidget()) {
            centreOn(*this, owner->window()->frameGeometry());
        }
    }
};

}  // namespace

int QtMessageBox::show(std::string_view prompt, int style, std::string_view title)
{
    QWidget* over = owner_ ? owner_.data() : QApplication::activeWindow();
    CentredMessageBox box(iconOf(style), toQString(title), toQString(prompt), QMessageBox::Ok, over);
    box.exec();
    return 1;  // OK, the only button of the styles the game uses
}

}  // namespace croquel::ui

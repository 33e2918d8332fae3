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

}  // namespace

int QtMessageBox::show(std::string_view prompt, int style, std::string_view title)
{
    QMessageBox box(iconOf(style), toQString(title), toQString(prompt), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
    return 1;  // OK, the only button of the styles the game uses
}

}  // namespace croquel::ui

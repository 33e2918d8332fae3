#include "qt_message_box.h"

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

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

int QtMessageBox::show(std::string_view prompt, int style, std::string_view title)
{
    QMessageBox box(iconOf(style), fromUtf8(title), fromUtf8(prompt), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
    return 1;  // OK, the only button of the styles the game uses
}

}  // namespace croquel::ui

#include "caption_label.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

namespace croquel::ui {

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);  // the game's captions are never markup
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    face.setColor(QPalette::WindowText, face.color(QPalette::ButtonText));
    setPalette(face);
}

void CaptionLabel::paintEvent(QPaintEvent* event)
{
    // What QLabel draws for a plain caption, on a background it fills itself.
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()) | Qt::TextWordWrap, palette(),
                          isEnabled(), text(), QPalette::WindowText);
}

}  // namespace croquel::ui

#include "picture_widget.h"

#include <QPainter>

namespace croquel::ui {

PictureWidget::PictureWidget(const QPixmap& pixmap, QWidget* parent) : QWidget(parent), pixmap_(pixmap) {}

void PictureWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap_);
}

}  // namespace croquel::ui

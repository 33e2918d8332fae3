#include "picture_widget.h"

#include <QPainter>

#include <utility>

namespace croquel::ui {

PictureWidget::PictureWidget(QPixmap pixmap, QWidget* parent) : QWidget(parent), pixmap_(std::move(pixmap)) {}

void PictureWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap_);
}

}  // namespace croquel::ui

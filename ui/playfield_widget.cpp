#include "playfield_widget.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace croquel::ui {

PlayfieldWidget::PlayfieldWidget(QWidget* parent) : QWidget(parent)
{
    // Every pixel is painted below: the field, then the pictures on it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int PlayfieldWidget::addPicture(const QString& name, const QPixmap& picture, const QRect& box)
{
    items_.push_back({name, picture, box});
    repaintBox(box);
    return static_cast<int>(items_.size()) - 1;
}

void PlayfieldWidget::move(int item, QPoint topLeft)
{
    Item& moved = at(item);
    if (moved.box.topLeft() == topLeft) {
        return;
    }
    if (moved.shown) {
        repaintBox(moved.box);
    }
    moved.box.moveTopLeft(topLeft);
    if (moved.shown) {
        repaintBox(moved.box);
    }
}

void PlayfieldWidget::setShown(int item, bool shown)
{
    Item& changed = at(item);
    if (changed.shown != shown) {
        changed.shown = shown;
        repaintBox(changed.box);
    }
}

QRect PlayfieldWidget::reach(const QRect& box) const
{
    // On a screen of fractional scale a box's edges fall inside device
    // pixels, which the painter and the repaint of a region round each
    // their own way: grown by a whole device pixel or more on every side,
    // the box takes in every pixel its picture may touch.
    const int margin = static_cast<int>(std::ceil(1.0 / std::min(devicePixelRatioF(), 1.0)));
    return box.adjusted(-margin, -margin, margin, margin);
}

void PlayfieldWidget::repaintBox(const QRect& box)
{
    update(reach(box));
}

const PlayfieldWidget::Item* PlayfieldWidget::item(QStringView name) const
{
    const auto found = std::ranges::find_if(items_, [name](const Item& item) { return item.name == name; });
    return found == items_.end() ? nullptr : &*found;
}

QStringList PlayfieldWidget::stacking() const
{
    QStringList names;
    std::for_each(items_.rbegin(), items_.rend(), [&names](const Item& item) { names << item.name; });
    return names;
}

void PlayfieldWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    for (const Item& item : items_) {
        // Also a picture whose box only borders the region: its edge pixels
        // may lie inside, as a whole repaint draws them.
        if (item.shown && event->region().intersects(reach(item.box))) {
            painter.setClipRect(item.box);
            painter.drawPixmap(item.box.topLeft(), item.picture);
        }
    }
}

}  // namespace croquel::ui

#include "playfield_widget.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace croquel::ui {

PlayfieldWidget::PlayfieldWidget(QWidget* parent) : QWidget(parent)
{
    // Every pixel is painted below: the field, then the pictures on it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int PlayfieldWidget::addPicture(const QString& name, const QPixmap& picture, const QRect& box)
{
    items_.push_back({name, picture, box});
    update(box);
    return static_cast<int>(items_.size()) - 1;
}

void PlayfieldWidget::move(int item, QPoint topLeft)
{
    Item& moved = at(item);
    if (moved.box.topLeft() == topLeft) {
        return;
    }
    if (moved.shown) {
        update(moved.box);
    }
    moved.box.moveTopLeft(topLeft);
    if (moved.shown) {
        update(moved.box);
    }
}

void PlayfieldWidget::setShown(int item, bool shown)
{
    Item& changed = at(item);
    if (changed.shown != shown) {
        changed.shown = shown;
        update(changed.box);
    }
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
        if (item.shown && event->region().intersects(item.box)) {
            painter.setClipRect(item.box);
            painter.drawPixmap(item.box.topLeft(), item.picture);
        }
    }
}

}  // namespace croquel::ui

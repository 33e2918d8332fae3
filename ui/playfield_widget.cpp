#include "playfield_widget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QVarLengthArray>

#include <algorithm>
#include <utility>

namespace croquel::ui {

PlayfieldWidget::PlayfieldWidget(QWidget* parent) : QWidget(parent), captions_(font(), this)
{
    // Every pixel is painted below: the field, then the controls on it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int PlayfieldWidget::add(Item item)
{
    changed_ += item.box;
    items_.push_back(std::move(item));
    return static_cast<int>(items_.size()) - 1;
}

int PlayfieldWidget::addPicture(const QString& name, const QPixmap& picture, const QRect& box)
{
    const QSizeF size = picture.deviceIndependentSize();
    return add({name, picture, {}, {}, box, size.width() >= box.width() && size.height() >= box.height()});
}

int PlayfieldWidget::addLabel(const QString& name, const QString& caption, const QRect& box)
{
    return add({name, {}, caption, captions_.set(caption, box.width()), box});
}

void PlayfieldWidget::move(int item, QPoint topLeft)
{
    Item& moved = at(item);
    if (moved.shown) {
        changed_ += moved.box;
    }
    moved.box.moveTopLeft(topLeft);
    if (moved.shown) {
        changed_ += moved.box;
    }
}

void PlayfieldWidget::setShown(int item, bool shown)
{
    Item& changed = at(item);
    changed.shown = shown;
    changed_ += changed.box;
}

void PlayfieldWidget::setCaption(int item, const QString& caption)
{
    Item& changed = at(item);
    QGlyphRun line = captions_.set(caption, changed.box.width());
    // The weights line keeps its words and most of its digits from one
    // tick to the next: those pixels are neither drawn nor sent again.
    if (line.isEmpty() || changed.line.isEmpty()) {
        changed_ += changed.box;
    } else {
        changed_ += captions_.changedInk(changed.line, line).translated(changed.box.topLeft()) & changed.box;
    }
    changed.caption = caption;
    changed.line = std::move(line);
}

void PlayfieldWidget::paintChanges()
{
    // Painted within the tick, the change needs no wake-up of the event
    // loop of its own. A hidden field is painted whole when shown.
    if (!changed_.isEmpty()) {
        repaint(changed_);
        changed_ = QRegion();
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

void PlayfieldWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        captions_ = LineTypesetter(font(), this);
        for (Item& label : items_) {
            if (label.picture.isNull()) {
                label.line = captions_.set(label.caption, label.box.width());
            }
        }
    }
    QWidget::changeEvent(event);
}

void PlayfieldWidget::paintEvent(QPaintEvent* event)
{
    // One rectangle at a time: clipped to a rectangle, Qt's raster engine
    // blits pictures and glyphs directly, where a clip of several rectangles
    // (a sprite's old and new places and the changed ink of a caption)
    // would send every pixel through its span clipping.
    QPainter painter(this);
    for (const QRect& rect : event->region()) {
        paintRect(painter, rect);
    }
}

void PlayfieldWidget::paintRect(QPainter& painter, const QRect& rect)
{
    // An item hidden under those above it in the rectangle is not drawn at
    // all: the score band under the weights line, when only the weights change.
    QRegion uncovered = rect;
    QVarLengthArray<const Item*, 16> seen;  // top-most first
    for (auto it = items_.rbegin(); it != items_.rend() && !uncovered.isEmpty(); ++it) {
        if (it->shown && uncovered.intersects(it->box)) {
            seen.push_back(&*it);
            if (it->covers) {
                uncovered -= it->box;
            }
        }
    }

    painter.setClipRect(rect);
    for (const QRect& part : uncovered) {
        painter.fillRect(part, palette().color(QPalette::Window));
    }
    std::for_each(seen.rbegin(), seen.rend(), [&](const Item* drawn) {
        const Item& item = *drawn;
        if (item.picture.isNull()) {
            // A label: what QLabel draws for a plain caption, on the face colour.
            painter.fillRect(item.box & rect, palette().color(QPalette::Button));
            painter.setPen(palette().color(QPalette::ButtonText));
            if (!item.line.isEmpty()) {
                painter.drawGlyphRun(item.box.topLeft(), item.line);
            } else {
                painter.drawText(item.box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, item.caption);
            }
        } else {
            // Only the part of the picture that is inside its box and is
            // being repainted: a large wall is not copied whole for a sprite
            // passing over a corner of it.
            painter.setClipRect(item.box & rect);
            painter.drawPixmap(item.box.topLeft(), item.picture);
            painter.setClipRect(rect);
        }
    });
}

}  // namespace croquel::ui

#pragma once

#include "line_typesetter.h"

#include <QGlyphRun>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QPainter;

namespace croquel::ui {

// The client area of the game window with every control of its layout,
// drawn by this one widget in their stacking order: on a black field, the
// images and picture boxes, each picture from its box's top-left corner and
// clipped to the box, and the labels, each a box of the face colour with
// its caption word-wrapped from the top-left corner. A change repaints the
// rectangles it touches and nothing else: for a new caption on one line,
// the ink of the glyphs that changed.
class PlayfieldWidget final : public QWidget {
    Q_OBJECT
public:
    struct Item {
        QString name;        // the layout's name: "Picture5", "Image4", "Label1"
        QPixmap picture;     // null for a label
        QString caption;     // a label's
        QGlyphRun line;      // its caption set as one line; empty for the text layout to draw
        QRect box;           // in pixels
        bool covers = true;  // paints every pixel of its box
        bool shown = true;
    };

    explicit PlayfieldWidget(QWidget* parent);

    // Adds an item above those added before; returns its number.
    int addPicture(const QString& name, const QPixmap& picture, const QRect& box);
    int addLabel(const QString& name, const QString& caption, const QRect& box);

    // Changes are gathered and drawn by paintChanges(), in one pass.
    void move(int item, QPoint topLeft);
    void setShown(int item, bool shown);
    void setCaption(int item, const QString& caption);
    // Draws the gathered changes now, rather than at the event loop's next
    // turn: a tick that changes nothing draws nothing.
    void paintChanges();

    // The item of that name, or nullptr.
    const Item* item(QStringView name) const;
    // The items' names, top-most first.
    QStringList stacking() const;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void paintRect(QPainter& painter, const QRect& rect);
    int add(Item item);
    Item& at(int item) { return items_.at(static_cast<std::size_t>(item)); }

    std::vector<Item> items_;  // bottom-most first
    QRegion changed_;          // awaiting paintChanges()
    LineTypesetter captions_;
};

}  // namespace croquel::ui

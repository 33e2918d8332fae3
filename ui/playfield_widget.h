#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace croquel::ui {

// The client area of the game window with the pictures of its layout, the
// walls, pellets and sprites, drawn by this one widget in their stacking
// order on a black field: each picture from its box's top-left corner and
// clipped to the box. A change repaints the boxes it touches.
class PlayfieldWidget final : public QWidget {
    Q_OBJECT
public:
    struct Item {
        QString name;  // the layout's name: "Picture5", "Image4"
        QPixmap picture;
        QRect box;  // in pixels
        bool shown = true;
    };

    explicit PlayfieldWidget(QWidget* parent);

    // Adds a picture above those added before; returns its number.
    int addPicture(const QString& name, const QPixmap& picture, const QRect& box);

    // Each repaints what it changes; a move or a show that changes nothing
    // repaints nothing.
    void move(int item, QPoint topLeft);
    void setShown(int item, bool shown);

    // The item of that name, or nullptr.
    const Item* item(QStringView name) const;
    // The items' names, top-most first.
    QStringList stacking() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Item& at(int item) { return items_.at(static_cast<std::size_t>(item)); }

    std::vector<Item> items_;  // bottom-most first
};

}  // namespace croquel::ui

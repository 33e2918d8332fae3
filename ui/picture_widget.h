#pragma once

#include <QPixmap>
#include <QWidget>

namespace croquel::ui {

// Shows one picture from its top-left corner, clipped to the widget.
class PictureWidget final : public QWidget {
    Q_OBJECT
public:
    PictureWidget(QPixmap pixmap, QWidget* parent);

    const QPixmap& pixmap() const { return pixmap_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap pixmap_;
};

}  // namespace croquel::ui

#pragma once

#include <QLabel>

namespace croquel::ui {

// A label of the game window: its caption word-wrapped from the top-left
// corner, on the face colour. It paints its whole box itself, so that when
// its caption changes nothing beneath it (the score band under the weights
// line) is painted again.
class CaptionLabel final : public QLabel {
    Q_OBJECT
public:
    CaptionLabel(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace croquel::ui

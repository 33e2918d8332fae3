#include "secondary_window.h"

#include "form1_window.h"
#include "pictures.h"
#include "window_support.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <map>

namespace croquel::ui {

namespace {

constexpr int lineWidth = 2;

QRect pixelRect(const ChildLayout& child)
{
    return {toPixels(child.left), toPixels(child.top), toPixels(child.width), toPixels(child.height)};
}

Qt::WindowFlags flagsOf(FrameKind frame)
{
    switch (frame) {
    case FrameKind::FixedTool:
        return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case FrameKind::Sizeable: return Qt::Window;
    }
    return Qt::Window;
}

// A line drawn inside its bounding box; clicks go through to what lies below.
class LineWidget final : public QWidget {
public:
    LineWidget(const LineLayout& line, QWidget* parent) : QWidget(parent)
    {
        setObjectName(toQString(line.name));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        const QPoint from(toPixels(line.x1), toPixels(line.y1));
        const QPoint to(toPixels(line.x2), toPixels(line.y2));
        setGeometry(QRect(from, to).normalized().adjusted(-lineWidth, -lineWidth, lineWidth, lineWidth));
        from_ = from - pos();
        to_ = to - pos();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), lineWidth));
        painter.drawLine(from_, to_);
    }

private:
    QPoint from_;
    QPoint to_;
};

QPushButton* pictureButton(const ChildLayout& child, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    const qreal ratio = button->devicePixelRatioF();
    const QPixmap normal = loadPicture(toQString(child.text), ratio);
    QIcon icon(normal);
    button->setIconSize(normal.deviceIndependentSize().toSize());
    if (!child.pressedPicture.empty()) {
        const QPixmap pressed = loadPicture(toQString(child.pressedPicture), ratio);
        icon.addPixmap(pressed, QIcon::Disabled);
        const QIcon pressedIcon(pressed);
        // Buttons show one picture per state; the pressed one only while down.
        QObject::connect(button, &QPushButton::pressed, button,
                         [button, pressedIcon, size = pressed.deviceIndependentSize().toSize()] {
                             button->setIcon(pressedIcon);
                             button->setIconSize(size);
                         });
        QObject::connect(button, &QPushButton::released, button, [button, icon, size = button->iconSize()] {
            button->setIcon(icon);
            button->setIconSize(size);
        });
    }
    button->setIcon(icon);
    return button;
}

QWidget* createChild(const ChildLayout& child, QWidget* parent)
{
    switch (child.kind) {
    case ChildKind::Frame: return new QGroupBox(toQString(child.text), parent);
    case ChildKind::PictureButton: return pictureButton(child, parent);
    case ChildKind::Button: return new QPushButton(toQString(child.text), parent);
    case ChildKind::Label:
    case ChildKind::CentredLabel: {
        auto* label = new QLabel(toQString(child.text), parent);
        label->setWordWrap(true);
        label->setAlignment((child.kind == ChildKind::CentredLabel ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        return label;
    }
    case ChildKind::TextBox: {
        auto* box = new QLineEdit(toQString(child.text), parent);
        box->setCursorPosition(0);  // show the address from its start
        return box;
    }
    }
    return nullptr;
}

}  // namespace

SecondaryWindow::SecondaryWindow(const WindowLayout& layout) : QWidget(nullptr, flagsOf(layout.frame))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(toQString(layout.name));
    setWindowTitle(toQString(layout.caption));
    const QSize client(toPixels(layout.clientWidth), toPixels(layout.clientHeight));
    if (layout.frame == FrameKind::FixedTool) {
        setFixedSize(client);
        centreOnScreen(*this);
    } else {
        resize(client);
    }
    buildChildren(layout);
    if (auto* quit = findChild<QPushButton*>(toQString(layout.quitButton))) {
        connect(quit, &QPushButton::clicked, this, &QWidget::close);
    }
}

void SecondaryWindow::buildChildren(const WindowLayout& layout)
{
    QWidget* frame = nullptr;
    std::map<int, QWidget*> byTabIndex;
    auto place = [&](const ChildLayout& child) {
        QWidget* widget = createChild(child, child.inFrame && frame ? frame : this);
        widget->setObjectName(toQString(child.name));
        widget->setGeometry(pixelRect(child));
        byTabIndex[child.tabIndex] = widget;
        return widget;
    };
    for (const ChildLayout& child : layout.children) {
        if (child.kind == ChildKind::Frame) {
            frame = place(child);
        }
    }
    // Lines first, so the buttons they leave from are drawn above them.
    for (const LineLayout& line : layout.lines) {
        new LineWidget(line, frame ? frame : this);
    }
    for (const ChildLayout& child : layout.children) {
        if (child.kind != ChildKind::Frame) {
            place(child);
        }
    }

    QWidget* previous = nullptr;
    for (const auto& [index, widget] : byTabIndex) {
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous) {
            setTabOrder(previous, widget);
        } else {
            widget->setFocus();
        }
        previous = widget;
    }
}

}  // namespace croquel::ui

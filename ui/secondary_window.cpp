#include "secondary_window.h"

#include "pictures.h"
#include "window_manager.h"
#include "window_support.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

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

// A push button that shows a picture on the platform's button face. The
// picture is larger than the face: it is centred on it and clipped there,
// so the bevel, the pressed look and the focus frame stay the style's.
class PictureButton final : public QPushButton {
public:
    PictureButton(const ChildLayout& child, QWidget* parent) : QPushButton(parent)
    {
        const qreal ratio = devicePixelRatioF();
        picture_ = loadPicture(toQString(child.text), ratio);
        if (!child.pressedPicture.empty()) {
            pressedPicture_ = loadPicture(toQString(child.pressedPicture), ratio);
        }
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        painter.drawControl(QStyle::CE_PushButtonBevel, option);

        const QRect face = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        const bool pressedLook = isDown() || !isEnabled();
        const QPixmap& shown = pressedLook && !pressedPicture_.isNull() ? pressedPicture_ : picture_;
        QRect target(QPoint(), shown.deviceIndependentSize().toSize());
        target.moveCenter(face.center());
        if (isDown()) {
            // The picture covers the whole face, so the face's own pressed
            // shading is hidden: the picture sinks a pixel instead, as
            // picture buttons on the desktop always have.
            target.translate(1, 1);
        }
        painter.save();
        painter.setClipRect(face);
        painter.drawPixmap(target.topLeft(), shown);
        painter.restore();

        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

private:
    QPixmap picture_;
    QPixmap pressedPicture_;  // shown while down, and when disabled
};

bool hasOwnWindow(ChildKind kind)
{
    return kind != ChildKind::Label && kind != ChildKind::CentredLabel;
}

QWidget* createChild(const ChildLayout& child, QWidget* parent)
{
    switch (child.kind) {
    case ChildKind::Frame: return new QGroupBox(toQString(child.text), parent);
    case ChildKind::PictureButton: return new PictureButton(child, parent);
    case ChildKind::QuitButton: {
        auto* button = new QPushButton(toQString(child.text), parent);
        QObject::connect(button, &QPushButton::clicked, parent->window(), &QWidget::close);
        return button;
    }
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
    // Qt lets no tool window keep the program running; every window of the
    // game does, whatever its frame.
    setAttribute(Qt::WA_QuitOnClose);
    setObjectName(toQString(layout.name));
    setWindowTitle(toQString(layout.caption));
    const QSize client(toPixels(layout.clientWidth), toPixels(layout.clientHeight));
    if (layout.frame == FrameKind::FixedTool) {
        setFixedSize(client);
        keepOffTaskBar(*this);
        centreOnScreen(*this);
    } else {
        resize(client);
    }
    buildChildren(layout);
}

void SecondaryWindow::buildChildren(const WindowLayout& layout)
{
    QWidget* frame = nullptr;
    std::map<int, QWidget*> byTabIndex;  // every control has its own
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
    // Lines first: they lie below everything else.
    for (const LineLayout& line : layout.lines) {
        new LineWidget(line, frame ? frame : this);
    }
    for (const ChildLayout& child : layout.children) {
        if (child.kind != ChildKind::Frame) {
            place(child);
        }
    }

    // Controls with a window of their own (buttons, frames, text boxes) lie
    // above labels, and within each group the earlier in the layout lies
    // above the later: where arrow buttons overlap, the first covers the
    // next. Qt puts a raised widget above its siblings, so they are raised
    // from the bottom up.
    for (const bool windowed : {false, true}) {
        std::for_each(layout.children.rbegin(), layout.children.rend(), [&](const ChildLayout& child) {
            if (hasOwnWindow(child.kind) == windowed) {
                byTabIndex.at(child.tabIndex)->raise();
            }
        });
    }

    // A screen reader names a control by the label that names it on screen.
    for (const ChildLayout& child : layout.children) {
        if (!child.buddy.empty()) {
            findChild<QLabel*>(toQString(child.name))->setBuddy(findChild<QWidget*>(toQString(child.buddy)));
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

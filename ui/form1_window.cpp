#include "form1_window.h"

#include "pictures.h"
#include "playfield_widget.h"
#include "secondary_layouts.h"
#include "window_manager.h"
#include "window_support.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>

#include <algorithm>
#include <exception>

namespace croquel::ui {

namespace {

QRect pixelRect(const ControlLayout& child)
{
    return {toPixels(child.left), toPixels(child.top), toPixels(child.width), toPixels(child.height)};
}

QPoint pixelPosition(const PictureBox& box)
{
    return {toPixels(box.Left), toPixels(box.Top)};
}

}  // namespace

QString controlName(const ControlLayout& child)
{
    switch (child.kind) {
    case ControlKind::PictureBox: return QStringLiteral("Picture%1").arg(child.number);
    case ControlKind::Image: return QStringLiteral("Image%1").arg(child.number);
    case ControlKind::Label: return QStringLiteral("Label%1").arg(child.number);
    }
    return {};
}

QString form1Caption()
{
    return QString(79, u' ') + QStringLiteral("CROQUEL") + QString(55, u' ') + toQString(webAddress);
}

// Draws the controls before the box waits, so the player is seen gone and
// the stopped timers are stopped while the box is open.
class Form1Window::DrawFirstMessageBox final : public MessageBox {
public:
    DrawFirstMessageBox(Form1Window& window, MessageBox& box) : window_(window), box_(box) {}

    int show(std::string_view prompt, int style, std::string_view title) override
    {
        window_.render();
        window_.syncTimers();
        return box_.show(prompt, style, title);
    }

private:
    Form1Window& window_;
    MessageBox& box_;
};

Form1Window::Form1Window(Module1& module, KeyState& keys, RandomSource& random, MessageBox& messageBox)
    : messageBox_(std::make_unique<DrawFirstMessageBox>(*this, messageBox))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(form1Caption());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);

    form_ = std::make_unique<Form1>(module, Platform{keys, random, *messageBox_, *this});
    buildMenu();
    buildPlayfield();
    setFixedSize(sizeHint());
    addControls();

    const std::array<void (Form1Window::*)(), 3> ticks{&Form1Window::tickTimer1, &Form1Window::tickTimer2,
                                                       &Form1Window::tickTimer3};
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        timers_[i].setObjectName(QStringLiteral("Timer%1").arg(i + 1));
        timers_[i].setInterval(form_->timer(static_cast<int>(i) + 1).Interval);
        connect(&timers_[i], &QTimer::timeout, this, ticks[i]);
    }

    form_->Form_Load();
    render();
    syncTimers();

    keepOffTaskBar(*this);
    centreOnScreen(*this);
}

Form1Window::~Form1Window() = default;

void Form1Window::buildMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("menu"));
    menu->setObjectName(QStringLiteral("menu"));
    auto addItem = [&](const char* name, const QString& caption, void (Form1Window::*signal)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, signal);
    };
    addItem("commandes", QStringLiteral("commandes"), &Form1Window::commandesClicked);
    addItem("apropos", QStringLiteral("a propos"), &Form1Window::aproposClicked);
    addItem("lieninter", QStringLiteral("lien internet"), &Form1Window::lieninterClicked);
    menu->addSeparator()->setObjectName(QStringLiteral("barre"));
    QAction* quit = menu->addAction(QStringLiteral("quitter"));
    quit->setObjectName(QStringLiteral("quitter"));
    connect(quit, &QAction::triggered, this, &Form1Window::close);
}

void Form1Window::buildPlayfield()
{
    playfield_ = new PlayfieldWidget(this);
    playfield_->setObjectName(QStringLiteral("playfield"));
    playfield_->setFixedSize(toPixels(form1ClientWidth), toPixels(form1ClientHeight));
    setCentralWidget(playfield_);
}

void Form1Window::addControls()
{
    const qreal ratio = devicePixelRatioF();
    // Listed top-most first: added from the bottom up. The labels are
    // widgets of their own, above every picture: nothing of the maze
    // reaches their band along the bottom edge.
    std::for_each(form1Children.rbegin(), form1Children.rend(), [&](const ControlLayout& child) {
        const auto slot = static_cast<std::size_t>(child.number);
        const QString name = controlName(child);
        switch (child.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(toQString(child.caption), playfield_);
            label->setObjectName(name);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            // The face colour of the desktop's controls, as labels have
            // on a form; the playfield's own background is black.
            label->setAutoFillBackground(true);
            label->setBackgroundRole(QPalette::Button);
            label->setForegroundRole(QPalette::ButtonText);
            label->setGeometry(pixelRect(child));
            label->raise();
            labels_[slot] = label;
            break;
        }
        case ControlKind::PictureBox:
        case ControlKind::Image: {
            const int item =
                playfield_->addPicture(name, loadPicture(pictureFile(child.picture), ratio), pixelRect(child));
            (child.kind == ControlKind::PictureBox ? sprites_[slot] : images_[slot]) = item;
            break;
        }
        }
    });
}

const QTimer& Form1Window::timer(int number) const
{
    return timers_.at(static_cast<std::size_t>(number - 1));
}

QLabel* Form1Window::label(int number) const
{
    return labels_.at(static_cast<std::size_t>(number));
}

QAction* Form1Window::menuAction(const QString& name) const
{
    return findChild<QAction*>(name);
}

void Form1Window::tickTimer1()
{
    run(&Form1::Timer1_Timer);
}

void Form1Window::tickTimer2()
{
    run(&Form1::Timer2_Timer);
}

void Form1Window::tickTimer3()
{
    run(&Form1::Timer3_Timer);
}

void Form1Window::run(void (Form1::*handler)())
{
    if (halted_) {
        return;
    }
    try {
        ((*form_).*handler)();
        render();
        syncTimers();
    } catch (const std::exception& error) {
        // No handler catches run-time errors: the game stops here and the
        // program reports the error once.
        halted_ = true;
        syncTimers();
        emit failed(QString::fromUtf8(error.what()));
    }
}

void Form1Window::render()
{
    for (int n = 1; n <= 5; ++n) {
        const PictureBox& box = form_->picture(n);
        const int item = sprites_[static_cast<std::size_t>(n)];
        playfield_->move(item, pixelPosition(box));
        playfield_->setShown(item, box.Visible);
    }
    for (std::size_t n = 1; n < images_.size(); ++n) {
        playfield_->setShown(images_[n], form_->Image[n].Visible);
    }
    for (int n = 1; n <= 2; ++n) {
        label(n)->setText(QString::fromStdString(form_->label(n).Caption));  // unchanged: not drawn again
    }
}

void Form1Window::syncTimers()
{
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        const bool enabled = form_->timer(static_cast<int>(i) + 1).Enabled && !halted_;
        if (timers_[i].isActive() != enabled) {
            enabled ? timers_[i].start() : timers_[i].stop();
        }
    }
}

void Form1Window::unloadForm1()
{
    // Deleted on close, once the running handler has returned to the loop.
    if (!close()) {
        throw WindowError("the game window could not be unloaded");
    }
}

void Form1Window::closeEvent(QCloseEvent* event)
{
    // A tick already queued must not run on an unloaded window.
    halted_ = true;
    syncTimers();
    event->accept();
}

void Form1Window::keyPressEvent(QKeyEvent* event)
{
    // F10 selects the menu bar as a tap of Alt does; from there the menu bar
    // handles the keys itself (Down or Enter opens the menu, Escape leaves).
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier) {
        QKeyEvent altDown(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &altDown);
        QCoreApplication::sendEvent(this, &altUp);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace croquel::ui

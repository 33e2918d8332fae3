#include "program.h"

#include "form1_window.h"
#include "pictures.h"
#include "secondary_window.h"
#include "window_manager.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

namespace croquel::ui {

void reportFatalAndExit(const QString& message)
{
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("CROQUEL"),
                          QStringLiteral("Erreur d'exécution : %1").arg(message));
    QCoreApplication::exit(1);
}

void prepareApplication()
{
    // The desktop matches the running game to its menu entry by these: on
    // Wayland the entry's id is the windows' app id, and on X11 the name is
    // the class of every window, the entry's StartupWMClass.
    QCoreApplication::setApplicationName(QStringLiteral(CROQUEL_APP_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(CROQUEL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(CROQUEL_APP_ID));
    // The game window redraws a few small rectangles five times a second.
    // Through shared memory, Qt on X11 waits before each redraw until the
    // X server has read the previous one: scripts/bench shows idle play on
    // X11 costing about half as much again with it.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
}

Program::Program() : random_(clockRandom_), messageBox_(qtMessageBox_), reportFatal_(reportFatalAndExit)
{
    installPlatform();
}

Program::Program(RandomSource& random, MessageBox& messageBox, FatalReport report)
    : random_(random), messageBox_(messageBox), reportFatal_(std::move(report))
{
    installPlatform();
}

Program::~Program()
{
    for (QWidget* window : std::initializer_list<QWidget*>{form1_, form2_, form3_, form4_}) {
        delete window;
    }
}

Form1Window* Program::form1() const
{
    return form1_;
}

void Program::installPlatform()
{
    // The layouts were measured for a narrow 8 point dialog font; a wider
    // desktop default would cut their captions short.
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), font.family()});
    font.setPointSizeF(8.0);
    QApplication::setFont(font);
    QGuiApplication::setWindowIcon(QIcon(loadPicture(QStringLiteral("icon.png"), 1.0)));
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(&keys_);
    }
}

void Program::start()
{
    if (form1_) {
        return;
    }
    form1_ = new Form1Window(module1_, keys_, random_, messageBox_);
    qtMessageBox_.setOwner(form1_);
    connect(form1_, &Form1Window::failed, this, [this](const QString& message) { reportFatal_(message); });
    connect(form1_, &Form1Window::commandesClicked, this, &Program::showForm2);
    connect(form1_, &Form1Window::aproposClicked, this, &Program::showForm3);
    connect(form1_, &Form1Window::lieninterClicked, this, &Program::showForm4);
    form1_->show();
}

void Program::showSecondary(QPointer<SecondaryWindow>& window, const WindowLayout& layout)
{
    if (!window) {
        window = new SecondaryWindow(layout);
        window->installEventFilter(this);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

bool Program::eventFilter(QObject* watched, QEvent* event)
{
    // The window the player closes hands the keys back to the game. The
    // window manager would not: openbox and xfwm4 pass the focus over a
    // window that keeps off the task bar, to another program. Asked once
    // the closed window is gone, after the window manager chose.
    if (event->type() == QEvent::Close && form1_ && static_cast<QWidget*>(watched)->isActiveWindow()) {
        QMetaObject::invokeMethod(
            form1_, [game = form1_] { takeFocusBack(*game); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void Program::showForm2()
{
    showSecondary(form2_, form2Layout);
}

void Program::showForm3()
{
    showSecondary(form3_, form3Layout);
}

void Program::showForm4()
{
    showSecondary(form4_, form4Layout);
}

SecondaryWindow* Program::form2() const
{
    return form2_;
}

SecondaryWindow* Program::form3() const
{
    return form3_;
}

SecondaryWindow* Program::form4() const
{
    return form4_;
}

}  // namespace croquel::ui

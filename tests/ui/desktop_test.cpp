// What a window manager on a real X server sees of the windows: which ask
// for no task-bar button, where their frames sit, where the game-over box
// opens, and who has the keys. Run by with_desktop.sh under Xvfb, with
// openbox and again with xfwm4.
#include "form1_window.h"
#include "program.h"
#include "secondary_window.h"
#include "window_manager.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <random>

using namespace croquel;

namespace {

xcb_connection_t* connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection(), xcb_intern_atom(connection(), 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

// A property of 32-bit items as the X server holds it; empty when absent.
QList<quint32> windowProperty(xcb_window_t window, const char* name, xcb_atom_t type)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection(), xcb_get_property(connection(), 0, window, atom(name), type, 0, 1024), nullptr);
    QList<quint32> values;
    if (reply && reply->format == 32 && reply->type == type) {
        const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
        values = QList<quint32>(data, data + reply->value_len);
    }
    std::free(reply);
    return values;
}

// A property of 8-bit items, a text; empty when absent.
QByteArray textProperty(xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(connection(), xcb_get_property(connection(), 0, window, name, type, 0, 256), nullptr);
    QByteArray text;
    if (reply && reply->format == 8 && reply->type == type) {
        text =
            QByteArray(static_cast<const char*>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    }
    std::free(reply);
    return text;
}

xcb_window_t idOf(const QWidget* window)
{
    return static_cast<xcb_window_t>(window->winId());
}

xcb_window_t root()
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
}

// The window as a person sees it: its client area where the X server put
// it, grown by the frame the window manager says it drew. None until the
// window manager has mapped it: the frame's size is known before that, and
// the client waits unplaced at the screen's corner.
std::optional<QRect> frameOnScreen(const QWidget* window)
{
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(connection(), xcb_get_window_attributes(connection(), idOf(window)), nullptr);
    const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(attributes);
    if (!viewable) {
        return std::nullopt;
    }
    const QList<quint32> extents = windowProperty(idOf(window), "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection(), xcb_get_geometry(connection(), idOf(window)), nullptr);
    xcb_translate_coordinates_reply_t* corner = xcb_translate_coordinates_reply(
        connection(), xcb_translate_coordinates(connection(), idOf(window), root(), 0, 0), nullptr);
    std::optional<QRect> frame;
    if (extents.size() == 4 && geometry && corner) {
        const QRect client(corner->dst_x, corner->dst_y, geometry->width, geometry->height);
        frame = client.marginsAdded(QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3])));
    }
    std::free(geometry);
    std::free(corner);
    return frame;
}

// Framed by the window manager and settled where it will stay.
std::optional<QRect> settledFrame(const QWidget* window)
{
    std::optional<QRect> frame;
    const bool settled = QTest::qWaitFor([&] {
        std::optional<QRect> now = frameOnScreen(window);
        const bool same = now && frame == now;
        frame = now;
        return same;
    });
    return settled ? frame : std::nullopt;
}

QPointF centreOf(const QRect& rect)
{
    return QRectF(rect).center();
}

// A window of another process, found by its title among every window below
// root, the window manager's frames included.
xcb_window_t windowTitled(const QString& title, qint64 process, xcb_window_t parent = XCB_WINDOW_NONE)
{
    if (parent == XCB_WINDOW_NONE) {
        parent = root();
    }
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection(), xcb_query_tree(connection(), parent), nullptr);
    if (!tree) {
        return XCB_WINDOW_NONE;
    }
    const xcb_window_t* children = xcb_query_tree_children(tree);
    const QList<xcb_window_t> below(children, children + xcb_query_tree_children_length(tree));
    std::free(tree);
    for (const xcb_window_t child : below) {
        if (QString::fromUtf8(textProperty(child, atom("_NET_WM_NAME"), atom("UTF8_STRING"))).contains(title)
            && windowProperty(child, "_NET_WM_PID", XCB_ATOM_CARDINAL).value(0) == process) {
            return child;
        }
        if (const xcb_window_t inside = windowTitled(title, process, child); inside != XCB_WINDOW_NONE) {
            return inside;
        }
    }
    return XCB_WINDOW_NONE;
}

// Held by the window manager, which gives every window it manages a desktop;
// one found before that may not be acted on yet.
bool isManaged(xcb_window_t window)
{
    return !windowProperty(window, "_NET_WM_DESKTOP", XCB_ATOM_CARDINAL).isEmpty();
}

xcb_window_t activeWindow()
{
    return windowProperty(root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW).value(0);
}

// Asks the window manager to close a window, as a task bar's menu does.
void closeAsATaskBarDoes(xcb_window_t window)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("_NET_CLOSE_WINDOW");
    message.data.data32[1] = 2;  // from a pager or task bar, at the current time
    xcb_send_event(connection(), 0, root(), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection());
}

// The close seen delivered: the window goes, whether or not its program
// then ends.
bool closedByTheWindowManager(xcb_window_t window, const char* title, qint64 process)
{
    closeAsATaskBarDoes(window);
    return QTest::qWaitFor([&] { return windowTitled(title, process) == XCB_WINDOW_NONE; }, 10000);
}

// Whether xdotool did what it was asked: a key or click it could not send
// fails where it was sent, not as a missing effect further on.
[[nodiscard]] bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// What the X server shows of a window, every device pixel.
QImage pixelsOf(xcb_window_t window)
{
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection(), xcb_get_geometry(connection(), window), nullptr);
    if (!geometry) {
        return {};
    }
    const int width = geometry->width;
    const int height = geometry->height;
    std::free(geometry);
    xcb_get_image_reply_t* image =
        xcb_get_image_reply(connection(),
                            xcb_get_image(connection(), XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), ~0U),
                            nullptr);
    if (!image || xcb_get_image_data_length(image) != width * height * 4) {
        std::free(image);
        return {};
    }
    const QImage pixels = QImage(xcb_get_image_data(image), width, height, width * 4, QImage::Format_RGB32).copy();
    std::free(image);
    return pixels;
}

// The patches of one exact colour: the largest, where its first pixel lies,
// and how many pixels lie apart from it.
struct Patches {
    int largest = 0;
    QPoint largestAt;
    int apart = 0;
};

Patches patchesOf(const QImage& image, QRgb colour)
{
    Patches found;
    int total = 0;
    QList<bool> seen(qsizetype(image.width()) * image.height());
    auto visit = [&](QPoint p) {
        const bool fresh = image.rect().contains(p) && !seen[p.y() * image.width() + p.x()] && image.pixel(p) == colour;
        if (fresh) {
            seen[p.y() * image.width() + p.x()] = true;
        }
        return fresh;
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QList<QPoint> todo;
            if (visit({x, y})) {
                todo << QPoint(x, y);
            }
            int size = 0;
            while (!todo.isEmpty()) {
                const QPoint p = todo.takeLast();
                ++size;
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1), QPoint(1, 1),
                                          QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1)}) {
                    if (visit(p + step)) {
                        todo << p + step;
                    }
                }
            }
            total += size;
            if (size > found.largest) {
                found.largest = size;
                found.largestAt = {x, y};
            }
        }
    }
    found.apart = total - found.largest;
    return found;
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!connection()) {
            QSKIP("needs Qt on an X server");
        }
        // A window manager that has just started may not answer yet.
        QWidget probe;
        probe.resize(10, 10);
        QVERIFY2(QTest::qWaitFor([&] { return !ui::expectedFrame(probe).isNull(); }),
                 "no window manager answers on this display");
        terminal_.setWindowTitle(QStringLiteral("terminal"));
        terminal_.setGeometry(40, 40, 200, 100);  // clear of every window of the game
        terminal_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&terminal_));
    }

    // Only the web-link window has a task-bar button; the others sit in the
    // middle of the screen, frame and all.
    void windowsAskForTheirTaskBarButtonAndPlace_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<bool>("onTaskBar");
        QTest::newRow("Form1") << 1 << false;
        QTest::newRow("Form2") << 2 << false;
        QTest::newRow("Form3") << 3 << false;
        QTest::newRow("Form4") << 4 << true;
    }
    void windowsAskForTheirTaskBarButtonAndPlace()
    {
        QFETCH(int, form);
        QFETCH(bool, onTaskBar);
        ui::Program program;
        program.start();
        program.form1()->form().Timer3.Enabled = false;  // the chaser stays away
        program.form1()->syncTimers();
        const std::array<void (ui::Program::*)(), 3> show{&ui::Program::showForm2, &ui::Program::showForm3,
                                                          &ui::Program::showForm4};
        QWidget* window = program.form1();
        if (form > 1) {
            (program.*show[static_cast<std::size_t>(form - 2)])();
            window = form == 2 ? program.form2() : form == 3 ? program.form3() : program.form4();
        }
        const std::optional<QRect> frame = settledFrame(window);
        QVERIFY(frame);

        // Asked for once the window is mapped: it may come after the frame.
        const auto skipsTaskBar = [&] {
            return windowProperty(idOf(window), "_NET_WM_STATE", XCB_ATOM_ATOM)
                .contains(atom("_NET_WM_STATE_SKIP_TASKBAR"));
        };
        QVERIFY(onTaskBar || QTest::qWaitFor(skipsTaskBar));
        QCOMPARE(!skipsTaskBar(), onTaskBar);
        if (!onTaskBar) {
            const QPointF off = centreOf(*frame) - centreOf(window->screen()->availableGeometry());
            QVERIFY2(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2,
                     qPrintable(QStringLiteral("frame centre off by (%1, %2)").arg(off.x()).arg(off.y())));
        }
    }

    // Docks that match windows by class find the game's menu entry.
    void windowClassIsTheEntrysStartupWMClass()
    {
        QFile entry(QStringLiteral(CROQUEL_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        QString startupClass;
        for (const QString& line : QString::fromUtf8(entry.readAll()).split(u'\n')) {
            if (line.startsWith(QStringLiteral("StartupWMClass="))) {
                startupClass = line.section(u'=', 1);
            }
        }
        QVERIFY(!startupClass.isEmpty());

        ui::Program program;
        program.start();
        // The instance name, then the class, each ending in a null.
        const QByteArray value = textProperty(idOf(program.form1()), XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
        QCOMPARE(QString::fromLatin1(value.split('\0').value(1)), startupClass);
    }

    // The game-over box, a critical stop, opens over the game window even
    // while another window of the program is the active one.
    void gameOverBoxOpensOverTheGameWindow()
    {
        ui::Program program;
        program.start();
        QPointer<ui::Form1Window> game = program.form1();
        game->form().Timer3.Enabled = false;
        game->syncTimers();
        QVERIFY(settledFrame(game));
        program.showForm4();
        QVERIFY(QTest::qWaitForWindowActive(program.form4()));

        std::optional<QRect> boxFrame;
        std::optional<QRect> gameFrame;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QString words;  // the title, then the prompt
        QTimer measure;
        connect(&measure, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                measure.stop();
                icon = box->icon();
                buttons = box->standardButtons();
                words = box->windowTitle() + u'|' + box->text();
                boxFrame = settledFrame(box);
                gameFrame = frameOnScreen(game);
                box->accept();
            }
        });
        measure.start(20);
        QTimer::singleShot(10000, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        game->form().Picture5.setTop(50);  // on the player's cell: caught
        game->form().Picture5.setLeft(50);
        game->tickTimer2();

        QCOMPARE(icon, QMessageBox::Critical);  // style 16: the critical stop and OK alone
        QCOMPARE(buttons, QMessageBox::Ok);
        QCOMPARE(words, QStringLiteral("Tu t'est fait manger ^^|Niark Niark !!!!!! GAME OVER !!!!!!    points:0"));
        QVERIFY(boxFrame && gameFrame);
        const QPointF off = centreOf(*boxFrame) - centreOf(*gameFrame);
        QVERIFY2(std::abs(off.x()) <= 4 && std::abs(off.y()) <= 4,
                 qPrintable(QStringLiteral("box centre off the game's by (%1, %2)").arg(off.x()).arg(off.y())));
    }

    // The game as a player starts it from a terminal, at 125 %: it takes the
    // focus, and random arrow keys move the player; no pixel of the chaser
    // stays behind where it was. The program is stopped while the screen is
    // read, so the screen holds still.
    void noStaleStripOfTheChaserAtAFractionalScale()
    {
        const QRgb chaserBlue = qRgb(0x00, 0x00, 0xB8);
        const QRgb playerYellow = qRgb(0xFF, 0xFF, 0x00);
        const QStringList arrows{"Down", "Right", "Up", "Left"};
        std::mt19937 generator(20261209);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_SCALE_FACTOR", "1.25");
        QStringList looks;  // stray pixels in each look
        int chaserMoves = 0;
        int playerMoves = 0;
        QPoint chaserWas;
        QPoint playerWas;
        // A run ends early when the chaser catches the player.
        for (int run = 0; run < 5 && looks.size() < 4; ++run) {
            QProcess game;
            const xcb_window_t window = startAsAPersonDoes(game, environment);
            QVERIFY(window != XCB_WINDOW_NONE);
            QVERIFY2(QTest::qWaitFor([&] { return activeWindow() == window; }), "the game did not take the focus");
            while (looks.size() < 4) {
                for (int press = 0; press < 12; ++press) {
                    QVERIFY(xdotool({"key", arrows[std::uniform_int_distribution(0, 3)(generator)]}));
                    QTest::qWait(60);
                }
                ::kill(static_cast<pid_t>(game.processId()), SIGSTOP);
                QTest::qWait(100);  // what the program sent before it stopped
                const bool playing = windowTitled("Tu t'est fait manger", game.processId()) == XCB_WINDOW_NONE;
                const QImage shot = playing ? pixelsOf(window) : QImage();
                ::kill(static_cast<pid_t>(game.processId()), SIGCONT);
                if (shot.isNull()) {
                    break;
                }
                const Patches blue = patchesOf(shot, chaserBlue);
                const Patches yellow = patchesOf(shot, playerYellow);
                QVERIFY2(blue.largest > 1000, "the chaser is not on the screen");
                chaserMoves += !looks.isEmpty() && blue.largestAt != chaserWas;
                playerMoves += !looks.isEmpty() && yellow.largestAt != playerWas;
                chaserWas = blue.largestAt;
                playerWas = yellow.largestAt;
                looks << QString::number(blue.apart);
            }
            game.kill();
            game.waitForFinished();
        }
        qInfo("stray pixels of the chaser in each look: %s", qPrintable(looks.join(' ')));
        QCOMPARE(looks.size(), 4);
        QVERIFY2(chaserMoves > 0, "the chaser never moved");
        QVERIFY2(playerMoves > 0, "no arrow key moved the player");
        QCOMPARE(looks, QStringList(4, QStringLiteral("0")));
    }

    // Closing a window of the game gives the keys back to the game, not to
    // the program it was started from: the window manager would pass over a
    // window that keeps off the task bar. A window closed while another
    // program has the keys leaves them there.
    void closingAWindowOfTheGameLeavesItTheKeys_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("item");            // in the menu
        QTest::addColumn<bool>("keysElsewhere");  // closed by a task bar while another program has the keys
        QTest::newRow("Commandes") << QStringLiteral("Commandes") << 1 << false;
        QTest::newRow("A propos") << QStringLiteral("A propos") << 2 << false;
        QTest::newRow("Lien internet") << QStringLiteral("Lien internet") << 3 << false;
        QTest::newRow("Lien internet, the keys elsewhere") << QStringLiteral("Lien internet") << 3 << true;
    }
    void closingAWindowOfTheGameLeavesItTheKeys()
    {
        QFETCH(QString, caption);
        QFETCH(int, item);
        QFETCH(bool, keysElsewhere);
        for (int run = 0; run < 3; ++run) {  // a run the chaser ends is played again
            QProcess game;
            const xcb_window_t window = startAsAPersonDoes(game, QProcessEnvironment::systemEnvironment());
            QVERIFY(window != XCB_WINDOW_NONE);
            QVERIFY(QTest::qWaitFor([&] { return activeWindow() == window; }));
            QVERIFY(
                xdotool(QStringList{"key", "F10"} + QStringList(item, QStringLiteral("Down")) + QStringList{"Return"}));
            xcb_window_t opened = XCB_WINDOW_NONE;
            QVERIFY(QTest::qWaitFor([&] {
                opened = windowTitled(caption, game.processId());
                return opened != XCB_WINDOW_NONE && activeWindow() == opened;
            }));
            xcb_window_t keysTo = window;
            if (keysElsewhere) {
                QVERIFY(clickTerminal());
                keysTo = idOf(&terminal_);
                QVERIFY(QTest::qWaitFor([&] { return activeWindow() == keysTo; }));
                QTest::qWait(500);  // Qt on X11 takes a lost focus as lost 100 ms after the X server
                closeAsATaskBarDoes(opened);
            } else {
                QVERIFY(xdotool({"key", "alt+F4"}));  // the window manager's own close
            }
            QVERIFY(QTest::qWaitFor([&] { return windowTitled(caption, game.processId()) == XCB_WINDOW_NONE; }));
            QTest::qWait(keysElsewhere ? 1000 : 200);  // a hand-back is asked for once the window has gone
            const bool back = QTest::qWaitFor([&] { return activeWindow() == keysTo; });
            const bool caught = windowTitled("Tu t'est fait manger", game.processId()) != XCB_WINDOW_NONE;
            game.kill();
            game.waitForFinished();
            if (!caught) {
                QVERIFY2(back, keysElsewhere ? "the closed window took the keys from another program"
                                             : "the keys went elsewhere when the window closed");
                return;
            }
        }
        QFAIL("the chaser ended every game too soon");
    }

    // The game as a Windows player gets it: the zip unpacked into an empty
    // folder, croquel.exe started under Wine through Qt's windows platform.
    // The field is drawn as in its reference picture but where the chaser
    // has moved, an arrow moves the player, the menu opens "Commandes", and
    // closing the windows ends the program with status 0. scripts/test runs
    // it on the zip scripts/windows writes.
    void windowsZipPlayedUnderWine()
    {
        const QString zip = qEnvironmentVariable("CROQUEL_WINDOWS_ZIP");
        if (zip.isEmpty()) {
            QSKIP("run by scripts/test on the zip scripts/windows writes");
        }
        const QTemporaryDir folder;
        QCOMPARE(QProcess::execute(QStringLiteral("unzip"), {"-q", zip, "-d", folder.path()}), 0);
        const QString program = folder.filePath(QFileInfo(zip).completeBaseName() + "/croquel.exe");
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine64"), {"/usr/lib/wine", "/usr/bin"});
        QVERIFY2(!wine.isEmpty(), "Wine is not installed");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("WINEDEBUG", "-all");
        environment.insert("WINEDLLOVERRIDES", "mscoree,mshtml=");

        const QImage reference =
            QImage(QStringLiteral(CROQUEL_TESTS_DIR "/ui/first_frame.png")).convertToFormat(QImage::Format_RGB32);
        const QRect chaserStart(293, 210, 40, 45);
        for (int run = 0; run < 3; ++run) {  // a run the chaser ends is played again
            QProcess game;
            game.setProcessEnvironment(environment);
            game.setProcessChannelMode(QProcess::ForwardedChannels);
            game.start(wine, {program});
            const auto stop = qScopeGuard([&] {
                game.kill();
                game.waitForFinished();
            });
            xcb_window_t window = XCB_WINDOW_NONE;
            const bool opened = QTest::qWaitFor(
                [&] {
                    window = windowTitled("CROQUEL", game.processId());
                    return window != XCB_WINDOW_NONE || game.state() == QProcess::NotRunning;
                },
                30000);
            QVERIFY2(opened && window != XCB_WINDOW_NONE,
                     qPrintable(QStringLiteral("the game's window did not open; the program %1")
                                    .arg(opened ? QStringLiteral("ended with status %1").arg(game.exitCode())
                                                : QStringLiteral("went on without it"))));
            QVERIFY(QTest::qWaitFor([&] { return activeWindow() == window; }));

            // The field fills the window below the menu bar, once drawn. What
            // differs from its reference but for the chaser's start must fit
            // the chaser; the labels (magenta there) are left out.
            QImage shot;
            int top = -1;
            QRect moved;
            const auto drawn = [&] {
                shot = pixelsOf(window);
                top = shot.height() - reference.height();
                moved = {};
                for (int y = 0; y < reference.height() && top >= 0; ++y) {
                    for (int x = 0; x < reference.width(); ++x) {
                        const QRgb expected = reference.pixel(x, y);
                        if (expected != qRgb(0xFF, 0, 0xFF) && shot.pixel(x, top + y) != expected
                            && !chaserStart.contains(x, y)) {
                            moved |= QRect(x, y, 1, 1);
                        }
                    }
                }
                return top >= 0 && moved.width() <= chaserStart.width() && moved.height() <= chaserStart.height();
            };
            QVERIFY2(QTest::qWaitFor(drawn),
                     qPrintable(QStringLiteral("the field differs from its reference within x %1-%2, y %3-%4")
                                    .arg(moved.left())
                                    .arg(moved.right())
                                    .arg(moved.top())
                                    .arg(moved.bottom())));

            const QRgb playerYellow = qRgb(0xFF, 0xFF, 0x00);
            const QPoint playerWas = patchesOf(shot, playerYellow).largestAt;
            QVERIFY(xdotool({"key", "Right"}));
            const bool playerMoved =
                QTest::qWaitFor([&] { return patchesOf(pixelsOf(window), playerYellow).largestAt != playerWas; });
            QVERIFY(xdotool({"key", "F10", "Down", "Return"}));
            xcb_window_t commandes = XCB_WINDOW_NONE;
            const bool commandesOpened = QTest::qWaitFor(
                [&] { return (commandes = windowTitled("Commandes", game.processId())) != XCB_WINDOW_NONE; });
            if (windowTitled("Tu t'est fait manger", game.processId()) != XCB_WINDOW_NONE) {
                continue;
            }
            QVERIFY2(playerMoved, "the arrow did not move the player");
            QVERIFY2(commandesOpened, "the menu did not open Commandes");
            QVERIFY(QTest::qWaitFor([&] { return isManaged(commandes); }));
            QVERIFY2(closedByTheWindowManager(commandes, "Commandes", game.processId()),
                     "the close of Commandes was not delivered");
            const bool delivered = closedByTheWindowManager(window, "CROQUEL", game.processId());
            const bool ended = delivered && game.waitForFinished(20000);
            if (!ended && windowTitled("Tu t'est fait manger", game.processId()) != XCB_WINDOW_NONE) {
                continue;
            }
            QVERIFY2(delivered, "the close of the game's window was not delivered");
            QVERIFY2(ended, "the program went on after its last window closed");
            QCOMPARE(game.exitStatus(), QProcess::NormalExit);
            QCOMPARE(game.exitCode(), 0);
            return;
        }
        QFAIL("the chaser ended every game too soon");
    }

private:
    [[nodiscard]] bool clickTerminal()
    {
        return xdotool({"mousemove", "--window", QString::number(idOf(&terminal_)), "20", "20", "click", "1"});
    }

    // Starts the game as a person does from a terminal: another program has
    // the focus and was just clicked and typed in, and nobody asks the window
    // manager to activate the game. Returns the game's window once the
    // window manager holds it.
    xcb_window_t startAsAPersonDoes(QProcess& game, const QProcessEnvironment& environment)
    {
        if (!clickTerminal() || !QTest::qWaitForWindowActive(&terminal_) || !xdotool({"key", "shift"})) {
            return XCB_WINDOW_NONE;
        }
        game.setProcessEnvironment(environment);
        game.start(QStringLiteral(CROQUEL_PROGRAM), {});
        xcb_window_t window = XCB_WINDOW_NONE;
        const bool managed =
            QTest::qWaitFor([&] { return (window = windowTitled("CROQUEL", game.processId())) != XCB_WINDOW_NONE; },
                            20000)
            && QTest::qWaitFor([&] { return isManaged(window); });
        return managed ? window : xcb_window_t{XCB_WINDOW_NONE};
    }

    QWidget terminal_;  // stands for the terminal the game is started from
};

// The game's own set-up comes before the application object, as in the game.
int main(int argc, char* argv[])
{
    ui::prepareApplication();
    QApplication app(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "desktop_test.moc"

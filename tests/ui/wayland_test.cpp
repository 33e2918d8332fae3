// The game as a native Wayland client of a real compositor. Under sway: the
// app id the dock matches to the menu entry, keys typed on the compositor's
// keyboard, the keyboard menu, and the game-over box closed by Enter, after
// which the program ends. Under weston, which leaves the title bar to the
// client: the window as it is drawn below Qt's own title bar. Run by
// with_wayland.sh, headless.
#include "form1_window.h"
#include "program.h"
#include "secondary_window.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <cstring>
#include <optional>
#include <utility>

using namespace croquel;

namespace {

// Keys typed as the compositor's own keyboard, one after the other.
void type(const QStringList& keys)
{
    QStringList arguments;
    for (const QString& key : keys) {
        arguments << QStringLiteral("-k") << key;
    }
    QProcess::execute(QStringLiteral("wtype"), arguments);
}

// The app ids of the windows the compositor shows.
QStringList appIds()
{
    QProcess tree;
    tree.start(QStringLiteral("swaymsg"), {QStringLiteral("-t"), QStringLiteral("get_tree")});
    tree.waitForFinished();
    QStringList ids;
    std::function<void(const QJsonObject&)> walk = [&](const QJsonObject& node) {
        if (const QString id = node.value(QStringLiteral("app_id")).toString(); !id.isEmpty()) {
            ids << id;
        }
        for (const char* children : {"nodes", "floating_nodes"}) {
            for (const QJsonValue child : node.value(QLatin1String(children)).toArray()) {
                walk(child.toObject());
            }
        }
    };
    walk(QJsonDocument::fromJson(tree.readAllStandardOutput()).object());
    return ids;
}

// The compositor's whole screen, through its screenshot protocol.
QImage screenshot()
{
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    shooter.waitForFinished();
    const QStringList shots = QDir(folder.path()).entryList({QStringLiteral("*.png")});
    return shots.isEmpty() ? QImage() : QImage(folder.filePath(shots.first())).convertToFormat(QImage::Format_RGB32);
}

// Where a picture lies, pixel for pixel, in a larger one.
std::optional<QPoint> placeOf(const QImage& picture, const QImage& screen)
{
    const auto rowBytes = static_cast<std::size_t>(picture.width()) * 4;
    for (int y = 0; y + picture.height() <= screen.height(); ++y) {
        for (int x = 0; x + picture.width() <= screen.width(); ++x) {
            int row = 0;
            while (row < picture.height()
                   && std::memcmp(screen.constScanLine(y + row) + std::ptrdiff_t{x} * 4, picture.constScanLine(row),
                                  rowBytes)
                          == 0) {
                ++row;
            }
            if (row == picture.height()) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

}  // namespace

class WaylandTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QStringLiteral("wayland")) {
            QSKIP("needs Qt on a Wayland compositor");
        }
    }

    void playedThroughTheCompositor()
    {
        ui::Program program;
        program.start();
        ui::Form1Window* game = program.form1();
        for (int n = 1; n <= 3; ++n) {
            game->form().timer(n).Enabled = false;  // ticks come from this test
        }
        game->syncTimers();
        QTRY_VERIFY(game->isActiveWindow());
        QTRY_VERIFY(appIds().contains(QStringLiteral(CROQUEL_APP_ID)));

        type({QStringLiteral("Right")});
        QTRY_VERIFY((game->tickTimer1(), program.module1().left == 670));

        type({QStringLiteral("F10"), QStringLiteral("Down"), QStringLiteral("Return")});
        QTRY_VERIFY(program.form2() && program.form2()->isVisible());
        program.form2()->close();

        // Caught: the box opens over the game, Enter closes it, the game
        // window goes, and with it the program's last window.
        bool boxShown = false;
        QTimer pressEnter;
        connect(&pressEnter, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                box && box->isActiveWindow()) {
                boxShown = true;
                pressEnter.stop();
                type({QStringLiteral("Return")});
            }
        });
        pressEnter.start(50);
        QTimer::singleShot(0, [game] {
            game->form().Picture5.setTop(50);
            game->form().Picture5.setLeft(670);
            game->tickTimer2();
        });
        QTimer::singleShot(20000, [] { QCoreApplication::exit(2); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(boxShown);
        QVERIFY(!program.form1());
    }

    // Qt draws the title bar where the compositor does not: below it, the
    // whole window at its layout's size, menu bar, field and score line, as
    // the game drew them; closed as by its close box, the program ends.
    void titleBarDrawnByTheGame()
    {
        QImage desktop;  // as it is before the game, once the shell has drawn it
        QTRY_VERIFY([&] {
            const QImage previous = std::exchange(desktop, screenshot());
            return !desktop.isNull() && desktop == previous;
        }());
        ui::Program program;
        program.start();
        ui::Form1Window* game = program.form1();
        for (int n = 1; n <= 3; ++n) {
            game->form().timer(n).Enabled = false;  // the window holds still
        }
        game->tickTimer2();  // the score line
        QVERIFY(QTest::qWaitForWindowExposed(game));
        QCOMPARE(game->windowHandle()->size(), QSize(762, 525 + game->menuBar()->height()));
        QVERIFY(game->label(2)->text().startsWith(QStringLiteral("nombres de points: ")));
        const int titleBar = game->windowHandle()->frameMargins().top();
        QVERIFY2(titleBar > 0, "Qt drew no title bar");

        const QImage drawn = game->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage screen;
        std::optional<QPoint> shown;
        QTRY_VERIFY2((shown = placeOf(drawn, screen = screenshot())).has_value(),
                     "the window is not on the screen whole");
        const QRect above(shown->x(), shown->y() - titleBar, drawn.width(), titleBar);
        QVERIFY2(above.top() >= 0 && screen.copy(above) != desktop.copy(above), "no title bar above the window");

        QTimer::singleShot(0, game, [game] { game->windowHandle()->close(); });  // as its close box does
        QTimer::singleShot(20000, [] { QCoreApplication::exit(2); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!program.form1());
    }
};

// The game's own set-up comes before the application object, as in the game.
int main(int argc, char* argv[])
{
    ui::prepareApplication();
    QApplication app(argc, argv);
    WaylandTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "wayland_test.moc"

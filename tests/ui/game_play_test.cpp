#include "fakes.h"
#include "form1_window.h"
#include "key_latch.h"
#include "maze_walk.h"
#include "playfield_widget.h"
#include "program.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

#include <map>
#include <optional>
#include <random>

using namespace croquel;
using croquel::ui::Form1Window;

namespace {

// Reproducible draws in [0, 1).
class SeededRandom final : public RandomSource {
public:
    void reseed() override {}
    float next() override { return std::uniform_real_distribution<float>(0.0F, 1.0F)(generator_); }

private:
    std::mt19937 generator_{2026};
};

// The first key of a shortest way by single moves from one cell to another.
std::optional<Qt::Key> keyToward(testing::Cell from, testing::Cell to)
{
    const std::map<Direction, Qt::Key> keys{{Direction::Down, Qt::Key_Down},
                                            {Direction::Right, Qt::Key_Right},
                                            {Direction::Up, Qt::Key_Up},
                                            {Direction::Left, Qt::Key_Left}};
    std::map<testing::Cell, Direction> firstStep;
    std::vector<testing::Cell> frontier{from};
    std::set<testing::Cell> seen{from};
    for (std::size_t i = 0; i < frontier.size(); ++i) {
        const testing::Cell cell = frontier[i];
        if (cell == to) {
            return cell == from ? std::nullopt : std::optional(keys.at(firstStep.at(cell)));
        }
        for (Direction direction : testing::directions) {
            if (closes(static_cast<std::int16_t>(testing::codeAt(cell)), direction)) {
                continue;
            }
            const testing::Cell next = testing::neighbour(cell, direction);
            if (seen.insert(next).second) {
                firstStep[next] = cell == from ? direction : firstStep.at(cell);
                frontier.push_back(next);
            }
        }
    }
    return std::nullopt;
}

testing::Cell cellOf(float top, float left)
{
    return {(static_cast<int>(top) - 50) / 620, (static_cast<int>(left) - 50) / 620};
}

}  // namespace

class GamePlayTest : public QObject {
    Q_OBJECT
private slots:
    // Key presses reach the player through the latch, once per press.
    void arrowKeysPressedInTheWindowMoveThePlayerOnTheNextTick()
    {
        testing::ScriptedRandom random;
        testing::RecordingMessageBox box;
        ui::Program program(random, box, [](const QString&) { QFAIL("no error expected"); });
        program.start();
        Form1Window* window = program.form1();
        QTest::keyClick(window, Qt::Key_Right);
        window->tickTimer1();
        QCOMPARE(program.module1().left, 670);
        window->tickTimer1();  // one press, one move
        QCOMPARE(program.module1().left, 670);

        QTest::keyClick(window, Qt::Key_Down);  // closed at (50, 670): consumed
        window->tickTimer1();
        QTest::keyClick(window, Qt::Key_Left);
        window->tickTimer1();
        QCOMPARE(program.module1().top, 50);
        QCOMPARE(program.module1().left, 50);
        QCOMPARE(window->playfield()->item(u"Picture3")->box.topLeft(), QPoint(3, 3));
        QVERIFY(window->playfield()->item(u"Picture3")->shown);
    }

    void autoRepeatLatchesLikeAPressAndPollingClears()
    {
        QObject target;
        ui::KeyLatch latch;
        target.installEventFilter(&latch);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(&target, &repeat);
        QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(&target, &other);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &release);
        QVERIFY(latch.pressedSinceLastPoll(ArrowKey::Up));
        QVERIFY(!latch.pressedSinceLastPoll(ArrowKey::Up));
        QVERIFY(!latch.pressedSinceLastPoll(ArrowKey::Down));
        QVERIFY(!latch.pressedSinceLastPoll(ArrowKey::Left));
        QVERIFY(!latch.pressedSinceLastPoll(ArrowKey::Right));
    }

    // A whole game on the real windows: the player walks toward the chaser,
    // ticks come in the timers' proportions, and it ends with the message
    // and the window unloaded.
    void wholeGameFromStartToCapture()
    {
        SeededRandom random;
        testing::RecordingMessageBox box;
        QStringList errors;
        ui::Program program(random, box, [&](const QString& message) { errors << message; });
        program.start();
        QPointer<Form1Window> window = program.form1();
        const Form1& form = window->form();  // lives as long as the window
        int pointsShownAtTheEnd = -1;
        box.onShow = [&] {
            pointsShownAtTheEnd = window->label(2)->text().section(' ', -1).toInt();
            QVERIFY(!window->playfield()->item(u"Picture1")->shown);
        };

        // One step is 50 ms: Timer2 every step, Timer3 every 4th, Timer1 every
        // 5th. The steps run inside the event loop, so the loop ends by itself
        // when the game window, the last window, is unloaded.
        int step = 0;
        QTimer driver;
        connect(&driver, &QTimer::timeout, [&] {
            if (!window || !box.calls.empty() || step >= 40000) {
                driver.stop();
                return;
            }
            if (step % 5 == 0) {
                const auto key = keyToward(cellOf(program.module1().top, program.module1().left),
                                           cellOf(form.Picture5.Top, form.Picture5.Left));
                if (key) {
                    QTest::keyClick(window, *key);
                }
                window->tickTimer1();
            }
            if (step % 4 == 0) {
                window->tickTimer3();
            }
            window->tickTimer2();
            ++step;
        });
        driver.start(0);
        QTimer::singleShot(60000, [] { QCoreApplication::exit(2); });
        QCOMPARE(QCoreApplication::exec(), 0);  // the program ended with its last window

        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(", ")));
        QCOMPARE(box.calls.size(), std::size_t{1});
        const int points = box.calls[0].prompt.empty() ? -1 : std::stoi(box.calls[0].prompt.substr(46));
        QCOMPARE(box.calls[0].prompt, "Niark Niark !!!!!! GAME OVER !!!!!!    points:" + std::to_string(points));
        QCOMPARE(box.calls[0].title, std::string("Tu t'est fait manger ^^"));
        QCOMPARE(pointsShownAtTheEnd, points);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        qInfo("captured after %d ticks of 50 ms with %d points", step, points);
    }
};

QTEST_MAIN(GamePlayTest)
#include "game_play_test.moc"

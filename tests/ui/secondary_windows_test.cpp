#include "fakes.h"
#include "form1_window.h"
#include "program.h"
#include "secondary_layouts.h"
#include "secondary_window.h"
#include "window_support.h"

#include <QAccessible>
#include <QAction>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmapCache>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <memory>

using namespace croquel;
using croquel::ui::SecondaryWindow;
using croquel::ui::toPixels;

namespace {

QRect pixels(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Counts the events of one type that reach an object while it lives.
class EventCounter final : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type, int& count) : type_(type), count_(count)
    {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        count_ += event->type() == type_;
        return false;
    }

private:
    QEvent::Type type_;
    int& count_;
};

}  // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT

    testing::ScriptedRandom random_;
    testing::RecordingMessageBox box_;
    std::unique_ptr<ui::Program> program_;

    ui::Program& program() { return *program_; }
    void menu(const char* item) { program().form1()->menuAction(QLatin1String(item))->trigger(); }

private slots:
    void init()
    {
        random_ = {};
        program_ = std::make_unique<ui::Program>(random_, box_, [](const QString& m) { QFAIL(qPrintable(m)); });
        program().start();
    }
    void cleanup()
    {
        program_.reset();
        flushDeletes();
    }

    // Life of the windows.
    // A second show brings the open window to the front and activates it.
    void showingAnOpenWindowReusesIt()
    {
        menu("commandes");
        QPointer<SecondaryWindow> first = program().form2();
        QVERIFY(first && first->isVisible());
        menu("apropos");
        QTRY_COMPARE(QApplication::activeWindow(), program().form3());
        int raised = 0;
        EventCounter zOrder(first, QEvent::ZOrderChange, raised);
        menu("commandes");
        QCOMPARE(program().form2(), first.data());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::ranges::count_if(windows, [](QWidget* w) { return w->objectName() == "Form2"; }), 1);
        QCOMPARE(raised, 1);
        QTRY_COMPARE(QApplication::activeWindow(), first.data());
    }

    void closingDestroysAndTheNextShowBuildsAfresh()
    {
        menu("lieninter");
        auto* address = program().form4()->findChild<QLineEdit*>("Text1");
        QCOMPARE(address->text(), ui::toQString(ui::webAddress));
        QTest::keyClicks(address, "edited");
        QVERIFY(address->text() != ui::toQString(ui::webAddress));
        program().form4()->findChild<QPushButton*>("Command1")->click();
        flushDeletes();
        QVERIFY(!program().form4());
        menu("lieninter");
        QCOMPARE(program().form4()->findChild<QLineEdit*>("Text1")->text(), ui::toQString(ui::webAddress));

        for (const char* item : {"commandes", "apropos"}) {
            menu(item);
        }
        QVERIFY(program().form2()->close());  // the close box
        program().form3()->findChild<QPushButton*>("Command1")->click();
        flushDeletes();
        QVERIFY(!program().form2());
        QVERIFY(!program().form3());
    }

    void allThreeOpenBesideTheRunningGame()
    {
        for (const char* item : {"commandes", "apropos", "lieninter"}) {
            menu(item);
        }
        for (SecondaryWindow* window : {program().form2(), program().form3(), program().form4()}) {
            QVERIFY(window && window->isVisible());
            QVERIFY(!window->parent());  // not owned by the game window
        }
        QVERIFY(program().form1()->isVisible());
        for (int n = 1; n <= 3; ++n) {
            QVERIFY(program().form1()->timer(n).isActive());
        }
        random_.queueBases(0, 9, 0, 0);
        program().form1()->tickTimer3();
        QCOMPARE(program().form1()->form().Picture5.Left, 3770.0F);  // the chaser goes on
    }

    void quittingTheGameLeavesTheOthersAndTheProgramEndsWithTheLast()
    {
        bool aboutStillOpen = false;
        bool closedByUs = false;
        QTimer::singleShot(0, [&] {
            menu("apropos");
            menu("quitter");
            flushDeletes();
            aboutStillOpen = !program().form1() && program().form3() && program().form3()->isVisible();
            QTimer::singleShot(0, [&] {
                closedByUs = true;
                program().form3()->findChild<QPushButton*>("Command1")->click();
            });
        });
        QTimer::singleShot(10000, [] { QCoreApplication::exit(2); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(aboutStillOpen);
        QVERIFY(closedByUs);
    }

    void gameCloseBoxUnloadsOnlyTheGame()
    {
        menu("commandes");
        QVERIFY(program().form1()->close());
        flushDeletes();
        QVERIFY(!program().form1());
        QVERIFY(program().form2()->isVisible());
    }

    // The arrow buttons have no action; arrow keys move the player from
    // whichever window has the focus.
    void arrowButtonsOnlyLookPressed()
    {
        menu("commandes");
        SecondaryWindow* form2 = program().form2();
        for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
            QTest::mouseClick(form2->findChild<QPushButton*>(name), Qt::LeftButton);
        }
        program().form1()->tickTimer1();
        QVERIFY(program().form2() && program().form2()->isVisible());
        QVERIFY(program().form1()->isVisible());
        QCOMPARE(program().module1().top, 50);
        QCOMPARE(program().module1().left, 50);
    }

    // Each arrow shows on a button face with its edge, looks pressed while
    // down and shows the focus; the up arrow's pressed picture is the crisp
    // two-colour one. Where two overlap, the earlier in the layout is on top.
    void arrowButtonsLookLikeButtons()
    {
        menu("commandes");
        SecondaryWindow* form2 = program().form2();
        QVERIFY(QTest::qWaitForWindowActive(form2));
        const QImage shown = form2->grab().toImage();
        const QStringList arrows{"Command1", "Command2", "Command3", "Command4"};
        int overlaps = 0;
        for (qsizetype upper = 0; upper < arrows.size(); ++upper) {
            auto* above = form2->findChild<QPushButton*>(arrows[upper]);
            const QImage alone = above->grab().toImage();
            for (qsizetype lower = upper + 1; lower < arrows.size(); ++lower) {
                const QRect shared = above->geometry() & form2->findChild<QPushButton*>(arrows[lower])->geometry();
                for (int x = shared.left(); x <= shared.right(); ++x) {  // across the middle, clear of corners
                    const QPoint at(x, shared.center().y());
                    QCOMPARE(shown.pixel(above->parentWidget()->mapTo(form2, at)), alone.pixel(at - above->pos()));
                    ++overlaps;
                }
            }
        }
        QCOMPARE(overlaps, 4);  // Command2 over Command3 by one pixel, Command3 over Command4 by three
        form2->setAttribute(Qt::WA_KeyboardFocusChange);  // as after a Tab
        const QColor pictureGrey(0xDE, 0xDE, 0xDE);
        // Pixels of the middle of the face in neither of the crisp picture's two colours.
        auto softPixels = [&](const QImage& shot) {
            int soft = 0;
            for (int y = shot.height() / 2 - 8; y < shot.height() / 2 + 8; ++y) {
                for (int x = shot.width() / 2 - 8; x < shot.width() / 2 + 8; ++x) {
                    soft += shot.pixelColor(x, y) != pictureGrey && shot.pixelColor(x, y) != QColor(Qt::black);
                }
            }
            return soft;
        };
        auto blackBox = [](const QImage& shot) {
            QRect box;
            for (int y = 0; y < shot.height(); ++y) {
                for (int x = 0; x < shot.width(); ++x) {
                    box |= shot.pixelColor(x, y) == QColor(Qt::black) ? QRect(x, y, 1, 1) : QRect();
                }
            }
            return box;
        };
        for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
            auto* button = form2->findChild<QPushButton*>(name);
            button->clearFocus();
            const QImage resting = button->grab().toImage();
            const QColor edge = resting.pixelColor(0, resting.height() / 2);
            QVERIFY2(edge != pictureGrey && edge != resting.pixelColor(resting.rect().center()), name);
            button->setDown(true);
            const QImage down = button->grab().toImage();
            button->setDown(false);
            QVERIFY2(down != resting, name);
            if (button->objectName() != "Command1") {  // the same picture sinks a pixel
                QCOMPARE(blackBox(down), blackBox(resting).translated(1, 1));
            }
            QCOMPARE(softPixels(down) == 0, button->objectName() == "Command1");
            QVERIFY2(softPixels(resting) > 0, name);
            button->setFocus();
            QVERIFY2(button->grab().toImage() != resting, name);
        }
    }

    void arrowKeysInASecondaryWindowMoveThePlayer()
    {
        menu("commandes");
        QTest::keyClick(program().form2()->focusWidget(), Qt::Key_Right);
        program().form1()->tickTimer1();
        QCOMPARE(program().module1().left, 670);
        menu("lieninter");
        QTest::keyClick(program().form4()->findChild<QLineEdit*>("Text1"), Qt::Key_Down);
        program().form1()->tickTimer1();
        QCOMPARE(program().module1().left, 670);  // down is closed on the top row: consumed
        QTest::keyClick(program().form4()->findChild<QLineEdit*>("Text1"), Qt::Key_Left);
        program().form1()->tickTimer1();
        QCOMPARE(program().module1().left, 50);
    }

    // Without a mouse: F10 selects the menu bar, Down opens the menu on its
    // first item, Enter chooses it, Escape leaves; arrows still reach the
    // player meanwhile.
    void menuWorksFromTheKeyboard()
    {
        ui::Form1Window* game = program().form1();
        QVERIFY(QTest::qWaitForWindowActive(game));
        QMenuBar* bar = game->menuBar();
        QTest::keyClick(game, Qt::Key_F10);
        QCOMPARE(bar->activeAction(), bar->actions().front());
        QVERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!bar->activeAction());

        QTest::keyClick(game, Qt::Key_F10);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->activeAction(), game->menuAction("commandes"));
        QTest::keyClick(menu, Qt::Key_Up);
        QTest::keyClick(menu, Qt::Key_Down);
        QVERIFY(program().keys().pressedSinceLastPoll(ArrowKey::Up));
        QTest::keyClick(menu, Qt::Key_Return);
        QVERIFY(program().form2() && program().form2()->isVisible());
    }

    // The layouts, in pixels from twips: every control as its table says,
    // and a few values as the game's description gives them.
    void layoutsMatchTheirTables_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QStringList>("texts");   // "name=text", typos and all
        QTest::addColumn<QList<QLine>>("lines");  // ends in Frame1, 2 pixels wide
        QTest::newRow("Form2") << 2 << "Commandes" << QSize(284, 235) << "Command4" << QRect(102, 58, 37, 35)
                               << QStringList{"Frame1=Les commandes",     "Label1=deplacement droite",
                                              "Label2=deplacement haut",  "Label3=deplacement bas",
                                              "Label4=deplacement gauhe", "Command5=Quitter"}
                               << QList<QLine>{
                                      {120, 78, 162, 112}, {84, 42, 162, 30}, {84, 82, 130, 146}, {46, 78, 50, 124}};
        QTest::newRow("Form3") << 3 << "A propos" << QSize(311, 133) << "Command1" << QRect(76, 100, 149, 23)
                               << QStringList{"Command1=Quitter"} << QList<QLine>{};
        QTest::newRow("Form4") << 4 << "Lien internet" << QSize(250, 97) << "Text1" << QRect(108, 16, 115, 23)
                               << QStringList{"Label5=site internet:", "Command1=Quitter"} << QList<QLine>{};
    }
    void layoutsMatchTheirTables()
    {
        QFETCH(int, form);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QString, control);
        QFETCH(QRect, place);
        QFETCH(QStringList, texts);
        QFETCH(QList<QLine>, lines);
        const ui::WindowLayout& layout = form == 2 ? ui::form2Layout : form == 3 ? ui::form3Layout : ui::form4Layout;
        menu(form == 2 ? "commandes" : form == 3 ? "apropos" : "lieninter");
        SecondaryWindow* window = form == 2 ? program().form2() : form == 3 ? program().form3() : program().form4();
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->size(), client);
        QCOMPARE(window->findChild<QWidget*>(control)->geometry(), place);
        for (const QString& text : texts) {
            const QString name = text.section(u'=', 0, 0);
            QObject* widget = window->findChild<QWidget*>(name);
            const QString shown = widget->property(qobject_cast<QGroupBox*>(widget) ? "title" : "text").toString();
            QCOMPARE(name + u'=' + shown, text);
        }
        if (!lines.isEmpty()) {
            const QImage shot = window->grab().toImage();
            const QWidget* frame = window->findChild<QWidget*>("Frame1");
            const QRgb ink = window->palette().color(QPalette::WindowText).rgb();
            for (const QLine& line : lines) {
                const QPoint middle = frame->mapTo(window, line.center());
                QCOMPARE(shot.pixel(middle), ink);
                // Across a line that runs close to an axis: its width.
                const bool upright = std::abs(line.dy()) > 3 * std::abs(line.dx());
                const bool level = std::abs(line.dx()) > 3 * std::abs(line.dy());
                if (upright || level) {
                    const QPoint across = upright ? QPoint(1, 0) : QPoint(0, 1);
                    int width = 0;
                    for (int d = -4; d <= 4; ++d) {
                        width += shot.pixel(middle + d * across) == ink;
                    }
                    QCOMPARE(width, 2);
                }
            }
        }
        // What the player reads: the game's icon on the window and its
        // game; every caption whole, in the font the layouts were measured
        // for where it is installed; the address from its start.
        const QImage icon(QStringLiteral(":/pictures/icon.png"));
        for (QWidget* shown : {static_cast<QWidget*>(window), static_cast<QWidget*>(program().form1())}) {
            QCOMPARE(shown->windowIcon().pixmap(icon.size()).toImage().convertToFormat(icon.format()), icon);
        }
        if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
            QCOMPARE(QFontInfo(window->font()).family(), QStringLiteral("Liberation Sans"));
        }
        for (QLabel* label : window->findChildren<QLabel*>()) {  // the tightest captions
            const QRect room = label->contentsRect();
            const QRect needed =
                label->fontMetrics().boundingRect(room, label->alignment() | Qt::TextWordWrap, label->text());
            const QString cut =
                QStringLiteral(" is cut short: it needs %1x%2 px").arg(needed.width()).arg(needed.height());
            QVERIFY2(room.contains(needed), qPrintable(label->objectName() + cut));
        }
        if (auto* address = window->findChild<QLineEdit*>("Text1")) {
            const QRect cursor = address->inputMethodQuery(Qt::ImCursorRectangle).toRect();
            QVERIFY2(cursor.left() < address->contentsRect().left() + 8, "the address is scrolled");
        }
        const bool tool = layout.frame == ui::FrameKind::FixedTool;
        QCOMPARE(window->windowType() == Qt::Tool, tool);
        QCOMPARE(window->minimumSize() == window->maximumSize(), tool);
        QCOMPARE(bool(window->windowFlags() & Qt::WindowMinimizeButtonHint), !tool);

        QList<QWidget*> focusable;
        for (const ui::ChildLayout& child : layout.children) {
            auto* widget = window->findChild<QWidget*>(ui::toQString(child.name));
            QVERIFY2(widget, child.name.data());
            QCOMPARE(widget->geometry(), pixels(child.left, child.top, child.width, child.height));
            QCOMPARE(widget->parentWidget()->objectName(), child.inFrame ? QString("Frame1") : window->objectName());
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                QCOMPARE(label->text(), ui::toQString(child.text));
                QVERIFY(label->wordWrap());
                if (!child.buddy.empty()) {  // what a screen reader calls the control it names
                    auto* named = window->findChild<QWidget*>(ui::toQString(child.buddy));
                    QCOMPARE(QAccessible::queryAccessibleInterface(named)->text(QAccessible::Name), label->text());
                }
            } else if (auto* button = qobject_cast<QPushButton*>(widget);
                       button && child.kind == ui::ChildKind::QuitButton) {
                QCOMPARE(button->text(), ui::toQString(child.text));
            } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
                QCOMPARE(frame->title(), ui::toQString(child.text));
            }
            if (widget->focusPolicy() != Qt::NoFocus) {
                focusable << widget;
            }
        }
        QCOMPARE(window->focusWidget(), focusable.front());
        for (qsizetype i = 0; i + 1 < focusable.size(); ++i) {
            QWidget* next = focusable[i]->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus) {
                next = next->nextInFocusChain();
            }
            QCOMPARE(next, focusable[i + 1]);
        }
        for (const ui::LineLayout& line : layout.lines) {  // below every button of the frame
            auto* widget = window->findChild<QWidget*>(ui::toQString(line.name));
            QVERIFY(widget->parentWidget()->children().indexOf(widget)
                    < widget->parentWidget()->children().indexOf(window->findChild<QWidget*>("Command1")));
        }
    }

    // Each window's "Quitter", clicked as a person clicks it, closes that window.
    void quitterClosesItsWindow_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("button");
        QTest::newRow("Form2") << "commandes"
                               << "Command5";
        QTest::newRow("Form3") << "apropos"
                               << "Command1";
        QTest::newRow("Form4") << "lieninter"
                               << "Command1";
    }
    void quitterClosesItsWindow()
    {
        QFETCH(QString, item);
        QFETCH(QString, button);
        menu(item.toLatin1().constData());
        const QWidgetList before = QApplication::topLevelWidgets();
        const auto opened = std::ranges::find_if(before, [](QWidget* w) {
            return w->objectName().startsWith("Form") && w->objectName() != "Form1" && w->isVisible();
        });
        QVERIFY(opened != before.end());
        QPointer<QWidget> window = *opened;
        auto* quit = window->findChild<QPushButton*>(button);
        QCOMPARE(quit->text(), QStringLiteral("Quitter"));
        QTest::mouseClick(quit, Qt::LeftButton);
        flushDeletes();
        QVERIFY(window.isNull());
        QVERIFY(program().form1());
    }

    void aboutTextEndsWithSpacesAndASignatureAndIsCutOnTheRight()
    {
        menu("apropos");
        auto* label = program().form3()->findChild<QLabel*>("Label6");
        QVERIFY(label->text().startsWith("Voici une vesion beta de mon Croquel.Elle n'est donc pas totallement finie"));
        QVERIFY(label->text().contains(QString::fromUtf8("bon amusement.") + QString(15, u' ')));
        QVERIFY(!label->text().endsWith(u' '));
        QVERIFY(label->geometry().right() > program().form3()->rect().right());
        QCOMPARE(label->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    }

    // Opening and closing the windows over and over keeps no memory.
    void openingAndClosingLeaksNothing()
    {
#if !defined(__GLIBC__)
        QSKIP("measures the heap with glibc's malloc_trim and mallinfo2");
#else
        auto cycle = [&](int times) {
            for (int i = 0; i < times; ++i) {
                for (const char* item : {"commandes", "apropos", "lieninter"}) {
                    menu(item);
                }
                for (SecondaryWindow* window : {program().form2(), program().form3(), program().form4()}) {
                    window->close();
                }
                QCoreApplication::processEvents();  // as the running program would
                flushDeletes();
            }
        };
        cycle(50);              // fills the caches of fonts, styles and pictures
        QPixmapCache::clear();  // bounded, but it keeps each new icon's renderings
        malloc_trim(0);
        const std::size_t before = mallinfo2().uordblks;
        const int widgetsBefore = int(QApplication::allWidgets().size());
        cycle(1000);
        QPixmapCache::clear();
        malloc_trim(0);
        const std::size_t after = mallinfo2().uordblks;
        QCOMPARE(int(QApplication::allWidgets().size()), widgetsBefore);
        // One lost window would be kilobytes per cycle; allow under 64 bytes.
        QVERIFY2(after < before + std::size_t{64} * 1000,
                 qPrintable(QString("heap grew by %1 bytes").arg(qint64(after - before))));
#endif
    }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "secondary_windows_test.moc"

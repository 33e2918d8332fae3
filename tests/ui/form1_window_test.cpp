#include "fakes.h"
#include "form1_layout.h"
#include "form1_window.h"
#include "pictures.h"
#include "playfield_widget.h"
#include "program.h"
#include "window_support.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace croquel;
using croquel::ui::Form1Window;
using croquel::ui::toPixels;

namespace {

bool near(QColor actual, QColor expected, int tolerance = 40)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
           && std::abs(actual.green() - expected.green()) <= tolerance
           && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

// Collects the regions painted on the widgets it watches.
class PaintRecorder final : public QObject {
public:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            region += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    QRegion region;
};

class ThrowingMessageBox final : public MessageBox {
public:
    int show(std::string_view, int, std::string_view) override
    {
        ++shown;
        throw WindowError("the message box could not be shown");
    }
    int shown = 0;
};

}  // namespace

class Form1WindowTest : public QObject {
    Q_OBJECT

    Module1 module_;
    testing::ScriptedKeys keys_;
    testing::ScriptedRandom random_;
    testing::RecordingMessageBox messageBox_;
    QPointer<Form1Window> window_;

    Form1Window& window() { return *window_; }

private slots:
    void init()
    {
        module_ = {};
        keys_ = {};
        random_ = {};
        messageBox_ = {};
        window_ = new Form1Window(module_, keys_, random_, messageBox_);
    }
    void cleanup() { delete window_.data(); }

    // The window's own properties.
    void windowFrameCaptionAndMenu()
    {
        const QString caption = window().windowTitle();
        QCOMPARE(caption.left(79), QString(79, u' '));
        QCOMPARE(caption.mid(79, 7), QStringLiteral("CROQUEL"));
        QCOMPARE(caption.mid(86, 55), QString(55, u' '));
        QVERIFY(caption.size() > 141 && caption.at(141) != u' ');

        QCOMPARE(window().playfield()->size(), QSize(762, 525));
        QCOMPARE(window().minimumSize(), window().maximumSize());
        QVERIFY(!(window().windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window().windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window().windowFlags() & Qt::WindowCloseButtonHint);

        const QList<QAction*> top = window().menuBar()->actions();
        QCOMPARE(top.size(), 1);
        QCOMPARE(top.front()->text(), QStringLiteral("menu"));
        QStringList items;
        for (const QAction* action : top.front()->menu()->actions()) {
            items << (action->isSeparator() ? QStringLiteral("-") : action->text());
            QVERIFY(action->isEnabled() && action->isVisible() && !action->isCheckable());
            QVERIFY(action->shortcut().isEmpty());
        }
        QCOMPARE(items, (QStringList{"commandes", "a propos", "lien internet", "-", "quitter"}));
        for (const char* name : {"commandes", "apropos", "lieninter", "quitter"}) {
            QVERIFY2(window().menuAction(QLatin1String(name)), name);
        }
    }

    void timersTickAtTheirIntervalsFromCreation()
    {
        const int intervals[] = {250, 50, 200};
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(window().timer(n).interval(), intervals[n - 1]);
            QVERIFY(window().timer(n).isActive());
        }
    }

    // Every control where the layout puts it, in pixels, stacked as listed.
    void childrenFollowTheLayout()
    {
        const ui::PlayfieldWidget* field = window().playfield();
        QStringList expected;
        for (const ControlLayout& child : form1Children) {
            const QString name = ui::controlName(child);
            expected << name;
            const auto* item = field->item(name);
            QVERIFY2(item, qPrintable(name));
            QCOMPARE(item->box.size(), QSize(toPixels(child.width), toPixels(child.height)));
            if (child.kind != ControlKind::PictureBox) {
                QCOMPARE(item->box.topLeft(), QPoint(toPixels(child.left), toPixels(child.top)));
            }
            QVERIFY2(item->shown || (child.kind == ControlKind::PictureBox && child.number <= 4), qPrintable(name));
            QCOMPARE(item->picture.isNull(), child.kind == ControlKind::Label);
        }
        QCOMPARE(field->stacking(), expected);
        QCOMPARE(field->item(u"Label1")->caption, QStringLiteral("Label1"));
        QCOMPARE(field->item(u"Label2")->caption, QString());
    }

    void loadedSpritesStandOnTheirStartCells()
    {
        const ui::PlayfieldWidget* field = window().playfield();
        QCOMPARE(field->item(u"Picture1")->box.topLeft(), QPoint(3, 3));
        QVERIFY(field->item(u"Picture1")->shown);
        for (const char16_t* hidden : {u"Picture2", u"Picture3", u"Picture4"}) {
            QCOMPARE(field->item(hidden)->box.topLeft(), QPoint(3, 3));
            QVERIFY(!field->item(hidden)->shown);
        }
        QCOMPARE(field->item(u"Picture5")->box.topLeft(), QPoint(293, 210));
    }

    // What a player sees on the rendered window.
    void renderedPlayfieldShowsTheGame()
    {
        const QImage shot = window().playfield()->grab().toImage();
        QCOMPARE(shot.size(), QSize(762, 525));
        QVERIFY(near(shot.pixelColor(3 + 10, 3 + 20), QColor(0xFF, 0xFF, 0x00), 0));      // player, left half
        QVERIFY(near(shot.pixelColor(3 + 38, 3 + 20), Qt::black, 0));                     // its mouth opens right
        QVERIFY(near(shot.pixelColor(293 + 20, 210 + 32), QColor(0x00, 0x00, 0xB8), 8));  // chaser body
        int pellets = 0;
        for (const ControlLayout& child : form1Children) {
            if (child.picture == Picture::Pellet) {
                const QPoint core(toPixels(child.left) + 3, toPixels(child.top) + 3);
                pellets += near(shot.pixelColor(core), QColor(0xFA, 0xDE, 0x24), 12);
            }
        }
        QCOMPARE(pellets, 42);
        QCOMPARE(shot.pixelColor(-14 + 100, 42 + 100), QColor(Qt::white));                        // the bracket
        QCOMPARE(shot.pixelColor(toPixels(6660) + 36, toPixels(2955) + 100), QColor(Qt::white));  // upright
        QCOMPARE(shot.pixelColor(700, 300), QColor(Qt::black));                                   // open floor
        const QColor face = window().playfield()->palette().color(QPalette::Button);
        QVERIFY(face != QColor(Qt::black));
        QCOMPARE(shot.pixelColor(5, 520), face);  // the label band along the bottom
    }

    // The window follows the game's controls after each handler.
    void renderFollowsTheControls()
    {
        Form1& form = window().form();
        form.Picture5.setLeft(10590);
        form.Picture5.setTop(6250);
        form.Image[4].Visible = false;
        form.Label2.Caption = "nombres de points: 7";
        form.Picture2.Visible = true;
        window().render();
        const ui::PlayfieldWidget* field = window().playfield();
        QCOMPARE(field->item(u"Picture5")->box, QRect(706, 417, 39, 43));
        QVERIFY(!field->item(u"Image4")->shown);
        QVERIFY(field->item(u"Picture2")->shown);
        QCOMPARE(field->item(u"Label2")->caption, QStringLiteral("nombres de points: 7"));
    }

    // A caption is drawn as Qt lays text out, kerned, and word-wrapped when
    // it is too long for its label, whichever way the playfield sets it,
    // in the game's narrow font as in any other.
    void labelsDrawCaptionsAsTheTextLayoutDoes_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("kerned weights") << "nbra :11nbrb:1nbrc:-100nbrd:21";
        QTest::newRow("widest weights") << "nbra :-100nbrb:-100nbrc:-100nbrd:-100";
        QTest::newRow("score") << "nombres de points: 11";
        QTest::newRow("too wide, wrapped") << "nbra :-100nbrb:-100nbrc:-100nbrd:-100 nbra :-100";
        QTest::newRow("empty") << "";
    }
    void labelsDrawCaptionsAsTheTextLayoutDoes()
    {
        QFETCH(QString, caption);
        ui::PlayfieldWidget* field = window().playfield();
        window().form().Label1.Caption = caption.toStdString();
        window().render();
        QFont narrow = field->font();
        narrow.setFamilies({QStringLiteral("Liberation Sans")});
        narrow.setPointSizeF(8.0);
        for (const QFont& font : {narrow, QFont()}) {
            field->setFont(font);
            const QRect box = field->item(u"Label1")->box;
            const QImage drawn = field->grab(box).toImage().convertToFormat(QImage::Format_RGB32);

            QImage expected(box.size(), QImage::Format_RGB32);
            expected.fill(field->palette().color(QPalette::Button));
            QPainter painter(&expected);
            painter.setFont(field->font());
            painter.setPen(field->palette().color(QPalette::ButtonText));
            painter.drawText(expected.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
            painter.end();
            QCOMPARE(drawn, expected);
        }
    }

    // Idle play costs little: ticks that change nothing on screen paint
    // nothing, and a new caption repaints only the glyphs that changed. What
    // the window shows after each change is what a whole redraw shows, also
    // when the chaser moves in the same pass.
    void repaintsOnlyWhatChanged()
    {
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        window().tickTimer2();
        QCoreApplication::processEvents();
        PaintRecorder painted;
        window().playfield()->installEventFilter(&painted);
        for (int tick = 0; tick < 5; ++tick) {
            window().tickTimer2();  // the same score written again
            window().tickTimer1();  // no key pressed
        }
        QCoreApplication::processEvents();
        QVERIFY(painted.region.isEmpty());

        const QRect box = window().playfield()->item(u"Label1")->box;
        struct Change {
            const char* caption;
            bool fewGlyphs;        // repaints less than a third of the label's width
            float chaserLeft = 0;  // twips the chaser moves left
        };
        const std::initializer_list<Change> changes{
            {"nbra :1nbrb:2nbrc:3nbrd:4", false},
            {"nbra :1nbrb:2nbrc:3nbrd:5", true},                       // the last digit alone
            {"nbra :11nbrb:2nbrc:3nbrd:5", false},                     // kerned, the rest moves right
            {"nbra :1nbrb:2nbrc:3nbrd:5", false},                      // and back
            {"nbra :1nbrb:2nbrc:3nbrd:-100", true},                    // longer
            {"nbra :1nbrb:2", false},                                  // shorter: the old end is cleared
            {"nbra :-100nbrb:-100nbrc:-100nbrd:-100 nbra :1", false},  // wrapped
            {"nbra :1nbrb:2nbrc:3nbrd:4", false},                      // one line again
            {"", false},
            {"nbra :1nbrb:2nbrc:3nbrd:4", false},
            {"nbra :1nbrb:2nbrc:3nbrd:7", true, 150},  // a chaser tick
        };
        const QRect shownPart(QPoint(0, 0), box.bottomRight());
        const QPoint field = window().playfield()->mapTo(&window(), QPoint(0, 0));
        for (const auto& [caption, fewGlyphs, chaserLeft] : changes) {
            painted.region = QRegion();
            const QRect chaserFrom = window().playfield()->item(u"Picture5")->box;
            window().form().Picture5.Left -= chaserLeft;
            window().form().Label1.Caption = caption;
            window().render();
            const QRegion moved = QRegion(chaserFrom) + window().playfield()->item(u"Picture5")->box;
            QVERIFY2((painted.region - moved).boundingRect().united(box) == box, caption);
            QVERIFY2(!fewGlyphs || (painted.region & box).boundingRect().width() < box.width() / 3, caption);
            const QImage shown =
                window()
                    .screen()
                    ->grabWindow(window().winId(), field.x(), field.y(), shownPart.width(), shownPart.height())
                    .toImage()
                    .convertToFormat(QImage::Format_RGB32);
            const QImage redrawn =
                window().playfield()->grab(shownPart).toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(shown == redrawn, caption);
        }
    }

    void tickRunsTheHandlerAndDraws()
    {
        random_.queueBases(0, 9, 0, 0);  // left wins at the chaser's start cell
        window().tickTimer3();
        QCOMPARE(window().form().Picture5.Left, 3770.0F);
        QCOMPARE(window().playfield()->item(u"Picture5")->box.x(), toPixels(3770));
        QVERIFY(window().playfield()->item(u"Label1")->caption.startsWith("nbra :"));
    }

    void gameOverStopsTimersDrawsThenWaitsThenUnloads()
    {
        bool playerGoneWhileBoxOpen = false;
        bool timersStoppedWhileBoxOpen = false;
        messageBox_.onShow = [&] {
            playerGoneWhileBoxOpen = !window().playfield()->item(u"Picture1")->shown;
            timersStoppedWhileBoxOpen =
                !window().timer(1).isActive() && !window().timer(2).isActive() && !window().timer(3).isActive();
        };
        window().form().Picture5.setTop(50);
        window().form().Picture5.setLeft(50);
        window().tickTimer2();
        QVERIFY(playerGoneWhileBoxOpen);
        QVERIFY(timersStoppedWhileBoxOpen);
        QCOMPARE(messageBox_.calls.size(), std::size_t{1});
        QVERIFY(window().isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window_.isNull());
    }

    void closeBoxUnloadsAndStopsTheTimers()
    {
        window().show();
        QVERIFY(window().close());
        for (int n = 1; n <= 3; ++n) {
            QVERIFY(!window().timer(n).isActive());
        }
        window().tickTimer3();  // a tick already queued does nothing any more
        QCOMPARE(random_.calls, std::string());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window_.isNull());
    }

    // A failing window operation aborts the handler; the error is reported once.
    void failingWindowOperationIsReportedOnceAndStopsTheGame()
    {
        ThrowingMessageBox failing;
        auto* window = new Form1Window(module_, keys_, random_, failing);
        QSignalSpy failures(window, &Form1Window::failed);
        window->form().Picture5.setTop(50);
        window->form().Picture5.setLeft(50);
        window->tickTimer2();
        window->tickTimer2();
        window->tickTimer1();
        QCOMPARE(failing.shown, 1);
        QCOMPARE(failures.size(), 1);
        QCOMPARE(failures.front().front().toString(), QStringLiteral("the message box could not be shown"));
        for (int n = 1; n <= 3; ++n) {
            QVERIFY(!window->timer(n).isActive());
        }
        QVERIFY(keys_.polls.empty());
        delete window;
    }

    void overflowInAHandlerIsReportedThroughTheProgram()
    {
        QStringList reports;
        ui::Program program(random_, messageBox_, [&](const QString& message) { reports << message; });
        program.start();
        program.form1()->form().points = 32767;
        program.module1().top = 670;  // Image6 is eaten at (670, 50): one point too many
        program.form1()->tickTimer2();
        QCOMPARE(reports, QStringList{"Overflow"});
        QCOMPARE(program.form1()->form().Label2.Caption, std::string());
    }

    void fatalReportShowsTheErrorAndExitsWithStatusOne()
    {
        QString shownText;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shownText = modal->findChild<QLabel*>("qt_msgbox_label")->text();
                modal->close();
            }
        });
        closer.start(10);
        QTimer::singleShot(0, [] { ui::reportFatalAndExit(QStringLiteral("Overflow")); });
        QCOMPARE(QCoreApplication::exec(), 1);
        QVERIFY(shownText.contains(QStringLiteral("Overflow")));
    }
};

QTEST_MAIN(Form1WindowTest)
#include "form1_window_test.moc"

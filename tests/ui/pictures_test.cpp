#include "drawing.h"
#include "form1_layout.h"
#include "maze_walk.h"
#include "pictures.h"
#include "window_support.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>

#include <cstdlib>

using namespace croquel;

namespace {

QImage resource(const QString& name)
{
    return QImage(QStringLiteral(":/pictures/") + name).convertToFormat(QImage::Format_RGB32);
}

QSet<QRgb> coloursOf(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

// The same drawing where the two may differ only in the rounding of
// antialiased edges and gradients, which depends on the processor's
// instruction set: one level of a channel.
bool sameDrawing(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size()) {
        return false;
    }
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 1 || std::abs(qGreen(p) - qGreen(q)) > 1
                || std::abs(qBlue(p) - qBlue(q)) > 1 || std::abs(qAlpha(p) - qAlpha(q)) > 1) {
                return false;
            }
        }
    }
    return true;
}

// The walls of the game window alone, from the compiled-in pictures at their
// layout positions, stacked as the window stacks them.
QImage wallsOfTheGameWindow()
{
    QImage canvas(ui::toPixels(form1ClientWidth), ui::toPixels(form1ClientHeight), QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    for (auto it = form1Children.rbegin(); it != form1Children.rend(); ++it) {
        const ControlLayout& child = *it;
        if (child.kind == ControlKind::Image && child.picture != Picture::Pellet) {
            painter.drawImage(ui::toPixels(child.left), ui::toPixels(child.top),
                              resource(ui::pictureFile(child.picture)));
        }
    }
    return canvas;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    // The compiled-in pictures are what the generator draws, at every
    // resolution, so the two cannot drift apart.
    void compiledPicturesAreTheGeneratorsDrawings()
    {
        for (const assets::PictureEntry& entry : assets::allPictures()) {
            for (int scale : entry.scales) {
                const QString name = assets::fileNameAt(entry, scale);
                // The large desktop icons are installed, not compiled in.
                const QImage stored(scale <= 2 ? ":/pictures/" + name : CROQUEL_ASSETS_DIR "/" + name);
                QCOMPARE(stored.size(), entry.size * scale);
                QVERIFY2(sameDrawing(stored, assets::drawPicture(entry.fileName, scale)), qPrintable(name));
            }
        }
        QVERIFY(assets::drawPicture("missing.png", 1).isNull());
    }

    // High-density screens get the double-resolution drawing, shown at the
    // same size on screen.
    void sharpPicturesOnHighDensityScreens()
    {
        const QPixmap normal = ui::loadPicture("chaser.png", 1.0);
        QCOMPARE(normal.size(), QSize(40, 45));
        QCOMPARE(normal.devicePixelRatio(), 1.0);
        const QPixmap sharp = ui::loadPicture("chaser.png", 2.0);
        QCOMPARE(sharp.size(), QSize(80, 90));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(40, 45));
        QVERIFY(ui::loadPicture("missing.png", 2.0).isNull());
    }

    void gamePicturesHaveTheirDescribedSizes()
    {
        const QList<std::pair<Picture, QSize>> sizes{
            {Picture::PlayerRight, {41, 41}},   {Picture::PlayerDown, {41, 41}},   {Picture::PlayerLeft, {41, 41}},
            {Picture::PlayerUp, {41, 41}},      {Picture::Chaser, {40, 45}},       {Picture::Pellet, {10, 10}},
            {Picture::WallBracket, {300, 300}}, {Picture::WallBar, {129, 52}},     {Picture::WallArch, {113, 170}},
            {Picture::WallFoot, {104, 61}},     {Picture::WallFigure, {340, 198}}, {Picture::WallUpright, {78, 250}},
        };
        for (const auto& [picture, size] : sizes) {
            QCOMPARE(resource(ui::pictureFile(picture)).size(), size);
        }
        // Wall images are shown at natural size: their boxes are the picture's size.
        for (const ControlLayout& child : form1Children) {
            if (child.kind == ControlKind::Image) {
                QCOMPARE(QSize(child.width, child.height) / twipsPerPixel,
                         resource(ui::pictureFile(child.picture)).size());
            }
        }
    }

    void picturesKeepTheirColours()
    {
        const QImage player = resource("player_right.png");
        QCOMPARE(player.pixel(10, 20), qRgb(0xFF, 0xFF, 0x00));
        QCOMPARE(player.pixel(38, 20), qRgb(0, 0, 0));  // the mouth opens right
        QCOMPARE(resource("player_left.png").pixel(2, 20), qRgb(0, 0, 0));
        QCOMPARE(resource("player_up.png").pixel(20, 2), qRgb(0, 0, 0));
        QCOMPARE(resource("player_down.png").pixel(20, 38), qRgb(0, 0, 0));
        QVERIFY(coloursOf(player).size() > 2);  // soft edges

        const QImage chaser = resource("chaser.png");
        QCOMPARE(chaser.pixel(20, 30), qRgb(0x00, 0x00, 0xB8));
        for (int y = 42; y < 45; ++y) {
            for (int x = 0; x < 40; ++x) {
                QCOMPARE(chaser.pixel(x, y), qRgb(0, 0, 0));
            }
        }
        QVERIFY(coloursOf(chaser).contains(qRgb(0xFF, 0xFF, 0xFF)));  // the eyes

        const QImage pellet = resource("pellet.png");
        QCOMPARE(pellet.pixel(3, 3), qRgb(0xFA, 0xDE, 0x24));
        QVERIFY(qGray(pellet.pixel(0, 3)) < qGray(pellet.pixel(3, 3)));  // darker rim
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(pellet.pixel(i, 8), qRgb(0, 0, 0));
            QCOMPARE(pellet.pixel(8, i), qRgb(0, 0, 0));
        }

        const QImage pressed = resource("arrow_up_pressed.png");
        QCOMPARE(coloursOf(pressed), (QSet<QRgb>{qRgb(0xDE, 0xDE, 0xDE), qRgb(0, 0, 0)}));
        for (const char* name : {"arrow_up.png", "arrow_down.png", "arrow_left.png", "arrow_right.png"}) {
            const QImage arrow = resource(name);
            QCOMPARE(arrow.size(), QSize(40, 40));
            QCOMPARE(arrow.pixel(1, 1), qRgb(0xDE, 0xDE, 0xDE));
            QCOMPARE(arrow.pixel(20, 20), qRgb(0, 0, 0));
            QVERIFY2(coloursOf(arrow).size() > 2, name);
        }
    }

    void wallPicturesFillTheirDescribedAreas()
    {
        struct Area {
            const char* picture;
            QRect white;  // inclusive pixel ranges of the description
        };
        const Area areas[] = {
            {"wall_bracket.png", QRect(QPoint(68, 17), QPoint(233, 71))},
            {"wall_bracket.png", QRect(QPoint(68, 72), QPoint(137, 223))},
            {"wall_bracket.png", QRect(QPoint(68, 224), QPoint(238, 278))},
            {"wall_bar.png", QRect(QPoint(6, 8), QPoint(110, 35))},
            {"wall_arch.png", QRect(QPoint(7, 4), QPoint(112, 29))},
            {"wall_arch.png", QRect(QPoint(0, 119), QPoint(35, 153))},
            {"wall_arch.png", QRect(QPoint(83, 30), QPoint(111, 153))},
            {"wall_foot.png", QRect(QPoint(20, 13), QPoint(103, 48))},
            {"wall_figure.png", QRect(QPoint(10, 11), QPoint(83, 65))},
            {"wall_figure.png", QRect(QPoint(137, 17), QPoint(206, 78))},
            {"wall_figure.png", QRect(QPoint(56, 132), QPoint(292, 162))},
            {"wall_figure.png", QRect(QPoint(179, 163), QPoint(208, 181))},
            {"wall_upright.png", QRect(QPoint(0, 0), QPoint(77, 7))},
            {"wall_upright.png", QRect(QPoint(19, 8), QPoint(54, 204))},
        };
        for (const Area& area : areas) {
            const QImage image = resource(area.picture);
            // Corners may be rounded; edges midway and the centre are white.
            const QRect r = area.white;
            for (QPoint p : {r.center(), QPoint(r.left(), r.center().y()), QPoint(r.right(), r.center().y()),
                             QPoint(r.center().x(), r.top()), QPoint(r.center().x(), r.bottom())}) {
                QVERIFY2(image.pixel(p) == qRgb(255, 255, 255), area.picture);
            }
            // Just outside the area, away from joins, is black.
            if (r.left() > 0 && std::string_view(area.picture) != "wall_figure.png") {
                QVERIFY2(image.pixel(r.left() - 1, r.center().y()) == qRgb(0, 0, 0), area.picture);
            }
        }
        QCOMPARE(resource("wall_foot.png").pixel(103, 13), qRgb(255, 255, 255));  // square right end
        QVERIFY(resource("wall_bar.png").pixel(6, 8) != qRgb(255, 255, 255));     // rounded corner
    }

    // The walls agree with the maze: no cell that single moves reach has a
    // wall pixel in its 620 x 620 box.
    void reachableCellsAreFreeOfWalls()
    {
        const QImage walls = wallsOfTheGameWindow();
        int cells = 0;
        for (const testing::Cell& cell : testing::reachableFrom({0, 0})) {
            const int top = testing::topOf(cell.first);
            const int left = testing::leftOf(cell.second);
            ++cells;
            // Every window pixel that overlaps the box, even in part.
            for (int y = top / twipsPerPixel; y * twipsPerPixel < top + 620; ++y) {
                for (int x = left / twipsPerPixel; x * twipsPerPixel < left + 620; ++x) {
                    if (x < walls.width() && y < walls.height() && walls.pixel(x, y) != qRgb(0, 0, 0)) {
                        QFAIL(qPrintable(QStringLiteral("wall pixel (%1, %2) in cell top %3, left %4")
                                             .arg(x)
                                             .arg(y)
                                             .arg(top)
                                             .arg(left)));
                    }
                }
            }
        }
        QCOMPARE(cells, 132);
        // And the walls are there at all: the one-way areas lie under them.
        QCOMPARE(walls.pixel(ui::toPixels(670 + 310), ui::toPixels(1290 + 310)), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"

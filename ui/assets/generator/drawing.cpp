// Draws every picture of the game from its description, so the assets can be
// rebuilt at any resolution and checked against the maze.
#include "drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

namespace croquel::assets {

namespace {

constexpr QRgb black = 0xFF000000;
constexpr qreal cornerRadius = 7.0;
const QColor white{0xFF, 0xFF, 0xFF};
const QColor playerYellow{0xFF, 0xFF, 0x00};
const QColor chaserBlue{0x00, 0x00, 0xB8};
const QColor buttonGrey{0xDE, 0xDE, 0xDE};

// Picture pixel ranges are inclusive, so x 68-233 spans 166 pixels.
QRectF span(qreal x0, qreal y0, qreal x1, qreal y1)
{
    return {QPointF(x0, y0), QPointF(x1 + 1, y1 + 1)};
}

QPainterPath rounded(const QRectF& rect, qreal radius = cornerRadius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath square(const QRectF& rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

// A concave corner filled in with a quarter circle: the corner point is
// where the two edges meet, (dx, dy) points into the empty area.
QPainterPath fillet(QPointF corner, qreal dx, qreal dy, qreal radius = cornerRadius)
{
    const QRectF box = QRectF(corner, corner + QPointF(dx * radius, dy * radius)).normalized();
    QPainterPath circle;
    circle.addEllipse(corner + QPointF(dx * radius, dy * radius), radius, radius);
    return square(box).subtracted(circle);
}

QPainterPath unite(std::initializer_list<QPainterPath> parts)
{
    QPainterPath all;
    for (const QPainterPath& part : parts) {
        all = all.united(part);
    }
    return all;
}

QPainterPath bracketWall()
{
    return unite({rounded(span(68, 17, 137, 278)), rounded(span(68, 17, 233, 71)), rounded(span(68, 224, 238, 278))});
}

QPainterPath barWall()
{
    return rounded(span(6, 8, 110, 35));
}

QPainterPath archWall()
{
    return unite({rounded(span(7, 4, 112, 29)), rounded(span(7, 4, 35, 153)), rounded(span(0, 119, 35, 153)),
                  rounded(span(83, 4, 111, 153)), fillet({36, 30}, 1, 1, 5), fillet({83, 30}, -1, 1, 5)});
}

QPainterPath footWall()
{
    // Square on the right, where it meets the foot of the arch.
    return unite({rounded(span(20, 13, 103, 48)), square(span(60, 13, 103, 48))});
}

QPainterPath figureWall()
{
    return unite({
        rounded(span(10, 11, 83, 65)),      // block
        rounded(span(56, 11, 83, 162)),     // its leg, down into the bar
        rounded(span(137, 17, 206, 78)),    // separate square block
        rounded(span(255, 9, 292, 162)),    // upright
        rounded(span(56, 132, 292, 162)),   // bottom bar
        rounded(span(179, 140, 208, 181)),  // stub below the bar
    });
}

QPainterPath uprightWall()
{
    return unite({square(span(0, 0, 77, 7)), rounded(span(19, 0, 54, 204))});
}

void fillWall(QPainter& painter, const QPainterPath& shape)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(shape, white);
}

void drawPlayer(QPainter& painter, int facingDegrees)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(playerYellow);
    // A 90 degree mouth centred on the facing, cut out to the rim.
    painter.drawPie(QRectF(2, 2, 37, 37), (facingDegrees + 45) * 16, 270 * 16);
}

void drawChaser(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    QPainterPath body;
    body.moveTo(3.5, 17.5);
    body.arcTo(QRectF(3.5, 0, 33, 35), 180, -180);
    body.lineTo(37.5, 36.5);
    // Three rounded feet along the lower edge, 42 rows down.
    const qreal footWidth = 35.0 / 3.0;
    for (int foot = 2; foot >= 0; --foot) {
        const qreal x = 2.5 + foot * footWidth;
        body.arcTo(QRectF(x, 31, footWidth, 11), 0, -180);
    }
    body.lineTo(3.5, 17.5);
    body.closeSubpath();
    painter.fillPath(body, chaserBlue);

    for (qreal eyeLeft : {10.5, 22.0}) {
        painter.setBrush(white);
        painter.drawEllipse(QRectF(eyeLeft, 9, 7, 11));
        painter.setBrush(QColor(0x10, 0x10, 0x40));
        painter.drawEllipse(QRectF(eyeLeft + 3.5, 12, 3.5, 5));
    }
}

void drawPellet(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QRadialGradient glow(QPointF(3.5, 3.5), 3.5);
    glow.setColorAt(0.0, QColor(0xFA, 0xDE, 0x24));
    glow.setColorAt(0.55, QColor(0xFA, 0xDE, 0x24));
    glow.setColorAt(1.0, QColor(0xB0, 0x90, 0x10));
    painter.setBrush(glow);
    painter.drawEllipse(QRectF(0, 0, 7, 7));
}

// An arrow pointing up, then turned: shaft about 4 pixels, head about 8.
void drawSoftArrow(QPainter& painter, int quarterTurns)
{
    painter.fillRect(QRectF(0, 0, 40, 40), buttonGrey);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(20, 20);
    painter.rotate(90.0 * quarterTurns);
    QPainterPath arrow;
    arrow.moveTo(0, -12.5);
    arrow.lineTo(4, -4.5);
    arrow.lineTo(2, -4.5);
    arrow.lineTo(2, 12.5);
    arrow.lineTo(-2, 12.5);
    arrow.lineTo(-2, -4.5);
    arrow.lineTo(-4, -4.5);
    arrow.closeSubpath();
    painter.fillPath(arrow, Qt::black);
}

// Two colours only: the arrow is laid out pixel by pixel.
void drawCrispUpArrow(QPainter& painter)
{
    painter.fillRect(QRect(0, 0, 45, 45), buttonGrey);
    constexpr int centre = 22;
    constexpr int tip = 7;
    for (int row = 0; row < 5; ++row) {
        painter.fillRect(QRect(centre - row, tip + row, 2 * row + 1, 1), Qt::black);
    }
    painter.fillRect(QRect(centre - 2, tip + 5, 5, 26), Qt::black);
}

// The desktop icon: the player on a dark tile, about to eat a pellet.
void drawIcon(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x10, 0x10, 0x30));
    painter.drawRoundedRect(QRectF(0, 0, 64, 64), 12, 12);
    painter.setBrush(playerYellow);
    painter.drawPie(QRectF(6, 10, 44, 44), 45 * 16, 270 * 16);
    painter.setBrush(QColor(0xFA, 0xDE, 0x24));
    painter.drawEllipse(QRectF(49, 28, 8, 8));
}

struct Recipe {
    PictureEntry entry;
    std::function<void(QPainter&)> draw;
    QImage::Format format = QImage::Format_RGB32;  // opaque, black where nothing is drawn
};

const std::vector<Recipe>& recipes()
{
    static const std::vector<Recipe> all = [] {
        auto wall = [](QPainterPath (*shape)()) { return [shape](QPainter& painter) { fillWall(painter, shape()); }; };
        return std::vector<Recipe>{
            {{"player_right.png", {41, 41}}, [](QPainter& p) { drawPlayer(p, 0); }},
            {{"player_down.png", {41, 41}}, [](QPainter& p) { drawPlayer(p, 270); }},
            {{"player_left.png", {41, 41}}, [](QPainter& p) { drawPlayer(p, 180); }},
            {{"player_up.png", {41, 41}}, [](QPainter& p) { drawPlayer(p, 90); }},
            {{"chaser.png", {40, 45}}, drawChaser},
            {{"pellet.png", {10, 10}}, drawPellet},
            {{"wall_bracket.png", {300, 300}}, wall(bracketWall)},
            {{"wall_bar.png", {129, 52}}, wall(barWall)},
            {{"wall_arch.png", {113, 170}}, wall(archWall)},
            {{"wall_foot.png", {104, 61}}, wall(footWall)},
            {{"wall_figure.png", {340, 198}}, wall(figureWall)},
            {{"wall_upright.png", {78, 250}}, wall(uprightWall)},
            {{"arrow_up.png", {40, 40}}, [](QPainter& p) { drawSoftArrow(p, 0); }},
            {{"arrow_right.png", {40, 40}}, [](QPainter& p) { drawSoftArrow(p, 1); }},
            {{"arrow_down.png", {40, 40}}, [](QPainter& p) { drawSoftArrow(p, 2); }},
            {{"arrow_left.png", {40, 40}}, [](QPainter& p) { drawSoftArrow(p, 3); }},
            {{"arrow_up_pressed.png", {45, 45}}, drawCrispUpArrow},
            {{"icon.png", {64, 64}, {1, 2, 4}}, drawIcon, QImage::Format_ARGB32},
        };
    }();
    return all;
}

}  // namespace

const std::vector<PictureEntry>& allPictures()
{
    static const std::vector<PictureEntry> entries = [] {
        std::vector<PictureEntry> list;
        for (const Recipe& recipe : recipes()) {
            list.push_back(recipe.entry);
        }
        return list;
    }();
    return entries;
}

QString fileNameAt(const PictureEntry& entry, int scale)
{
    return scale == 1 ? entry.fileName : QString(entry.fileName).replace(".png", QStringLiteral("@%1x.png").arg(scale));
}

QImage drawPicture(const QString& fileName, int scale)
{
    for (const Recipe& recipe : recipes()) {
        if (recipe.entry.fileName != fileName) {
            continue;
        }
        QImage image(recipe.entry.size * scale, recipe.format);
        image.fill(recipe.format == QImage::Format_RGB32 ? black : qRgba(0, 0, 0, 0));
        QPainter painter(&image);
        painter.scale(scale, scale);
        recipe.draw(painter);
        painter.end();
        return image;
    }
    return {};
}

}  // namespace croquel::assets

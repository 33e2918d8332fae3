#include "line_typesetter.h"

#include <QList>
#include <QPointF>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>
#include <limits>

namespace croquel::ui {

namespace {

constexpr qreal notSettable = std::numeric_limits<qreal>::quiet_NaN();

constexpr quint32 pairOf(QChar from, QChar to)
{
    return quint32{from.unicode()} << 16U | to.unicode();
}

}  // namespace

LineTypesetter::LineTypesetter(const QFont& font, const QPaintDevice* device) : font_(font), device_(device) {}

QGlyphRun LineTypesetter::set(QStringView caption, int width)
{
    if (caption.isEmpty()) {
        return {};
    }
    QList<quint32> indexes(caption.size());
    QList<QPointF> positions(caption.size());
    qreal x = 0;
    qreal end = 0;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const Glyph shape = glyph(caption[i]);
        if (!shape.settable) {
            return {};
        }
        if (i > 0) {
            const qreal advance = step(caption[i - 1], caption[i], caption);
            if (std::isnan(advance)) {
                return {};
            }
            x += advance;
        }
        indexes[i] = shape.index;
        positions[i] = QPointF(x, baseline_);
        end = x + shape.advance;
    }
    if (end >= width) {
        return {};
    }
    QGlyphRun run;
    run.setRawFont(rawFont_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    return run;
}

QRect LineTypesetter::changedInk(const QGlyphRun& from, const QGlyphRun& to)
{
    const QList<quint32> fromIndexes = from.glyphIndexes();
    const QList<quint32> toIndexes = to.glyphIndexes();
    const QList<QPointF> fromPositions = from.positions();
    const QList<QPointF> toPositions = to.positions();
    qsizetype same = 0;
    while (same < fromIndexes.size() && same < toIndexes.size() && fromIndexes[same] == toIndexes[same]
           && fromPositions[same] == toPositions[same]) {
        ++same;
    }
    return inkFrom(from, same) | inkFrom(to, same);
}

QRect LineTypesetter::inkFrom(const QGlyphRun& line, qsizetype first)
{
    const QList<quint32> indexes = line.glyphIndexes();
    const QList<QPointF> positions = line.positions();
    QRectF ink;
    for (qsizetype i = first; i < indexes.size(); ++i) {
        auto known = inks_.constFind(indexes[i]);
        if (known == inks_.cend()) {
            known = inks_.insert(indexes[i], line.rawFont().boundingRect(indexes[i]));
        }
        ink |= known->translated(positions[i]);
    }
    return ink.isEmpty() ? QRect() : ink.toAlignedRect().adjusted(-1, -1, 1, 1);
}

LineTypesetter::Glyph LineTypesetter::glyph(QChar character)
{
    const auto known = glyphs_.constFind(character.unicode());
    if (known != glyphs_.cend()) {
        return *known;
    }
    // A control character or half a surrogate pair is not one glyph of its own.
    Glyph learned;
    if (character.isPrint() && !character.isSurrogate()) {
        QTextLayout layout(QString(character), font_, device_);
        if (const QGlyphRun run = layOut(layout); run.glyphIndexes().size() == 1) {
            if (!rawFont_.isValid()) {
                rawFont_ = run.rawFont();
                baseline_ = run.positions().front().y();
            }
            if (run.rawFont() == rawFont_ && run.positions().front() == QPointF(0, baseline_)) {
                learned = {run.glyphIndexes().front(), layout.lineAt(0).horizontalAdvance(), true};
            }
        }
    }
    return *glyphs_.insert(character.unicode(), learned);
}

void LineTypesetter::learnSteps(QStringView caption)
{
    // Every pair not yet known among the characters met so far, side by side
    // in one layout: kerning is between neighbours, so each pair steps there
    // as it does alone. The weights line meets its digits in new pairs for a
    // while; learned together they cost one layout, not one each. A layout
    // other than one glyph per character on the baseline leaves the pairs to
    // be learned one by one, from then on.
    if (!learnsTogether_) {
        return;
    }
    for (const QChar character : caption) {
        glyph(character);  // the caption's own, before they are paired
    }
    QString characters;
    for (auto known = glyphs_.cbegin(); known != glyphs_.cend(); ++known) {
        if (known->settable) {
            characters += QChar(known.key());
        }
    }
    QString pairs;
    for (const QChar from : characters) {
        for (const QChar to : characters) {
            if (!steps_.contains(pairOf(from, to))) {
                pairs += from;
                pairs += to;
            }
        }
    }
    if (pairs.isEmpty()) {
        return;
    }
    QTextLayout layout(pairs, font_, device_);
    const QGlyphRun run = layOut(layout);
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    learnsTogether_ = run.rawFont() == rawFont_ && indexes.size() == pairs.size();
    for (qsizetype i = 0; learnsTogether_ && i < pairs.size(); ++i) {
        learnsTogether_ = indexes[i] == glyph(pairs[i]).index && positions[i].y() == baseline_;
    }
    for (qsizetype i = 0; learnsTogether_ && i < pairs.size(); i += 2) {
        steps_.insert(pairOf(pairs[i], pairs[i + 1]), positions[i + 1].x() - positions[i].x());
    }
}

qreal LineTypesetter::step(QChar from, QChar to, QStringView caption)
{
    const quint32 pair = pairOf(from, to);
    auto known = steps_.constFind(pair);
    if (known == steps_.cend()) {
        learnSteps(caption);
        known = steps_.constFind(pair);
    }
    if (known != steps_.cend()) {
        return *known;
    }
    // Settable when the pair keeps both glyphs, in order, on the baseline:
    // the second one's place is then the step, kerning included.
    qreal learned = notSettable;
    QTextLayout layout(QString(from) + to, font_, device_);
    if (const QGlyphRun run = layOut(layout);
        run.glyphIndexes() == QList{glyph(from).index, glyph(to).index} && run.rawFont() == rawFont_
        && run.positions().front() == QPointF(0, baseline_) && run.positions().back().y() == baseline_) {
        learned = run.positions().back().x();
    }
    return *steps_.insert(pair, learned);
}

QGlyphRun LineTypesetter::layOut(QTextLayout& layout)
{
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return runs.size() == 1 ? runs.front() : QGlyphRun();
}

}  // namespace croquel::ui

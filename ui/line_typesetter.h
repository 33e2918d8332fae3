#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QRect>
#include <QString>
#include <QStringView>

class QPaintDevice;
class QTextLayout;

namespace croquel::ui {

// Sets one-line captions as Qt's text layout sets them, without shaping
// each one afresh: the glyph of each character and the step from each
// character to the next (its advance with the pair's kerning) are learned
// from the layout itself, the first time they are needed. The weights line
// changes five times a second; set this way it costs a few lookups, and it
// is drawn through the same glyph cache to the same pixels.
class LineTypesetter {
public:
    // Captions in that font, as painted on that device (for its resolution).
    LineTypesetter(const QFont& font, const QPaintDevice* device);

    // The caption's glyphs, positioned from the top-left corner of a box of
    // that width. Empty where the layout would do more than place one
    // glyph per character on one line: a caption too wide for the box
    // (word wrapping applies), or a character that takes another font,
    // several glyphs, or a place that depends on more than its neighbour.
    // Such captions are for the layout to draw.
    QGlyphRun set(QStringView caption, int width);

    // Where two lines set here, in this font, can differ on screen, from the
    // top-left corner of their box: the ink of every glyph from the first
    // one that changed or moved. The glyphs before it draw the same pixels.
    QRect changedInk(const QGlyphRun& from, const QGlyphRun& to);

private:
    struct Glyph {
        quint32 index = 0;
        qreal advance = 0;
        bool settable = false;
    };

    Glyph glyph(QChar character);
    // From the character's origin to the next one's; NaN if the pair is not
    // settable. A pair not known yet is learned with the caption's others.
    qreal step(QChar from, QChar to, QStringView caption);
    // Learns the steps of the caption's pairs, and of every other pair of
    // characters met so far, from one layout.
    void learnSteps(QStringView caption);
    static QGlyphRun layOut(QTextLayout& layout);  // empty unless the line is one run
    // The ink of the line's glyphs from the given one on, with a pixel more
    // all round for antialiased edges and glyphs placed at a fraction of a pixel.
    QRect inkFrom(const QGlyphRun& line, qsizetype first);

    QFont font_;
    const QPaintDevice* device_;
    QRawFont rawFont_;  // of the first glyph learned: every other must share it
    qreal baseline_ = 0;
    QHash<char16_t, Glyph> glyphs_;
    QHash<quint32, qreal> steps_;  // by the pair's two characters
    QHash<quint32, QRectF> inks_;  // by glyph, from its origin
    bool learnsTogether_ = true;
};

}  // namespace croquel::ui

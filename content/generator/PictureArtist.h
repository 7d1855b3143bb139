// PictureArtist: draws the subject pictures, from emoji glyphs or by hand, as square PNG art.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace tw::content {

class VectorArt;

class PictureArtist
{
public:
    // Side of a picture drawn from the emoji font, in pixels: its bitmaps are no larger.
    static constexpr int PictureSize = 160;
    // Side of a picture drawn by hand: large enough for a tile of a full-screen 3 x 3 grid.
    static constexpr int LargePictureSize = 1024;
    static constexpr int Margin = 10; // white border kept around the art, per 160 pixels

    // Draws glyphs from `vector` artwork when it has them (may be null), else from the font.
    explicit PictureArtist(const VectorArt *vector = nullptr);

    // True when the colour emoji font is installed.
    bool hasEmojiFont() const { return m_hasFont; }

    // The glyph sequence drawn at the font's native size, cropped to its ink, on transparency.
    // Null when the font cannot draw the sequence as one colour picture.
    QImage glyph(const QString &text) const;
    // The glyph sequence fitted into a square of `side` pixels, drawn from the vector artwork when
    // there is some for it; null when neither the artwork nor the font can draw it.
    QImage glyphAt(const QString &text, int side) const;

    // A subject picture of the glyph sequence on white; null when glyph() is null.
    QImage drawEmoji(const QString &text) const;
    // A subject picture drawn by hand ("xylophone"); null for an unknown drawing.
    QImage drawPainted(const QString &drawing) const;
    // Stand-in when no art can be drawn: a friendly card with the name written on it.
    QImage drawNameCard(const QString &name, int side = PictureSize) const;

private:
    QImage framed(const QImage &art, int side = PictureSize) const;
    QImage drawXylophone() const;

    const VectorArt *m_vector = nullptr;

    QFont m_font;
    bool m_hasFont = false;
    quint32 m_unknownFlagGlyph = 0; // the font's flag for a code it does not know
};

} // namespace tw::content

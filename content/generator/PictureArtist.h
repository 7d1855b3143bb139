// PictureArtist: draws the subject pictures, from emoji glyphs or by hand, as square PNG art.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace tw::content {

class PictureArtist
{
public:
    static constexpr int PictureSize = 160; // side of every subject picture, in pixels
    static constexpr int Margin = 10; // white border kept around the art

    PictureArtist();

    // True when the colour emoji font is installed.
    bool hasEmojiFont() const { return m_hasFont; }

    // The glyph sequence drawn at the font's native size, cropped to its ink, on transparency.
    // Null when the font cannot draw the sequence as one colour picture.
    QImage glyph(const QString &text) const;

    // A subject picture of the glyph sequence on white; null when glyph() is null.
    QImage drawEmoji(const QString &text) const;
    // A subject picture drawn by hand ("xylophone"); null for an unknown drawing.
    QImage drawPainted(const QString &drawing) const;
    // Stand-in when no art can be drawn: a friendly card with the name written on it.
    QImage drawNameCard(const QString &name) const;

private:
    QImage framed(const QImage &art) const;
    QImage drawXylophone() const;

    QFont m_font;
    bool m_hasFont = false;
    quint32 m_unknownFlagGlyph = 0; // the font's flag for a code it does not know
};

} // namespace tw::content

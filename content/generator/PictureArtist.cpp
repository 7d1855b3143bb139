#include "PictureArtist.h"

#include "Recipe.h"
#include "VectorArt.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

namespace tw::content {

namespace {

const char *const EmojiFamily = "Noto Color Emoji";
// The colour bitmaps of the emoji font are made for this pixel size; other sizes are scaled.
constexpr int NativeGlyphPixels = 109;
QRect inkRect(const QImage &image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The index of the one visible glyph the font shapes the whole sequence into, or 0. A sequence the
// font lacks falls apart into several glyphs (two letters instead of a flag) or the missing-glyph
// box (index 0).
quint32 singleGlyphIndex(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int visible = 0;
    quint32 found = 0;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QRawFont raw = run.rawFont();
        for (quint32 index : indexes) {
            if (index == 0)
                return 0;
            if (raw.advancesForGlyphIndexes(QList<quint32> {index}).value(0).x() > 0) {
                ++visible;
                found = index;
            }
        }
    }
    return visible == 1 ? found : 0;
}

} // namespace

PictureArtist::PictureArtist(const VectorArt *vector)
    : m_vector(vector && vector->available() ? vector : nullptr)
    , m_font(QString::fromLatin1(EmojiFamily))
{
    m_font.setPixelSize(NativeGlyphPixels);
    m_font.setStyleStrategy(QFont::NoFontMerging);
    m_hasFont = QFontInfo(m_font).family() == QLatin1String(EmojiFamily);
    // The font draws a country code it does not know as a white flag with a question mark.
    if (m_hasFont)
        m_unknownFlagGlyph = singleGlyphIndex(m_font, flagText(QStringLiteral("QQ")));
}

QImage PictureArtist::glyph(const QString &text) const
{
    if (!m_hasFont)
        return {};
    const quint32 index = singleGlyphIndex(m_font, text);
    if (index == 0 || index == m_unknownFlagGlyph)
        return {};
    const QFontMetrics metrics(m_font);
    const int width = 3 * NativeGlyphPixels;
    const int height = 2 * NativeGlyphPixels;
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(m_font);
        painter.drawText(NativeGlyphPixels / 2, NativeGlyphPixels + metrics.ascent() / 2, text);
    }
    const QRect ink = inkRect(canvas);
    if (ink.isEmpty())
        return {};
    return canvas.copy(ink);
}

QImage PictureArtist::glyphAt(const QString &text, int side) const
{
    if (m_vector) {
        const QByteArray svg = m_vector->svgFor(text);
        if (!svg.isEmpty())
            return VectorArt::render(svg, QSize(side, side));
    }
    const QImage art = glyph(text);
    return art.isNull() ? art
                        : art.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage PictureArtist::framed(const QImage &art, int side) const
{
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const int room = side - 2 * Margin * side / PictureSize;
    const QImage scaled = art.scaled(room, room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&picture);
    painter.drawImage((side - scaled.width()) / 2, (side - scaled.height()) / 2, scaled);
    return picture;
}

QImage PictureArtist::drawEmoji(const QString &text) const
{
    const QImage art = glyph(text);
    return art.isNull() ? QImage() : framed(art);
}

QImage PictureArtist::drawPainted(const QString &drawing) const
{
    if (drawing == QLatin1String("xylophone"))
        return drawXylophone();
    return {};
}

QImage PictureArtist::drawNameCard(const QString &name, int side) const
{
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(side) / PictureSize, double(side) / PictureSize);
    painter.setPen(QPen(QColor(0x5a, 0x8f, 0xd6), 4));
    painter.setBrush(QColor(0xe8, 0xf1, 0xfc));
    painter.drawRoundedRect(
        QRectF(Margin, Margin, PictureSize - 2 * Margin, PictureSize - 2 * Margin), 18, 18);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(PictureSize / 5);
    painter.setFont(font);
    painter.setPen(QColor(0x24, 0x4a, 0x80));
    painter.drawText(QRect(0, 0, PictureSize, PictureSize), Qt::AlignCenter, name);
    return picture;
}

// A toy xylophone: a wooden frame, seven rainbow bars from long to short, two mallets.
QImage PictureArtist::drawXylophone() const
{
    constexpr int Side = 280; // the drawing's own coordinates, scaled to the picture's size
    QImage art(LargePictureSize, LargePictureSize, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    QPainter painter(&art);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(LargePictureSize) / Side, double(LargePictureSize) / Side);
    const QColor outline(0x4a, 0x33, 0x22);
    const QColor wood(0xc8, 0x8a, 0x4e);

    // Two rails that come closer towards the short bars on the right.
    painter.setPen(QPen(outline, 3));
    painter.setBrush(wood);
    painter.drawRoundedRect(QRectF(20, 80, 240, 16), 7, 7);
    QPainterPath lower;
    lower.moveTo(20, 206);
    lower.lineTo(260, 170);
    lower.lineTo(260, 186);
    lower.lineTo(20, 222);
    lower.closeSubpath();
    painter.drawPath(lower);

    const QColor bars[]
        = {QColor(0xe5, 0x39, 0x35), QColor(0xfb, 0x8c, 0x00), QColor(0xfd, 0xd8, 0x35),
           QColor(0x43, 0xa0, 0x47), QColor(0x1e, 0x88, 0xe5), QColor(0x39, 0x49, 0xab),
           QColor(0x8e, 0x24, 0xaa)};
    constexpr int BarCount = 7;
    for (int i = 0; i < BarCount; ++i) {
        const double x = 30 + i * 32;
        const double top = 62 + i * 2.0;
        const double height = 168 - i * 10.0;
        painter.setPen(QPen(outline, 3));
        painter.setBrush(bars[i]);
        painter.drawRoundedRect(QRectF(x, top, 26, height), 6, 6);
        // Pins that hold the bar on the rails.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xee, 0xee, 0xee));
        painter.drawEllipse(QPointF(x + 13, 88), 3.5, 3.5);
        painter.drawEllipse(QPointF(x + 13, 206 - i * 5.1), 3.5, 3.5);
    }

    // Two mallets lying across the bars.
    const auto mallet = [&](QPointF from, QPointF to) {
        painter.setPen(QPen(outline, 9, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
        painter.setPen(QPen(QColor(0xd9, 0xa4, 0x65), 5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
        painter.setPen(QPen(outline, 3));
        painter.setBrush(QColor(0xf4, 0x43, 0x36));
        painter.drawEllipse(to, 15, 15);
    };
    mallet(QPointF(70, 262), QPointF(120, 150));
    mallet(QPointF(200, 266), QPointF(176, 146));
    painter.end();
    return framed(art, LargePictureSize);
}

} // namespace tw::content

#include "common/Tiles.h"

#include "common/PictureJobs.h"
#include "common/PictureLoader.h"
#include "platform/ReadingFont.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace tw {

namespace {

// The tiles touch on the grid; each card is drawn a little inside its cell so
// the board reads as separate rounded cards on the backdrop.
constexpr int kCardInset = 3; // pixels on every side
// Longer side, in pixels, of a bitmap a tile keeps of a picture file: as large as a tile of the
// smallest grids shows it.
constexpr int kTileRasterSide = 384;
constexpr int kCardRadius = 14; // corner radius in pixels, for large tiles
constexpr double kPictureInset = 5; // pixels between a card's edge and its picture
constexpr int kPressShift = 1; // how far a pressed card sinks, in pixels
constexpr int kShadowAlpha = 45;
constexpr int kOutlineDarker = 135; // QColor::darker factor of a card's edge
const QColor kQuestionGlow(0xF2, 0xB5, 0x4A);
constexpr int kGlowAlpha = 170;
constexpr double kGlowWidth = 4;
constexpr double kLowContrast = 2.2; // below this ratio a caption gets a halo
constexpr double kTileFontPoints = 12; // a new tile's caption size; the layout fits it

// The card rectangle inside a tile of `size`, shrunk for tiny tiles.
QRectF cardRect(const QSize &size, bool pressed)
{
    const double inset = std::min<double>(kCardInset, std::min(size.width(), size.height()) / 10.0);
    QRectF r(QPointF(0, 0), QSizeF(size));
    r.adjust(inset, inset, -inset, -inset);
    if (pressed)
        r.translate(0, kPressShift);
    return r;
}

double cardRadius(const QRectF &r)
{
    return std::min<double>(kCardRadius, std::min(r.width(), r.height()) / 6.0);
}

double relativeLuminance(const QColor &c)
{
    auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The edge of a card: a darker shade, or a soft grey for very dark colours.
QColor edgeColour(const QColor &fill)
{
    if (fill.lightness() < 40)
        return QColor(90, 90, 100);
    return fill.darker(kOutlineDarker);
}

// A rounded card with a soft shadow (none while pressed) and an optional edge.
void drawCard(QPainter &p, const QRectF &card, const QColor &fill, bool edge, bool pressed)
{
    const double radius = cardRadius(card);
    if (!pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, kShadowAlpha));
        p.drawRoundedRect(card.translated(0, 2), radius, radius);
    }
    p.setBrush(fill);
    if (edge) {
        p.setPen(QPen(edgeColour(fill), 2));
    } else {
        // A card without an edge (the question) gets a soft golden glow
        // instead, so the child sees where the question is.
        QColor glow = kQuestionGlow;
        glow.setAlpha(kGlowAlpha);
        p.setPen(QPen(glow, kGlowWidth));
        // Drawn inside the card's edge, so a card laid over it hides it completely.
        const double in = kGlowWidth / 2;
        p.drawRoundedRect(card.adjusted(in, in, -in, -in), radius, radius);
        return;
    }
    p.drawRoundedRect(card, radius, radius);
}

// The board between the cards is the play area's own calm colour, so the backdrop does not show
// through the gaps as smudges. A cell whose tile has been answered shows the backdrop whole.
// `around` leaves the card's own place unpainted, for a caption over a picture card.
void drawBoard(QPainter &p, const QWidget &tile, bool around = false)
{
    const QColor board = tile.palette().color(QPalette::Window);
    if (!around) {
        p.fillRect(tile.rect(), board);
        return;
    }
    const QRectF card = cardRect(tile.size(), false);
    QPainterPath gap;
    gap.addRect(QRectF(tile.rect()));
    QPainterPath inside;
    inside.addRoundedRect(card, cardRadius(card), cardRadius(card));
    p.fillPath(gap.subtracted(inside), board);
}

} // namespace

QFont tileFont()
{
    // Andika's letters are shaped as children learn to write them (a single-storey "a").
    static const QFont font = readingFont(kTileFontPoints, QFont::Bold);
    return font;
}

QColor colourFromValue(long value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

long valueFromColour(const QColor &colour)
{
    return long(colour.red()) | (long(colour.green()) << 8) | (long(colour.blue()) << 16);
}

TileLabel::TileLabel(int index, QWidget *parent)
    : QLabel(parent)
    , m_index(index)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    setFont(tileFont());
    // The card paints its own rounded background; the corners stay see-through.
    setAutoFillBackground(false);
    setLineWidth(1);
}

void TileLabel::setFontSize(double points)
{
    if (points < 1)
        points = 1;
    if (qFuzzyCompare(font().pointSizeF(), points))
        return;
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

double TileLabel::fontSize() const { return font().pointSizeF(); }

// Grids hold up to 1200 tiles: a setter that changes nothing does no work.
void TileLabel::setBackColour(long colour)
{
    if (m_backColour == colour)
        return;
    m_backColour = colour;
    update();
}

void TileLabel::setForeColour(long colour)
{
    if (m_foreColour == colour)
        return;
    m_foreColour = colour;
    update();
}

void TileLabel::setBorder(bool single)
{
    if (m_border == single)
        return;
    m_border = single;
    applyStyle();
}

void TileLabel::setDisplayMode(int mode)
{
    if (wordWrap() != (mode != 0))
        setWordWrap(mode != 0);
}

void TileLabel::setCaptionStrip(bool strip)
{
    if (m_captionStrip == strip)
        return;
    m_captionStrip = strip;
    update();
}

void TileLabel::setOpaque(bool opaque)
{
    if (m_opaque == opaque)
        return;
    m_opaque = opaque;
    update();
}

// The card is painted from the colour values; the frame shape only tells
// whether it has an edge.
void TileLabel::applyStyle()
{
    setFrameShape(m_border ? QFrame::Box : QFrame::NoFrame);
    update();
}

void TileLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = cardRect(size(), m_pressed);
    if (card.width() <= 0 || card.height() <= 0)
        return;
    const QColor fill = colourFromValue(m_backColour);
    if (m_opaque || m_captionStrip) {
        drawBoard(p, *this);
        drawCard(p, card, fill, m_border, m_pressed);
    } else {
        drawBoard(p, *this, true); // the picture card beneath shows through
    }

    // A caption over a picture or in a strip above one keeps to the top; on a plain card it sits
    // in the middle, whatever line feeds the game put in front of it.
    const bool centred = m_opaque && !m_captionStrip;
    const QString caption = centred ? text().trimmed() : text();
    if (caption.isEmpty())
        return;
    const QColor ink = colourFromValue(m_foreColour);
    Qt::Alignment align = alignment();
    if (centred)
        align = (align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
    const int flags = int(align) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    p.setFont(font());
    // Light words on light cards ("White", "Cream", "Yellow") stay readable
    // with a soft dark halo around the letters; so do captions over pictures.
    if ((!m_opaque && !m_captionStrip) || contrastRatio(ink, fill) < kLowContrast) {
        const QColor halo
            = relativeLuminance(ink) > 0.4 ? QColor(70, 70, 90) : QColor(255, 255, 255);
        p.setPen(halo);
        const double d = std::max(1.0, font().pointSizeF() / 24.0);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (dx || dy)
                    p.drawText(card.translated(dx * d, dy * d), flags, caption);
    }
    p.setPen(ink);
    p.drawText(card, flags, caption);
}

void TileLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    update();
    Q_EMIT mouseDown(m_index, event->button(), event->pos());
}

void TileLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool inside = rect().contains(event->pos());
    const bool wasPressed = m_pressed;
    m_pressed = false;
    update();
    if (wasPressed && inside && event->button() == Qt::LeftButton)
        Q_EMIT clicked(m_index);
}

void TileLabel::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMove(m_index, event->buttons(), event->pos());
}

PictureTile::PictureTile(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{ }

void PictureTile::setPicture(const QImage &picture)
{
    m_waitingFor.clear();
    m_picture = PictureLoader::keptForShowing(picture, 0);
    m_scaled = QImage();
    update();
}

void PictureTile::setPictureFile(const QString &path)
{
    setPicture(PictureLoader::keptForShowing(
        PictureLoader::load(path, PictureLoader::kTileVectorSide), kTileRasterSide));
    if (!m_picture.isNull() || !PictureLoader::isPending(path))
        return;
    m_waitingFor = path;
    connect(&PictureJobs::instance(), &PictureJobs::made, this, &PictureTile::pictureMade,
            Qt::UniqueConnection);
}

void PictureTile::pictureMade(const QString &path, const QImage &picture)
{
    if (!m_waitingFor.isEmpty() && path == m_waitingFor)
        setPicture(PictureLoader::keptForShowing(picture, kTileRasterSide));
}

void PictureTile::clearPicture()
{
    m_waitingFor.clear();
    m_picture = QImage();
    m_scaled = QImage();
    update();
}

void PictureTile::setStretch(bool stretch)
{
    m_stretch = stretch;
    m_scaled = QImage();
    update();
}

QImage PictureTile::backdropAt(const QSize &size) const
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0xBF, 0xE3, 0xF7));
    sky.setColorAt(1, QColor(0xF4, 0xFA, 0xEC));
    p.fillRect(image.rect(), sky);
    if (m_picture.isNull())
        return image;
    // The picture keeps its proportions, centred on the sky, drawn at the size it is shown.
    const QSize fitted = PictureLoader::proportions(m_picture).scaled(size, Qt::KeepAspectRatio);
    p.drawImage(QPoint((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2),
                PictureLoader::drawnAt(m_picture, fitted));
    return image;
}

void PictureTile::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_index == 0) {
        // The backdrop: the picture over the whole play area, or a soft sky.
        if (m_scaled.size() != size())
            m_scaled = backdropAt(size());
        p.drawImage(0, 0, m_scaled);
        return;
    }
    if (m_picture.isNull())
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // A picture sits on a white card, a little inside the card's edge.
    const QRectF card = cardRect(size(), m_pressed);
    if (card.width() < 1 || card.height() < 1)
        return;
    drawCard(p, card, Qt::white, true, m_pressed);
    const double inset = std::min(kPictureInset, std::min(card.width(), card.height()) / 8.0);
    QRectF frame = card.adjusted(inset, inset, -inset, -inset);
    if (frame.width() < 1 || frame.height() < 1)
        return;
    QRectF target = frame;
    if (!m_stretch) {
        const QSizeF s = QSizeF(PictureLoader::proportions(m_picture))
                             .scaled(frame.size(), Qt::KeepAspectRatio);
        target = QRectF(frame.center() - QPointF(s.width() / 2, s.height() / 2), s);
    }
    const QSize want = target.size().toSize();
    if (want.isEmpty())
        return;
    if (m_scaled.size() != want)
        m_scaled = PictureLoader::drawnAt(m_picture, want);
    QBrush brush(m_scaled);
    brush.setTransform(QTransform::fromTranslate(target.left(), target.top()));
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    const double radius = std::max(0.0, cardRadius(frame) - 2);
    p.drawRoundedRect(target, radius, radius);
}

void PictureTile::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    update();
}

void PictureTile::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    update();
    if (wasPressed && rect().contains(event->pos()))
        Q_EMIT clicked(m_index);
}

} // namespace tw

// The quiz tiles: text labels (questions and answers) and picture tiles.
#pragma once

#include <QImage>
#include <QLabel>

namespace tw {

// The soft cream of a tile no game has coloured yet (0x00BBGGRR).
constexpr long kTileCream = 0xE6F7FF;

// The round, friendly font every tile caption uses; its size is set per tile.
QFont tileFont();

// A text tile. Tag holds, for a question tile, the index of its correct answer tile.
// Font sizes are in points; the back colour is a 0x00BBGGRR colour value.
class TileLabel : public QLabel
{
    Q_OBJECT
public:
    TileLabel(int index, QWidget *parent);
    int index() const { return m_index; }

    QString tag;
    // Applies a font size in points (at least 1).
    void setFontSize(double points);
    double fontSize() const;
    void setBackColour(long colour); // 0x00BBGGRR
    long backColour() const { return m_backColour; }
    void setForeColour(long colour); // 0x00BBGGRR
    long foreColour() const { return m_foreColour; }
    void setBorder(bool single);
    // Shows captions wrapped and centred (1) or as a plain colour swatch (0).
    void setDisplayMode(int mode);
    // Opaque (the default): a card in the back colour. Transparent: only the
    // caption, so a picture tile beneath shows through (pictures in the quizzes).
    void setOpaque(bool opaque);
    bool opaque() const { return m_opaque; }
    // A card whose caption shows in a strip at its top, above a picture tile laid over the rest.
    void setCaptionStrip(bool strip);

Q_SIGNALS:
    void clicked(int index);
    void mouseDown(int index, Qt::MouseButton button, QPoint pos);
    void mouseMove(int index, Qt::MouseButtons buttons, QPoint pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void applyStyle();
    int m_index;
    long m_backColour = kTileCream;
    long m_foreColour = 0;
    bool m_border = false;
    bool m_opaque = true;
    bool m_captionStrip = false;
    bool m_pressed = false;
};

// A picture tile: shows its picture on a card, drawn at the card's size (element 0 is the
// backdrop).
class PictureTile : public QWidget
{
    Q_OBJECT
public:
    PictureTile(int index, QWidget *parent);
    int index() const { return m_index; }
    void setPicture(const QImage &picture);
    // Shows the picture of file `path`. One still being made (a slow metafile or a huge
    // photograph) appears when it is ready, unless the tile shows something else by then.
    void setPictureFile(const QString &path);
    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    void clearPicture();
    // Stretch (true) or keep the picture's proportions, centred (false, the default).
    void setStretch(bool stretch);
    // The backdrop (element 0) as it looks over an area of `size`: the picture with its
    // proportions kept, centred on a soft sky, drawn at that size.
    QImage backdropAt(const QSize &size) const;

Q_SIGNALS:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void pictureMade(const QString &path, const QImage &picture);
    int m_index;
    QString m_waitingFor; // the file whose picture is still being made for this tile
    QImage m_picture;
    QImage m_scaled; // the picture drawn at the last painted size
    bool m_stretch = false;
    bool m_pressed = false;
};

// Colour values are 0x00BBGGRR (red in the low byte).
QColor colourFromValue(long value);
long valueFromColour(const QColor &colour);

} // namespace tw

// PaintHost: the main window as the paint box sees it: its play area, palette tiles, menus and
// flags.
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace tw {

class Random;

class PaintHost
{
public:
    virtual ~PaintHost() = default;

    // The area the paint screen is built in; its children are the paint controls.
    virtual QWidget *playArea() = 0;
    // The content folder (cursor files) and the folder the program writes to,
    // both with a trailing '/'.
    virtual QString appFolder() const = 0;
    virtual QString writeFolder() const = 0;
    virtual Random &random() = 0;

    virtual int currentGame() const = 0;
    // The running game's subject word ("Paint", "ColBook").
    virtual QString subject() const = 0;
    virtual void setSubject(const QString &subject) = 0;

    // The clock's flags: replay the drawing at the next repaint; a stroke is
    // in progress; the surface has repainted.
    virtual bool repaintPending() const = 0;
    virtual void setRepaintPending(bool on) = 0;
    virtual bool penDown() const = 0;
    virtual void setPenDown(bool on) = 0;
    virtual void setPaintDone(bool on) = 0;
    // The hourglass pointer while the picture is rebuilt.
    virtual void setHourglass(bool on) = 0;

    // The menus of the paint screen shown, the quiz menus hidden; the Pick menu
    // filled with the first subject's pictures.
    virtual void showPaintMenus() = 0;

    // The palette: answer tile `index` (0 to 8) loaded, placed at `pixels`,
    // bordered, given `tip`, enabled and shown. Colours are 0x00BBGGRR.
    virtual void showPaletteTile(int index, const QRect &pixels, const QString &tip) = 0;
    virtual long paletteColour(int index) const = 0;
    virtual void setPaletteColour(int index, long colour) = 0;
    // The "Redraw" (0) and "Clear" (1) buttons placed at `pixels` and shown.
    virtual void showReviewButton(int index, const QRect &pixels) = 0;
};

} // namespace tw

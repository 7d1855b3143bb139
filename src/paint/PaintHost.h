// PaintHost: the main window as the paint box sees it: its play area, palette tiles, menus and
// flags.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

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

    // The items of the Tools menu that the objects on the drawing show,
    // enable and name.
    enum class ToolsItem {
        AddImg,
        AddText,
        EdFont,
        EdText,
        EdColor,
        PenW,
        ShapeOpt,
        Map,
        Delete,
        Glue,
        ShapeFill,
        Undo,
        Redo
    };
    virtual bool toolsItemVisible(ToolsItem item) const = 0;
    virtual void setToolsItemVisible(ToolsItem item, bool on) = 0;
    virtual void setToolsItemEnabled(ToolsItem item, bool on) = 0;
    virtual void setToolsItemCaption(ToolsItem item, const QString &caption) = 0;
    // The kind of new shapes: the checked "Change Shape" item (the last when
    // several are), and checking one.
    virtual int checkedShapeKind() const = 0;
    virtual void checkShapeKind(int kind) = 0;
    // Pops the Tools menu up at the pointer without waiting; `closed` runs
    // when it closes.
    virtual void popUpTools(std::function<void()> closed) = 0;
    // The colour dialog preset with `colour` (0x00BBGGRR); nothing when cancelled.
    virtual std::optional<long> chooseColour(long colour) = 0;
    // The font dialog preset with `font`; nothing when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont &font) = 0;
    // The open-file dialog for a picture; empty when cancelled.
    virtual QString choosePictureFile() = 0;
    // A picture file of any format the program reads: null when it cannot be
    // read; nothing (after telling the child) when it is far too large.
    virtual std::optional<QImage> loadPicture(const QString &path) = 0;
    virtual void playSound(const QString &path) = 0;
};

} // namespace tw

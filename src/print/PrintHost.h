// The window as printing and the picture files see it.
#pragma once

#include "print/PrintedDrawing.h"

#include <QImage>
#include <QString>

class QWidget;

namespace tw {

class Dialogs;
class Printer;

class PrintHost
{
public:
    virtual ~PrintHost() = default;

    virtual QWidget *window() = 0;
    virtual Dialogs &dialogs() = 0;
    virtual Printer &printer() = 0;
    // The hourglass pointer while a long step runs.
    virtual void setBusy(bool busy) = 0;
    // The content folder (its "Background" folder starts the load dialog) and
    // the folder the program writes to; both end with '/'.
    virtual QString appFolder() const = 0;
    virtual QString writeFolder() const = 0;

    // A picture file of any format the picture library reads; null when it
    // cannot be read.
    virtual QImage loadPicture(const QString &path) = 0;
    // What the play surface shows now, background, drawing and objects, one
    // image pixel per surface pixel.
    virtual QImage shownPicture() = 0;
    // Puts a loaded picture on the surface as its background (the colouring
    // book then builds its colours from it).
    virtual void showPicture(const QImage &picture) = 0;
    // The surface's "Clear" button.
    virtual void clearPicture() = 0;

    // Commits the text being edited and sticks every line and shape down into
    // the drawing, so that they print as part of it.
    virtual void stickDownObjects() = 0;
    virtual PrintedDrawing drawing() = 0;
};

} // namespace tw

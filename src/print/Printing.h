// "&Print": the child's drawing on one page, scaled to fit, and the three
// "Print S&ettings" menus.
#pragma once

#include "platform/Printer.h"
#include "print/PrintedDrawing.h"

#include <QSizeF>

class QPagedPaintDevice;
class QPainter;

namespace tw {

class PrintHost;

// The largest scale at which `surface` fits on `page` without distortion (both
// in one unit); 0 for an empty surface.
double fitScale(QSizeF page, QSizeF surface);

// Draws the picture objects stretched to their rectangles.
void PrintImg(QPainter &painter, const QList<PrintedPicture> &pictures, bool monochrome);
// Draws the text objects, every line starting under the first.
void PrintEvent(QPainter &painter, const QList<PrintedText> &texts, bool monochrome);
// The recorded strokes as a picture of the surface's size, transparent where
// nothing is drawn: every dot round, of its own width and colour, the widest
// pens first so that narrower strokes lie over them.
QImage strokeLayer(const StrokeRecord &strokes);
// Draws the recorded strokes over the background.
void PrintGraphic(QPainter &painter, const StrokeRecord &strokes, bool monochrome);

// Prints `drawing` on one page of `device`, from the top-left of its printable
// area, scaled to fit, in the order the screen shows it: background, strokes,
// then the picture and text objects. False when the device could not be painted on or did not
// finish the page; the drawing itself is never changed.
bool printDrawing(QPagedPaintDevice &device, const PrintedDrawing &drawing, bool monochrome);

class Printing
{
public:
    static constexpr const char *kPdfName = "Tumblewick.pdf";

    explicit Printing(PrintHost &host);

    // Sticks the lines and shapes down, then prints the drawing on the
    // desktop's printer. Without a printer, "Cannot Find Printer" offers to save
    // the page as a PDF file in the write folder instead.
    void MNU_Print_Click();

    // Writes the page to a PDF file (replaced in one step); empty, or why not.
    QString printToPdf(const QString &path, const PrintedDrawing &drawing) const;

    PageSetup page; // set by the window from the page menus before each print

private:
    void offerPdf(const PrintedDrawing &drawing);

    PrintHost &m_host;
};

} // namespace tw

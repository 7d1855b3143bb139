// The system's printer, behind a small interface so that tests print to a PDF file.
#pragma once

#include <QString>

#include <memory>

class QPagedPaintDevice;

namespace tw {

// A page as the "Print S&ettings" menus set it, in the platform's codes: paper
// sizes 1 (Letter) to 13 (B5), orientation 1 portrait or 2 landscape, colour mode
// 1 black and white or 2 colour.
struct PageSetup
{
    int paperSize = 9; // A4
    int orientation = 1;
    int colourMode = 1;
    bool monochrome() const { return colourMode != 2; }
    bool operator==(const PageSetup &) const = default;
};

class Printer
{
public:
    virtual ~Printer() = default;
    // A print job on the desktop's default printer with the page set up, ready for
    // a QPainter: ending the painter sends the page. Null when no printer is
    // installed or it cannot be opened.
    virtual std::unique_ptr<QPagedPaintDevice> open(const PageSetup &page) = 0;
};

} // namespace tw

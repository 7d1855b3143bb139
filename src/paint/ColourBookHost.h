// ColourBookHost: what the colouring book needs of the window beyond the paint box's host.
#pragma once

#include <QImage>
#include <QSize>

namespace tw {

class ColourBookHost
{
public:
    virtual ~ColourBookHost() = default;
    // The File, Tools and "&Map Color" menus shown; the quiz menus and the
    // Tools items that act on drawing objects hidden.
    virtual void showColourBookMenus() = 0;
    // The check mark of "&Map Color" moved to item `index` alone.
    virtual void checkMapItem(int index) = 0;
    // A picture to colour when the surface has none: one of the content
    // folder's backgrounds, fitted to `surface`; null when there is none.
    virtual QImage pictureToColour(QSize surface) = 0;
};

} // namespace tw

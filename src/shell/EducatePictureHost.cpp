#include "shell/EducatePictureHost.h"

#include "paint/PaintBox.h"
#include "paint/Paper.h"
#include "paint/PixelMaps.h"
#include "quiz/FilePattern.h"
#include "quiz/PictureLibrary.h"
#include "shell/Educate.h"
#include "shell/GameIds.h"
#include "shell/MenuBar.h"

namespace tw {

namespace {

// The Tools items that act on drawing objects: hidden in the colouring book.
const char *const kObjectItems[]
    = {"MNU_AddText", "MNU_AddImg", "MNU_ShapeOpt", "MNU_EdText", "MNU_EdFont",
       "MNU_EdColor", "MNU_Glue",   "MNU_Delete",   "MNU_PenW"};

} // namespace

void EducatePictureHost::showColourBookMenus()
{
    MenuBar &m = m_window.menus();
    for (const char *name : {"MNU_Settings", "MNU_Again", "MNU_SubjTop", "MNU_Pics1"})
        m.setVisible(QLatin1String(name), -1, false);
    for (const char *name : kObjectItems)
        m.setVisible(QLatin1String(name), -1, false);
    for (const char *name : {"MNU_Tools", "MNU_File", "MNU_Map"})
        m.setVisible(QLatin1String(name), -1, true);
}

void EducatePictureHost::checkMapItem(int index)
{
    m_window.menus().checkOnly(QStringLiteral("MNU_Cmap"), index);
}

QImage EducatePictureHost::pictureToColour()
{
    const QString folder = resolveFolder(m_window.shell.AppFolder, QStringLiteral("Background/"));
    const QStringList files = listFiles(folder);
    if (files.isEmpty())
        return {};
    const QSize surface = m_window.paintBox().paper().size();
    const int first = int(m_window.platform().random->rnd() * files.size()) % files.size();
    for (int i = 0; i < files.size(); ++i) {
        const QImage picture
            = PictureLibrary::loadPicture(folder + files.at((first + i) % files.size()));
        if (picture.isNull())
            continue;
        if (surface.isEmpty())
            return picture;
        return picture.scaled(surface, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return {};
}

QWidget *EducatePictureHost::window() { return &m_window; }

Dialogs &EducatePictureHost::dialogs() { return *m_window.platform().dialogs; }

Printer &EducatePictureHost::printer() { return *m_window.platform().printer; }

void EducatePictureHost::setBusy(bool busy) { m_window.setHourglass(busy); }

QString EducatePictureHost::appFolder() const { return m_window.shell.AppFolder; }

QString EducatePictureHost::writeFolder() const { return m_window.shell.WriteFolder; }

QImage EducatePictureHost::loadPicture(const QString &path)
{
    return PictureLibrary::loadPicture(path);
}

QImage EducatePictureHost::shownPicture() { return m_window.paintBox().paper().composed(); }

void EducatePictureHost::showPicture(const QImage &picture)
{
    if (m_window.shell.CurrentGame == GameColouringBook) {
        m_window.colourBook().pictureLoaded(picture);
        return;
    }
    Paper &paper = m_window.paintBox().paper();
    paper.setBackgroundPicture(picture);
    m_window.shell.RepaintPending = true; // the drawing lies over the new picture
    paper.invalidate();
}

void EducatePictureHost::clearPicture()
{
    m_window.paintBox().Review_Click(1);
    m_window.colourBook().cleared();
}

void EducatePictureHost::stickDownObjects()
{
    PaintObjectHooks &objects = m_window.paintBox().objects;
    if (objects.clearSelection)
        objects.clearSelection();
}

PrintedDrawing EducatePictureHost::drawing()
{
    PaintBox &box = m_window.paintBox();
    const Paper &paper = box.paper();
    const PixelMaps &maps = box.maps();
    PrintedDrawing d;
    d.pixels = paper.size();
    d.background = paper.backgroundPicture();
    d.strokes.size = paper.size().boundedTo(QSize(maps.width(), maps.height()));
    d.strokes.stride = maps.width();
    d.strokes.colour = maps.colours();
    d.strokes.width = maps.widths();
    for (int w = 0; w <= StrokeRecord::kMaxWidth && w < int(maps.widthUsed().size()); ++w)
        d.strokes.widthUsed[size_t(w)] = maps.widthUsed()[size_t(w)];
    return d;
}

} // namespace tw

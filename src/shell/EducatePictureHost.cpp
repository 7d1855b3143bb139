#include "shell/EducatePictureHost.h"

#include "common/Constants.h"
#include "common/FilePattern.h"
#include "common/PictureLoader.h"
#include "paint/ColourBook.h"
#include "paint/PaintBox.h"
#include "paint/PaintObjects.h"
#include "paint/Paper.h"
#include "paint/PixelMaps.h"
#include "paint/UserObjects.h"
#include "quiz/PictureLibrary.h"
#include "shell/Educate.h"
#include "shell/MenuBar.h"

#include <QFontInfo>
#include <QLabel>

namespace tw {

namespace {

// The Tools items that act on drawing objects or pens: the colouring book
// colours with the palette alone.
constexpr MenuId kObjectItems[]
    = {MenuId::MNU_AddText, MenuId::MNU_AddImg,  MenuId::MNU_ShapeOpt, MenuId::MNU_EdText,
       MenuId::MNU_EdFont,  MenuId::MNU_EdColor, MenuId::MNU_Glue,     MenuId::MNU_Delete,
       MenuId::MNU_PenW,    MenuId::MNU_Undo,    MenuId::MNU_Redo};

// `picture` as large as fits on `surface` without distortion; as it is while
// the surface has no size.
QImage fitted(const QImage &picture, QSize surface)
{
    if (picture.isNull() || surface.isEmpty())
        return picture;
    const QSize size = picture.size().scaled(surface, Qt::KeepAspectRatio);
    return PictureLoader::drawnAt(picture, size.expandedTo(QSize(1, 1)));
}

} // namespace

void EducatePictureHost::showColourBookMenus()
{
    MenuBar &m = m_window.menus();
    for (MenuId id :
         {MenuId::MNU_Settings, MenuId::MNU_Again, MenuId::MNU_SubjTop, MenuId::MNU_Pics1})
        m.setVisible(id, -1, false);
    for (MenuId id : kObjectItems)
        m.setVisible(id, -1, false);
    for (MenuId id : {MenuId::MNU_Tools, MenuId::MNU_File, MenuId::MNU_Map})
        m.setVisible(id, -1, true);
}

void EducatePictureHost::checkMapItem(int index)
{
    m_window.menus().checkOnly(MenuId::MNU_Cmap, index);
}

QImage EducatePictureHost::pictureToColour(QSize surface)
{
    const QString folder = resolveFolder(m_window.shell.AppFolder, QStringLiteral("Background/"));
    QStringList files;
    for (const QString &name : listFiles(folder)) {
        if (isPictureFile(name))
            files << name;
    }
    if (files.isEmpty())
        return {};
    const int first = int(m_window.platform().random->rnd() * files.size()) % files.size();
    for (int i = 0; i < files.size(); ++i) {
        const QImage picture
            = PictureLibrary::loadPicture(folder + files.at((first + i) % files.size()));
        if (!picture.isNull())
            return fitted(picture, surface);
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
    Paper &paper = m_window.paintBox().paper();
    const QImage shown = fitted(picture, paper.size());
    if (m_window.shell.CurrentGame == GameColouringBook) {
        m_window.colourBook().pictureLoaded(shown);
        return;
    }
    paper.setBackgroundPicture(shown);
    m_window.shell.RepaintPending = true; // the drawing lies over the new picture
    paper.invalidate();
}

void EducatePictureHost::clearPicture()
{
    if (m_window.shell.CurrentGame == GameColouringBook)
        m_window.colourBook().cleared();
    else
        m_window.paintBox().Review_Click(1);
}

void EducatePictureHost::stickDownObjects()
{
    // The colouring book hides the objects: they are neither stuck nor printed.
    if (m_window.shell.CurrentGame == GamePaintBox)
        m_window.paintObjects().stickDownAll();
}

PrintedDrawing EducatePictureHost::drawing()
{
    PaintBox &box = m_window.paintBox();
    const Paper &paper = box.paper();
    const PixelMaps &maps = box.maps();
    PrintedDrawing d;
    d.pixels = paper.size();
    d.background = paper.backgroundPicture();
    if (m_window.shell.CurrentGame == GamePaintBox) {
        // The objects as their widgets show them, in surface pixels.
        const PaintObjectSet &set = m_window.paintObjects().objects();
        UserObjects &user = m_window.paintObjects().user();
        for (int i = 1; i < int(set.pictures.size()); ++i) {
            const QLabel *label = user.image(i);
            if (set.pictures[size_t(i)].live() && label)
                d.pictures.append({QRectF(label->geometry()), set.pictures[size_t(i)].Picture});
        }
        for (int i = 1; i < int(set.texts.size()); ++i) {
            const TextObject &text = set.texts[size_t(i)];
            const QLabel *label = user.label(i);
            if (!text.live() || !label)
                continue;
            QFont font = label->font();
            font.setPixelSize(QFontInfo(label->font()).pixelSize());
            const QRect box = label->geometry();
            d.texts.append({QPointF(box.topLeft() + label->contentsRect().topLeft()), text.Caption,
                            font, QColor::fromRgb(rgbFromColour(text.ForeColor))});
        }
    }
    d.strokes.size = paper.size().boundedTo(QSize(maps.width(), maps.height()));
    d.strokes.stride = maps.width();
    d.strokes.colour = maps.colours();
    d.strokes.width = maps.widths();
    for (int w = 0; w <= StrokeRecord::kMaxWidth && w < int(maps.widthUsed().size()); ++w)
        d.strokes.widthUsed[size_t(w)] = maps.widthUsed()[size_t(w)];
    return d;
}

} // namespace tw

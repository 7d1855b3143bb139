#include "shell/EducatePaintHost.h"

#include "common/PictureLoader.h"
#include "paint/DotStamp.h"
#include "quiz/PictureLibrary.h"
#include "quiz/SoundPlayer.h"
#include "shell/Educate.h"
#include "shell/MenuBar.h"

#include <QCursor>
#include <QImageReader>
#include <QMenu>
#include <QPushButton>

#include <algorithm>

namespace tw {

namespace {

constexpr int kFirstSubject = 1; // the Pick menu starts with "Misc"

} // namespace

QWidget *EducatePaintHost::playArea() { return m_window.playArea(); }

QString EducatePaintHost::appFolder() const { return m_window.shell.AppFolder; }

QString EducatePaintHost::writeFolder() const { return m_window.shell.WriteFolder; }

Random &EducatePaintHost::random() { return *m_window.platform().random; }

int EducatePaintHost::currentGame() const { return m_window.shell.CurrentGame; }

QString EducatePaintHost::subject() const { return m_window.shell.CurrentSubject; }

void EducatePaintHost::setSubject(const QString &subject)
{
    m_window.shell.CurrentSubject = subject;
}

bool EducatePaintHost::repaintPending() const { return m_window.shell.RepaintPending; }

void EducatePaintHost::setRepaintPending(bool on) { m_window.shell.RepaintPending = on; }

bool EducatePaintHost::penDown() const { return m_window.shell.PenDown; }

void EducatePaintHost::setPenDown(bool on) { m_window.shell.PenDown = on; }

void EducatePaintHost::setPaintDone(bool on) { m_window.shell.PaintDone = on; }

void EducatePaintHost::setHourglass(bool on) { m_window.setHourglass(on); }

void EducatePaintHost::showPaintMenus()
{
    MenuBar &m = m_window.menus();
    for (MenuId id : {MenuId::MNU_Settings, MenuId::MNU_Again})
        m.setVisible(id, -1, false);
    for (MenuId id :
         {MenuId::MNU_SubjTop, MenuId::MNU_Pics1, MenuId::MNU_Tools, MenuId::MNU_File,
          MenuId::MNU_AddImg, MenuId::MNU_AddText, MenuId::MNU_EdFont, MenuId::MNU_EdText,
          MenuId::MNU_Delete, MenuId::MNU_Glue, MenuId::MNU_PenW, MenuId::MNU_ShapeOpt,
          MenuId::MNU_EdColor, MenuId::MNU_Undo, MenuId::MNU_Redo})
        m.setVisible(id, -1, true);
    m.setVisible(MenuId::MNU_Map, -1, false); // the colouring book's alone
    m.checkOnly(MenuId::MNU_Subject, 0);
    m_window.pictures().DoFiles(kFirstSubject);
}

void EducatePaintHost::showPaletteTile(int index, const QRect &pixels, const QString &tip)
{
    m_window.Answer.load(index);
    TileLabel *tile = m_window.Answer(index);
    if (!tile)
        return;
    tile->setText(QString());
    tile->setBorder(true);
    tile->setGeometry(pixels);
    tile->setToolTip(tip);
    tile->setEnabled(true);
    tile->show();
    tile->raise();
}

long EducatePaintHost::paletteColour(int index) const
{
    const TileLabel *tile = m_window.Answer(index);
    return tile ? tile->backColour() : 0;
}

void EducatePaintHost::setPaletteColour(int index, long colour)
{
    if (TileLabel *tile = m_window.Answer(index))
        tile->setBackColour(colour);
}

void EducatePaintHost::showReviewButton(int index, const QRect &pixels)
{
    if (index < 0 || index > 1)
        return;
    QPushButton *button = m_window.Review[index];
    button->setGeometry(pixels);
    button->show();
    button->raise();
}

namespace {

// The menu item of each Tools item the objects reach, in ToolsItem order.
const MenuId kToolsItems[]
    = {MenuId::MNU_AddImg,  MenuId::MNU_AddText, MenuId::MNU_EdFont,    MenuId::MNU_EdText,
       MenuId::MNU_EdColor, MenuId::MNU_PenW,    MenuId::MNU_ShapeOpt,  MenuId::MNU_Map,
       MenuId::MNU_Delete,  MenuId::MNU_Glue,    MenuId::MNU_ShapeFill, MenuId::MNU_Undo,
       MenuId::MNU_Redo};

MenuId itemName(PaintHost::ToolsItem item) { return kToolsItems[size_t(item)]; }

} // namespace

bool EducatePaintHost::toolsItemVisible(ToolsItem item) const
{
    return m_window.menus().visible(itemName(item));
}

void EducatePaintHost::setToolsItemVisible(ToolsItem item, bool on)
{
    m_window.menus().setVisible(itemName(item), -1, on);
}

void EducatePaintHost::setToolsItemEnabled(ToolsItem item, bool on)
{
    m_window.menus().setEnabled(itemName(item), -1, on);
}

void EducatePaintHost::setToolsItemCaption(ToolsItem item, const QString &caption)
{
    m_window.menus().setCaption(itemName(item), -1, caption);
}

int EducatePaintHost::checkedShapeKind() const
{
    return std::max(0, m_window.menus().checkedIndex(MenuId::MNU_Shape));
}

void EducatePaintHost::checkShapeKind(int kind)
{
    m_window.menus().checkOnly(MenuId::MNU_Shape, kind);
}

void EducatePaintHost::popUpTools(std::function<void()> closed)
{
    QMenu *tools = m_window.menus().menu(MenuId::MNU_Tools);
    if (!tools) {
        closed();
        return;
    }
    QObject::connect(tools, &QMenu::aboutToHide, tools, std::move(closed),
                     Qt::SingleShotConnection);
    tools->popup(QCursor::pos());
}

std::optional<long> EducatePaintHost::chooseColour(long colour)
{
    const std::optional<QColor> chosen = m_window.platform().dialogs->chooseColour(
        &m_window, QColor::fromRgb(rgbFromColour(quint32(colour))));
    if (!chosen)
        return std::nullopt;
    return long(colourFromRgb(chosen->rgb()));
}

std::optional<QFont> EducatePaintHost::chooseFont(const QFont &font)
{
    return m_window.platform().dialogs->chooseFont(&m_window, font);
}

QString EducatePaintHost::choosePictureFile()
{
    return m_window.platform().dialogs->openFile(&m_window, QStringLiteral("Add Image"),
                                                 m_window.shell.AppFolder,
                                                 PictureLibrary::pictureFilter());
}

std::optional<QImage> EducatePaintHost::loadPicture(const QString &path)
{
    // A picture claiming more pixels than the loader takes is refused with a
    // word to the child rather than left as an empty object.
    const QSize claimed = QImageReader(path).size();
    if (claimed.isValid()
        && qint64(claimed.width()) * claimed.height() > PictureLoader::kMaxPixels) {
        m_window.platform().dialogs->message(&m_window,
                                             QStringLiteral("This picture is too big to use."),
                                             Dialogs::Icon::Information);
        return std::nullopt;
    }
    return PictureLibrary::loadPicture(path);
}

void EducatePaintHost::playSound(const QString &path) { m_window.sounds().PlaySound(path); }

} // namespace tw

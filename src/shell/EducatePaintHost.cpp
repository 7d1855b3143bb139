#include "shell/EducatePaintHost.h"

#include "quiz/PictureLibrary.h"
#include "shell/Educate.h"
#include "shell/MenuBar.h"

#include <QPushButton>

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
          MenuId::MNU_Delete, MenuId::MNU_Glue, MenuId::MNU_PenW, MenuId::MNU_ShapeOpt})
        m.setVisible(id, -1, true);
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

} // namespace tw

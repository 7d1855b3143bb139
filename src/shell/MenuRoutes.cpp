// Where each menu item's clicks go: the room and handler named after the item.
#include "common/Constants.h"
#include "common/MenuId.h"
#include "shell/MenuBar.h"

#include "help/Help.h"
#include "paint/ColourBook.h"
#include "paint/PaintBox.h"
#include "paint/PaintObjects.h"
#include "paint/UserObjects.h"
#include "print/PictureFiles.h"
#include "print/Printing.h"
#include "quiz/PictureLibrary.h"
#include "quiz/TileLayout.h"
#include "shell/Educate.h"
#include "shell/PasswordLock.h"
#include "shell/Settings.h"
#include "speech/Speaker.h"

namespace tw {

void MenuBar::installRoutes()
{
    Educate &w = m_window;

    // Play.
    setHandler(MenuId::MNU_Game, [&w](int i) { w.MNU_Game_Click(i); });
    setHandler(MenuId::MNU_Again, [&w](int) { w.MNU_Again_Click(); });
    setHandler(MenuId::MNU_Exit, [&w](int) { w.MNU_Exit_Click(); });

    // Pictures.
    setHandler(MenuId::MNU_Subject, [&w](int i) { w.settings().MNU_Subject_Click(i); });
    setHandler(MenuId::MNU_PList1, [&w](int i) { w.pictures().MNU_PList1_Click(i); });
    setHandler(MenuId::MNU_Pic, [&w](int) { w.pictures().MNU_Pic_Click(); });

    // Options.
    const QList<std::pair<MenuId, void (Settings::*)(int)>> options = {
        {MenuId::MNU_Size, &Settings::MNU_Size_Click},
        {MenuId::MNU_Kbd, &Settings::MNU_Kbd_Click},
        {MenuId::MNU_Limit, &Settings::MNU_Limit_Click},
        {MenuId::MNU_SpellSubject, &Settings::MNU_SpellSubject_Click},
        {MenuId::MNU_PairSubject, &Settings::MNU_PairSubject_Click},
        {MenuId::MNU_Letters, &Settings::MNU_Letters_Click},
        {MenuId::MNU_AddMax, &Settings::MNU_AddMax_Click},
        {MenuId::MNU_SubMax, &Settings::MNU_SubMax_Click},
        {MenuId::MNU_MulMax, &Settings::MNU_MulMax_Click},
        {MenuId::MNU_DivMax, &Settings::MNU_DivMax_Click},
    };
    for (const auto &[name, method] : options)
        setHandler(name, [&w, m = method](int i) { (w.settings().*m)(i); });
    const QList<std::pair<MenuId, void (Settings::*)()>> switches = {
        {MenuId::MNU_AddOn, &Settings::MNU_AddOn_Click},
        {MenuId::MNU_SubOn, &Settings::MNU_SubOn_Click},
        {MenuId::MNU_MulOn, &Settings::MNU_MulOn_Click},
        {MenuId::MNU_DivOn, &Settings::MNU_DivOn_Click},
    };
    for (const auto &[name, method] : switches)
        setHandler(name, [&w, m = method](int) { (w.settings().*m)(); });

    // Talking character.
    // The character keeps a strip beside the tiles: they make room when it comes or goes.
    setHandler(MenuId::MNU_SpkOn, [&w](int) {
        w.speaker().MNU_SpkOn_Click();
        w.layout().ReDraw();
    });
    setHandler(MenuId::MNU_SpkChr, [&w](int i) {
        w.speaker().MNU_SpkChr_Click(i);
        w.layout().ReDraw();
    });

    // Password.
    setHandler(MenuId::MNU_PsCreate, [&w](int) { w.password().MNU_PsCreate_Click(); });
    setHandler(MenuId::MNU_PsRq, [&w](int i) { w.password().MNU_PsRq_Click(i); });

    // Help.
    setHandler(MenuId::MNU_Manual, [&w](int) { w.help().MNU_Manual_Click(); });
    setHandler(MenuId::MNU_About, [&w](int) { w.help().MNU_About_Click(); });

    // Paint tools: opening the menu is guarded by the password.
    setHandler(MenuId::MNU_Tools, [&w](int) { w.MNU_Tools_Click(); });
    setHandler(MenuId::MNU_PenW, [&w](int) { w.MNU_PenW_Click(); });
    setHandler(MenuId::MNU_PenWidth, [&w](int i) { w.paintBox().MNU_PenWidth_Click(i); });

    // Objects on the drawing.
    setHandler(MenuId::MNU_Shape, [&w](int i) { w.paintObjects().MNU_Shape_Click(i); });
    const QList<std::pair<MenuId, void (PaintObjects::*)()>> objectItems = {
        {MenuId::MNU_ShapeFill, &PaintObjects::MNU_ShapeFill_Click},
        {MenuId::MNU_ShapeFillCol, &PaintObjects::MNU_ShapeFillCol_Click},
        {MenuId::MNU_ShapeFillCurCol, &PaintObjects::MNU_ShapeFillCurCol_Click},
        {MenuId::MNU_Delete, &PaintObjects::MNU_Delete_Click},
        {MenuId::MNU_Glue, &PaintObjects::MNU_Glue_Click},
        {MenuId::MNU_Undo, &PaintObjects::MNU_Undo_Click},
        {MenuId::MNU_Redo, &PaintObjects::MNU_Redo_Click},
    };
    for (const auto &[name, method] : objectItems)
        setHandler(name, [&w, m = method](int) { (w.paintObjects().*m)(); });
    const QList<std::pair<MenuId, void (UserObjects::*)()>> userItems = {
        {MenuId::MNU_AddText, &UserObjects::MNU_AddText_Click},
        {MenuId::MNU_AddImg, &UserObjects::MNU_AddImg_Click},
        {MenuId::MNU_EdText, &UserObjects::MNU_EdText_Click},
        {MenuId::MNU_EdFont, &UserObjects::MNU_EdFont_Click},
        {MenuId::MNU_EdColor, &UserObjects::MNU_EdColor_Click},
    };
    for (const auto &[name, method] : userItems)
        setHandler(name, [&w, m = method](int) { (w.paintObjects().user().*m)(); });

    // The colouring book, the picture files and printing.
    setHandler(MenuId::MNU_Cmap, [&w](int i) { w.colourBook().MNU_Cmap_Click(i); });
    // The File menu shows in the paint games only; what reaches it otherwise
    // (a hidden item triggered) must not touch the drawing.
    const auto painting = [&w] {
        return w.shell.CurrentGame == GameColouringBook || w.shell.CurrentGame == GamePaintBox;
    };
    const QList<std::pair<MenuId, std::function<void()>>> fileItems = {
        {MenuId::MNU_LoadPic, [&w] { w.pictureFiles().MNU_LoadPic_Click(); }},
        {MenuId::MNU_Save, [&w] { w.pictureFiles().MNU_Save_Click(); }},
        {MenuId::MNU_Clear, [&w] { w.pictureFiles().MNU_Clear_Click(); }},
        {MenuId::MNU_Print, [&w] { w.MNU_Print_Click(); }},
    };
    for (const auto &[name, handler] : fileItems) {
        setHandler(name, [painting, h = handler](int) {
            if (painting())
                h();
        });
    }
    // The paper size and orientation live in their check marks; the colour
    // items are a stored option. Printing reads them when a page is printed.
    for (MenuId name : {MenuId::MNU_PaperSize, MenuId::MNU_PapLand})
        setHandler(name, [this, name](int i) { checkOnly(name, i); });
    setHandler(MenuId::MNU_Color, [&w](int i) { w.settings().MNU_Color_Click(i); });
}

} // namespace tw

#include "shell/MenuTable.h"
#include "common/MenuId.h"

#include <vector>

namespace tw {

namespace {

// A literal row; `last` above `index` stands for the items index..last, all with
// the same caption (the arrays whose captions are filled at run time).
struct Row
{
    MenuId parent;
    MenuId name;
    int index;
    const char *caption;
    unsigned flags;
    int last = -2;
};

constexpr unsigned Opt = MenuCheckable;
constexpr unsigned On = MenuChecked;
constexpr unsigned Sub = MenuSubmenu;

const Row kRows[] = {
    // The bar.
    {MenuId::None, MenuId::MNU_Play, -1, "&Play", Sub},
    {MenuId::None, MenuId::MNU_SubjTop, -1, "&Subject", Sub},
    {MenuId::None, MenuId::MNU_Pics1, -1, "&Pick", Sub},
    {MenuId::None, MenuId::MNU_Tools, -1, "&Tools", Sub},
    {MenuId::None, MenuId::MNU_File, -1, "&File", Sub},
    {MenuId::None, MenuId::MNU_Settings, -1, "&Settings", Sub},
    {MenuId::None, MenuId::MNU_Help, -1, "&Help", Sub},
    {MenuId::None, MenuId::MNU_Again, -1, "Play &Again", MenuDisabled},

    // Play: the index of a game is its id.
    {MenuId::MNU_Play, MenuId::MNU_Game, 0, "&Sounds", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 1, "&Colors", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 2, "&Initial Letters", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 3, "&Jig Saw Puzzle", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 4, "S&liding Puzzle", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 5, "&Pairs", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 6, "&Arithmethic", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 7, "Sp&elling", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 8, "&Flags", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 9, "&Words", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 10, "&Number Counting", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 11, "&Hide and Seek", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 12, "Coloring Book", 0},
    {MenuId::MNU_Play, MenuId::MNU_Game, 13, "Paint &Box", 0},
    {MenuId::MNU_Play, MenuId::MNU_Exit, -1, "E&xit", 0},

    // Subject and Pick: captions come from the picture folders found on disk.
    {MenuId::MNU_SubjTop, MenuId::MNU_Subject, 0, "", Opt | MenuHidden, 9},
    {MenuId::MNU_Pics1, MenuId::MNU_PList1, 0, "", MenuHidden, 99},

    // Tools (paint box).
    {MenuId::MNU_Tools, MenuId::MNU_Undo, -1, "&Undo", MenuDisabled},
    {MenuId::MNU_Tools, MenuId::MNU_Redo, -1, "&Redo", MenuDisabled},
    {MenuId::MNU_Tools, MenuId::MNU_AddText, -1, "&Add Text", 0},
    {MenuId::MNU_Tools, MenuId::MNU_AddImg, -1, "Add &Image", 0},
    {MenuId::MNU_Tools, MenuId::MNU_ShapeOpt, -1, "Shape &Options", Sub},
    {MenuId::MNU_ShapeOpt, MenuId::MNU_ShpChange, -1, "Change S&hape", Sub},
    {MenuId::MNU_ShpChange, MenuId::MNU_Shape, 0, "&Rectangle", On},
    {MenuId::MNU_ShpChange, MenuId::MNU_Shape, 1, "&Square", Opt},
    {MenuId::MNU_ShpChange, MenuId::MNU_Shape, 2, "&Oval", Opt},
    {MenuId::MNU_ShpChange, MenuId::MNU_Shape, 3, "&Circle", Opt},
    {MenuId::MNU_ShpChange, MenuId::MNU_Shape, 4, "Rounded R&ectangle", Opt},
    {MenuId::MNU_ShpChange, MenuId::MNU_Shape, 5, "Rounded S&quare", Opt},
    {MenuId::MNU_ShapeOpt, MenuId::MNU_ShapeStyle, -1, "Fill Style", Sub},
    {MenuId::MNU_ShapeStyle, MenuId::MNU_ShapeFill, -1, "&Solid", 0},
    {MenuId::MNU_ShapeStyle, MenuId::MNU_FillCol, -1, "&Color", Sub},
    {MenuId::MNU_FillCol, MenuId::MNU_ShapeFillCol, -1, "Color &Palette", 0},
    {MenuId::MNU_FillCol, MenuId::MNU_ShapeFillCurCol, -1, "&Current Color", 0},
    {MenuId::MNU_Tools, MenuId::MNU_EdText, -1, "Edit &Text", 0},
    {MenuId::MNU_Tools, MenuId::MNU_EdFont, -1, "&Font", 0},
    {MenuId::MNU_Tools, MenuId::MNU_Map, -1, "&Map Color", Sub | MenuHidden},
    {MenuId::MNU_Map, MenuId::MNU_Cmap, 0, "Fine", Opt},
    {MenuId::MNU_Map, MenuId::MNU_Cmap, 1, "Medium Fine", Opt},
    {MenuId::MNU_Map, MenuId::MNU_Cmap, 2, "Medium", On},
    {MenuId::MNU_Map, MenuId::MNU_Cmap, 3, "Medium Coarse", Opt},
    {MenuId::MNU_Map, MenuId::MNU_Cmap, 4, "Coarse", Opt},
    {MenuId::MNU_Tools, MenuId::MNU_EdColor, -1, "&Color Pallete", 0},
    {MenuId::MNU_Tools, MenuId::MNU_Glue, -1, "&Stick Down", 0},
    {MenuId::MNU_Tools, MenuId::MNU_Delete, -1, "&Delete", 0},
    {MenuId::MNU_Tools, MenuId::MNU_PenW, -1, "Pen &Width", Sub},
    {MenuId::MNU_PenW, MenuId::MNU_PenWidth, 0, "&1", 0},
    {MenuId::MNU_PenW, MenuId::MNU_PenWidth, 1, "&2", 0},
    {MenuId::MNU_PenW, MenuId::MNU_PenWidth, 2, "&3", 0},
    {MenuId::MNU_PenW, MenuId::MNU_PenWidth, 3, "&4", 0},
    {MenuId::MNU_PenW, MenuId::MNU_PenWidth, 4, "&5", 0},
    {MenuId::MNU_PenW, MenuId::MNU_PenWidth, 5, "&6", 0},
    {MenuId::MNU_PenW, MenuId::MNU_PenWidth, 6, "&7", 0},
    {MenuId::MNU_PenW, MenuId::MNU_PenWidth, 7, "&8", 0},

    // File.
    {MenuId::MNU_File, MenuId::MNU_LoadPic, -1, "&Load Picture", 0},
    {MenuId::MNU_File, MenuId::MNU_Save, -1, "&Save Picture", 0},
    {MenuId::MNU_File, MenuId::MNU_Clear, -1, "&Clear Picture", 0},
    {MenuId::MNU_File, MenuId::MNU_Print, -1, "&Print", 0},
    {MenuId::MNU_File, MenuId::MNU_PSetting, -1, "Print S&ettings", Sub},
    {MenuId::MNU_PSetting, MenuId::MNU_PapSize, -1, "&Paper Size", Sub},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 0, "&Letter", Opt},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 1, "Letter &Small", Opt},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 2, "&Tabliod", Opt},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 3, "Le&dger", Opt},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 4, "Le&gal", Opt},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 5, "State&ment", Opt},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 6, "E&xecutive", Opt},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 7, "A&3", Opt},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 8, "A&4", On},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 9, "A4 Sma&ll", Opt},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 10, "&A5", Opt},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 11, "&B4", Opt},
    {MenuId::MNU_PapSize, MenuId::MNU_PaperSize, 12, "B&5", Opt},
    {MenuId::MNU_PSetting, MenuId::MNU_PapOrient, -1, "Paper &Orientation", Sub},
    {MenuId::MNU_PapOrient, MenuId::MNU_PapLand, 0, "&Normal", On},
    {MenuId::MNU_PapOrient, MenuId::MNU_PapLand, 1, "&Landscape", Opt},
    {MenuId::MNU_PSetting, MenuId::MNU_Clr, -1, "&Color", Sub},
    {MenuId::MNU_Clr, MenuId::MNU_Color, 0, "&Black and White", On},
    {MenuId::MNU_Clr, MenuId::MNU_Color, 1, "&Color", Opt},

    // Settings. Where an index carries a value (grid size, word length, times
    // table) the gaps between indices are deliberate.
    {MenuId::MNU_Settings, MenuId::MNU_PzSize, -1, "Pu&zzle Size", Sub},
    {MenuId::MNU_PzSize, MenuId::MNU_Size, 0, "&3 x 3", On},
    {MenuId::MNU_PzSize, MenuId::MNU_Size, 1, "&4 x 4", Opt},
    {MenuId::MNU_PzSize, MenuId::MNU_Size, 2, "&5 x 5", Opt},
    {MenuId::MNU_PzSize, MenuId::MNU_Size, 3, "&6 x 6", Opt},
    {MenuId::MNU_PzSize, MenuId::MNU_Size, 4, "&7 x 7", Opt},
    {MenuId::MNU_PzSize, MenuId::MNU_Size, 5, "&8 x 8", Opt},
    {MenuId::MNU_PzSize, MenuId::MNU_Size, 6, "&9 x 9", Opt},
    {MenuId::MNU_PzSize, MenuId::MNU_Size, 7, "1&0 x 10", Opt},
    {MenuId::MNU_PzSize, MenuId::MNU_Size, 12, "&15 x 15", Opt},
    {MenuId::MNU_PzSize, MenuId::MNU_Size, 17, "&20 x 20", Opt},
    {MenuId::MNU_Settings, MenuId::MNU_Ini, -1, "&Initial Letters", Sub},
    {MenuId::MNU_Ini, MenuId::MNU_Kbd, 1, "Use &Both", On},
    {MenuId::MNU_Ini, MenuId::MNU_Kbd, 2, "Use &Mouse", Opt},
    {MenuId::MNU_Ini, MenuId::MNU_Kbd, 3, "Use &Keyboard", Opt},
    {MenuId::MNU_Settings, MenuId::MNU_Spelling, -1, "&Words and Spelling", Sub},
    {MenuId::MNU_Spelling, MenuId::MNU_SpWd, -1, "&Word Length", Sub},
    {MenuId::MNU_SpWd, MenuId::MNU_Letters, 3, "Up to &3 Letters", On},
    {MenuId::MNU_SpWd, MenuId::MNU_Letters, 4, "Up to &4 Letters", Opt},
    {MenuId::MNU_SpWd, MenuId::MNU_Letters, 5, "Up to &5 Letters", Opt},
    {MenuId::MNU_SpWd, MenuId::MNU_Letters, 6, "Up to &6 Letters", Opt},
    {MenuId::MNU_SpWd, MenuId::MNU_Letters, 7, "Up to &7 Letters", Opt},
    {MenuId::MNU_SpWd, MenuId::MNU_Letters, 8, "Up to &8 Letters", Opt},
    {MenuId::MNU_SpWd, MenuId::MNU_Letters, 10, "Up to &10 Letters", Opt},
    {MenuId::MNU_SpWd, MenuId::MNU_Letters, 20, "Up to &20 Letters", Opt},
    {MenuId::MNU_Spelling, MenuId::MNU_SpSb, -1, "&Subject", Sub},
    {MenuId::MNU_SpSb, MenuId::MNU_SpellSubject, 1, "&Misc", Opt},
    {MenuId::MNU_SpSb, MenuId::MNU_SpellSubject, 2, "&Animals", Opt},
    {MenuId::MNU_SpSb, MenuId::MNU_SpellSubject, 3, "&Fruit and Veg", Opt},
    {MenuId::MNU_SpSb, MenuId::MNU_SpellSubject, 4, "&Transport", Opt},
    {MenuId::MNU_SpSb, MenuId::MNU_SpellSubject, 5, "&Flags", Opt},
    {MenuId::MNU_Settings, MenuId::MNU_Pr, -1, "&Pairs", Sub},
    {MenuId::MNU_Pr, MenuId::MNU_PrSb, -1, "&Subject", Sub},
    {MenuId::MNU_PrSb, MenuId::MNU_PairSubject, 1, "&Misc", Opt},
    {MenuId::MNU_PrSb, MenuId::MNU_PairSubject, 2, "&Animals", Opt},
    {MenuId::MNU_PrSb, MenuId::MNU_PairSubject, 3, "&Fruit and Veg", Opt},
    {MenuId::MNU_PrSb, MenuId::MNU_PairSubject, 4, "&Transport", Opt},
    {MenuId::MNU_PrSb, MenuId::MNU_PairSubject, 5, "&Flags", Opt},
    {MenuId::MNU_Settings, MenuId::MNU_Arith, -1, "&Arithmetic", Sub},
    {MenuId::MNU_Arith, MenuId::MNU_Add, -1, "&Addition", Sub},
    {MenuId::MNU_Add, MenuId::MNU_AddOn, -1, "&On", On},
    {MenuId::MNU_Add, MenuId::MNU_AddMax, 0, "Numbers up to &5", Opt},
    {MenuId::MNU_Add, MenuId::MNU_AddMax, 1, "Numbers up to &10", On},
    {MenuId::MNU_Add, MenuId::MNU_AddMax, 2, "Numbers up to &20", Opt},
    {MenuId::MNU_Add, MenuId::MNU_AddMax, 3, "Numbers up to &40", Opt},
    {MenuId::MNU_Add, MenuId::MNU_AddMax, 4, "Numbers up to 1&00", Opt},
    {MenuId::MNU_Arith, MenuId::MNU_Subtract, -1, "&Subtraction", Sub},
    {MenuId::MNU_Subtract, MenuId::MNU_SubOn, -1, "&On", Opt},
    {MenuId::MNU_Subtract, MenuId::MNU_SubMax, 0, "Numbers up to &5", Opt},
    {MenuId::MNU_Subtract, MenuId::MNU_SubMax, 1, "Numbers up to &10", On},
    {MenuId::MNU_Subtract, MenuId::MNU_SubMax, 2, "Numbers up to &20", Opt},
    {MenuId::MNU_Subtract, MenuId::MNU_SubMax, 3, "Numbers up to &40", Opt},
    {MenuId::MNU_Subtract, MenuId::MNU_SubMax, 4, "Numbers up to 1&00", Opt},
    {MenuId::MNU_Arith, MenuId::MNU_Multiply, -1, "&Multiplication", Sub},
    {MenuId::MNU_Multiply, MenuId::MNU_MulOn, -1, "&On", Opt},
    {MenuId::MNU_Multiply, MenuId::MNU_MulMax, 2, "Up to &2 times table", On},
    {MenuId::MNU_Multiply, MenuId::MNU_MulMax, 3, "Up to &3 times table", Opt},
    {MenuId::MNU_Multiply, MenuId::MNU_MulMax, 4, "Up to &4 times table", Opt},
    {MenuId::MNU_Multiply, MenuId::MNU_MulMax, 5, "Up to &5 times table", Opt},
    {MenuId::MNU_Multiply, MenuId::MNU_MulMax, 7, "Up to &7 times table", Opt},
    {MenuId::MNU_Multiply, MenuId::MNU_MulMax, 10, "Up to &10 times table", Opt},
    {MenuId::MNU_Multiply, MenuId::MNU_MulMax, 12, "Up to 12 &times table", Opt},
    {MenuId::MNU_Arith, MenuId::MNU_Divide, -1, "&Division", Sub},
    {MenuId::MNU_Divide, MenuId::MNU_DivOn, -1, "&On", Opt},
    {MenuId::MNU_Divide, MenuId::MNU_DivMax, 2, "Up to &2 times table", On},
    {MenuId::MNU_Divide, MenuId::MNU_DivMax, 3, "Up to &3 times table", Opt},
    {MenuId::MNU_Divide, MenuId::MNU_DivMax, 4, "Up to &4 times table", Opt},
    {MenuId::MNU_Divide, MenuId::MNU_DivMax, 5, "Up to &5 times table", Opt},
    {MenuId::MNU_Divide, MenuId::MNU_DivMax, 7, "Up to &7 times table", Opt},
    {MenuId::MNU_Divide, MenuId::MNU_DivMax, 10, "Up to &10 times table", Opt},
    {MenuId::MNU_Divide, MenuId::MNU_DivMax, 12, "Up to 12 &times table", Opt},
    {MenuId::MNU_Settings, MenuId::MNU_Speech, -1, "&Talking Characters", Sub},
    {MenuId::MNU_Speech, MenuId::MNU_SpkOn, -1, "&On", On},
    {MenuId::MNU_Speech, MenuId::MNU_Character, -1, "&Character", Sub},
    {MenuId::MNU_Character, MenuId::MNU_SpkChr, 1, "&Non Installed", Opt | MenuDisabled},
    {MenuId::MNU_Character, MenuId::MNU_SpkChr, 2, "", Opt | MenuDisabled | MenuHidden, 10},
    {MenuId::MNU_Settings, MenuId::MNU_Lim, -1, "&Time Limit", Sub},
    {MenuId::MNU_Lim, MenuId::MNU_Limit, 0, "&No Limit", On},
    {MenuId::MNU_Lim, MenuId::MNU_Limit, 1, "&15 Seconds", Opt},
    {MenuId::MNU_Lim, MenuId::MNU_Limit, 2, "&30 Seconds", Opt},
    {MenuId::MNU_Lim, MenuId::MNU_Limit, 3, "&45 Seconds", Opt},
    {MenuId::MNU_Lim, MenuId::MNU_Limit, 4, "&One Minute", Opt},
    {MenuId::MNU_Settings, MenuId::MNU_PsWd, -1, "Pass&word", Sub},
    {MenuId::MNU_PsWd, MenuId::MNU_PsCreate, -1, "&Create Password", 0},
    {MenuId::MNU_PsWd, MenuId::MNU_PsRq, 1, "Required to E&xit Program", Opt},
    {MenuId::MNU_PsWd, MenuId::MNU_PsRq, 2, "Required to Change &Settings", Opt},
    {MenuId::MNU_PsWd, MenuId::MNU_PsRq, 3, "Required to Change &Game", Opt},
    {MenuId::MNU_PsWd, MenuId::MNU_PsRq, 4, "Required to use &Printer", Opt},
    {MenuId::MNU_Settings, MenuId::MNU_Pic, -1, "&Change Picture", 0},

    // Help.
    {MenuId::MNU_Help, MenuId::MNU_About, -1, "&About...", 0},
    {MenuId::MNU_Help, MenuId::MNU_Manual, -1, "&Help Manual", 0},
};

std::vector<MenuEntry> expand()
{
    std::vector<MenuEntry> out;
    for (const Row &r : kRows) {
        const int last = r.last < r.index ? r.index : r.last;
        for (int i = r.index; i <= last; ++i)
            out.push_back({r.parent, r.name, i, r.caption, r.flags});
    }
    return out;
}

} // namespace

std::span<const MenuEntry> menuTable()
{
    static const std::vector<MenuEntry> table = expand();
    return table;
}

} // namespace tw

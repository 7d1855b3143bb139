#include "shell/MenuTable.h"

#include <vector>

namespace tw {

namespace {

// A literal row; `last` above `index` stands for the items index..last, all with
// the same caption (the arrays whose captions are filled at run time).
struct Row
{
    const char *parent;
    const char *name;
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
    {nullptr, "MNU_Play", -1, "&Play", Sub},
    {nullptr, "MNU_SubjTop", -1, "&Subject", Sub},
    {nullptr, "MNU_Pics1", -1, "&Pick", Sub},
    {nullptr, "MNU_Tools", -1, "&Tools", Sub},
    {nullptr, "MNU_File", -1, "&File", Sub},
    {nullptr, "MNU_Settings", -1, "&Settings", Sub},
    {nullptr, "MNU_Help", -1, "&Help", Sub},
    {nullptr, "MNU_Again", -1, "Play &Again", MenuDisabled},

    // Play: the index of a game is its id.
    {"MNU_Play", "MNU_Game", 0, "&Sounds", 0},
    {"MNU_Play", "MNU_Game", 1, "&Colors", 0},
    {"MNU_Play", "MNU_Game", 2, "&Initial Letters", 0},
    {"MNU_Play", "MNU_Game", 3, "&Jig Saw Puzzle", 0},
    {"MNU_Play", "MNU_Game", 4, "S&liding Puzzle", 0},
    {"MNU_Play", "MNU_Game", 5, "&Pairs", 0},
    {"MNU_Play", "MNU_Game", 6, "&Arithmethic", 0},
    {"MNU_Play", "MNU_Game", 7, "Sp&elling", 0},
    {"MNU_Play", "MNU_Game", 8, "&Flags", 0},
    {"MNU_Play", "MNU_Game", 9, "&Words", 0},
    {"MNU_Play", "MNU_Game", 10, "&Number Counting", 0},
    {"MNU_Play", "MNU_Game", 11, "&Hide and Seek", 0},
    {"MNU_Play", "MNU_Game", 12, "Coloring Book", 0},
    {"MNU_Play", "MNU_Game", 13, "Paint &Box", 0},
    {"MNU_Play", "MNU_Exit", -1, "E&xit", 0},

    // Subject and Pick: captions come from the picture folders found on disk.
    {"MNU_SubjTop", "MNU_Subject", 0, "", Opt | MenuHidden, 9},
    {"MNU_Pics1", "MNU_PList1", 0, "", MenuHidden, 99},

    // Tools (paint box).
    {"MNU_Tools", "MNU_AddText", -1, "&Add Text", 0},
    {"MNU_Tools", "MNU_AddImg", -1, "Add &Image", 0},
    {"MNU_Tools", "MNU_ShapeOpt", -1, "Shape &Options", Sub},
    {"MNU_ShapeOpt", "MNU_ShpChange", -1, "Change S&hape", Sub},
    {"MNU_ShpChange", "MNU_Shape", 0, "&Rectangle", On},
    {"MNU_ShpChange", "MNU_Shape", 1, "&Square", Opt},
    {"MNU_ShpChange", "MNU_Shape", 2, "&Oval", Opt},
    {"MNU_ShpChange", "MNU_Shape", 3, "&Circle", Opt},
    {"MNU_ShpChange", "MNU_Shape", 4, "Rounded R&ectangle", Opt},
    {"MNU_ShpChange", "MNU_Shape", 5, "Rounded S&quare", Opt},
    {"MNU_ShapeOpt", "MNU_ShapeStyle", -1, "Fill Style", Sub},
    {"MNU_ShapeStyle", "MNU_ShapeFill", -1, "&Solid", 0},
    {"MNU_ShapeStyle", "MNU_FillCol", -1, "&Color", Sub},
    {"MNU_FillCol", "MNU_ShapeFillCol", -1, "Color &Palette", 0},
    {"MNU_FillCol", "MNU_ShapeFillCurCol", -1, "&Current Color", 0},
    {"MNU_Tools", "MNU_EdText", -1, "Edit &Text", 0},
    {"MNU_Tools", "MNU_EdFont", -1, "&Font", 0},
    {"MNU_Tools", "MNU_Map", -1, "&Map Color", Sub},
    {"MNU_Map", "MNU_Cmap", 0, "Fine", Opt},
    {"MNU_Map", "MNU_Cmap", 1, "Medium Fine", Opt},
    {"MNU_Map", "MNU_Cmap", 2, "Medium", On},
    {"MNU_Map", "MNU_Cmap", 3, "Medium Coarse", Opt},
    {"MNU_Map", "MNU_Cmap", 4, "Coarse", Opt},
    {"MNU_Tools", "MNU_EdColor", -1, "&Color Pallete", 0},
    {"MNU_Tools", "MNU_Glue", -1, "&Stick Down", 0},
    {"MNU_Tools", "MNU_Delete", -1, "&Delete", 0},
    {"MNU_Tools", "MNU_PenW", -1, "Pen &Width", Sub},
    {"MNU_PenW", "MNU_PenWidth", 0, "&1", 0},
    {"MNU_PenW", "MNU_PenWidth", 1, "&2", 0},
    {"MNU_PenW", "MNU_PenWidth", 2, "&3", 0},
    {"MNU_PenW", "MNU_PenWidth", 3, "&4", 0},
    {"MNU_PenW", "MNU_PenWidth", 4, "&5", 0},
    {"MNU_PenW", "MNU_PenWidth", 5, "&6", 0},
    {"MNU_PenW", "MNU_PenWidth", 6, "&7", 0},
    {"MNU_PenW", "MNU_PenWidth", 7, "&8", 0},

    // File.
    {"MNU_File", "MNU_LoadPic", -1, "&Load Picture", 0},
    {"MNU_File", "MNU_Save", -1, "&Save Picture", 0},
    {"MNU_File", "MNU_Clear", -1, "&Clear Picture", 0},
    {"MNU_File", "MNU_Print", -1, "&Print", 0},
    {"MNU_File", "MNU_PSetting", -1, "Print S&ettings", Sub},
    {"MNU_PSetting", "MNU_PapSize", -1, "&Paper Size", Sub},
    {"MNU_PapSize", "MNU_PaperSize", 0, "&Letter", Opt},
    {"MNU_PapSize", "MNU_PaperSize", 1, "Letter &Small", Opt},
    {"MNU_PapSize", "MNU_PaperSize", 2, "&Tabliod", Opt},
    {"MNU_PapSize", "MNU_PaperSize", 3, "Le&dger", Opt},
    {"MNU_PapSize", "MNU_PaperSize", 4, "Le&gal", Opt},
    {"MNU_PapSize", "MNU_PaperSize", 5, "State&ment", Opt},
    {"MNU_PapSize", "MNU_PaperSize", 6, "E&xecutive", Opt},
    {"MNU_PapSize", "MNU_PaperSize", 7, "A&3", Opt},
    {"MNU_PapSize", "MNU_PaperSize", 8, "A&4", On},
    {"MNU_PapSize", "MNU_PaperSize", 9, "A4 Sma&ll", Opt},
    {"MNU_PapSize", "MNU_PaperSize", 10, "&A5", Opt},
    {"MNU_PapSize", "MNU_PaperSize", 11, "&B4", Opt},
    {"MNU_PapSize", "MNU_PaperSize", 12, "B&5", Opt},
    {"MNU_PSetting", "MNU_PapOrient", -1, "Paper &Orientation", Sub},
    {"MNU_PapOrient", "MNU_PapLand", 0, "&Normal", On},
    {"MNU_PapOrient", "MNU_PapLand", 1, "&Landscape", Opt},
    {"MNU_PSetting", "MNU_Clr", -1, "&Color", Sub},
    {"MNU_Clr", "MNU_Color", 0, "&Black and White", On},
    {"MNU_Clr", "MNU_Color", 1, "&Color", Opt},

    // Settings. Where an index carries a value (grid size, word length, times
    // table) the gaps between indices are deliberate.
    {"MNU_Settings", "MNU_PzSize", -1, "Pu&zzle Size", Sub},
    {"MNU_PzSize", "MNU_Size", 0, "&3 x 3", On},
    {"MNU_PzSize", "MNU_Size", 1, "&4 x 4", Opt},
    {"MNU_PzSize", "MNU_Size", 2, "&5 x 5", Opt},
    {"MNU_PzSize", "MNU_Size", 3, "&6 x 6", Opt},
    {"MNU_PzSize", "MNU_Size", 4, "&7 x 7", Opt},
    {"MNU_PzSize", "MNU_Size", 5, "&8 x 8", Opt},
    {"MNU_PzSize", "MNU_Size", 6, "&9 x 9", Opt},
    {"MNU_PzSize", "MNU_Size", 7, "1&0 x 10", Opt},
    {"MNU_PzSize", "MNU_Size", 12, "&15 x 15", Opt},
    {"MNU_PzSize", "MNU_Size", 17, "&20 x 20", Opt},
    {"MNU_Settings", "MNU_Ini", -1, "&Initial Letters", Sub},
    {"MNU_Ini", "MNU_Kbd", 1, "Use &Both", On},
    {"MNU_Ini", "MNU_Kbd", 2, "Use &Mouse", Opt},
    {"MNU_Ini", "MNU_Kbd", 3, "Use &Keyboard", Opt},
    {"MNU_Settings", "MNU_Spelling", -1, "&Words and Spelling", Sub},
    {"MNU_Spelling", "MNU_SpWd", -1, "&Word Length", Sub},
    {"MNU_SpWd", "MNU_Letters", 3, "Up to &3 Letters", On},
    {"MNU_SpWd", "MNU_Letters", 4, "Up to &4 Letters", Opt},
    {"MNU_SpWd", "MNU_Letters", 5, "Up to &5 Letters", Opt},
    {"MNU_SpWd", "MNU_Letters", 6, "Up to &6 Letters", Opt},
    {"MNU_SpWd", "MNU_Letters", 7, "Up to &7 Letters", Opt},
    {"MNU_SpWd", "MNU_Letters", 8, "Up to &8 Letters", Opt},
    {"MNU_SpWd", "MNU_Letters", 10, "Up to &10 Letters", Opt},
    {"MNU_SpWd", "MNU_Letters", 20, "Up to &20 Letters", Opt},
    {"MNU_Spelling", "MNU_SpSb", -1, "&Subject", Sub},
    {"MNU_SpSb", "MNU_SpellSubject", 1, "&Misc", Opt},
    {"MNU_SpSb", "MNU_SpellSubject", 2, "&Animals", Opt},
    {"MNU_SpSb", "MNU_SpellSubject", 3, "&Fruit and Veg", Opt},
    {"MNU_SpSb", "MNU_SpellSubject", 4, "&Transport", Opt},
    {"MNU_SpSb", "MNU_SpellSubject", 5, "&Flags", Opt},
    {"MNU_Settings", "MNU_Pr", -1, "&Pairs", Sub},
    {"MNU_Pr", "MNU_PrSb", -1, "&Subject", Sub},
    {"MNU_PrSb", "MNU_PairSubject", 1, "&Misc", Opt},
    {"MNU_PrSb", "MNU_PairSubject", 2, "&Animals", Opt},
    {"MNU_PrSb", "MNU_PairSubject", 3, "&Fruit and Veg", Opt},
    {"MNU_PrSb", "MNU_PairSubject", 4, "&Transport", Opt},
    {"MNU_PrSb", "MNU_PairSubject", 5, "&Flags", Opt},
    {"MNU_Settings", "MNU_Arith", -1, "&Arithmetic", Sub},
    {"MNU_Arith", "MNU_Add", -1, "&Addition", Sub},
    {"MNU_Add", "MNU_AddOn", -1, "&On", On},
    {"MNU_Add", "MNU_AddMax", 0, "Numbers up to &5", Opt},
    {"MNU_Add", "MNU_AddMax", 1, "Numbers up to &10", On},
    {"MNU_Add", "MNU_AddMax", 2, "Numbers up to &20", Opt},
    {"MNU_Add", "MNU_AddMax", 3, "Numbers up to &40", Opt},
    {"MNU_Add", "MNU_AddMax", 4, "Numbers up to 1&00", Opt},
    {"MNU_Arith", "MNU_Subtract", -1, "&Subtraction", Sub},
    {"MNU_Subtract", "MNU_SubOn", -1, "&On", Opt},
    {"MNU_Subtract", "MNU_SubMax", 0, "Numbers up to &5", Opt},
    {"MNU_Subtract", "MNU_SubMax", 1, "Numbers up to &10", On},
    {"MNU_Subtract", "MNU_SubMax", 2, "Numbers up to &20", Opt},
    {"MNU_Subtract", "MNU_SubMax", 3, "Numbers up to &40", Opt},
    {"MNU_Subtract", "MNU_SubMax", 4, "Numbers up to 1&00", Opt},
    {"MNU_Arith", "MNU_Multiply", -1, "&Multiplication", Sub},
    {"MNU_Multiply", "MNU_MulOn", -1, "&On", Opt},
    {"MNU_Multiply", "MNU_MulMax", 2, "Up to &2 times table", On},
    {"MNU_Multiply", "MNU_MulMax", 3, "Up to &3 times table", Opt},
    {"MNU_Multiply", "MNU_MulMax", 4, "Up to &4 times table", Opt},
    {"MNU_Multiply", "MNU_MulMax", 5, "Up to &5 times table", Opt},
    {"MNU_Multiply", "MNU_MulMax", 7, "Up to &7 times table", Opt},
    {"MNU_Multiply", "MNU_MulMax", 10, "Up to &10 times table", Opt},
    {"MNU_Multiply", "MNU_MulMax", 12, "Up to 12 &times table", Opt},
    {"MNU_Arith", "MNU_Divide", -1, "&Division", Sub},
    {"MNU_Divide", "MNU_DivOn", -1, "&On", Opt},
    {"MNU_Divide", "MNU_DivMax", 2, "Up to &2 times table", On},
    {"MNU_Divide", "MNU_DivMax", 3, "Up to &3 times table", Opt},
    {"MNU_Divide", "MNU_DivMax", 4, "Up to &4 times table", Opt},
    {"MNU_Divide", "MNU_DivMax", 5, "Up to &5 times table", Opt},
    {"MNU_Divide", "MNU_DivMax", 7, "Up to &7 times table", Opt},
    {"MNU_Divide", "MNU_DivMax", 10, "Up to &10 times table", Opt},
    {"MNU_Divide", "MNU_DivMax", 12, "Up to 12 &times table", Opt},
    {"MNU_Settings", "MNU_Speech", -1, "&Talking Characters", Sub},
    {"MNU_Speech", "MNU_SpkOn", -1, "&On", On},
    {"MNU_Speech", "MNU_Character", -1, "&Character", Sub},
    {"MNU_Character", "MNU_SpkChr", 1, "&Non Installed", Opt | MenuDisabled},
    {"MNU_Character", "MNU_SpkChr", 2, "", Opt | MenuDisabled | MenuHidden, 10},
    {"MNU_Settings", "MNU_Lim", -1, "&Time Limit", Sub},
    {"MNU_Lim", "MNU_Limit", 0, "&No Limit", On},
    {"MNU_Lim", "MNU_Limit", 1, "&15 Seconds", Opt},
    {"MNU_Lim", "MNU_Limit", 2, "&30 Seconds", Opt},
    {"MNU_Lim", "MNU_Limit", 3, "&45 Seconds", Opt},
    {"MNU_Lim", "MNU_Limit", 4, "&One Minute", Opt},
    {"MNU_Settings", "MNU_PsWd", -1, "Pass&word", Sub},
    {"MNU_PsWd", "MNU_PsCreate", -1, "&Create Password", 0},
    {"MNU_PsWd", "MNU_PsRq", 1, "Required to E&xit Program", Opt},
    {"MNU_PsWd", "MNU_PsRq", 2, "Required to Change &Settings", Opt},
    {"MNU_PsWd", "MNU_PsRq", 3, "Required to Change &Game", Opt},
    {"MNU_PsWd", "MNU_PsRq", 4, "Required to use &Printer", Opt},
    {"MNU_Settings", "MNU_Pic", -1, "&Change Picture", 0},

    // Help.
    {"MNU_Help", "MNU_About", -1, "&About...", 0},
    {"MNU_Help", "MNU_Manual", -1, "&Help Manual", 0},
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

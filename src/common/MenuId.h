// Typed ids of the menu items, one per item name in the menu table.
#pragma once

namespace tw {

// Every item name of the menu table (shell/MenuTable.cpp), in table order. The
// ids are made from this list, so a misspelt item is a compile error rather
// than a null found at run time; a test checks the table uses each id.
#define TW_MENU_IDS(X)                                                                             \
    X(MNU_Play)                                                                                    \
    X(MNU_SubjTop)                                                                                 \
    X(MNU_Pics1)                                                                                   \
    X(MNU_Tools)                                                                                   \
    X(MNU_File)                                                                                    \
    X(MNU_Settings)                                                                                \
    X(MNU_Help)                                                                                    \
    X(MNU_Again)                                                                                   \
    X(MNU_Game)                                                                                    \
    X(MNU_Exit)                                                                                    \
    X(MNU_Subject)                                                                                 \
    X(MNU_PList1)                                                                                  \
    X(MNU_Undo)                                                                                    \
    X(MNU_Redo)                                                                                    \
    X(MNU_AddText)                                                                                 \
    X(MNU_AddImg)                                                                                  \
    X(MNU_ShapeOpt)                                                                                \
    X(MNU_ShpChange)                                                                               \
    X(MNU_Shape)                                                                                   \
    X(MNU_ShapeStyle)                                                                              \
    X(MNU_ShapeFill)                                                                               \
    X(MNU_FillCol)                                                                                 \
    X(MNU_ShapeFillCol)                                                                            \
    X(MNU_ShapeFillCurCol)                                                                         \
    X(MNU_EdText)                                                                                  \
    X(MNU_EdFont)                                                                                  \
    X(MNU_Map)                                                                                     \
    X(MNU_Cmap)                                                                                    \
    X(MNU_EdColor)                                                                                 \
    X(MNU_Glue)                                                                                    \
    X(MNU_Delete)                                                                                  \
    X(MNU_PenW)                                                                                    \
    X(MNU_PenWidth)                                                                                \
    X(MNU_LoadPic)                                                                                 \
    X(MNU_Save)                                                                                    \
    X(MNU_Clear)                                                                                   \
    X(MNU_Print)                                                                                   \
    X(MNU_PSetting)                                                                                \
    X(MNU_PapSize)                                                                                 \
    X(MNU_PaperSize)                                                                               \
    X(MNU_PapOrient)                                                                               \
    X(MNU_PapLand)                                                                                 \
    X(MNU_Clr)                                                                                     \
    X(MNU_Color)                                                                                   \
    X(MNU_PzSize)                                                                                  \
    X(MNU_Size)                                                                                    \
    X(MNU_Ini)                                                                                     \
    X(MNU_Kbd)                                                                                     \
    X(MNU_Spelling)                                                                                \
    X(MNU_SpWd)                                                                                    \
    X(MNU_Letters)                                                                                 \
    X(MNU_SpSb)                                                                                    \
    X(MNU_SpellSubject)                                                                            \
    X(MNU_Pr)                                                                                      \
    X(MNU_PrSb)                                                                                    \
    X(MNU_PairSubject)                                                                             \
    X(MNU_Arith)                                                                                   \
    X(MNU_Add)                                                                                     \
    X(MNU_AddOn)                                                                                   \
    X(MNU_AddMax)                                                                                  \
    X(MNU_Subtract)                                                                                \
    X(MNU_SubOn)                                                                                   \
    X(MNU_SubMax)                                                                                  \
    X(MNU_Multiply)                                                                                \
    X(MNU_MulOn)                                                                                   \
    X(MNU_MulMax)                                                                                  \
    X(MNU_Divide)                                                                                  \
    X(MNU_DivOn)                                                                                   \
    X(MNU_DivMax)                                                                                  \
    X(MNU_Speech)                                                                                  \
    X(MNU_SpkOn)                                                                                   \
    X(MNU_Character)                                                                               \
    X(MNU_SpkChr)                                                                                  \
    X(MNU_Lim)                                                                                     \
    X(MNU_Limit)                                                                                   \
    X(MNU_PsWd)                                                                                    \
    X(MNU_PsCreate)                                                                                \
    X(MNU_PsRq)                                                                                    \
    X(MNU_Pic)                                                                                     \
    X(MNU_About)                                                                                   \
    X(MNU_Manual)

enum class MenuId : int {
#define TW_MENU_ENUM(name) name,
    TW_MENU_IDS(TW_MENU_ENUM)
#undef TW_MENU_ENUM
        None, // the menu bar itself, as the parent of the top items
};

// The item's name as the system names it ("MNU_Size").
const char *menuIdName(MenuId id);

} // namespace tw

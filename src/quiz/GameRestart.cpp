#include "quiz/GameRestart.h"
#include "common/MenuId.h"

#include "common/Menus.h"
#include "quiz/QuizHost.h"

namespace tw {

QString tooFewPicturesMessage(const QString &menu)
{
    return QStringLiteral("There are not enough pictures for this game. Please choose more "
                          "subjects in the %1 menu, or add pictures to the subject folders.")
        .arg(menu);
}

bool selectGridSide(QuizHost &window, int side)
{
    const int index = sizeItemOfSide(side);
    Menus &menus = window.menus();
    if (menus.item(MenuId::MNU_Size, index)) {
        window.MNU_Size_Click(index);
    } else if (window.shell.Loading) {
        // A side without a size item (2 x 2, 12 x 12) is only ever chosen by
        // a game fitting its content, during its set-up: no item is checked.
        window.UnloadGame();
        for (int item : kSizeItems)
            menus.setChecked(MenuId::MNU_Size, item, false);
        window.shell.GridMax = side - 1;
    }
    return window.shell.GridMax == side - 1;
}

} // namespace tw

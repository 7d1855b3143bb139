// Where each menu item's clicks go: the room and handler named after the item.
#include "shell/MenuBar.h"

#include "help/Help.h"
#include "paint/PaintBox.h"
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
    setHandler(QStringLiteral("MNU_Game"), [&w](int i) { w.MNU_Game_Click(i); });
    setHandler(QStringLiteral("MNU_Again"), [&w](int) { w.MNU_Again_Click(); });
    setHandler(QStringLiteral("MNU_Exit"), [&w](int) { w.MNU_Exit_Click(); });

    // Pictures.
    setHandler(QStringLiteral("MNU_Subject"), [&w](int i) { w.settings().MNU_Subject_Click(i); });
    setHandler(QStringLiteral("MNU_PList1"), [&w](int i) { w.pictures().MNU_PList1_Click(i); });
    setHandler(QStringLiteral("MNU_Pic"), [&w](int) { w.pictures().MNU_Pic_Click(); });

    // Options.
    const QList<std::pair<const char *, void (Settings::*)(int)>> options = {
        {"MNU_Size", &Settings::MNU_Size_Click},
        {"MNU_Kbd", &Settings::MNU_Kbd_Click},
        {"MNU_Limit", &Settings::MNU_Limit_Click},
        {"MNU_SpellSubject", &Settings::MNU_SpellSubject_Click},
        {"MNU_PairSubject", &Settings::MNU_PairSubject_Click},
        {"MNU_Letters", &Settings::MNU_Letters_Click},
        {"MNU_AddMax", &Settings::MNU_AddMax_Click},
        {"MNU_SubMax", &Settings::MNU_SubMax_Click},
        {"MNU_MulMax", &Settings::MNU_MulMax_Click},
        {"MNU_DivMax", &Settings::MNU_DivMax_Click},
    };
    for (const auto &[name, method] : options)
        setHandler(QLatin1String(name), [&w, m = method](int i) { (w.settings().*m)(i); });
    const QList<std::pair<const char *, void (Settings::*)()>> switches = {
        {"MNU_AddOn", &Settings::MNU_AddOn_Click},
        {"MNU_SubOn", &Settings::MNU_SubOn_Click},
        {"MNU_MulOn", &Settings::MNU_MulOn_Click},
        {"MNU_DivOn", &Settings::MNU_DivOn_Click},
    };
    for (const auto &[name, method] : switches)
        setHandler(QLatin1String(name), [&w, m = method](int) { (w.settings().*m)(); });

    // Talking character.
    // The character keeps a strip beside the tiles: they make room when it comes or goes.
    setHandler(QStringLiteral("MNU_SpkOn"), [&w](int) {
        w.speaker().MNU_SpkOn_Click();
        w.layout().ReDraw();
    });
    setHandler(QStringLiteral("MNU_SpkChr"), [&w](int i) {
        w.speaker().MNU_SpkChr_Click(i);
        w.layout().ReDraw();
    });

    // Password.
    setHandler(QStringLiteral("MNU_PsCreate"), [&w](int) { w.password().MNU_PsCreate_Click(); });
    setHandler(QStringLiteral("MNU_PsRq"), [&w](int i) { w.password().MNU_PsRq_Click(i); });

    // Help.
    setHandler(QStringLiteral("MNU_Manual"), [&w](int) { w.help().MNU_Manual_Click(); });
    setHandler(QStringLiteral("MNU_About"), [&w](int) { w.help().MNU_About_Click(); });

    // Paint tools: opening the menu is guarded by the password.
    setHandler(QStringLiteral("MNU_Tools"), [&w](int) { w.MNU_Tools_Click(); });
    setHandler(QStringLiteral("MNU_PenW"), [&w](int) { w.MNU_PenW_Click(); });
    setHandler(QStringLiteral("MNU_PenWidth"), [&w](int i) { w.paintBox().MNU_PenWidth_Click(i); });

    // Radio groups of the paint and print rooms: until those rooms take over
    // their routes, a click simply moves the check mark.
    for (const char *group :
         {"MNU_Shape", "MNU_Cmap", "MNU_PaperSize", "MNU_PapLand", "MNU_Color"}) {
        const QString name = QLatin1String(group);
        setHandler(name, [this, name](int i) { checkOnly(name, i); });
    }
}

} // namespace tw

// The window as every room sees it: the shared state, the tile controls and the calls all rooms
// make.
#pragma once

#include <functional>

#include "common/Constants.h"
#include "common/ControlArray.h"
#include "common/ShellState.h"
#include "common/Tiles.h"
#include "platform/Platform.h"

class QLineEdit;
class QPushButton;

namespace tw {

class Menus;
struct SettingsValues;

// Each room's host interface (QuizHost, PuzzleHost, SpeechHost) derives from
// this stage virtually; the window implements them all and so holds one stage.
class Stage
{
public:
    explicit Stage(Platform platform = Platform());
    virtual ~Stage();
    Stage(const Stage &) = delete;
    Stage &operator=(const Stage &) = delete;

    // The state every room reads, named as the system names it.
    ShellState shell;

    // The controls the rooms draw on, loaded and unloaded by index.
    ControlArray<TileLabel> Question;
    ControlArray<TileLabel> Answer;
    ControlArray<PictureTile> Img; // element 0 is the backdrop
    QLineEdit *SpellBox = nullptr;
    QPushButton *Review[2] = {nullptr, nullptr};

    Platform &platform() { return m_platform; }
    // Whole seconds since midnight, from the platform clock.
    long nowSeconds() const;

    // The play area and its size in twips.
    virtual QWidget *playArea() const = 0;
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    // The window as a widget: its size, repainting, the parent of dialogs.
    virtual QWidget *mainWidget() = 0;
    // True once the window has closed: nothing more is shown or played.
    virtual bool unloaded() const = 0;
    // The strip at the right kept for the talking character, in pixels (0
    // when none is shown); the tiles and the puzzle board leave it free.
    virtual int characterStripWidth() const = 0;
    // The width of the play area the tiles and the board use, in twips.
    double boardWidth() const;

    virtual Menus &menus() = 0;
    // The stored options, and changing them (the menus show the change).
    virtual const SettingsValues &options() const = 0;
    virtual void setOptions(const SettingsValues &values) = 0;
    // Changes some of the stored options: `change` edits a copy, which then
    // replaces them.
    void changeOptions(const std::function<void(SettingsValues &)> &change);
    // True when the action guarded by `which` may go on (asks the parent's
    // password when one is set and required).
    virtual bool CheckPass(PasswordRequirement which) = 0;
    // Shows a message box titled "Tumblewick".
    void tellParent(const QString &text, Dialogs::Icon icon = Dialogs::Icon::Information);

    // The hourglass pointer doubles as the busy flag while marking or asking.
    virtual void setHourglass(bool on) = 0;
    bool hourglass() const { return shell.Hourglass; }

    // Waits `seconds` (at most an hour) while the window keeps working.
    virtual void Delay(double seconds) = 0;
    // Clears the play area: every tile above element 0 goes.
    virtual void UnloadGame() = 0;
    // Starts the current game again with a new deal (the Play Again item).
    virtual void MNU_Again_Click() = 0;
    // Picks the Puzzle Size item `item` as a click on it would (the password
    // may refuse: read shell.GridMax afterwards).
    virtual void MNU_Size_Click(int item) = 0;

protected:
    Platform m_platform;
};

} // namespace tw

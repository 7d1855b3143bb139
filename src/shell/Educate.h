// The main window: every game, option and tool lives here and shares its state.
#pragma once

#include "help/HelpHost.h"
#include "paint/PaintState.h"
#include "puzzle/PuzzleHost.h"
#include "quiz/LoadOutcome.h"
#include "quiz/QuizHost.h"
#include "shell/MenuBar.h"
#include "speech/SpeechHost.h"

#include <QMainWindow>

#include <memory>

class QLineEdit;
class QPushButton;

namespace tw {

class Settings;
class PasswordLock;
class GameClock;
class QuizEngine;
class TileLayout;
class QuizGames;
class PictureLibrary;
class SoundPlayer;
class Speaker;
class Puzzle;
class Help;
class PaintBox;
class PaintObjects;
class EducatePaintHost;
class EducatePictureHost;
class ColourBook;
class Printing;
class PictureFiles;

// The window implements every room's host; the rooms never see this class.
class Educate : public QMainWindow,
                public QuizHost,
                public PuzzleHost,
                public SpeechHost,
                public HelpHost
{
    Q_OBJECT
public:
    // appFolder: the content folder. writeFolder: where settings and puzzle
    // files go (empty: appFolder when writable, else the user's data folder).
    Educate(Platform platform, const QString &appFolder, const QString &writeFolder = {},
            QWidget *parent = nullptr);
    ~Educate() override;

    // Runs the window's Load and Activate steps: restores the options and
    // starts the last game played, then starts the clock. Call once, before
    // or after show().
    void start();
    // Runs start() once the event loop runs, so that a close during the
    // start-up's waits (the first sound, the shuffle, the greeting) ends the
    // loop instead of being lost before it began.
    void startWhenRunning();
    void Form_Load();
    void Form_Activate();

    // The paint games' state (the palette tiles, the tools, the drawing).
    PaintState paint;

    // Stage.
    QWidget *playArea() const override { return m_playArea; }
    double scaleWidth() const override;
    double scaleHeight() const override;
    QWidget *mainWidget() override { return this; }
    bool CheckPass(PasswordRequirement which) override;
    void MNU_Size_Click(int item) override;

    // Rooms.
    MenuBar &menus() override { return *m_menus; }
    Settings &settings() { return *m_settings; }
    const SettingsValues &options() const override;
    void setOptions(const SettingsValues &values) override;
    PasswordLock &password() { return *m_password; }
    GameClock &clock() { return *m_clock; }
    QuizEngine &engine() override { return *m_engine; }
    TileLayout &layout() override { return *m_layout; }
    QuizGames &games() override { return *m_games; }
    PictureLibrary &pictures() override { return *m_pictures; }
    SoundPlayer &sounds() override { return *m_sounds; }
    Speaker &speaker() { return *m_speaker; }
    Puzzle &puzzles() { return *m_puzzle; }
    Help &help() { return *m_help; }
    PaintBox &paintBox() { return *m_paint; }
    PaintObjects &paintObjects() { return *m_objects; }
    ColourBook &colourBook() { return *m_colourBook; }
    Printing &printing() { return *m_printing; }
    PictureFiles &pictureFiles() { return *m_pictureFiles; }
    // "&Print" with the page of the "Print S&ettings" menus as they are checked.
    void MNU_Print_Click();

    // Game switching and closing.
    void MNU_Game_Click(int index);
    void MNU_Again_Click() override;
    void MNU_Exit_Click();
    void MNU_Tools_Click();
    void MNU_PenW_Click();
    void UnloadGame() override;
    void ResetImg();
    void ResetQuestion();
    void ResetAnswer();
    void ClearUp();
    // Closing: QueryUnload asks the exit password (false: stay open); Unload
    // saves the settings and releases the character and the sound player.
    bool QueryUnload();
    void Unload();
    bool unloaded() const override { return m_unloaded; }

    // Key presses reach the window before its controls (typed answers); off
    // in the paint games, whose text boxes take the keys.
    bool keyPreview() const { return m_keyPreview; }

    // The hourglass pointer doubles as the busy flag while marking or asking.
    void setHourglass(bool on) override;
    void Delay(double seconds) override;

    // QuizHost: the character as the quiz sees it, and the puzzle's layout.
    bool speakerLoaded() const override { return speech.SpeakerLoaded; }
    void waitWhileSpeaking() override;
    void Talk(const QString &text) override;
    void keepCharacterOnTop() override;
    int characterStripWidth() const override;
    void Timer1_Timer() override;
    void PuzzleResize() override;
    // PuzzleHost: a quiz picture clicked.
    void Answer_Click(int index) override;
    // SpeechHost: the sound player gives way to the character.
    void stopSound() override;

    // The Help menu's view of the window.
    bool checkSettingsPassword() override;
    void showMessage(QWidget *parent, const QString &text) override;
    QWidget *mainWindow() override { return this; }
    Desktop *desktop() override { return m_platform.desktop.get(); }
    QString contentFolder() const override { return shell.AppFolder; }
    QString writableFolder() const override { return shell.WriteFolder; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void runGameSetup(int index);
    LoadOutcome setUpGame(int index);
    bool setUpPuzzle(int kind);
    void greet();
    void connectTile(TileLabel *tile, bool question);
    void connectPicture(PictureTile *tile);
    void enableTextItems();
    bool isPaintGame() const;

    QWidget *m_playArea = nullptr;
    std::unique_ptr<MenuBar> m_menus;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<PasswordLock> m_password;
    std::unique_ptr<GameClock> m_clock;
    std::unique_ptr<QuizEngine> m_engine;
    std::unique_ptr<TileLayout> m_layout;
    std::unique_ptr<QuizGames> m_games;
    std::unique_ptr<PictureLibrary> m_pictures;
    std::unique_ptr<SoundPlayer> m_sounds;
    std::unique_ptr<Speaker> m_speaker;
    std::unique_ptr<Puzzle> m_puzzle;
    std::unique_ptr<Help> m_help;
    std::unique_ptr<EducatePaintHost> m_paintHost;
    std::unique_ptr<PaintBox> m_paint;
    std::unique_ptr<PaintObjects> m_objects;
    std::unique_ptr<EducatePictureHost> m_pictureHost;
    std::unique_ptr<ColourBook> m_colourBook;
    std::unique_ptr<Printing> m_printing;
    std::unique_ptr<PictureFiles> m_pictureFiles;
    bool m_unloaded = false;
    bool m_keyPreview = true;
    int m_switchWaiting = 0; // a game switch is waiting (password, greeting)
    int m_pendingGame = -1; // a switch asked for while another was running
    bool m_toolsAllowed = false; // the Tools menu reopens after its password
};

} // namespace tw

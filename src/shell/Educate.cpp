#include "shell/Educate.h"
#include "common/MenuId.h"

#include "common/Constants.h"
#include "common/Twips.h"
#include "help/Help.h"
#include "paint/ColourBook.h"
#include "paint/PaintBox.h"
#include "paint/PaintObjects.h"
#include "paint/UserObjects.h"
#include "platform/ReadingFont.h"
#include "print/PictureFiles.h"
#include "print/Printing.h"
#include "puzzle/Puzzle.h"
#include "quiz/PictureLibrary.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizGames.h"
#include "quiz/SoundPlayer.h"
#include "quiz/TileLayout.h"
#include "shell/EducatePaintHost.h"
#include "shell/EducatePictureHost.h"
#include "shell/GameClock.h"
#include "shell/MenuBar.h"
#include "shell/PasswordLock.h"
#include "shell/Settings.h"
#include "shell/WriteFolder.h"
#include "speech/CharacterAgent.h"
#include "speech/Speaker.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace tw {

namespace {

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// Picture folders below the content folder; entry 0 is unused.
const char *const kSubjectFolders[]
    = {"Misc/", "Animals/", "Fruit_Veg/", "Transport/", "Flags/", "Background/"};
constexpr int kSubjectMenuItems = 5; // the first five folders have a Subject menu item
const char *const kExclaims[] = {"Oh. Dear", "Whoops?", "Op Oh", "Times! Up"};
constexpr int kBackdropSubject = 2; // the switch's random backdrop comes from "Animals/"
constexpr int kWordLength = 3;
constexpr double kSpellBoxPoints = 14; // the typed word, in the reading font
const QColor kBoardColour(0xE4, 0xEE, 0xF6); // a calm blue-grey behind the tiles
constexpr int kJigsaw = 1;
// Number Counting is played on the 3 x 3 grid (Puzzle Size item 0).
constexpr int kCountingSizeItem = 0;
// A loader asks for a restart at most once per option it changes (word
// lengths, subjects, grid sides): more than this means it cannot settle.
constexpr int kMostRestarts = 32;
constexpr int kSliding = 2;

} // namespace

Educate::Educate(Platform platform, const QString &appFolder, const QString &writeFolder,
                 QWidget *parent)
    : Stage(std::move(platform))
    , QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Tumblewick"));
    shell.AppFolder = withSlash(appFolder);
    shell.WriteFolder = writeFolder.isEmpty() ? chooseWriteFolder(shell.AppFolder, userDataFolder())
                                              : withSlash(writeFolder);

    m_playArea = new QWidget(this);
    // The board the tiles lie on: it shows between the cards and beside the grid.
    QPalette board = m_playArea->palette();
    board.setColor(QPalette::Window, kBoardColour);
    m_playArea->setPalette(board);
    m_playArea->setAutoFillBackground(true);
    setCentralWidget(m_playArea);
    setFocusPolicy(Qt::StrongFocus);

    // Every tile made at run time is wired to the quiz engine as it is made.
    auto *backdrop = new PictureTile(0, m_playArea);
    Img.reset(backdrop, [this](int i) {
        auto *tile = new PictureTile(i, m_playArea);
        connectPicture(tile);
        return tile;
    });
    auto *q0 = new TileLabel(0, m_playArea);
    q0->hide();
    Question.reset(q0, [this](int i) {
        auto *tile = new TileLabel(i, m_playArea);
        connectTile(tile, true);
        return tile;
    });
    auto *a0 = new TileLabel(0, m_playArea);
    a0->hide();
    connectTile(a0, false); // element 0 is the first colour of the paint palette
    Answer.reset(a0, [this](int i) {
        auto *tile = new TileLabel(i, m_playArea);
        connectTile(tile, false);
        return tile;
    });
    SpellBox = new QLineEdit(m_playArea);
    SpellBox->setFont(readingFont(kSpellBoxPoints));
    SpellBox->hide();
    Review[0] = new QPushButton(QStringLiteral("Redraw"), m_playArea);
    Review[1] = new QPushButton(QStringLiteral("Clear"), m_playArea);
    for (int i = 0; i < 2; ++i) {
        Review[i]->hide();
        connect(Review[i], &QPushButton::clicked, this, [this, i] { m_paint->Review_Click(i); });
    }

    m_menus = std::make_unique<MenuBar>(*this);
    m_settings = std::make_unique<Settings>(*this);
    m_password = std::make_unique<PasswordLock>(*this);
    m_clock = std::make_unique<GameClock>(*this);
    m_engine = std::make_unique<QuizEngine>(*this);
    m_layout = std::make_unique<TileLayout>(*this);
    m_games = std::make_unique<QuizGames>(*this);
    m_pictures = std::make_unique<PictureLibrary>(*this);
    m_sounds = std::make_unique<SoundPlayer>(*this);
    m_speaker = std::make_unique<Speaker>(*this);
    m_puzzle = std::make_unique<Puzzle>(*this);
    m_help = std::make_unique<Help>(*this);
    m_paintHost = std::make_unique<EducatePaintHost>(*this);
    m_paint = std::make_unique<PaintBox>(*m_paintHost, paint);
    m_objects = std::make_unique<PaintObjects>(*m_paintHost, paint, *m_paint);
    m_pictureHost = std::make_unique<EducatePictureHost>(*this);
    m_colourBook = std::make_unique<ColourBook>(*m_paintHost, *m_pictureHost, paint, *m_paint);
    m_printing = std::make_unique<Printing>(*m_pictureHost);
    m_pictureFiles = std::make_unique<PictureFiles>(*m_pictureHost);
    m_clock->colourBookRepaint = [this] { m_colourBook->replayDrawing(); };
    m_pictures->placePickedPicture = [this](const QImage &picture, const QString &sound) {
        m_objects->user().placePicked(picture, sound);
    };
    // Undo and redo answer their keys wherever the window has the focus.
    const std::pair<MenuId, QList<QKeySequence>> keys[] = {
        {MenuId::MNU_Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
        {MenuId::MNU_Redo,
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
    };
    for (const auto &[name, sequences] : keys) {
        if (QAction *action = m_menus->item(name)) {
            action->setShortcuts(sequences);
            addAction(action);
        }
    }
    m_engine->paletteClick = [this](int i) { m_paint->Answer_Click(i); };
    resize(800, 600);
}

Educate::~Educate() { m_clock->stopTimer(); }

void Educate::connectTile(TileLabel *tile, bool question)
{
    if (question) {
        connect(tile, &TileLabel::clicked, this, [this](int i) { m_engine->Question_Click(i); });
        return;
    }
    connect(tile, &TileLabel::clicked, this, [this](int i) { m_engine->Answer_Click(i); });
    // In the paint games the answer tiles are the palette and its mixing tile.
    connect(tile, &TileLabel::mouseDown, this, [this](int i, Qt::MouseButton b, QPoint) {
        if (isPaintGame())
            m_paint->Answer_MouseDown(i, b);
        else
            m_engine->Answer_MouseDown(i, b);
    });
    connect(tile, &TileLabel::mouseMove, this, [this](int i, Qt::MouseButtons b, QPoint) {
        if (isPaintGame())
            m_paint->Answer_MouseMove(i, b);
    });
}

void Educate::connectPicture(PictureTile *tile)
{
    connect(tile, &PictureTile::clicked, this, [this](int i) { m_puzzle->Img_Click(i); });
}

void Educate::start()
{
    // The window may be closed at any wait of the start: what is left undone stays so.
    if (m_unloaded)
        return;
    Form_Load();
    if (m_unloaded)
        return;
    Form_Activate();
    if (!m_unloaded)
        m_clock->startTimer();
}

void Educate::startWhenRunning() { QTimer::singleShot(0, this, &Educate::start); }

void Educate::Form_Load()
{
    for (int i = 0; i < 6; ++i)
        shell.SubjectFolder[i + 1] = QLatin1String(kSubjectFolders[i]);
    for (int i = 0; i < kSubjectMenuItems; ++i) {
        QString caption = shell.SubjectFolder[i + 1];
        caption.chop(1);
        m_menus->setCaption(MenuId::MNU_Subject, i, caption);
        m_menus->setVisible(MenuId::MNU_Subject, i, true);
    }
    shell.SubjectCount = kSubjectMenuItems;
    m_pictures->DoFolders();
    for (int i = 0; i < 4; ++i)
        shell.Exclaim[i + 1] = QLatin1String(kExclaims[i]);
    shell.WordLength = kWordLength;

    m_speaker->AgentIni();
    m_speaker->LoadSpeaker();
    m_speaker->LoadMerlin();
    m_settings->LoadData();
    m_password->setUpMenus();

    if (!shell.BackdropFile.isEmpty()) {
        const QImage picture = PictureLibrary::loadPicture(shell.BackdropFile);
        if (!picture.isNull())
            Img(0)->setPicture(picture);
    }
    platform().systemKeys->blockTaskSwitching(true);
}

void Educate::Form_Activate()
{
    setHourglass(true);
    shell.Loading = true;
    PictureTile *backdrop = Img(0);
    backdrop->setGeometry(0, 0, m_playArea->width(), m_playArea->height());
    backdrop->hide();
    Question(0)->hide();
    Answer(0)->hide();
    // Each run deals differently; a generator seeded on purpose (a replayed
    // test) still gives the same deals for the same clock.
    const auto fromClock
        = static_cast<std::uint32_t>(m_platform.clock->secondsSinceMidnight() * 1000.0);
    const auto fromSeed = static_cast<std::uint32_t>(m_platform.random->rnd() * 4294967296.0);
    m_platform.random->seed(fromClock ^ fromSeed);
    m_paint->allocateMaps();
    shell.Loading = false;
    setHourglass(false);
    backdrop->show();
    MNU_Game_Click(shell.LastGame);
}

double Educate::scaleWidth() const { return pixelsToTwips(m_playArea->width()); }

double Educate::scaleHeight() const { return pixelsToTwips(m_playArea->height()); }

void Educate::setHourglass(bool on)
{
    shell.Hourglass = on;
    if (on)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void Educate::MNU_Game_Click(int index)
{
    if (index < 0 || index >= GameCount || m_unloaded)
        return;
    // A game picked while a switch waits (for the password or for the
    // character's greeting) runs when that switch has finished, so two games
    // never build at once.
    if (m_switchWaiting > 0) {
        m_pendingGame = index;
        return;
    }
    runGameSetup(index);
    while (m_pendingGame >= 0 && m_switchWaiting == 0 && !m_unloaded)
        runGameSetup(std::exchange(m_pendingGame, -1));
}

// The one caller of the game loaders: sets the game up again as long as its
// loader asks for a restart (a smaller grid, more subjects, longer words),
// and tells the parent what a loader had to say.
void Educate::runGameSetup(int index)
{
    for (int attempt = 0; attempt < kMostRestarts && !m_unloaded; ++attempt) {
        const LoadOutcome outcome = setUpGame(index);
        if (!outcome.message.isEmpty())
            tellParent(outcome.message);
        if (outcome.kind != LoadOutcome::Kind::Restart)
            return;
        index = shell.CurrentGame;
    }
}

LoadOutcome Educate::setUpGame(int index)
{
    shell.CardsCleared = 0;
    MenuBar &m = *m_menus;
    m.setVisible(MenuId::MNU_Settings, -1, true);
    m.setVisible(MenuId::MNU_Again, -1, true);
    for (MenuId name :
         {MenuId::MNU_SubjTop, MenuId::MNU_Pics1, MenuId::MNU_Tools, MenuId::MNU_File})
        m.setVisible(name, -1, false);
    shell.RepaintPending = true;
    shell.PenDown = false;
    m_keyPreview = true;

    if (index != shell.LastGame) {
        ++m_switchWaiting;
        const bool allowed = m_password->CheckPass(PasswordRequirement::Game);
        --m_switchWaiting;
        if (!allowed)
            index = shell.LastGame; // refused: the game being played starts again
    }
    shell.LastGame = index;

    shell.QuestionStart = nowSeconds();
    shell.Loading = true;
    setHourglass(true);
    Img(0)->hide();
    UnloadGame();
    shell.CurrentGame = index;
    puzzle.PuzzleKind = 0;
    m.setEnabled(MenuId::MNU_Again, -1, false);

    // A background the parent chose stays; otherwise each game brings a random one.
    const bool chosen = !shell.BackdropFile.isEmpty() && Img(0)->hasPicture();
    if (!chosen && m_pictures->GetRandPic(kBackdropSubject) && !shell.NextPicture.isNull())
        Img(0)->setPicture(shell.NextPicture);
    shell.NextPicture = QImage();

    LoadOutcome outcome;
    bool laidOut = true;
    switch (index) {
    case GameSounds:
        m_layout->LoadLabels();
        outcome = m_games->LoadSounds();
        break;
    case GameColours:
        m_layout->LoadLabels();
        outcome = m_games->LoadColour();
        break;
    case GameInitialLetters:
        m_layout->LoadLabels();
        greet();
        outcome = m_games->LoadLetters();
        break;
    case GameFlags:
        m_layout->LoadLabels();
        greet();
        outcome = m_games->LoadFlags();
        break;
    case GameSpelling:
        m_layout->LoadLabels();
        greet();
        outcome = m_games->LoadSpelling();
        // The loader gives way to events: another game may have started meanwhile.
        if (shell.CurrentGame == GameSpelling)
            SpellBox->show();
        break;
    case GamePairs:
        m_layout->LoadLabels();
        outcome = m_games->LoadPairs();
        break;
    case GameArithmetic:
        m_layout->LoadLabels();
        outcome = m_games->LoadSums();
        break;
    case GameWords:
        m_layout->LoadLabels();
        outcome = m_games->LoadWords();
        break;
    case GameHideAndSeek:
        m_layout->LoadLabels();
        outcome = m_games->LoadHide();
        break;
    case GameJigsaw:
    case GameSliding:
        laidOut = setUpPuzzle(index == GameJigsaw ? kJigsaw : kSliding);
        break;
    case GameNumberCounting:
        m_settings->MNU_Size_Click(kCountingSizeItem);
        m_layout->LoadLabels();
        outcome = m_games->LoadNumbers();
        m_layout->ReDraw();
        Img(0)->show();
        m_games->DoNumbers();
        break;
    case GameColouringBook:
        m_keyPreview = false;
        m_colourBook->LoadColorBook();
        break;
    case GamePaintBox:
        m_keyPreview = false;
        m_paint->LoadPaintBox();
        break;
    default:
        break;
    }
    if (!laidOut || outcome.kind == LoadOutcome::Kind::Restart)
        return outcome;

    shell.Loading = false;
    if (index > GameSounds && index != GameHideAndSeek && index != GameColouringBook
        && index != GamePaintBox)
        m_layout->ReDraw();
    setHourglass(false);
    return outcome;
}

void Educate::greet()
{
    if (!speech.SpeakerLoaded)
        return;
    ++m_switchWaiting;
    m_speaker->waitWhileSpeaking();
    m_speaker->Talk(QStringLiteral("Hi"));
    --m_switchWaiting;
}

// The jigsaw and sliding set-up; false when the picture was refused (the
// play area is then empty and the switch ends).
bool Educate::setUpPuzzle(int kind)
{
    setHourglass(true);
    puzzle.PuzzleKind = kind;
    m_puzzle->LoadJigPuzzle();
    if (puzzle.PuzzleRefused != 1) {
        if (kind == kJigsaw) {
            m_puzzle->DealJigsaw();
            m_puzzle->PuzzleResize();
        } else {
            puzzle.BlankSlot = 1;
            puzzle.Shuffling = 1;
            m_puzzle->PuzzleResize();
            m_puzzle->MixPieces();
        }
        setHourglass(false);
        return true;
    }
    tellParent(QStringLiteral("Picture Not Suitable for Jig Saw Puzzle"), Dialogs::Icon::Critical);
    puzzle.PuzzleRefused = 0;
    setHourglass(false);
    UnloadGame();
    shell.Loading = false;
    return false;
}

bool Educate::CheckPass(PasswordRequirement which) { return m_password->CheckPass(which); }

void Educate::MNU_Size_Click(int item) { m_settings->MNU_Size_Click(item); }

const SettingsValues &Educate::options() const { return m_settings->values(); }

void Educate::setOptions(const SettingsValues &values) { m_settings->setValues(values); }

void Educate::Delay(double seconds) { m_clock->Delay(seconds); }

void Educate::waitWhileSpeaking() { m_speaker->waitWhileSpeaking(); }

void Educate::Talk(const QString &text) { m_speaker->Talk(text); }

void Educate::keepCharacterOnTop()
{
    if (CharacterAgent *agent = m_speaker->agent())
        agent->keepOnTop();
}

int Educate::characterStripWidth() const
{
    const CharacterAgent *agent = m_speaker->agent();
    return agent && speech.SpeakerLoaded ? agent->reservedWidth() : 0;
}

void Educate::Timer1_Timer() { m_clock->Timer1_Timer(); }

void Educate::PuzzleResize() { m_puzzle->PuzzleResize(); }

void Educate::Answer_Click(int index) { m_engine->Answer_Click(index); }

void Educate::stopSound() { m_sounds->stop(); }

void Educate::MNU_Again_Click() { MNU_Game_Click(shell.CurrentGame); }

void Educate::MNU_Exit_Click() { close(); }

void Educate::MNU_Tools_Click()
{
    // Opening the paint tools may need the password. The menu is already
    // dropping down and would keep the keyboard from the dialog, so it closes,
    // the password is asked, and on success it opens again where it was.
    if (m_toolsAllowed) {
        m_toolsAllowed = false;
        return;
    }
    if (!m_password->wouldAsk(PasswordRequirement::Tools)) {
        enableTextItems();
        return;
    }
    QMenu *tools = m_menus->menu(MenuId::MNU_Tools);
    if (!tools)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, tools] {
            const QPoint where = tools->pos();
            tools->hide();
            if (!m_password->CheckPass(PasswordRequirement::Tools))
                return;
            m_toolsAllowed = true; // asked and allowed: open without asking again
            enableTextItems();
            tools->popup(where);
        },
        Qt::QueuedConnection);
}

// The text items of the Tools menu work only on a selected text object.
void Educate::enableTextItems()
{
    const bool text = m_paint->textSelected();
    m_menus->setEnabled(MenuId::MNU_EdText, -1, text);
    m_menus->setEnabled(MenuId::MNU_EdFont, -1, text);
}

// The Pen Width menu offers the eight widths of the pen chosen last.
void Educate::MNU_PenW_Click()
{
    const QStringList captions = m_paint->penWidthCaptions();
    for (int i = 0; i < captions.size(); ++i)
        m_menus->setCaption(MenuId::MNU_PenWidth, i, captions.at(i));
}

void Educate::MNU_Print_Click()
{
    PageSetup &page = m_printing->page;
    page.paperSize = std::max(0, m_menus->checkedIndex(MenuId::MNU_PaperSize)) + 1;
    page.orientation = std::max(0, m_menus->checkedIndex(MenuId::MNU_PapLand)) + 1;
    // Both colour items may be checked by an old settings file: colour wins, as
    // the second of the two replayed clicks would.
    page.colourMode = m_settings->values().Colour == 1 ? 2 : 1;
    m_printing->MNU_Print_Click();
}

bool Educate::isPaintGame() const
{
    return shell.CurrentGame == GameColouringBook || shell.CurrentGame == GamePaintBox;
}

void Educate::UnloadGame()
{
    ++shell.Deal;
    SpellBox->hide();
    m_paint->hide();
    Answer(0)->hide();
    Question(0)->hide();
    Review[0]->hide();
    Review[1]->hide();
    ResetImg();
    ResetQuestion();
    ResetAnswer();
    shell.CurrentSubject.clear();
    quiz.AwaitingAnswer = 0;
    m_layout->ReDraw();
}

// Every loaded element above 0 goes, even past a gap a loader may have left.
void Educate::ResetImg()
{
    for (int i = 1; i <= Img.upperBound(); ++i)
        Img.unload(i);
}

void Educate::ResetQuestion()
{
    for (int i = 1; i <= Question.upperBound(); ++i)
        Question.unload(i);
}

void Educate::ResetAnswer()
{
    for (int i = 1; i <= Answer.upperBound(); ++i)
        Answer.unload(i);
}

void Educate::ClearUp()
{
    platform().systemKeys->blockTaskSwitching(false);
    m_speaker->AgentTer();
    m_sounds->stop();
}

bool Educate::QueryUnload()
{
    if (!m_password->CheckPass(PasswordRequirement::Exit))
        return false;
    platform().systemKeys->blockTaskSwitching(false);
    return true;
}

void Educate::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    ++shell.Deal; // a wait still running stops at its end
    m_clock->stopTimer();
    // Closed before the settings were read: the file stays as it was.
    if (shell.SettingsRead)
        m_settings->SaveData();
    m_paint->keepDrawing();
    ClearUp();
    m_password->unloadDialog();
    m_help->closeWindows();
}

namespace {

// A paint box drawing that cannot be written to the write folder would be lost
// at exit: the parent is told and chooses whether to close all the same.
bool drawingMayBeLeft(Dialogs &dialogs, PaintBox &paint, QWidget *window, const QString &folder)
{
    if (paint.keepDrawing())
        return true;
    return dialogs.ask(window,
                       QStringLiteral("The drawing in the Paint Box could not be kept for "
                                      "next time: the folder %1 cannot be written.\n\n"
                                      "Close Tumblewick anyway?")
                           .arg(QDir::toNativeSeparators(folder)));
}

} // namespace

void Educate::closeEvent(QCloseEvent *event)
{
    if (m_unloaded) {
        event->accept();
        return;
    }
    if (!QueryUnload()
        || !drawingMayBeLeft(*platform().dialogs, *m_paint, this, shell.WriteFolder)) {
        event->ignore();
        return;
    }
    Unload();
    event->accept();
}

void Educate::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (PictureTile *backdrop = Img(0))
        backdrop->setGeometry(0, 0, m_playArea->width(), m_playArea->height());
    // The palette tiles of the paint games are not a quiz grid.
    if (shell.CurrentGame == GamePaintBox)
        m_paint->layOut();
    else if (shell.CurrentGame == GameColouringBook)
        m_colourBook->layOut();
    else
        m_layout->ReDraw();
}

void Educate::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (m_keyPreview && !text.isEmpty() && text.at(0).isPrint()) {
        m_engine->KeyPress(text.at(0));
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace tw

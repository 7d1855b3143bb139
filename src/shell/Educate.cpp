#include "shell/Educate.h"

#include "puzzle/Puzzle.h"
#include "quiz/PictureLibrary.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizGames.h"
#include "quiz/SoundPlayer.h"
#include "quiz/TileLayout.h"
#include "shell/GameClock.h"
#include "shell/MenuBar.h"
#include "shell/PasswordLock.h"
#include "shell/Settings.h"
#include "shell/Twips.h"
#include "speech/Speaker.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tw {

Educate::Educate(Platform platform, const QString &appFolder, const QString &writeFolder,
                 QWidget *parent)
    : QMainWindow(parent), m_platform(std::move(platform))
{
    setWindowTitle(QStringLiteral("Tumblewick"));
    shell.AppFolder = appFolder.endsWith(QLatin1Char('/')) ? appFolder : appFolder + QLatin1Char('/');
    shell.WriteFolder = writeFolder.isEmpty() ? shell.AppFolder
            : (writeFolder.endsWith(QLatin1Char('/')) ? writeFolder : writeFolder + QLatin1Char('/'));

    m_playArea = new QWidget(this);
    setCentralWidget(m_playArea);

    auto *backdrop = new PictureTile(0, m_playArea);
    Img.reset(backdrop, [this](int i) { return new PictureTile(i, m_playArea); });
    auto *q0 = new TileLabel(0, m_playArea);
    q0->hide();
    Question.reset(q0, [this](int i) { return new TileLabel(i, m_playArea); });
    auto *a0 = new TileLabel(0, m_playArea);
    a0->hide();
    Answer.reset(a0, [this](int i) { return new TileLabel(i, m_playArea); });
    SpellBox = new QLineEdit(m_playArea);
    SpellBox->hide();
    Review[0] = new QPushButton(QStringLiteral("Redraw"), m_playArea);
    Review[1] = new QPushButton(QStringLiteral("Clear"), m_playArea);
    Review[0]->hide();
    Review[1]->hide();

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
    resize(800, 600);
}

Educate::~Educate() = default;

void Educate::start()
{
    m_settings->LoadData();
    MNU_Game_Click(shell.LastGame);
}

double Educate::scaleWidth() const
{
    return pixelsToTwips(m_playArea->width());
}

double Educate::scaleHeight() const
{
    return pixelsToTwips(m_playArea->height());
}

long Educate::nowSeconds() const
{
    return static_cast<long>(m_platform.clock->secondsSinceMidnight());
}

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
    if (index < 0 || index >= 14)
        index = 0;
    shell.LastGame = index;
    UnloadGame();
    shell.CurrentGame = index;
}

void Educate::MNU_Again_Click()
{
    MNU_Game_Click(shell.CurrentGame);
}

void Educate::MNU_Exit_Click()
{
    close();
}

void Educate::UnloadGame()
{
    ResetImg();
    ResetQuestion();
    ResetAnswer();
    quiz.CurrentSubject.clear();
    quiz.AwaitingAnswer = 0;
}

void Educate::ResetImg()
{
    for (int i = 1; i <= kMaxTiles && Img.unload(i); ++i) { }
}

void Educate::ResetQuestion()
{
    for (int i = 1; i <= kMaxTiles && Question.unload(i); ++i) { }
}

void Educate::ResetAnswer()
{
    for (int i = 1; i <= kMaxTiles && Answer.unload(i); ++i) { }
}

void Educate::ClearUp()
{
    m_platform.systemKeys->blockTaskSwitching(false);
    m_speaker->AgentTer();
    m_sounds->stop();
}

void Educate::closeEvent(QCloseEvent *event)
{
    m_settings->SaveData();
    ClearUp();
    event->accept();
}

void Educate::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_layout->ReDraw();
}

void Educate::keyPressEvent(QKeyEvent *event)
{
    QMainWindow::keyPressEvent(event);
}

} // namespace tw

#include "shell/GameClock.h"

#include "platform/BoundedWait.h"

#include "common/Constants.h"
#include "quiz/SoundPlayer.h"
#include "shell/Educate.h"
#include "shell/PasswordLock.h"
#include "speech/Speaker.h"
#include "speech/TalkChunks.h"

#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

constexpr int kTimesUp = 4; // Exclaim entry said at a time-out
constexpr double kErrorPause = 1.0;
// Waits are short pauses; a day-long one could never be measured on this clock.
constexpr double kLongestDelay = 3600.0;

// Whether a question is open, so that the time limit runs.
bool questionOpen(const Educate &window)
{
    const QuizState &q = window.quiz;
    if (q.AwaitingAnswer == 1)
        return true;
    // The first question of a deal is open too, before any right answer, in
    // the games marked question by question.
    const int game = window.shell.CurrentGame;
    const bool marked = game >= 0 && game < GameColouringBook && game != GameJigsaw
        && game != GameSliding && game != GamePairs && game != GameHideAndSeek;
    const TileLabel *first = window.Question(1);
    return marked && q.QuestionTile == 1 && first && !first->isHidden() && !window.shell.Loading
        && !window.shell.CurrentSubject.isEmpty();
}

} // namespace

GameClock::GameClock(Educate &window)
    : m_window(window)
{ }

GameClock::~GameClock() = default;

void GameClock::startTimer()
{
    if (!m_timer) {
        m_timer = new QTimer(&m_window);
        m_timer->setInterval(kTickMilliseconds);
        QObject::connect(m_timer, &QTimer::timeout, &m_window, [this] { Timer1_Timer(); });
    }
    m_timer->start();
}

void GameClock::stopTimer()
{
    if (m_timer)
        m_timer->stop();
}

bool GameClock::timerRunning() const { return m_timer && m_timer->isActive(); }

GameClock::LimitPhase GameClock::limitPhase(double seconds, int timeLimit)
{
    if (timeLimit <= 0)
        return LimitPhase::Running;
    if (seconds > timeLimit)
        return LimitPhase::TimedOut;
    if (seconds > timeLimit - kWarnFrom && seconds < timeLimit - kWarnUntil)
        return LimitPhase::Warning;
    return LimitPhase::Running;
}

void GameClock::Timer1_Timer()
{
    ShellState &s = m_window.shell;
    ++m_depth;
    const bool nested = m_depth > 1;

    // A tick that arrives inside another tick's wait only counts: the outer
    // tick is already presenting, warning or restarting the game.
    if (!nested && s.PaintDone && s.RepaintPending && !s.PenDown
        && s.CurrentGame == GameColouringBook && colourBookRepaint) {
        colourBookRepaint();
        s.PaintDone = false;
        s.RepaintPending = false;
    }
    ++s.TickCount;
    if (!nested)
        timeLimit();
    if (!nested)
        present();
    --m_depth;
}

void GameClock::timeLimit()
{
    ShellState &s = m_window.shell;
    QuizState &q = m_window.quiz;
    // The limit pauses while the parent is typing the password.
    if (s.TimeLimit <= 0 || !questionOpen(m_window) || m_window.password().asking())
        return;
    const double t
        = secondsBetween(s.QuestionStart, m_window.platform().clock->secondsSinceMidnight());
    Speaker &speaker = m_window.speaker();
    const LimitPhase phase = limitPhase(t, s.TimeLimit);
    if (phase == LimitPhase::Warning)
        speaker.GetAttention();
    if (phase != LimitPhase::TimedOut)
        return;

    const long deal = s.Deal;
    if (m_window.speech.SpeakerLoaded && speaker.characterVisible()) {
        q.AwaitingAnswer = 0;
        m_window.shell.CurrentSubject.clear();
        m_window.SpellBox->hide();
        if (PictureTile *backdrop = m_window.Img(0))
            backdrop->hide();
        speaker.waitWhileSpeaking();
        speaker.Talk(s.Exclaim[kTimesUp]);
    } else if (m_window.speech.SpeakerLoaded) {
        m_window.sounds().PlaySound(s.AppFolder + QStringLiteral("Error.wav"));
        Delay(kErrorPause);
    }
    if (s.Deal != deal)
        return; // a game chosen meanwhile is already a new deal
    m_window.MNU_Game_Click(s.CurrentGame);
    q.AwaitingAnswer = 1;
    if (PictureTile *backdrop = m_window.Img(0))
        backdrop->show();
}

void GameClock::present()
{
    ShellState &s = m_window.shell;
    QuizState &q = m_window.quiz;
    if (s.TickCount <= kPresentEvery)
        return;
    s.TickCount = 0;

    const QString subject = m_window.shell.CurrentSubject;
    const int k = q.QuestionTile;
    TileLabel *question = m_window.Question(k);
    if (subject == QLatin1String("Sounds") || subject == QLatin1String("Hide")) {
        if (k >= 0 && k < kTableSize) {
            const long v = q.ItemValue[k];
            if (v >= 0 && v < kTableSize && !q.SoundList[v].isEmpty())
                m_window.sounds().PlaySound(q.SoundList[v]);
        }
        return;
    }
    if (!question)
        return;
    Speaker &speaker = m_window.speaker();
    // The captions are read before any wait: the tiles may be gone after it.
    const QString caption = question->text();
    if (subject == QLatin1String("Flags")) {
        if (m_window.speech.SpeakerLoaded && hasWords(caption)) {
            speaker.waitWhileSpeaking();
            speaker.Talk(caption + QLatin1Char('.'));
        }
        return;
    }
    if (subject != QLatin1String("Letters") && subject != QLatin1String("Spelling"))
        return;

    TileLabel *answer = m_window.Answer(question->tag.toInt());
    const QString word = answer ? answer->text() : QString();
    const long deal = s.Deal;
    // A finished deal leaves no letter and no word: nothing is said then, not even ".".
    const QString letter = caption.right(1);
    if (m_window.speech.SpeakerLoaded && hasWords(letter)) {
        speaker.waitWhileSpeaking();
        speaker.Talk(letter + QLatin1Char('.'));
    }
    if (m_window.speech.SpeakerLoaded && hasWords(word) && s.Deal == deal) {
        speaker.waitWhileSpeaking();
        speaker.Talk(word + QLatin1Char('.'));
    }
    if (s.Deal != deal)
        return;
    const QString sound = s.AppFolder + QStringLiteral("Sounds/") + word + QStringLiteral(".wav");
    if (!word.isEmpty() && QFileInfo::exists(sound))
        m_window.sounds().PlaySound(sound);
}

void GameClock::Delay(double seconds)
{
    Platform &p = m_window.platform();
    const double wait = std::min(seconds, kLongestDelay);
    m_window.shell.Loading = true;
    waitUntil(*p.clock, *p.pump, wait, [] { return false; });
    m_window.shell.Loading = false;
}

} // namespace tw

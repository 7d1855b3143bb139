#include "quiz/SoundPlayer.h"
#include "common/MenuId.h"

#include "platform/BoundedWait.h"

#include "common/Constants.h"
#include "common/FilePattern.h"
#include "platform/WaveHeader.h"
#include "quiz/QuizEngine.h"
#include "quiz/SampleDraw.h"
#include "quiz/SoundPairs.h"
#include "quiz/TileLayout.h"
#include "shell/Educate.h"
#include "shell/MenuBar.h"
#include "shell/Settings.h"
#include "speech/Speaker.h"

namespace tw {

namespace {
constexpr int kMaxSubjects = 10;
// Puzzle Size item i gives a grid side of i + 3.
constexpr int kSizeItemToSide = 3;
constexpr int kLastSizeItem = 17; // "&20 x 20"
} // namespace

SoundPlayer::SoundPlayer(Educate &window)
    : m_window(window)
{ }

void SoundPlayer::PlaySound(const QString &path)
{
    Platform &platform = m_window.platform();
    if (m_window.speech.SpeakerLoaded)
        m_window.speaker().waitWhileSpeaking();
    SoundDevice *device = platform.sound.get();
    if (device && m_deviceUsed) {
        device->stop();
        device->rewind();
    }
    const int generation = ++m_generation;
    SoundFile = path;
    if (m_window.unloaded()) {
        SoundPlaying = false;
        return; // nothing plays once the window has closed
    }
    // In Pairs the window does not respond while a pair's sound plays.
    const bool holdEvents = m_window.quiz.CurrentSubject == QLatin1String("Pairs");
    // Only wave files reach the player; anything else stays silent at once.
    if (!device || !readWaveInfo(path).valid) {
        SoundPlaying = false;
        return;
    }
    if (!m_backendStarted && !holdEvents) {
        // The media backend's first start takes a good part of a second: the
        // window shows the game before it (the first sound comes with the game).
        m_backendStarted = true;
        platform.pump->processEvents(); // lays the window out
        if (generation != m_generation || m_window.unloaded())
            return; // replaced, or the window has closed meanwhile
        m_window.repaint(); // and shows it now, not after the backend's start
    }
    if (!device->open(path)) {
        SoundPlaying = false;
        return;
    }
    m_deviceUsed = true;
    SoundPlaying = true;
    device->run();

    const double t0 = platform.clock->secondsSinceMidnight();
    for (;;) {
        if (holdEvents) {
            platform.pump->pauseBriefly();
        } else {
            if (m_window.hourglass())
                m_window.setHourglass(false);
            platform.pump->processEvents();
        }
        // Stopped (an answer click, the character speaking) or replaced by a
        // sound started while this one waited.
        if (generation != m_generation || !SoundPlaying || m_window.unloaded())
            break;
        if (secondsSince(*platform.clock, t0) > kMaxPlaySeconds) {
            device->stop();
            device->rewind();
            break;
        }
        if (!device->isPlaying())
            break;
    }
    if (generation == m_generation)
        SoundPlaying = false;
}

void SoundPlayer::stop()
{
    SoundDevice *device = m_window.platform().sound.get();
    if (device && m_deviceUsed) {
        device->stop();
        device->rewind();
    }
    SoundPlaying = false;
}

int SoundPlayer::GetSample(int range, int slot, bool reset)
{
    if (reset) {
        resetSamples(m_window.quiz.SampleUsed);
        return 0;
    }
    return drawSample(m_window.quiz.SampleUsed, range, slot, *m_window.platform().random);
}

int SoundPlayer::BuildSoundTables()
{
    const ShellState &shell = m_window.shell;
    QuizState &quiz = m_window.quiz;
    QStringList folders;
    const int subjects = qMin(shell.SubjectCount, kMaxSubjects);
    for (int k = 1; k <= subjects; ++k) {
        if (!shell.SubjectFolder[k].isEmpty())
            folders << resolveFolder(shell.AppFolder, shell.SubjectFolder[k]);
    }
    const QList<SoundPair> pairs = pairSoundsWithPictures(
        resolveFolder(shell.AppFolder, QStringLiteral("Sounds/")), folders, kTableSize - 1);
    const int m = static_cast<int>(pairs.size());
    for (int i = 1; i < kTableSize; ++i) {
        quiz.SoundList[i] = i <= m ? pairs[i - 1].sound : QString();
        quiz.PictureList[i] = i <= m ? pairs[i - 1].picture : QString();
    }
    return m;
}

void SoundPlayer::LoadSounds()
{
    ShellState &shell = m_window.shell;
    QuizState &quiz = m_window.quiz;
    quiz.CurrentSubject = QStringLiteral("Sounds");
    const int m = BuildSoundTables();
    if (m < kMinSounds)
        return; // nothing to play with: the game shows nothing
    GetSample(0, 0, true);
    const int total = m + 1;
    const int tiles = (shell.GridMax + 1) * (shell.GridMax + 1);
    if (tiles <= total) {
        m_window.engine().DoQuizOrder(total);
        m_window.layout().ReDraw();
        shell.Loading = false;
        m_window.engine().Question_Click(quiz.QuestionTile);
        return;
    }
    // Too few sounds for the grid: the largest square that fits, possibly a
    // side without a Puzzle Size item (2 x 2, 12 x 12), then start again.
    if (m_restartDepth > 0)
        return;
    const int side = fittingGridSide(total);
    const int sizeItem = side - kSizeItemToSide;
    MenuBar &menus = m_window.menus();
    if (menus.item(MenuId::MNU_Size, sizeItem)) {
        m_window.settings().MNU_Size_Click(sizeItem);
    } else {
        // No item stands for this side: the grid changes with no size checked.
        m_window.UnloadGame();
        for (int i = 0; i <= kLastSizeItem; ++i) {
            if (menus.item(MenuId::MNU_Size, i))
                menus.setChecked(MenuId::MNU_Size, i, false);
        }
    }
    shell.GridMax = side - 1;
    ++m_restartDepth;
    m_window.MNU_Game_Click(GameSounds);
    --m_restartDepth;
}

} // namespace tw

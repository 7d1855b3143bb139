#include "quiz/SoundPlayer.h"
#include "common/MenuId.h"

#include "platform/BoundedWait.h"

#include "common/Constants.h"
#include "common/FilePattern.h"
#include "common/Menus.h"
#include "platform/WaveHeader.h"
#include "quiz/GameDraws.h"
#include "quiz/GameRestart.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizHost.h"
#include "quiz/SampleDraw.h"
#include "quiz/SoundPairs.h"
#include "quiz/TileLayout.h"

namespace tw {

SoundPlayer::SoundPlayer(QuizHost &window)
    : m_window(window)
{ }

void SoundPlayer::PlaySound(const QString &path)
{
    Platform &platform = m_window.platform();
    if (m_window.speakerLoaded())
        m_window.waitWhileSpeaking();
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
    const bool holdEvents = m_window.shell.CurrentSubject == QLatin1String("Pairs");
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
        m_window.mainWidget()->repaint(); // and shows it now, not after the backend's start
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

} // namespace tw

#include "shell/GameClock.h"

#include "shell/Educate.h"

namespace tw {

GameClock::GameClock(Educate &window) : m_window(window) { }
GameClock::~GameClock() = default;

void GameClock::startTimer() { }
void GameClock::Timer1_Timer() { }

void GameClock::Delay(double seconds)
{
    auto &p = m_window.platform();
    const double start = p.clock->secondsSinceMidnight();
    m_window.shell.Loading = true;
    while (p.clock->secondsSinceMidnight() < start + seconds)
        p.pump->processEvents();
    m_window.shell.Loading = false;
}

} // namespace tw

// The one-second clock: presents questions, enforces the time limit, waits.
#pragma once

namespace tw {

class Educate;

class GameClock
{
public:
    explicit GameClock(Educate &window);
    ~GameClock();

    // Starts the real one-second timer (not used by tests, which tick by hand).
    void startTimer();
    // One tick.
    void Timer1_Timer();
    // Waits `seconds`, processing events; ignores clicks meanwhile.
    void Delay(double seconds);

private:
    Educate &m_window;
};

} // namespace tw

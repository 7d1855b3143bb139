// The one-second clock: presents questions, enforces the time limit, waits.
#pragma once

#include <functional>

class QTimer;

namespace tw {

class Educate;

class GameClock
{
public:
    // Timer1's period; eleven ticks make the presentation cycle.
    static constexpr int kTickMilliseconds = 1000;
    // Ticks between presentations of the same question is this plus one.
    static constexpr int kPresentEvery = 10;
    // Seconds before the limit at which the warning starts and stops.
    static constexpr int kWarnFrom = 5;
    static constexpr int kWarnUntil = 1;

    explicit GameClock(Educate &window);
    ~GameClock();

    // Starts the real one-second timer (tests tick by hand instead).
    void startTimer();
    void stopTimer();
    bool timerRunning() const;

    // One tick.
    void Timer1_Timer();
    // Waits `seconds` of the clock, processing events; tile clicks are ignored
    // meanwhile. Always ends with Loading false.
    void Delay(double seconds);

    // Where a question stands against its time limit after `seconds`.
    enum class LimitPhase { Running, Warning, TimedOut };
    static LimitPhase limitPhase(double seconds, int timeLimit);

    // Redraws the colouring book's recorded drawing onto the play surface
    // (set by the colouring book; the tick calls it when a repaint is due).
    std::function<void()> colourBookRepaint;

private:
    void timeLimit();
    void present();
    Educate &m_window;
    QTimer *m_timer = nullptr;
    int m_depth = 0; // ticks in progress (a tick can arrive inside another's wait)
};

} // namespace tw

// A letter typed while the quiz was busy asking or marking, kept until the question is ready.
#pragma once

#include <QChar>

#include <optional>

namespace tw {

class HeldKey
{
public:
    // How long a held key waits for its question, in seconds.
    static constexpr double kMaxHoldSeconds = 20;

    // Keeps `key`, typed for `question` of deal `deal` at clock time `now` (seconds); a later
    // key replaces an earlier one.
    void hold(QChar key, long deal, int question, double now);
    bool holding() const { return m_key.has_value(); }
    // True while a key is held for `question` of deal `deal` and has not waited too long.
    bool waitingFor(long deal, int question, double now) const;
    // The held key, once, when it is waiting for this deal and question; otherwise the key is
    // dropped (its question has passed, or it waited too long).
    std::optional<QChar> take(long deal, int question, double now);
    void drop() { m_key.reset(); }

private:
    std::optional<QChar> m_key;
    long m_deal = 0;
    int m_question = 0;
    double m_since = 0;
};

} // namespace tw

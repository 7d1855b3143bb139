#include "quiz/HeldKey.h"

namespace tw {

namespace {

constexpr double kSecondsPerDay = 86400;

} // namespace

void HeldKey::hold(QChar key, long deal, int question, double now)
{
    m_key = key;
    m_deal = deal;
    m_question = question;
    m_since = now;
}

bool HeldKey::waitingFor(long deal, int question, double now) const
{
    double waited = now - m_since;
    if (waited < 0)
        waited += kSecondsPerDay; // the clock passed midnight
    return m_key && deal == m_deal && question == m_question && waited <= kMaxHoldSeconds;
}

std::optional<QChar> HeldKey::take(long deal, int question, double now)
{
    const bool ready = waitingFor(deal, question, now);
    std::optional<QChar> key;
    std::swap(key, m_key);
    return ready ? key : std::nullopt;
}

} // namespace tw

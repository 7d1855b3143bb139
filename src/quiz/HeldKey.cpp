#include "quiz/HeldKey.h"

#include "platform/BoundedWait.h"

namespace tw {

void HeldKey::hold(QChar key, long deal, int question, double now)
{
    m_key = key;
    m_deal = deal;
    m_question = question;
    m_since = now;
}

bool HeldKey::waitingFor(long deal, int question, double now) const
{
    return m_key && deal == m_deal && question == m_question
        && secondsBetween(m_since, now) <= kMaxHoldSeconds;
}

std::optional<QChar> HeldKey::take(long deal, int question, double now)
{
    const bool ready = waitingFor(deal, question, now);
    std::optional<QChar> key;
    std::swap(key, m_key);
    return ready ? key : std::nullopt;
}

} // namespace tw

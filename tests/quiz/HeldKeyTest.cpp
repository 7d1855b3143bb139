// A letter typed while the quiz is busy waits for its own question, and for no other.
#include "quiz/HeldKey.h"

#include <gtest/gtest.h>

using namespace tw;

TEST(HeldKey, IsGivenOnlyToItsOwnQuestionOnceAndNotTooLate)
{
    struct Case
    {
        const char *what;
        int deal;
        int question;
        double now;
        bool given;
    };
    const Case cases[] = {
        {"same deal and question", 3, 7, 101.0, true},
        {"the question has moved on", 3, 9, 101.0, false},
        {"a new deal began", 4, 7, 101.0, false},
        {"waited too long", 3, 7, 100.0 + HeldKey::kMaxHoldSeconds + 1, false},
        {"typed just before midnight", 3, 7, 0.5, true},
    };
    for (const Case &c : cases) {
        HeldKey held;
        const double typedAt = c.now < 100 ? 86399.9 : 100.0;
        held.hold(QLatin1Char('b'), 3, 7, typedAt);
        held.hold(QLatin1Char('a'), 3, 7, typedAt); // the later key counts
        const std::optional<QChar> key = held.take(c.deal, c.question, c.now);
        EXPECT_EQ(key.has_value(), c.given) << c.what;
        if (key) {
            EXPECT_EQ(*key, QLatin1Char('a')) << c.what;
        }
        EXPECT_FALSE(held.take(3, 7, c.now)) << c.what << ": given or dropped only once";
    }
}

// The Pairs memory game: dealing face-down cards, turning them, matching pairs.
#pragma once

#include "quiz/LoadOutcome.h"

#include <QString>

#include <vector>

namespace tw {

class QuizHost;
class Random;

// Deals `pictures` onto n cards: element p (1 to n) is the picture number on
// card p. Each of n / 2 different pictures lies on exactly two cards; empty
// when n is odd or there are fewer than n / 2 pictures.
std::vector<int> dealPairs(Random &random, int n, int pictures);

class PairsGame
{
public:
    explicit PairsGame(QuizHost &window);

    LoadOutcome LoadPairs();
    // A click on card `index`: turns it; the second card of a turn is matched.
    void DoPair(int index);

    static constexpr int kPairSubjects = 5;
    // Seconds a turned pair stays on show.
    static constexpr double kShowSeconds = 2;

private:
    void dealCards(int n, int m, const std::vector<QString> &names);
    bool checkNextSubject();
    void playPairSound(const QString &name);

    QuizHost &m_window;
};

} // namespace tw

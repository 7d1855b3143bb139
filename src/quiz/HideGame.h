// Hide and Seek: pictures hidden under white cards, found by their sounds.
#pragma once

#include "quiz/LoadOutcome.h"

#include <vector>

namespace tw {

class QuizHost;
class Random;

// Where each question's picture hides: element j (1 to n) is the card of
// the j-th question of the chain; the cards 2 to n in random order, then 1.
std::vector<int> drawHidingPlaces(Random &random, int n);

class HideGame
{
public:
    explicit HideGame(QuizHost &window);

    LoadOutcome LoadHide();
    // A click on card `index`: shows what hides there for a while.
    void DoHide(int index);

    static constexpr double kShowSeconds = 2;

private:
    // Hides n of the first `sounds` items of SoundList/PictureList.
    void deal(int n, int sounds);

    QuizHost &m_window;
};

} // namespace tw

// Hide and Seek: pictures hidden under white cards, found by their sounds.
#pragma once

#include <vector>

namespace tw {

class Educate;
class Random;

// Where each question's picture hides: element j (1 to n) is the card of
// the j-th question of the chain; the cards 2 to n in random order, then 1.
std::vector<int> drawHidingPlaces(Random &random, int n);

class HideGame
{
public:
    explicit HideGame(Educate &window);

    void LoadHide();
    // A click on card `index`: shows what hides there for a while.
    void DoHide(int index);

    static constexpr double kShowSeconds = 2;

private:
    // Hides n of the first `sounds` items of SoundList/PictureList.
    void deal(int n, int sounds);

    Educate &m_window;
};

} // namespace tw

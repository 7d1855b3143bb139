// Hide and Seek: pictures hidden under white cards, found by their sounds.
#pragma once

#include <QString>

#include <vector>

namespace tw {

class Educate;
class Random;

// A sound and the picture that makes it.
struct HideItem
{
    QString sound;
    QString picture;
};

// Every "*.wav" of `appFolder` + "Sounds/" (name order) with the first
// picture of the same name in subject folders 1 to 9, searched in that order.
// Sounds without a picture are left out: their card could never be found.
std::vector<HideItem> collectHideItems(const QString &appFolder,
                                       const std::vector<QString> &subjectFolders);

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
    void deal(int n, const std::vector<HideItem> &items);

    Educate &m_window;
};

} // namespace tw

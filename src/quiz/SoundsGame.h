// The Sounds game: a sound is played and the child clicks the picture that makes it.
#pragma once

#include "quiz/LoadOutcome.h"

namespace tw {

class QuizHost;

class SoundsGame
{
public:
    explicit SoundsGame(QuizHost &window);

    // Fewest sounds (with pictures) the Sounds game needs: a 2 x 2 grid asks three.
    static constexpr int kMinSounds = 3;

    // Loader of the Sounds game: pairs sounds with pictures, fits the grid to
    // them and deals.
    LoadOutcome LoadSounds();
    // Fills SoundList and PictureList from index 1 with the sounds that have a
    // picture in one of the subjects (the first subject wins) and empties the
    // entries after them. Returns the number of sounds, m.
    int BuildSoundTables();

private:
    QuizHost &m_window;
};

} // namespace tw

// The window as the quiz room sees it: the quiz state, the quiz's own parts, the character.
#pragma once

#include "common/Stage.h"
#include "quiz/QuizState.h"

#include <QString>

namespace tw {

class QuizEngine;
class TileLayout;
class QuizGames;
class PictureLibrary;
class SoundPlayer;

class QuizHost : public virtual Stage
{
public:
    QuizState quiz;

    // The quiz room's parts, owned by the window.
    virtual QuizEngine &engine() = 0;
    virtual TileLayout &layout() = 0;
    virtual QuizGames &games() = 0;
    virtual PictureLibrary &pictures() = 0;
    virtual SoundPlayer &sounds() = 0;

    // The talking character: loaded and switched on, waiting for it to finish
    // a sentence, saying `text`, and keeping it above freshly laid-out tiles.
    virtual bool speakerLoaded() const = 0;
    virtual void waitWhileSpeaking() = 0;
    virtual void Talk(const QString &text) = 0;
    virtual void keepCharacterOnTop() = 0;

    // One tick of the game clock now (a click on the question presents it).
    virtual void Timer1_Timer() = 0;

    // Lays the puzzle pieces out again after the window changed size.
    virtual void PuzzleResize() = 0;
};

} // namespace tw

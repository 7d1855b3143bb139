// Initial Letters, Spelling and Words: their loaders, the word-length menu
// and the typed-answer box of Spelling.
#pragma once

#include "quiz/LoadOutcome.h"

namespace tw {

class QuizHost;

class LettersGame
{
public:
    // Hooks the Change handler to the window's SpellBox.
    explicit LettersGame(QuizHost &window);

    // Word-length radio group; an index without an item selects 20 letters.
    void MNU_Letters_Click(int index);

    LoadOutcome LoadLetters();
    LoadOutcome LoadSpelling();
    LoadOutcome LoadWords();

    // Puts the typing box over the answer tile of the current question.
    void DoSpellBox();
    // Marks the word once the box spells it.
    void SpellBox_Change();

    // Longest word length there is an item for ("Up to &20 Letters").
    static constexpr int kLongestWords = 20;
    // Spelling switches on one more of the five subjects per shortfall.
    static constexpr int kSpellSubjects = 5;

private:
    LoadOutcome loadWordGame(int game);
    // Switches on longer names (and, for Spelling, the next subject); true
    // when that changed the choice of pictures.
    bool widen(bool spelling);
    void advanceSpellSubject();
    int spellAnswerTile() const;

    QuizHost &m_window;
    bool m_marking = false;
};

} // namespace tw

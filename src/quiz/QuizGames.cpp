#include "quiz/QuizGames.h"

#include "shell/Educate.h"

namespace tw {

QuizGames::QuizGames(Educate &window) : m_window(window) { }

void QuizGames::LoadColour() { }

} // namespace tw

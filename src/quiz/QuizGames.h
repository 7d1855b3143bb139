// The loaders of the quiz games: fill the item tables and start a deal.
#pragma once

namespace tw {

class Educate;

class QuizGames
{
public:
    explicit QuizGames(Educate &window);

    void LoadColour();

private:
    Educate &m_window;
};

} // namespace tw

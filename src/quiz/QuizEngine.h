// The question-and-answer engine shared by the quizzes: order, marking, feedback.
#pragma once

#include <Qt>

class QPoint;

namespace tw {

class Educate;

class QuizEngine
{
public:
    explicit QuizEngine(Educate &window);

    // Builds the question chain and the content of every tile for the current subject.
    void DoQuizOrder(int count);
    // Marks an answer on answer tile `index`.
    void Correct(int index, bool isRight);

    // Tile events.
    void Answer_Click(int index);
    void Answer_MouseDown(int index, Qt::MouseButton button);
    void Answer_MouseMove(int index, Qt::MouseButtons buttons);
    void Question_Click(int index);
    void Review_Click(int index);
    // A typed character (Initial Letters).
    void KeyPress(QChar key);

private:
    Educate &m_window;
};

} // namespace tw

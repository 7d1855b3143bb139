// The question-and-answer engine shared by the quizzes: order, marking, feedback.
#pragma once

#include "quiz/HeldKey.h"

#include <QString>
#include <Qt>

#include <functional>

class QPoint;

namespace tw {

class QuizHost;

class QuizEngine
{
public:
    explicit QuizEngine(QuizHost &window);

    // Builds the question chain and the content of every tile for the current
    // subject. `count` is the range of item values handed to GetSample.
    void DoQuizOrder(int count);
    // Marks an answer on answer tile `index`.
    void Correct(int index, bool isRight);

    // Tile events.
    void Answer_Click(int index);
    void Answer_MouseDown(int index, Qt::MouseButton button);
    void Question_Click(int index);
    // A typed character (Initial Letters).
    void KeyPress(QChar key);
    // In the paint games a click on an answer tile picks a palette colour.
    std::function<void(int index)> paletteClick;

    // True from the last right answer of a deal until tiles are created or
    // dealt again: the board stays cleared, even when the window is resized.
    bool dealOver() const { return m_dealOver; }
    void setDealOver(bool over) { m_dealOver = over; }

private:
    void fillTiles(const QString &subject, int question, int answer);
    void fillLetter(int question, int answer, long value);
    void wrongAnswer(int index);
    void rightAnswer(int index);
    // The sound file that names answer `index`, or Chimes.wav.
    QString answerSound(int index) const;
    int questionAnswerTile() const;
    // Marks the key held while the question was being asked, once the quiz is ready for it.
    void markHeldKey();

    void RightMouse();

    QuizHost &m_window;
    bool m_dealOver = false;
    HeldKey m_heldKey;
};

} // namespace tw

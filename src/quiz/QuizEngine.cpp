#include "quiz/QuizEngine.h"

#include "shell/Educate.h"

namespace tw {

QuizEngine::QuizEngine(Educate &window) : m_window(window) { }

void QuizEngine::DoQuizOrder(int) { }
void QuizEngine::Correct(int, bool) { }
void QuizEngine::Answer_Click(int) { }
void QuizEngine::Answer_MouseDown(int, Qt::MouseButton) { }
void QuizEngine::Answer_MouseMove(int, Qt::MouseButtons) { }
void QuizEngine::Question_Click(int) { }
void QuizEngine::Review_Click(int) { }
void QuizEngine::KeyPress(QChar) { }

} // namespace tw

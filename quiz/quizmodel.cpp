#include "quizmodel.h"

#include <algorithm>

namespace quiz {

const Question &QuizModel::question() const
{
    return questions[std::size_t(std::clamp(m_questionNumber, 1, questionCount) - 1)];
}

void QuizModel::reset()
{
    *this = {};
}

void QuizModel::press()
{
    if (m_stage == Stage::Finished) {
        m_questionNumber = 1;
        m_score = 0;
        m_answered = 0;
    }
    m_stage = m_questionNumber > questionCount ? Stage::Finished : Stage::QuestionPosed;
}

bool QuizModel::answer(Cam clicked)
{
    if (m_stage != Stage::QuestionPosed)
        return false;
    if (question().answer == clicked)
        m_score += 1;
    m_questionNumber += 1;
    m_answered += 1;
    m_stage = Stage::Answered;
    return true;
}

void QuizModel::skipTo(int number)
{
    m_questionNumber = std::clamp(number, 1, questionCount + 1);
    m_answered = m_questionNumber - 1;
    m_score = std::min(m_score, m_answered);
}

} // namespace quiz

#include "recentanswers.h"

#include <algorithm>

namespace wire {

const protocol::Reply *RecentAnswers::answerTo(quint32 id) const
{
    for (std::size_t k = 0; k < m_answerCount; ++k)
        if (m_answers[k].id == id)
            return &m_answers[k];
    return nullptr;
}

bool RecentAnswers::underWay(quint32 id) const
{
    return std::find(m_taken.begin(), m_taken.end(), id) != m_taken.end();
}

void RecentAnswers::taken(quint32 id)
{
    m_taken[m_nextTaken] = id;
    m_nextTaken = (m_nextTaken + 1) % Remembered;
}

void RecentAnswers::answered(const protocol::Reply &reply)
{
    std::replace(m_taken.begin(), m_taken.end(), std::optional<quint32>(reply.id), std::optional<quint32>());
    // A second answer to one id (not ours to give, but cheap to keep straight) replaces the first.
    for (std::size_t k = 0; k < m_answerCount; ++k)
        if (m_answers[k].id == reply.id) {
            m_answers[k] = reply;
            return;
        }
    m_answers[m_nextAnswer] = reply;
    m_nextAnswer = (m_nextAnswer + 1) % Remembered;
    m_answerCount = std::min(m_answerCount + 1, Remembered);
}

} // namespace wire

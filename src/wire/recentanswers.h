#pragma once
// The pendant's memory of what it answered: a request sent again (its reply was lost, or the network repeated
// it) gets the same reply again and is not carried out again.
#include "protocol/protocol.h"

#include <array>
#include <cstddef>
#include <optional>

namespace wire {

class RecentAnswers
{
public:
    static constexpr std::size_t Remembered = 64;

    // The reply given to a request of that id among the last 64 answered, done or refused.
    [[nodiscard]] const protocol::Reply *answerTo(quint32 id) const;
    // Whether a request of that id was taken and is not answered yet (among the last 64 taken).
    [[nodiscard]] bool underWay(quint32 id) const;
    void taken(quint32 id);
    void answered(const protocol::Reply &reply);

private:
    std::array<protocol::Reply, Remembered> m_answers{};
    std::size_t m_answerCount = 0;
    std::size_t m_nextAnswer = 0;
    std::array<std::optional<quint32>, Remembered> m_taken{};
    std::size_t m_nextTaken = 0;
};

} // namespace wire

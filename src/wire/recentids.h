#pragma once
#include <QtGlobal>
#include <array>
#include <cstddef>

namespace wire {

// Remembers the last few ids seen, so that a repeated datagram is recognised and not acted on twice.
class RecentIds
{
public:
    // True when the id is new (and remembers it).
    bool admit(quint32 id);

private:
    std::array<quint32, 64> m_ids{};
    std::size_t m_filled = 0;
    std::size_t m_next = 0;
};

} // namespace wire

#include "recentids.h"

#include <algorithm>

namespace wire {

bool RecentIds::admit(quint32 id)
{
    for (std::size_t k = 0; k < m_filled; ++k) {
        if (m_ids[k] == id)
            return false;
    }
    m_ids[m_next] = id;
    m_next = (m_next + 1) % m_ids.size();
    m_filled = std::min(m_filled + 1, m_ids.size());
    return true;
}

} // namespace wire

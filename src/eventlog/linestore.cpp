#include "linestore.h"

#include <algorithm>
#include <cstring>

namespace eventlog {

namespace {
constexpr qsizetype BlockBytes = qsizetype(1) << 20;
constexpr qsizetype PageShift = 16;
constexpr qsizetype PageRows = qsizetype(1) << PageShift;

constexpr char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
} // namespace

Needle::Needle(QStringView text) : m_folded(text.toUtf8())
{
    std::transform(m_folded.begin(), m_folded.end(), m_folded.begin(), foldAscii);
}

bool Needle::foundIn(QByteArrayView utf8) const
{
    if (m_folded.isEmpty() || utf8.size() < m_folded.size())
        return false;
    const auto end = utf8.end();
    return std::search(utf8.begin(), end, m_folded.begin(), m_folded.end(),
                       [](char hay, char folded) { return foldAscii(hay) == folded; }) != end;
}

void LineStore::append(QStringView line)
{
    // UTF-8 needs at most three bytes per UTF-16 unit.
    const qsizetype worstCase = line.size() * 3;
    if (m_blocks.empty() || m_blocks.back().capacity - m_blocks.back().used < worstCase) {
        Block block;
        block.capacity = std::max(BlockBytes, worstCase);
        block.bytes = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(block.capacity));
        block.firstRow = m_count;
        m_blocks.push_back(std::move(block));
    }
    if ((m_count & (PageRows - 1)) == 0)
        m_endPages.push_back(std::make_unique_for_overwrite<quint32[]>(PageRows));
    Block &block = m_blocks.back();
    char *start = block.bytes.get() + block.used;
    char *end = m_encoder.appendToBuffer(start, line);
    const qsizetype bytes = end - start;
    block.used += bytes;
    endOf(m_count) = static_cast<quint32>(block.used);
    if (bytes > m_longestBytes) {
        m_longestBytes = bytes;
        m_longestRow = m_count;
    }
    ++m_count;
}

void LineStore::clear()
{
    std::vector<Block>().swap(m_blocks);
    std::vector<std::unique_ptr<quint32[]>>().swap(m_endPages);
    m_count = 0;
    m_longestRow = -1;
    m_longestBytes = -1;
    ++m_generation;
}

const LineStore::Block &LineStore::blockOf(qsizetype row) const
{
    const auto after = std::upper_bound(m_blocks.begin(), m_blocks.end(), row,
                                        [](qsizetype r, const Block &block) { return r < block.firstRow; });
    return *(after - 1);
}

quint32 &LineStore::endOf(qsizetype row) const
{
    return m_endPages[static_cast<size_t>(row >> PageShift)][row & (PageRows - 1)];
}

QByteArrayView LineStore::utf8(qsizetype row) const
{
    if (row < 0 || row >= m_count)
        return {};
    const Block &block = blockOf(row);
    const qsizetype begin = row == block.firstRow ? 0 : endOf(row - 1);
    return {block.bytes.get() + begin, endOf(row) - begin};
}

qsizetype LineStore::find(const Needle &needle, qsizetype from, qsizetype count, bool forward) const
{
    if (m_count == 0 || needle.isEmpty())
        return -1;
    count = std::min(count, m_count);
    qsizetype row = ((from % m_count) + m_count) % m_count;
    for (qsizetype checked = 0; checked < count; ++checked) {
        if (needle.foundIn(utf8(row)))
            return row;
        row = forward ? (row + 1 == m_count ? 0 : row + 1) : (row == 0 ? m_count - 1 : row - 1);
    }
    return -1;
}

} // namespace eventlog

#pragma once
// The event log's lines, append-only: UTF-8 text packed into large blocks and one end offset per line.
// Growing allocates a new block or page; nothing already stored is ever copied or moved.
#include <QByteArrayView>
#include <QString>
#include <QStringEncoder>
#include <QStringView>
#include <memory>
#include <vector>

namespace eventlog {

// A text to look for, folded once: Latin letters A–Z match either case, everything else exactly.
class Needle
{
public:
    Needle() = default;
    explicit Needle(QStringView text);
    [[nodiscard]] bool isEmpty() const { return m_folded.isEmpty(); }
    [[nodiscard]] bool foundIn(QByteArrayView utf8) const;

private:
    QByteArray m_folded;
};

class LineStore
{
public:
    LineStore() = default;
    LineStore(const LineStore &) = delete;
    LineStore &operator=(const LineStore &) = delete;

    void append(QStringView line);
    // Frees everything at once.
    void clear();

    [[nodiscard]] qsizetype size() const { return m_count; }
    [[nodiscard]] QByteArrayView utf8(qsizetype row) const;
    [[nodiscard]] QString line(qsizetype row) const { return QString::fromUtf8(utf8(row)); }
    // The row holding the most bytes, -1 when empty (what the view measures for its width).
    [[nodiscard]] qsizetype longestRow() const { return m_longestRow; }
    // Counts the clears, so that work spanning several turns notices that its rows are gone.
    [[nodiscard]] quint64 generation() const { return m_generation; }

    // The first row containing the needle among `count` rows from `from` on (backwards when !forward),
    // wrapping round the ends; -1 when none does.
    [[nodiscard]] qsizetype find(const Needle &needle, qsizetype from, qsizetype count, bool forward) const;

private:
    struct Block
    {
        std::unique_ptr<char[]> bytes;
        qsizetype capacity = 0;
        qsizetype used = 0;
        qsizetype firstRow = 0;
    };
    [[nodiscard]] const Block &blockOf(qsizetype row) const;
    [[nodiscard]] quint32 &endOf(qsizetype row) const;

    std::vector<Block> m_blocks;
    std::vector<std::unique_ptr<quint32[]>> m_endPages; // per row: where its text ends inside its block
    qsizetype m_count = 0;
    qsizetype m_longestRow = -1;
    qsizetype m_longestBytes = -1;
    quint64 m_generation = 0;
    QStringEncoder m_encoder{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
};

} // namespace eventlog

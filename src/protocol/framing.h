#pragma once
// The serial line's framing: each wire message between flags, byte-stuffed, with a CRC (docs/wire-protocol.md).
#include "protocol/wireformat.h"

namespace protocol {

// CRC-16/X-25 (the HDLC frame check sequence) over a frame's content.
[[nodiscard]] quint16 frameCheck(QByteArrayView bytes);

// Serial framing: 0x7E starts and ends a frame, 0x7D escapes a 0x7E or 0x7D inside it (the byte XOR 0x20), and
// the message is followed by its CRC, big-endian. A receiver that meets noise loses at most the frame it hit.
inline constexpr char FrameFlag = 0x7E;
inline constexpr char FrameEscape = 0x7D;

[[nodiscard]] QByteArray frame(QByteArrayView message);

// Collects serial bytes and hands out whole frames' messages, or why a frame was dropped.
class FrameReader
{
public:
    // A frame as it crossed the line, flags included, or the bytes before the first flag; `size` counts them all,
    // `bytes` holds at most MaxRawFrameBytes of them.
    struct RawFrame
    {
        QByteArray bytes;
        qsizetype size = 0;
        void add(char byte);
    };
    static constexpr qsizetype MaxRawFrameBytes = 262144;

    struct Result
    {
        QList<Message> messages;
        QList<DropReason> drops;
        QList<RawFrame> rawFrames; // only when kept
    };
    // Also hand out every frame's bytes as they came (for a capture of the traffic).
    void keepRawFrames(bool keep) { m_keepRaw = keep; }
    Result feed(QByteArrayView bytes);

private:
    void finishFrame(Result &result);
    void keepRaw(char byte);
    void handOutRaw(Result &result, bool closedByFlag);

    QByteArray m_frame;
    bool m_started = false;  // a first flag has come
    bool m_unframed = false; // bytes came before it
    bool m_escaped = false;
    bool m_overflowed = false;
    bool m_keepRaw = false;
    RawFrame m_raw; // the frame so far, from its opening flag on (or the bytes before the first flag)
};

} // namespace protocol

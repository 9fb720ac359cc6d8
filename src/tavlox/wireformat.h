#pragma once
// The bytes that carry requests, replies and pendant input across a real link, and the serial line's framing.
// docs/wire-protocol.md describes the layout; this is the one encoder and decoder both ends use.
#include "tavlox/protocol.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <variant>

namespace tavlox::wire {

inline constexpr quint8 MagicFirst = 0x5A;  // 'Z'
inline constexpr quint8 MagicSecond = 0x58; // 'X'
inline constexpr quint8 Version = 1;
inline constexpr int HeaderBytes = 10;
// Fits one UDP datagram on any IPv4 path that reassembles fragments.
inline constexpr int MaxMessageBytes = 65000;
inline constexpr int MaxNumbers = 255;
inline constexpr int MaxDrawingItems = 65535;
inline constexpr int MaxParameters = 5;

enum class MessageType : quint8 { Request = 1, Reply = 2, Input = 3 };

// An input's header carries a sequence number, so that a receiver can tell a repeated datagram from a new one.
struct SequencedInput
{
    quint32 sequence = 0;
    Input input;
};

using Message = std::variant<Request, Reply, SequencedInput>;

enum class DropReason { Truncated, Oversized, BadMagic, UnknownVersion, UnknownType, LengthMismatch, BadPayload, BadCrc,
                        BadStuffing };

struct Decoded
{
    std::optional<Message> message;
    DropReason reason = DropReason::Truncated; // why there is no message
};

// Empty when the message does not fit MaxMessageBytes (or a count does not fit its field).
[[nodiscard]] QByteArray encode(const Message &message);
[[nodiscard]] Decoded decode(QByteArrayView bytes);
[[nodiscard]] QString describe(const Message &message);
[[nodiscard]] QString describe(DropReason reason);

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
    struct Result
    {
        QList<Message> messages;
        QList<DropReason> drops;
    };
    Result feed(QByteArrayView bytes);

private:
    void finishFrame(Result &result);

    QByteArray m_frame;
    bool m_escaped = false;
    bool m_overflowed = false;
};

} // namespace tavlox::wire

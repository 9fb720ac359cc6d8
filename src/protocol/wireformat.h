#pragma once
// The bytes that carry requests, replies and pendant input across a real link (docs/wire-protocol.md): the one
// encoder and decoder both ends use. The serial line wraps each message in a frame (framing.h).
#include "protocol/protocol.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <variant>

namespace protocol {

inline constexpr quint8 MagicFirst = 0x5A;  // 'Z'
inline constexpr quint8 MagicSecond = 0x58; // 'X'
inline constexpr quint8 Version = 1;
inline constexpr int HeaderBytes = 10;
// Fits one UDP datagram on any IPv4 path that reassembles fragments.
inline constexpr int MaxMessageBytes = 65000;
inline constexpr int MaxNumbers = 255;
inline constexpr int MaxDrawingItems = 65535;
inline constexpr int MaxParameters = 5;


// An input's header carries a sequence number, so that a receiver can tell a repeated datagram from a new one.
struct SequencedInput
{
    quint32 sequence = 0;
    Input input;
};

using Message = std::variant<Request, Reply, SequencedInput>;

// The header's type byte: the message's place in Message, counted from 1.
enum class MessageType : quint8 { Request = 1, Reply = 2, Input = 3 };
inline constexpr int MessageTypeCount = static_cast<int>(std::variant_size_v<Message>);
static_assert(std::is_same_v<std::variant_alternative_t<int(MessageType::Request) - 1, Message>, Request> &&
              std::is_same_v<std::variant_alternative_t<int(MessageType::Reply) - 1, Message>, Reply> &&
              std::is_same_v<std::variant_alternative_t<int(MessageType::Input) - 1, Message>, SequencedInput>);
[[nodiscard]] inline MessageType typeOf(const Message &message) { return MessageType(message.index() + 1); }

// Why a datagram or frame is not a message (describe() gives the words the trace and docs/wire-protocol.md use).
enum class DropReason {
    Truncated, Oversized, BadMagic, UnknownVersion, UnknownType, LengthMismatch, // the header
    PayloadEndsEarly, PayloadTooLong, TooManyParameters, NotUtf8, BadOk,          // the payload
    BadCrc, BadStuffing, BeforeFirstFlag                                          // a serial frame
};

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

} // namespace protocol

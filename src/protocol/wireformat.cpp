#include "wireformat.h"

#include "protocol/bytecursor.h"

#include <QtEndian>

namespace protocol {

namespace {
bool writeNumbers(Writer &out, const QList<int> &numbers)
{
    if (numbers.size() > MaxNumbers)
        return false;
    out.u8(static_cast<int>(numbers.size()));
    for (int number : numbers)
        out.i32(number);
    return true;
}

// The reads below fail only when the payload ends early; other faults are noted in the reader.
bool readNumbers(Reader &in, QList<int> &numbers)
{
    int count = 0;
    if (!in.u8(count))
        return false;
    for (int k = 0; k < count; ++k) {
        int number = 0;
        if (!in.i32(number))
            return false;
        numbers << number;
    }
    return true;
}

bool writePayload(Writer &out, const Request &request)
{
    out.u8(static_cast<int>(request.kind));
    if (!writeNumbers(out, request.numbers) || request.drawing.size() > MaxDrawingItems)
        return false;
    out.u16(static_cast<int>(request.drawing.size()));
    for (const DrawingItem &item : request.drawing) {
        if (item.parameters.size() > MaxParameters)
            return false;
        out.i32(item.code);
        out.u8(static_cast<int>(item.parameters.size()));
        for (const QString &parameter : item.parameters) {
            if (!out.text(parameter))
                return false;
        }
    }
    return true;
}

bool writePayload(Writer &out, const Reply &reply)
{
    out.u8(reply.ok ? 1 : 0);
    return writeNumbers(out, reply.numbers) && out.text(reply.error);
}

bool writePayload(Writer &out, const SequencedInput &sequenced)
{
    const Input &input = sequenced.input;
    if (input.key < 0 || input.key > 0xFF || input.x < -32768 || input.x > 32767 || input.y < -32768 || input.y > 32767)
        return false;
    out.u8(static_cast<int>(input.kind));
    out.u8(input.key);
    out.i16(input.x);
    out.i16(input.y);
    return out.text(input.text);
}

std::optional<Message> readRequest(Reader &in, quint32 id)
{
    Request request;
    request.id = id;
    int kind = 0; // in its table: decode() checked it
    if (!in.u8(kind))
        return std::nullopt;
    request.kind = static_cast<RequestKind>(kind);
    int items = 0;
    if (!readNumbers(in, request.numbers) || !in.u16(items))
        return std::nullopt;
    for (int i = 0; i < items; ++i) {
        DrawingItem item;
        int count = 0;
        if (!in.i32(item.code) || !in.u8(count))
            return std::nullopt;
        if (count > MaxParameters)
            in.tooManyParameters = true; // read on: the payload may also end early, which is reported first
        for (int k = 0; k < count; ++k) {
            QString parameter;
            if (!in.text(parameter))
                return std::nullopt;
            item.parameters << parameter;
        }
        request.drawing << item;
    }
    return request;
}

std::optional<Message> readReply(Reader &in, quint32 id)
{
    Reply reply;
    reply.id = id;
    int ok = 0;
    if (!in.u8(ok))
        return std::nullopt;
    if (ok > 1)
        in.badOk = true;
    if (!readNumbers(in, reply.numbers) || !in.text(reply.error))
        return std::nullopt;
    reply.ok = ok == 1;
    return reply;
}

std::optional<Message> readInput(Reader &in, quint32 id)
{
    SequencedInput sequenced;
    sequenced.sequence = id;
    Input &input = sequenced.input;
    int kind = 0; // in its table: decode() checked it
    if (!in.u8(kind))
        return std::nullopt;
    input.kind = static_cast<InputKind>(kind);
    if (!in.u8(input.key) || !in.i16(input.x) || !in.i16(input.y) || !in.text(input.text))
        return std::nullopt;
    return sequenced;
}

QString joined(const QList<int> &numbers)
{
    QStringList texts;
    for (int number : numbers)
        texts << QString::number(number);
    return texts.join(QLatin1Char(' '));
}
} // namespace

QByteArray encode(const Message &message)
{
    Writer out;
    out.u8(MagicFirst);
    out.u8(MagicSecond);
    out.u8(Version);
    const quint32 id = std::visit(
        [](const auto &m) -> quint32 {
            if constexpr (std::is_same_v<std::decay_t<decltype(m)>, SequencedInput>)
                return m.sequence;
            else
                return m.id;
        },
        message);
    out.u8(static_cast<int>(typeOf(message)));
    out.u32(id);
    out.u16(0); // the payload length, filled in below
    const bool fits = std::visit([&out](const auto &m) { return writePayload(out, m); }, message);
    QByteArray &bytes = out.bytes();
    if (!fits || bytes.size() > MaxMessageBytes)
        return {};
    qToBigEndian(static_cast<quint16>(bytes.size() - HeaderBytes), bytes.data() + 8);
    return bytes;
}

Decoded decode(QByteArrayView bytes)
{
    Decoded result;
    if (bytes.size() > MaxMessageBytes) {
        result.reason = DropReason::Oversized;
        return result;
    }
    if (bytes.size() < HeaderBytes) {
        result.reason = DropReason::Truncated;
        return result;
    }
    Reader header(bytes.first(HeaderBytes));
    int magicFirst = 0, magicSecond = 0, version = 0, type = 0, length = 0;
    quint32 id = 0;
    header.u8(magicFirst);
    header.u8(magicSecond);
    header.u8(version);
    header.u8(type);
    header.u32(id);
    header.u16(length);
    if (magicFirst != MagicFirst || magicSecond != MagicSecond) {
        result.reason = DropReason::BadMagic;
        return result;
    }
    if (version != Version) {
        result.reason = DropReason::UnknownVersion;
        return result;
    }
    if (type < 1 || type > MessageTypeCount) {
        result.reason = DropReason::UnknownType;
        return result;
    }
    // A request's or an input's kind is part of "the kind" and checked with the type, before the length field.
    if (bytes.size() > HeaderBytes) {
        const int kind = static_cast<quint8>(bytes[HeaderBytes]);
        if ((type == int(MessageType::Request) && kind >= RequestKindCount) || (type == int(MessageType::Input) && kind >= InputKindCount)) {
            result.reason = DropReason::UnknownType;
            return result;
        }
    }
    if (length != bytes.size() - HeaderBytes) {
        result.reason = DropReason::LengthMismatch;
        return result;
    }
    Reader payload(bytes.sliced(HeaderBytes));
    std::optional<Message> message;
    switch (static_cast<MessageType>(type)) {
    case MessageType::Request:
        message = readRequest(payload, id);
        break;
    case MessageType::Reply:
        message = readReply(payload, id);
        break;
    case MessageType::Input:
        message = readInput(payload, id);
        break;
    }
    // The payload's faults in the documented order, not in the order of their bytes.
    if (!message)
        result.reason = DropReason::PayloadEndsEarly;
    else if (!payload.atEnd())
        result.reason = DropReason::PayloadTooLong;
    else if (payload.tooManyParameters)
        result.reason = DropReason::TooManyParameters;
    else if (payload.notUtf8)
        result.reason = DropReason::NotUtf8;
    else if (payload.badOk)
        result.reason = DropReason::BadOk;
    else
        result.message = std::move(message);
    return result;
}

QString describe(const Message &message)
{
    if (const auto *request = std::get_if<Request>(&message)) {
        QString text = QStringLiteral("request %1 %2").arg(request->id).arg(QLatin1String(nameOf(request->kind)));
        if (!request->numbers.isEmpty())
            text += QLatin1Char(' ') + joined(request->numbers);
        if (request->kind == RequestKind::DrawMiniTP)
            text += QStringLiteral(" (%1 items)").arg(request->drawing.size());
        return text;
    }
    if (const auto *reply = std::get_if<Reply>(&message)) {
        QString text = QStringLiteral("reply %1 %2").arg(reply->id).arg(reply->ok ? "ok" : "refused");
        if (!reply->numbers.isEmpty())
            text += QLatin1Char(' ') + joined(reply->numbers);
        if (!reply->error.isEmpty())
            text += QStringLiteral(": ") + reply->error;
        return text;
    }
    const auto &sequenced = std::get<SequencedInput>(message);
    const Input &input = sequenced.input;
    QString text = QStringLiteral("input %1 %2").arg(sequenced.sequence).arg(QLatin1String(nameOf(input.kind)));
    switch (input.kind) {
    case InputKind::KeyDown:
    case InputKind::KeyUp:
        return text + QStringLiteral(" key %1").arg(input.key);
    case InputKind::TouchDown:
    case InputKind::TouchMove:
    case InputKind::TouchUp:
        return text + QStringLiteral(" %1,%2").arg(input.x).arg(input.y);
    case InputKind::LcdText:
        return text + QStringLiteral(" \"%1\"").arg(input.text);
    case InputKind::Alive:
        break;
    }
    return text;
}

QString describe(DropReason reason)
{
    switch (reason) {
    case DropReason::Truncated:
        return QStringLiteral("shorter than its header");
    case DropReason::Oversized:
        return QStringLiteral("longer than %1 bytes").arg(MaxMessageBytes);
    case DropReason::BadMagic:
        return QStringLiteral("not a Tavlox message (bad magic)");
    case DropReason::UnknownVersion:
        return QStringLiteral("unknown protocol version");
    case DropReason::UnknownType:
        return QStringLiteral("unknown message kind");
    case DropReason::LengthMismatch:
        return QStringLiteral("length field disagrees with the size");
    case DropReason::PayloadEndsEarly:
        return QStringLiteral("malformed payload: it ends early");
    case DropReason::PayloadTooLong:
        return QStringLiteral("malformed payload: bytes are left over after it");
    case DropReason::TooManyParameters:
        return QStringLiteral("malformed payload: a drawing item has more than %1 parameters").arg(MaxParameters);
    case DropReason::NotUtf8:
        return QStringLiteral("malformed payload: a text is not UTF-8");
    case DropReason::BadOk:
        return QStringLiteral("malformed payload: ok is neither 0 nor 1");
    case DropReason::BeforeFirstFlag:
        return QStringLiteral("bytes before the first frame flag");
    case DropReason::BadCrc:
        return QStringLiteral("bad frame CRC");
    case DropReason::BadStuffing:
        return QStringLiteral("bad byte stuffing");
    }
    return {};
}

} // namespace protocol

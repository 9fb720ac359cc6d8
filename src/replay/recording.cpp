#include "recording.h"

#include "protocol/framing.h"
#include "protocol/wireformat.h"
#include "wire/recentids.h"

#include <QHash>
#include <map>

namespace replay {

namespace {
// A night's capture can hold many drops; the first ones are named, the rest counted.
constexpr int NamedSkips = 20;

// A connection: its two ends, whichever sent.
using PairKey = std::pair<quint64, quint64>;

PairKey pairKey(wire::UdpEndpoint a, wire::UdpEndpoint b)
{
    const quint64 first = quint64(a.address) << 16 | a.port;
    const quint64 second = quint64(b.address) << 16 | b.port;
    return {std::min(first, second), std::max(first, second)};
}

bool sameEndpoint(wire::UdpEndpoint a, wire::UdpEndpoint b)
{
    return a.address == b.address && a.port == b.port;
}

// A packet's messages, or why it holds none: a datagram is one message, a serial packet one frame.
struct Unpacked
{
    QList<protocol::Message> messages;
    std::optional<protocol::DropReason> drop;
};

Unpacked unpack(capture::LinkKind link, const capture::CapturedPacket &packet)
{
    if (packet.bytes.size() < packet.size)
        return {{}, protocol::DropReason::Oversized}; // not all of it was recorded
    if (link == capture::LinkKind::Udp) {
        protocol::Decoded decoded = protocol::decode(packet.bytes);
        if (!decoded.message)
            return {{}, decoded.reason};
        return {{std::move(*decoded.message)}, {}};
    }
    if (!packet.bytes.startsWith(protocol::FrameFlag))
        return {{}, protocol::DropReason::BeforeFirstFlag};
    protocol::FrameReader reader;
    protocol::FrameReader::Result result = reader.feed(packet.bytes);
    if (!result.drops.isEmpty())
        return {{}, result.drops.first()};
    return {std::move(result.messages), {}};
}

class Skips
{
public:
    explicit Skips(QStringList &notes) : m_notes(notes) {}
    // The count of those not named, once all are in.
    void close()
    {
        if (m_count > NamedSkips)
            m_notes << QStringLiteral("… and %1 more messages skipped").arg(m_count - NamedSkips);
    }
    void add(qint64 atUs, const QString &what)
    {
        if (++m_count <= NamedSkips)
            m_notes << QStringLiteral("skipped at %1 s: %2").arg(double(atUs) / 1e6, 0, 'f', 6).arg(what);
    }

private:
    QStringList &m_notes;
    int m_count = 0;
};
} // namespace

std::variant<Recording, QString> readRecording(const capture::CapturedTraffic &traffic, std::optional<wire::UdpEndpoint> peer)
{
    Recording recording;
    recording.link = traffic.link;
    const bool udp = traffic.link == capture::LinkKind::Udp;

    // The connection: on UDP an address pair, the one `peer` names or the first that carries a request; the
    // serial line is one connection, its requests going one way.
    std::optional<PairKey> chosen;
    std::optional<bool> consoleSends; // serial: the direction byte of the requests
    for (const capture::CapturedPacket &packet : traffic.packets) {
        if (udp && peer && !sameEndpoint(packet.from, *peer) && !sameEndpoint(packet.to, *peer))
            continue;
        const Unpacked unpacked = unpack(traffic.link, packet);
        if (unpacked.messages.isEmpty() || protocol::typeOf(unpacked.messages.first()) != protocol::MessageType::Request)
            continue;
        if (udp) {
            chosen = pairKey(packet.from, packet.to);
            recording.console = packet.from;
            recording.pendant = packet.to;
        } else {
            consoleSends = packet.sentByCapturer;
        }
        break;
    }
    if (udp && !chosen)
        return peer ? QStringLiteral("no request between %1 and another end is in it").arg(wire::endpointText(*peer))
                    : QStringLiteral("it holds no request from a console");
    if (!udp && !consoleSends)
        return QStringLiteral("it holds no request from a console");

    Skips skips(recording.notes);
    struct Other
    {
        wire::UdpEndpoint first, second;
        int datagrams = 0;
    };
    std::map<PairKey, Other> others; // other connections, in the order of their keys
    QHash<quint32, qsizetype> waiting; // request id -> index of the request that waits for its reply
    wire::RecentIds requestIds, inputSequences;
    std::optional<qint64> firstUs;
    for (const capture::CapturedPacket &packet : traffic.packets) {
        bool fromConsole = false;
        if (udp) {
            if (pairKey(packet.from, packet.to) != *chosen) {
                Other &other = others[pairKey(packet.from, packet.to)];
                if (other.datagrams++ == 0)
                    other = {packet.from, packet.to, 1};
                continue;
            }
            fromConsole = sameEndpoint(packet.from, recording.console);
        } else {
            fromConsole = packet.sentByCapturer == *consoleSends;
        }
        if (!firstUs)
            firstUs = packet.timeUs;
        const qint64 atUs = packet.timeUs - *firstUs;
        const Unpacked unpacked = unpack(traffic.link, packet);
        if (unpacked.drop)
            skips.add(atUs, QStringLiteral("%1 from the %2 - %3")
                                .arg(udp ? QStringLiteral("datagram of %1 bytes").arg(packet.size) : QStringLiteral("frame"),
                                     fromConsole ? QStringLiteral("console") : QStringLiteral("pendant"),
                                     protocol::describe(*unpacked.drop)));
        for (const protocol::Message &message : unpacked.messages) {
            const QString what = protocol::describe(message);
            if (const auto *request = std::get_if<protocol::Request>(&message)) {
                if (!fromConsole)
                    skips.add(atUs, what + QStringLiteral(" - a request from the pendant"));
                else if (!requestIds.admit(request->id))
                    skips.add(atUs, what + QStringLiteral(" - a repeat of a request already recorded"));
                else {
                    waiting.insert(request->id, recording.requests.size());
                    recording.requests << RecordedRequest{atUs, *request, {}, 0};
                }
            } else if (const auto *reply = std::get_if<protocol::Reply>(&message)) {
                const auto found = waiting.constFind(reply->id);
                if (fromConsole)
                    skips.add(atUs, what + QStringLiteral(" - a reply from the console"));
                else if (found == waiting.cend())
                    skips.add(atUs, what + QStringLiteral(" - no request of that id waits for it"));
                else {
                    RecordedRequest &answered = recording.requests[*found];
                    answered.reply = *reply;
                    answered.replyAtUs = atUs;
                    waiting.erase(found);
                }
            } else {
                const auto &input = std::get<protocol::SequencedInput>(message);
                if (fromConsole)
                    skips.add(atUs, what + QStringLiteral(" - an input from the console"));
                else if (!inputSequences.admit(input.sequence))
                    skips.add(atUs, what + QStringLiteral(" - a repeat of an input already recorded"));
                else if (input.input.kind != protocol::InputKind::Alive)
                    recording.inputs << RecordedInput{atUs, input.sequence, input.input};
            }
        }
    }
    skips.close();
    for (const auto &[key, other] : others)
        recording.notes << QStringLiteral("skipped %1 %2 of another connection, %3 <-> %4 (give --replay-peer to replay it)")
                               .arg(other.datagrams)
                               .arg(other.datagrams == 1 ? QStringLiteral("datagram") : QStringLiteral("datagrams"),
                                    wire::endpointText(other.first), wire::endpointText(other.second));
    return recording;
}

} // namespace replay

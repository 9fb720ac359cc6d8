#pragma once
// Where a program's wire traffic is shown as it went over the line: every datagram and serial frame a channel
// sends or receives, dropped ones included. One tap serves the whole program (its capture file), so that every
// channel, whoever opens it, reports to it.
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace wire {

enum class TrafficDirection : quint8 { Received = 0, Sent = 1 };

struct UdpEndpoint
{
    quint32 address = 0; // IPv4, host order
    quint16 port = 0;
};

// "ADDRESS:PORT" with a dotted IPv4 address and a port 1-65535, or 0 too where the caller allows it.
[[nodiscard]] std::optional<UdpEndpoint> parseUdpEndpoint(const QString &text, bool allowAnyPort = false);
[[nodiscard]] QString endpointText(UdpEndpoint endpoint);

class TrafficTap
{
public:
    virtual ~TrafficTap() = default;
    // `bytes` may be fewer than `size`, the datagram's real size, when it did not fit the receive buffer.
    virtual void datagram(TrafficDirection direction, UdpEndpoint from, UdpEndpoint to, QByteArrayView bytes,
                          qsizetype size) = 0;
    // The bytes exactly as they crossed the line, flags, stuffing and CRC included; `size` as for a datagram.
    virtual void serialFrame(TrafficDirection direction, QByteArrayView bytes, qsizetype size) = 0;
};

// The program's tap, or none (null). Set it before channels open and clear it before it goes.
void setTrafficTap(TrafficTap *tap);
[[nodiscard]] TrafficTap *trafficTap();

} // namespace wire

#pragma once
// Reads back a capture file that TrafficCapture wrote (docs/wire-protocol.md, "Captures"), with libpcap's offline
// reader: each packet's time, and for UDP the addresses and ports it travelled between, for the serial line the
// direction byte; then the datagram or frame as it crossed the link.
#include "capture/trafficcapture.h"
#include "wire/traffictap.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <variant>

namespace capture {

struct CapturedPacket
{
    qint64 timeUs = 0;              // since the Unix epoch
    wire::UdpEndpoint from, to;     // UDP
    bool sentByCapturer = false;    // serial line: the direction byte
    QByteArray bytes;               // the datagram, or the frame with its flags, as far as it was recorded
    qsizetype size = 0;             // its real size
};

struct CapturedTraffic
{
    LinkKind link = LinkKind::Udp;
    QList<CapturedPacket> packets;
};

// The whole file, or why it cannot be read as a capture of ours: what a person reads after "cannot replay FILE: ".
[[nodiscard]] std::variant<CapturedTraffic, QString> readCapture(const QString &path);

} // namespace capture

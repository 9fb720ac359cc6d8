#include "capturereader.h"

#include <QFile>
#include <QtEndian>
#include <memory>
#include <pcap/pcap.h>

namespace capture {

namespace {
constexpr int IpHeaderBytes = 20;
constexpr int UdpHeaderBytes = 8;

// The made-up IPv4 and UDP headers a datagram is recorded with; false when the packet does not carry them.
bool readUdpPacket(const u_char *data, bpf_u_int32 captured, bpf_u_int32 length, CapturedPacket &packet)
{
    if (captured < IpHeaderBytes + UdpHeaderBytes || length < captured || data[0] != 0x45 || data[9] != 17)
        return false;
    const quint16 total = qFromBigEndian<quint16>(data + 2);
    const quint16 udpLength = qFromBigEndian<quint16>(data + 24);
    if (total < IpHeaderBytes + UdpHeaderBytes || udpLength != total - IpHeaderBytes)
        return false;
    packet.from = {qFromBigEndian<quint32>(data + 12), qFromBigEndian<quint16>(data + 20)};
    packet.to = {qFromBigEndian<quint32>(data + 16), qFromBigEndian<quint16>(data + 22)};
    const int header = IpHeaderBytes + UdpHeaderBytes;
    packet.bytes = QByteArray(reinterpret_cast<const char *>(data) + header, qsizetype(captured) - header);
    packet.size = qsizetype(length) - header;
    return true;
}

bool readSerialPacket(const u_char *data, bpf_u_int32 captured, bpf_u_int32 length, CapturedPacket &packet)
{
    if (captured < 1 || length < captured || data[0] > 1)
        return false;
    packet.sentByCapturer = data[0] == 1;
    packet.bytes = QByteArray(reinterpret_cast<const char *>(data) + 1, qsizetype(captured) - 1);
    packet.size = qsizetype(length) - 1;
    return true;
}
} // namespace

std::variant<CapturedTraffic, QString> readCapture(const QString &path)
{
    // libpcap's own words for an empty file ("truncated dump file") would send a person looking for a cut.
    if (QFile file(path); !file.exists())
        return QStringLiteral("no such file");
    else if (file.size() == 0)
        return QStringLiteral("the file is empty");
    char error[PCAP_ERRBUF_SIZE] = {};
    pcap_t *reader = pcap_open_offline_with_tstamp_precision(QFile::encodeName(path).constData(),
                                                             PCAP_TSTAMP_PRECISION_MICRO, error);
    if (!reader)
        return QStringLiteral("not a pcap capture (%1)").arg(QString::fromLocal8Bit(error));
    const std::unique_ptr<pcap_t, void (*)(pcap_t *)> closer(reader, pcap_close);
    CapturedTraffic traffic;
    switch (pcap_datalink(reader)) {
    case DLT_RAW:
        traffic.link = LinkKind::Udp;
        break;
    case DLT_USER0:
        traffic.link = LinkKind::Serial;
        break;
    default:
        return QStringLiteral("not a capture of the Tavlox link: its link type is %1, not RAW (101) or USER0 (147)")
            .arg(pcap_datalink(reader));
    }
    for (;;) {
        pcap_pkthdr *header = nullptr;
        const u_char *data = nullptr;
        const int outcome = pcap_next_ex(reader, &header, &data);
        if (outcome == PCAP_ERROR_BREAK)
            break;
        const qsizetype number = traffic.packets.size() + 1;
        if (outcome != 1)
            return QStringLiteral("packet %1 cannot be read: %2").arg(number).arg(QString::fromLocal8Bit(pcap_geterr(reader)));
        CapturedPacket packet;
        packet.timeUs = qint64(header->ts.tv_sec) * 1000000 + header->ts.tv_usec;
        const bool read = traffic.link == LinkKind::Udp ? readUdpPacket(data, header->caplen, header->len, packet)
                                                        : readSerialPacket(data, header->caplen, header->len, packet);
        if (!read)
            return traffic.link == LinkKind::Udp
                       ? QStringLiteral("packet %1 is not an IPv4 UDP datagram as the console and pendant record them").arg(number)
                       : QStringLiteral("packet %1 is not a serial frame with a direction byte (0 or 1)").arg(number);
        traffic.packets << std::move(packet);
    }
    if (traffic.packets.isEmpty())
        return QStringLiteral("the capture holds no packets");
    return traffic;
}

} // namespace capture

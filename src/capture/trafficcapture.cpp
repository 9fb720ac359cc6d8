#include "trafficcapture.h"

#include <QFileInfo>
#include <QtEndian>
#include <array>
#include <cstring>
#include <ctime>
#include <pcap/pcap.h>

namespace capture {

namespace {
// Big enough for the longest serial frame a receiver must take (130,006 bytes) and any datagram.
constexpr int SnapLength = 262144;
constexpr int IpUdpHeaderBytes = 28;
constexpr int PcapRecordHeaderBytes = 16; // in the file: seconds, microseconds, captured and real length

int linkType(LinkKind kind)
{
    return kind == LinkKind::Udp ? DLT_RAW : DLT_USER0;
}

const char *kindName(LinkKind kind)
{
    return kind == LinkKind::Udp ? "udp" : "serial";
}

// NAME.pcap -> NAME-serial.pcap: where the other link kind goes.
QString besidePath(const QString &path, LinkKind kind)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString stem = info.suffix().isEmpty() ? path : path.chopped(suffix.size());
    return stem + QLatin1Char('-') + QLatin1String(kindName(kind)) + suffix;
}

QString stoppedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("the capture %1 stopped: %2").arg(path, reason);
}

QString unwritableMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("cannot write the capture %1: %2").arg(path, reason);
}

quint16 ipChecksum(const unsigned char *header, int bytes)
{
    quint32 sum = 0;
    for (int k = 0; k < bytes; k += 2)
        sum += quint32(header[k] << 8 | header[k + 1]);
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return quint16(~sum);
}
} // namespace

struct TrafficCapture::Output
{
    LinkKind kind = LinkKind::Udp;
    pcap_t *format = nullptr; // a dead handle: only the link type and snapshot length, for the dump writer
    pcap_dumper_t *dumper = nullptr;
    growingfile::GrowingFile file;
    quint64 packets = 0;

    ~Output()
    {
        file.blockSignals(true);
        file.close(); // through pcap_dump_close
        if (format)
            pcap_close(format);
    }

    // Empties the file and writes its header for that link kind.
    QString start(const QString &path, LinkKind linkKind)
    {
        if (const QString why = file.open(path, true); !why.isEmpty())
            return why;
        kind = linkKind;
        if (format)
            pcap_close(format);
        format = pcap_open_dead(linkType(kind), SnapLength);
        dumper = format ? pcap_dump_fopen(format, file.stream()) : nullptr;
        if (!dumper) {
            const QString why = format ? QString::fromLocal8Bit(pcap_geterr(format)) : QStringLiteral("libpcap cannot make the header");
            file.close();
            return why;
        }
        file.setCloser([dumper = dumper](FILE *) { pcap_dump_close(dumper); });
        file.flush(); // the header is there at once: a capture that sees nothing still opens
        return file.isOpen() ? QString() : QStringLiteral("the header could not be written");
    }
};

TrafficCapture::TrafficCapture(QObject *parent) : QObject(parent) {}

TrafficCapture::~TrafficCapture()
{
    if (wire::trafficTap() == this)
        wire::setTrafficTap(nullptr);
    for (const auto &output : m_outputs)
        output->file.close(); // while a last failure can still be told
}

QString TrafficCapture::open(const QString &path, LinkKind expected)
{
    m_outputs.clear();
    auto output = std::make_unique<Output>();
    if (const QString why = output->start(path, expected); !why.isEmpty())
        return unwritableMessage(path, why);
    keep(std::move(output), path);
    return {};
}

TrafficCapture::Output &TrafficCapture::keep(std::unique_ptr<Output> output, const QString &path)
{
    connect(&output->file, &growingfile::GrowingFile::failed, this,
            [this, path](const QString &reason) { Q_EMIT failed(stoppedMessage(path, reason)); });
    m_outputs.push_back(std::move(output));
    return *m_outputs.back();
}

QStringList TrafficCapture::paths() const
{
    QStringList result;
    for (const auto &output : m_outputs)
        result << output->file.path();
    return result;
}

void TrafficCapture::flush()
{
    for (const auto &output : m_outputs)
        output->file.flush();
}

TrafficCapture::Output *TrafficCapture::outputFor(LinkKind kind)
{
    if (m_outputs.empty())
        return nullptr;
    for (const auto &output : m_outputs)
        if (output->kind == kind)
            return output->file.isOpen() ? output.get() : nullptr;
    Output &first = *m_outputs.front();
    // Nothing in the first file yet: it takes this kind instead.
    if (first.packets == 0 && first.file.isOpen()) {
        const QString path = first.file.path();
        if (const QString why = first.start(path, kind); !why.isEmpty())
            Q_EMIT failed(stoppedMessage(path, why));
        return first.file.isOpen() ? &first : nullptr;
    }
    if (m_outputs.size() > 1)
        return nullptr; // both kinds have a file; this one failed
    auto second = std::make_unique<Output>();
    const QString path = besidePath(first.file.path().isEmpty() ? QStringLiteral("capture.pcap") : first.file.path(), kind);
    const QString why = second->start(path, kind);
    Output &kept = keep(std::move(second), path); // kept even when it failed: the two kinds have their files
    if (!why.isEmpty()) {
        Q_EMIT failed(unwritableMessage(path, why));
        return nullptr;
    }
    return &kept;
}

void TrafficCapture::write(Output &output, QByteArrayView header, QByteArrayView bytes, qsizetype size)
{
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    pcap_pkthdr record = {};
    record.ts.tv_sec = now.tv_sec;
    record.ts.tv_usec = now.tv_nsec / 1000;
    const qsizetype kept = std::min<qsizetype>(bytes.size(), SnapLength - header.size());
    record.caplen = bpf_u_int32(header.size() + kept);
    record.len = bpf_u_int32(header.size() + size);
    // One contiguous packet for the dump writer.
    thread_local QByteArray packet;
    packet.resize(record.caplen);
    std::memcpy(packet.data(), header.data(), size_t(header.size()));
    std::memcpy(packet.data() + header.size(), bytes.data(), size_t(kept));
    (void)output.file.makeRoom(PcapRecordHeaderBytes + record.caplen); // a packet is far smaller than the buffer
    pcap_dump(reinterpret_cast<u_char *>(output.dumper), &record, reinterpret_cast<const u_char *>(packet.constData()));
    ++output.packets;
    output.file.wrote(PcapRecordHeaderBytes + record.caplen);
}

void TrafficCapture::datagram(wire::TrafficDirection, wire::UdpEndpoint from, wire::UdpEndpoint to,
                              QByteArrayView bytes, qsizetype size)
{
    Output *output = outputFor(LinkKind::Udp);
    if (!output)
        return;
    // The IPv4 and UDP headers the datagram travelled with, as far as they matter to a reader: addresses, ports,
    // lengths, a valid header checksum; no UDP checksum (0, allowed on IPv4).
    std::array<unsigned char, IpUdpHeaderBytes> header = {};
    const auto total = quint16(std::min<qsizetype>(IpUdpHeaderBytes + size, 0xFFFF));
    header[0] = 0x45; // version 4, 20-byte header
    qToBigEndian(total, &header[2]);
    qToBigEndian(m_nextDatagramId++, &header[4]);
    header[8] = 64; // time to live
    header[9] = 17; // UDP
    qToBigEndian(from.address, &header[12]);
    qToBigEndian(to.address, &header[16]);
    qToBigEndian(ipChecksum(header.data(), 20), &header[10]);
    qToBigEndian(from.port, &header[20]);
    qToBigEndian(to.port, &header[22]);
    qToBigEndian(quint16(total - 20), &header[24]);
    write(*output, QByteArrayView(reinterpret_cast<const char *>(header.data()), header.size()), bytes, size);
}

void TrafficCapture::serialFrame(wire::TrafficDirection direction, QByteArrayView bytes, qsizetype size)
{
    Output *output = outputFor(LinkKind::Serial);
    if (!output)
        return;
    const char header = direction == wire::TrafficDirection::Sent ? 1 : 0;
    write(*output, QByteArrayView(&header, 1), bytes, size);
}

} // namespace capture

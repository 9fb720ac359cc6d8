#include "wirechannel.h"

#include "wire/traffictap.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcWire, "zandorex.tavlox.wire", QtInfoMsg)

namespace wire {

namespace {
QString endpoint(const QHostAddress &address, quint16 port)
{
    return QStringLiteral("%1:%2").arg(address.toString()).arg(port);
}

sockaddr_in socketAddress(const QHostAddress &address, quint16 port)
{
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_addr.s_addr = htonl(address.toIPv4Address());
    result.sin_port = htons(port);
    return result;
}

// The address our datagrams to the peer leave from: the bound one, or for a socket bound to any address, the one
// the routing picks (what a capture shows as the source).
quint32 sourceAddressFor(const QHostAddress &bound, const QHostAddress &peer, quint16 peerPort)
{
    if (bound != QHostAddress::AnyIPv4)
        return bound.toIPv4Address();
    const int probe = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (probe < 0)
        return 0;
    sockaddr_in to = socketAddress(peer, peerPort == 0 ? 9 : peerPort);
    sockaddr_in chosen{};
    socklen_t size = sizeof chosen;
    // connect() on a datagram socket only looks up the route: nothing is sent.
    const bool found = ::connect(probe, reinterpret_cast<const sockaddr *>(&to), sizeof to) == 0 &&
                       ::getsockname(probe, reinterpret_cast<sockaddr *>(&chosen), &size) == 0;
    ::close(probe);
    return found ? ntohl(chosen.sin_addr.s_addr) : 0;
}

QString bindProblem(int error)
{
    switch (error) {
    case EADDRINUSE:
        return QStringLiteral("the port is in use by another program");
    case EADDRNOTAVAIL:
        return QStringLiteral("this machine has no such address");
    case EACCES:
        return QStringLiteral("permission denied (ports below 1024 need privileges)");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}
} // namespace

void WireChannel::drop(const QString &what, const QString &reason)
{
    ++m_counters.dropped;
    qCInfo(lcWire).noquote() << describe() << "dropped" << what << "-" << reason;
}

bool WireChannel::send(const protocol::Message &message)
{
    const QByteArray bytes = protocol::encode(message);
    if (bytes.isEmpty()) {
        drop(protocol::describe(message), QStringLiteral("larger than %1 bytes, not sent").arg(protocol::MaxMessageBytes));
        return false;
    }
    if (const QString why = transmit(bytes); !why.isEmpty()) {
        drop(protocol::describe(message), QStringLiteral("not sent: %1").arg(why));
        return false;
    }
    ++m_counters.sent;
    qCDebug(lcWire).noquote() << describe() << "sent" << protocol::describe(message)
                              << QStringLiteral("(%1 bytes)").arg(bytes.size());
    return true;
}

void WireChannel::deliver(const protocol::Message &message, qsizetype bytes)
{
    ++m_counters.received;
    qCDebug(lcWire).noquote() << describe() << "received" << protocol::describe(message)
                              << QStringLiteral("(%1 bytes)").arg(bytes);
    Q_EMIT received(message);
}

UdpChannel::UdpChannel(const QHostAddress &localAddress, quint16 localPort, const QHostAddress &peerAddress,
                       quint16 peerPort, QObject *parent)
    : WireChannel(parent), m_localAddress(localAddress), m_localPort(localPort), m_peerAddress(peerAddress),
      m_peerPort(peerPort)
{
}

UdpChannel::~UdpChannel()
{
    m_readable.reset();
    if (m_socket >= 0)
        ::close(m_socket);
}

QString UdpChannel::open()
{
    const QString where = endpoint(m_localAddress, m_localPort);
    if (m_localAddress.protocol() != QAbstractSocket::IPv4Protocol || m_peerAddress.protocol() != QAbstractSocket::IPv4Protocol)
        return QStringLiteral("Cannot bind UDP %1: only IPv4 addresses are supported").arg(where);
    m_socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_socket < 0)
        return QStringLiteral("Cannot bind UDP %1: %2").arg(where, QString::fromLocal8Bit(std::strerror(errno)));
    // No address sharing: a second program on the same port would take half the pendant's datagrams.
    sockaddr_in local = socketAddress(m_localAddress, m_localPort);
    if (::bind(m_socket, reinterpret_cast<const sockaddr *>(&local), sizeof local) != 0) {
        const QString why = bindProblem(errno);
        ::close(m_socket);
        m_socket = -1;
        return QStringLiteral("Cannot bind UDP %1: %2").arg(where, why);
    }
    socklen_t size = sizeof local;
    ::getsockname(m_socket, reinterpret_cast<sockaddr *>(&local), &size);
    m_localPort = ntohs(local.sin_port);
    m_sourceAddress = sourceAddressFor(m_localAddress, m_peerAddress, m_peerPort);
    m_buffer.resize(protocol::MaxMessageBytes + 1);
    m_readable = std::make_unique<QSocketNotifier>(m_socket, QSocketNotifier::Read);
    connect(m_readable.get(), &QSocketNotifier::activated, this, &UdpChannel::readDatagrams);
    return {};
}

QString UdpChannel::describe() const
{
    return QStringLiteral("UDP %1 <-> %2").arg(endpoint(m_localAddress, m_localPort), endpoint(m_peerAddress, m_peerPort));
}

QString UdpChannel::transmit(const QByteArray &message)
{
    if (m_socket < 0)
        return QStringLiteral("the channel is not open");
    const sockaddr_in peer = socketAddress(m_peerAddress, m_peerPort);
    const ssize_t sent = ::sendto(m_socket, message.constData(), static_cast<size_t>(message.size()), 0,
                                  reinterpret_cast<const sockaddr *>(&peer), sizeof peer);
    if (sent != message.size())
        return QString::fromLocal8Bit(std::strerror(errno));
    if (TrafficTap *tap = trafficTap())
        tap->datagram(TrafficDirection::Sent, {m_sourceAddress, m_localPort}, {m_peerAddress.toIPv4Address(), m_peerPort},
                      message, message.size());
    return {};
}

void UdpChannel::readDatagrams()
{
    // A bounded batch per wake-up, so that a flood cannot hold the event loop; the notifier fires again for the rest.
    for (int batch = 0; batch < 64; ++batch) {
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        // MSG_TRUNC: the datagram's real size, even when it is larger than the buffer.
        const ssize_t size = ::recvfrom(m_socket, m_buffer.data(), static_cast<size_t>(m_buffer.size()), MSG_TRUNC,
                                        reinterpret_cast<sockaddr *>(&from), &fromSize);
        if (size < 0)
            return; // EAGAIN: nothing more; anything else comes back on the next wake-up
        const quint32 senderAddress = ntohl(from.sin_addr.s_addr);
        const QHostAddress sender(senderAddress);
        const quint16 senderPort = ntohs(from.sin_port);
        const QByteArrayView bytes(m_buffer.constData(), std::min<qsizetype>(size, m_buffer.size()));
        if (TrafficTap *tap = trafficTap())
            tap->datagram(TrafficDirection::Received, {senderAddress, senderPort}, {m_sourceAddress, m_localPort}, bytes, size);
        const auto what = [&] {
            return QStringLiteral("datagram of %1 bytes from %2").arg(size).arg(endpoint(sender, senderPort));
        };
        if (sender != m_peerAddress || senderPort != m_peerPort) {
            drop(what(), QStringLiteral("not from the peer %1").arg(endpoint(m_peerAddress, m_peerPort)));
            continue;
        }
        protocol::Decoded decoded = size > protocol::MaxMessageBytes ? protocol::Decoded{std::nullopt, protocol::DropReason::Oversized}
                                                              : protocol::decode(bytes);
        if (!decoded.message) {
            drop(what(), protocol::describe(decoded.reason));
            continue;
        }
        deliver(*decoded.message, size);
    }
}

SerialChannel::SerialChannel(const QString &device, QObject *parent) : WireChannel(parent), m_device(device)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialChannel::readFrames);
}

QString SerialChannel::open()
{
    m_port.setPortName(m_device);
    if (!m_port.open(QIODevice::ReadWrite))
        return QStringLiteral("Cannot open serial port %1: %2").arg(m_device, m_port.errorString());
    const bool configured = m_port.setBaudRate(QSerialPort::Baud115200) && m_port.setDataBits(QSerialPort::Data8) &&
                            m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
                            m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        const QString why = m_port.errorString();
        m_port.close();
        return QStringLiteral("Cannot set up serial port %1 (115200 8N1): %2").arg(m_device, why);
    }
    m_port.clear();
    return {};
}

QString SerialChannel::describe() const
{
    return QStringLiteral("serial %1").arg(m_device);
}

QString SerialChannel::transmit(const QByteArray &message)
{
    const QByteArray framed = protocol::frame(message);
    if (m_port.write(framed) != framed.size())
        return m_port.errorString();
    if (TrafficTap *tap = trafficTap())
        tap->serialFrame(TrafficDirection::Sent, framed, framed.size());
    return {};
}

void SerialChannel::readFrames()
{
    const QByteArray bytes = m_port.readAll();
    TrafficTap *tap = trafficTap();
    m_reader.keepRawFrames(tap != nullptr);
    protocol::FrameReader::Result result = m_reader.feed(bytes);
    if (tap)
        for (const protocol::FrameReader::RawFrame &raw : result.rawFrames)
            tap->serialFrame(TrafficDirection::Received, raw.bytes, raw.size);
    for (protocol::DropReason reason : result.drops)
        drop(QStringLiteral("frame"), protocol::describe(reason));
    // The size is for the trace only; encoding again to learn it is not worth it when nobody reads the trace.
    for (const protocol::Message &message : result.messages)
        deliver(message, lcWire().isDebugEnabled() ? protocol::encode(message).size() : 0);
}

} // namespace wire

#include "wirechannel.h"

#include <QNetworkDatagram>

Q_LOGGING_CATEGORY(lcWire, "zandorex.tavlox.wire", QtInfoMsg)

namespace tavlox {

namespace {
QString endpoint(const QHostAddress &address, quint16 port)
{
    return QStringLiteral("%1:%2").arg(address.toString()).arg(port);
}
} // namespace

void WireChannel::drop(const QString &what, const QString &reason)
{
    ++m_counters.dropped;
    qCInfo(lcWire).noquote() << describe() << "dropped" << what << "-" << reason;
}

bool WireChannel::send(const wire::Message &message)
{
    const QByteArray bytes = wire::encode(message);
    if (bytes.isEmpty()) {
        drop(wire::describe(message), QStringLiteral("larger than %1 bytes, not sent").arg(wire::MaxMessageBytes));
        return false;
    }
    if (const QString why = transmit(bytes); !why.isEmpty()) {
        drop(wire::describe(message), QStringLiteral("not sent: %1").arg(why));
        return false;
    }
    ++m_counters.sent;
    qCDebug(lcWire).noquote() << describe() << "sent" << wire::describe(message)
                              << QStringLiteral("(%1 bytes)").arg(bytes.size());
    return true;
}

void WireChannel::deliver(const wire::Message &message, qsizetype bytes)
{
    ++m_counters.received;
    qCDebug(lcWire).noquote() << describe() << "received" << wire::describe(message)
                              << QStringLiteral("(%1 bytes)").arg(bytes);
    Q_EMIT received(message);
}

UdpChannel::UdpChannel(const QHostAddress &localAddress, quint16 localPort, const QHostAddress &peerAddress,
                       quint16 peerPort, QObject *parent)
    : WireChannel(parent), m_localAddress(localAddress), m_localPort(localPort), m_peerAddress(peerAddress),
      m_peerPort(peerPort)
{
    connect(&m_socket, &QUdpSocket::readyRead, this, &UdpChannel::readDatagrams);
}

QString UdpChannel::open()
{
    // No address sharing: a second program on the same port would take half the pendant's datagrams.
    if (!m_socket.bind(m_localAddress, m_localPort, QAbstractSocket::DontShareAddress))
        return QStringLiteral("Cannot bind UDP %1: %2").arg(endpoint(m_localAddress, m_localPort), m_socket.errorString());
    return {};
}

QString UdpChannel::describe() const
{
    return QStringLiteral("UDP %1 <-> %2").arg(endpoint(m_localAddress, m_socket.localPort()),
                                               endpoint(m_peerAddress, m_peerPort));
}

QString UdpChannel::transmit(const QByteArray &message)
{
    return m_socket.writeDatagram(message, m_peerAddress, m_peerPort) == message.size() ? QString()
                                                                                         : m_socket.errorString();
}

void UdpChannel::readDatagrams()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram(wire::MaxMessageBytes + 1);
        if (!datagram.isValid())
            continue;
        const QString what = QStringLiteral("datagram of %1 bytes from %2")
                                 .arg(datagram.data().size())
                                 .arg(endpoint(datagram.senderAddress(), static_cast<quint16>(datagram.senderPort())));
        if (!datagram.senderAddress().isEqual(m_peerAddress, QHostAddress::ConvertV4MappedToIPv4) ||
            datagram.senderPort() != m_peerPort) {
            drop(what, QStringLiteral("not from the peer %1").arg(endpoint(m_peerAddress, m_peerPort)));
            continue;
        }
        wire::Decoded decoded = wire::decode(datagram.data());
        if (!decoded.message) {
            drop(what, wire::describe(decoded.reason));
            continue;
        }
        deliver(*decoded.message, datagram.data().size());
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
    const QByteArray framed = wire::frame(message);
    return m_port.write(framed) == framed.size() ? QString() : m_port.errorString();
}

void SerialChannel::readFrames()
{
    const QByteArray bytes = m_port.readAll();
    wire::FrameReader::Result result = m_reader.feed(bytes);
    for (wire::DropReason reason : result.drops)
        drop(QStringLiteral("frame"), wire::describe(reason));
    // The size is for the trace only; encoding again to learn it is not worth it when nobody reads the trace.
    for (const wire::Message &message : result.messages)
        deliver(message, lcWire().isDebugEnabled() ? wire::encode(message).size() : 0);
}

} // namespace tavlox

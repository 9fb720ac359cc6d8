#pragma once
// A real link's transport: sends and receives wire messages over UDP or a serial line, drops what is not one.
#include "protocol/framing.h"

#include <QHostAddress>
#include <QLoggingCategory>
#include <QObject>
#include <QSerialPort>
#include <QSocketNotifier>
#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcWire)

namespace wire {

class WireChannel : public QObject
{
    Q_OBJECT
public:
    struct Counters
    {
        quint64 sent = 0;
        quint64 received = 0;
        quint64 dropped = 0;
    };

    using QObject::QObject;
    // Opens the transport; returns why it could not (naming the address and port, or the device), or empty.
    [[nodiscard]] virtual QString open() = 0;
    // False when the message does not fit the protocol or the transport would not take it.
    bool send(const protocol::Message &message);
    [[nodiscard]] virtual QString describe() const = 0;
    [[nodiscard]] const Counters &counters() const { return m_counters; }
    // Every datagram or frame that is not acted on goes through here, so that it is seen in the trace and counted.
    void drop(const QString &what, const QString &reason);

Q_SIGNALS:
    void received(const protocol::Message &message);

protected:
    // Puts one encoded message on the line; returns why not, or empty.
    [[nodiscard]] virtual QString transmit(const QByteArray &message) = 0;
    void deliver(const protocol::Message &message, qsizetype bytes);

private:
    Counters m_counters;
};

// Datagrams between a bound local IPv4 address and port and one peer; datagrams from anyone else are dropped.
// It works on the socket itself: one system call per datagram each way, which a request's round trip feels.
class UdpChannel : public WireChannel
{
    Q_OBJECT
public:
    UdpChannel(const QHostAddress &localAddress, quint16 localPort, const QHostAddress &peerAddress, quint16 peerPort,
               QObject *parent = nullptr);
    ~UdpChannel() override;
    [[nodiscard]] QString open() override;
    [[nodiscard]] QString describe() const override;
    [[nodiscard]] quint16 localPort() const { return m_localPort; }

private:
    [[nodiscard]] QString transmit(const QByteArray &message) override;
    void readDatagrams();

    int m_socket = -1;
    std::unique_ptr<QSocketNotifier> m_readable;
    QByteArray m_buffer;
    QHostAddress m_localAddress;
    quint32 m_sourceAddress = 0; // what datagrams to the peer leave from (for a capture)
    quint16 m_localPort;
    QHostAddress m_peerAddress;
    quint16 m_peerPort;
};

// Framed messages on a serial line (115200 baud, 8 data bits, no parity, 1 stop bit, no flow control).
class SerialChannel : public WireChannel
{
    Q_OBJECT
public:
    explicit SerialChannel(const QString &device, QObject *parent = nullptr);
    [[nodiscard]] QString open() override;
    [[nodiscard]] QString describe() const override;

private:
    [[nodiscard]] QString transmit(const QByteArray &message) override;
    void readFrames();

    QSerialPort m_port;
    QString m_device;
    protocol::FrameReader m_reader;
};

} // namespace wire

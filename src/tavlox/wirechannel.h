#pragma once
// A real link's transport: sends and receives wire messages over UDP or a serial line, drops what is not one.
#include "tavlox/wireformat.h"

#include <QHostAddress>
#include <QLoggingCategory>
#include <QObject>
#include <QSerialPort>
#include <QUdpSocket>

Q_DECLARE_LOGGING_CATEGORY(lcWire)

namespace tavlox {

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
    // False when the message does not fit the protocol or the transport would not take it.
    virtual bool send(const wire::Message &message) = 0;
    [[nodiscard]] virtual QString describe() const = 0;
    [[nodiscard]] const Counters &counters() const { return m_counters; }
    // Every datagram or frame that is not acted on goes through here, so that it is seen in the trace and counted.
    void drop(const QString &what, const QString &reason);

Q_SIGNALS:
    void received(const tavlox::wire::Message &message);

protected:
    void noteSent(const wire::Message &message, qsizetype bytes);
    void deliver(const wire::Message &message, qsizetype bytes);

private:
    Counters m_counters;
};

// Datagrams between a bound local address and port and one peer; datagrams from anyone else are dropped.
class UdpChannel : public WireChannel
{
    Q_OBJECT
public:
    UdpChannel(const QHostAddress &localAddress, quint16 localPort, const QHostAddress &peerAddress, quint16 peerPort,
               QObject *parent = nullptr);
    // Binds; returns why it could not, naming the address and port, or empty.
    [[nodiscard]] QString open();
    bool send(const wire::Message &message) override;
    [[nodiscard]] QString describe() const override;
    [[nodiscard]] quint16 localPort() const { return m_socket.localPort(); }

private:
    void readDatagrams();

    QUdpSocket m_socket;
    QHostAddress m_localAddress;
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
    // Opens and sets up the line; returns why it could not, naming the device, or empty.
    [[nodiscard]] QString open();
    bool send(const wire::Message &message) override;
    [[nodiscard]] QString describe() const override;

private:
    void readFrames();

    QSerialPort m_port;
    QString m_device;
    wire::FrameReader m_reader;
};

} // namespace tavlox

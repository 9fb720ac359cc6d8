#pragma once
// The provider's links across a real line (UDP, serial), and the pendant's end of the same line.
#include "tavlox/options.h"
#include "tavlox/pendantlink.h"
#include "tavlox/wirechannel.h"

#include <array>
#include <memory>

namespace tavlox {

// Remembers the last few ids seen, so that a repeated datagram is recognised and not acted on twice.
class RecentIds
{
public:
    // True when the id is new (and remembers it).
    bool admit(quint32 id);

private:
    std::array<quint32, 64> m_ids{};
    std::size_t m_filled = 0;
    std::size_t m_next = 0;
};

// A pendant link over a wire channel: requests out, replies and input in.
class WireLink : public PendantLink
{
    Q_OBJECT
public:
    void send(const Request &request) override;
    [[nodiscard]] QString describe() const override { return m_channel->describe(); }
    [[nodiscard]] const WireChannel &channel() const { return *m_channel; }

protected:
    explicit WireLink(std::unique_ptr<WireChannel> channel);

private:
    void onReceived(const wire::Message &message);

    std::unique_ptr<WireChannel> m_channel;
    RecentIds m_inputs;
};

// "UDP=dest:port:src:port". Throws cao::Failure naming the address and port when the source cannot be bound.
class UdpLink : public WireLink
{
    Q_OBJECT
public:
    explicit UdpLink(const UdpAddresses &addresses);
};

// "Port=". Throws cao::Failure naming the device when it cannot be opened.
class SerialLink : public WireLink
{
    Q_OBJECT
public:
    explicit SerialLink(const QString &device);
};

// The link an option string names.
[[nodiscard]] std::unique_ptr<PendantLink> makeWireLink(const ConnectionOptions &options);

// The pendant's end: hands requests arriving on a channel to a pendant and sends back its replies and input.
class EndpointBridge : public QObject
{
    Q_OBJECT
public:
    EndpointBridge(WireChannel &channel, PendantEndpoint &endpoint, QObject *parent = nullptr);

private:
    void onReceived(const wire::Message &message);

    WireChannel &m_channel;
    PendantEndpoint &m_endpoint;
    RecentIds m_requests;
    quint32 m_nextSequence;
};

} // namespace tavlox

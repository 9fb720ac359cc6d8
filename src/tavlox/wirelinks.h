#pragma once
// The provider's links across a real line (UDP, serial).
#include "tavlox/options.h"
#include "tavlox/pendantlink.h"
#include "wire/recentids.h"
#include "wire/wirechannel.h"

#include <memory>

namespace tavlox {

// A pendant link over a wire channel: requests out, replies and input in.
class WireLink : public PendantLink
{
    Q_OBJECT
public:
    void send(const protocol::Request &request) override;
    [[nodiscard]] QString describe() const override { return m_channel->describe(); }
    void reportDropped(const QString &what, const QString &reason) override { m_channel->drop(what, reason); }
    [[nodiscard]] quint64 droppedCount() const override { return m_channel->counters().dropped; }
    [[nodiscard]] const wire::WireChannel &channel() const { return *m_channel; }

protected:
    explicit WireLink(std::unique_ptr<wire::WireChannel> channel);

private:
    void onReceived(const protocol::Message &message);

    std::unique_ptr<wire::WireChannel> m_channel;
    wire::RecentIds m_inputs;
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

} // namespace tavlox

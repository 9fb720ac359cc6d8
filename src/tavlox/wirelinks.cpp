#include "wirelinks.h"

#include "cao/failure.h"
#include "cao/status.h"


namespace tavlox {

WireLink::WireLink(std::unique_ptr<wire::WireChannel> channel) : m_channel(std::move(channel))
{
    connect(m_channel.get(), &wire::WireChannel::received, this, &WireLink::onReceived);
}

void WireLink::send(const protocol::Request &request)
{
    if (!m_channel->send(request))
        throw cao::Failure(cao::status::InvalidArgument,
                           QStringLiteral("The request could not be sent on %1 (a message holds at most %2 bytes)")
                               .arg(m_channel->describe())
                               .arg(protocol::MaxMessageBytes));
}

void WireLink::onReceived(const protocol::Message &message)
{
    if (const auto *reply = std::get_if<protocol::Reply>(&message)) {
        Q_EMIT replied(*reply);
    } else if (const auto *input = std::get_if<protocol::SequencedInput>(&message)) {
        if (!m_inputs.admit(input->sequence)) {
            m_channel->drop(protocol::describe(message), QStringLiteral("a repeat of an input already taken"));
            return;
        }
        Q_EMIT inputOccurred(input->input);
    } else {
        m_channel->drop(protocol::describe(message), QStringLiteral("a request, which only a pendant takes"));
    }
}

namespace {
std::unique_ptr<wire::WireChannel> opened(std::unique_ptr<wire::WireChannel> channel)
{
    if (const QString why = channel->open(); !why.isEmpty())
        throw cao::Failure(cao::status::Unspecified, why);
    return channel;
}
} // namespace

UdpLink::UdpLink(const UdpAddresses &addresses)
    : WireLink(opened(std::make_unique<wire::UdpChannel>(QHostAddress(addresses.sourceAddress), addresses.sourcePort,
                                                   QHostAddress(addresses.destinationAddress),
                                                   addresses.destinationPort)))
{
}

SerialLink::SerialLink(const QString &device) : WireLink(opened(std::make_unique<wire::SerialChannel>(device))) {}

std::unique_ptr<PendantLink> makeWireLink(const ConnectionOptions &options)
{
    if (options.udp)
        return std::make_unique<UdpLink>(*options.udp);
    return std::make_unique<SerialLink>(options.serialPort.value_or(QString()));
}

} // namespace tavlox

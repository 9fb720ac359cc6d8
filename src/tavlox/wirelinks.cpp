#include "wirelinks.h"

#include "cao/failure.h"
#include "cao/status.h"


namespace tavlox {

WireLink::WireLink(std::unique_ptr<WireChannel> channel) : m_channel(std::move(channel))
{
    connect(m_channel.get(), &WireChannel::received, this, &WireLink::onReceived);
}

void WireLink::send(const Request &request)
{
    if (!m_channel->send(request))
        throw cao::Failure(cao::status::InvalidArgument,
                           QStringLiteral("The request could not be sent on %1 (a message holds at most %2 bytes)")
                               .arg(m_channel->describe())
                               .arg(wire::MaxMessageBytes));
}

void WireLink::onReceived(const wire::Message &message)
{
    if (const auto *reply = std::get_if<Reply>(&message)) {
        Q_EMIT replied(*reply);
    } else if (const auto *input = std::get_if<wire::SequencedInput>(&message)) {
        if (!m_inputs.admit(input->sequence)) {
            m_channel->drop(wire::describe(message), QStringLiteral("a repeat of an input already taken"));
            return;
        }
        Q_EMIT inputOccurred(input->input);
    } else {
        m_channel->drop(wire::describe(message), QStringLiteral("a request, which only a pendant takes"));
    }
}

namespace {
std::unique_ptr<WireChannel> opened(std::unique_ptr<WireChannel> channel)
{
    if (const QString why = channel->open(); !why.isEmpty())
        throw cao::Failure(cao::status::Unspecified, why);
    return channel;
}
} // namespace

UdpLink::UdpLink(const UdpAddresses &addresses)
    : WireLink(opened(std::make_unique<UdpChannel>(QHostAddress(addresses.sourceAddress), addresses.sourcePort,
                                                   QHostAddress(addresses.destinationAddress),
                                                   addresses.destinationPort)))
{
}

SerialLink::SerialLink(const QString &device) : WireLink(opened(std::make_unique<SerialChannel>(device))) {}

std::unique_ptr<PendantLink> makeWireLink(const ConnectionOptions &options)
{
    if (options.udp)
        return std::make_unique<UdpLink>(*options.udp);
    return std::make_unique<SerialLink>(options.serialPort.value_or(QString()));
}

} // namespace tavlox

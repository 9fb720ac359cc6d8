#include "wirelinks.h"

#include "cao/failure.h"
#include "cao/status.h"

#include <QRandomGenerator>

namespace tavlox {

bool RecentIds::admit(quint32 id)
{
    for (std::size_t k = 0; k < m_filled; ++k) {
        if (m_ids[k] == id)
            return false;
    }
    m_ids[m_next] = id;
    m_next = (m_next + 1) % m_ids.size();
    m_filled = std::min(m_filled + 1, m_ids.size());
    return true;
}

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

EndpointBridge::EndpointBridge(WireChannel &channel, PendantEndpoint &endpoint, QObject *parent)
    : QObject(parent), m_channel(channel), m_endpoint(endpoint),
      m_nextSequence(QRandomGenerator::global()->generate()) // a restarted pendant is not taken for a repeat
{
    connect(&m_channel, &WireChannel::received, this, &EndpointBridge::onReceived);
    connect(&m_endpoint, &PendantEndpoint::replied, this, [this](const Reply &reply) { (void)m_channel.send(reply); });
    connect(&m_endpoint, &PendantEndpoint::inputOccurred, this,
            [this](const Input &input) { (void)m_channel.send(wire::SequencedInput{m_nextSequence++, input}); });
}

void EndpointBridge::onReceived(const wire::Message &message)
{
    const auto *request = std::get_if<Request>(&message);
    if (!request) {
        m_channel.drop(wire::describe(message), QStringLiteral("a reply or input, which only the provider takes"));
        return;
    }
    if (!m_requests.admit(request->id)) {
        m_channel.drop(wire::describe(message), QStringLiteral("a repeat of a request already carried out"));
        return;
    }
    m_endpoint.submit(*request);
}

} // namespace tavlox

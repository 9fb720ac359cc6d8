#include "endpointbridge.h"

#include <QRandomGenerator>

namespace tavlox {

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

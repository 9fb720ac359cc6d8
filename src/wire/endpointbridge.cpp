#include "endpointbridge.h"

#include <QRandomGenerator>

namespace wire {

EndpointBridge::EndpointBridge(WireChannel &channel, protocol::PendantEndpoint &endpoint, QObject *parent)
    : QObject(parent), m_channel(channel), m_endpoint(endpoint),
      m_nextSequence(QRandomGenerator::global()->generate()) // a restarted pendant is not taken for a repeat
{
    connect(&m_channel, &WireChannel::received, this, &EndpointBridge::onReceived);
    connect(&m_endpoint, &protocol::PendantEndpoint::replied, this, [this](const protocol::Reply &reply) {
        m_answers.answered(reply);
        (void)m_channel.send(reply);
    });
    connect(&m_endpoint, &protocol::PendantEndpoint::inputOccurred, this,
            [this](const protocol::Input &input) { (void)m_channel.send(protocol::SequencedInput{m_nextSequence++, input}); });
}

void EndpointBridge::onReceived(const protocol::Message &message)
{
    const auto *request = std::get_if<protocol::Request>(&message);
    if (!request) {
        m_channel.drop(protocol::describe(message), QStringLiteral("a reply or input, which only the provider takes"));
        return;
    }
    // A repeat is never carried out again: one answered gets its reply again, one under way gets it when it is done.
    if (const protocol::Reply *answer = m_answers.answerTo(request->id)) {
        qCInfo(lcWire).noquote() << m_channel.describe() << "answered again" << protocol::describe(message)
                                 << "- a repeat of a request already answered";
        (void)m_channel.send(*answer);
        return;
    }
    if (m_answers.underWay(request->id)) {
        m_channel.drop(protocol::describe(message), QStringLiteral("a repeat of a request under way"));
        return;
    }
    m_answers.taken(request->id);
    m_endpoint.submit(*request);
}

} // namespace wire

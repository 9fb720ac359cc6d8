#include "endpointbridge.h"

#include <QRandomGenerator>

namespace tavlox {

EndpointBridge::EndpointBridge(WireChannel &channel, PendantEndpoint &endpoint, QObject *parent)
    : QObject(parent), m_channel(channel), m_endpoint(endpoint),
      m_nextSequence(QRandomGenerator::global()->generate()) // a restarted pendant is not taken for a repeat
{
    connect(&m_channel, &WireChannel::received, this, &EndpointBridge::onReceived);
    connect(&m_endpoint, &PendantEndpoint::replied, this, [this](const Reply &reply) {
        m_answers.answered(reply);
        (void)m_channel.send(reply);
    });
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
    // A repeat is never carried out again: one answered gets its reply again, one under way gets it when it is done.
    if (const Reply *answer = m_answers.answerTo(request->id)) {
        qCInfo(lcWire).noquote() << m_channel.describe() << "answered again" << wire::describe(message)
                                 << "- a repeat of a request already answered";
        (void)m_channel.send(*answer);
        return;
    }
    if (m_answers.underWay(request->id)) {
        m_channel.drop(wire::describe(message), QStringLiteral("a repeat of a request under way"));
        return;
    }
    m_answers.taken(request->id);
    m_endpoint.submit(*request);
}

} // namespace tavlox

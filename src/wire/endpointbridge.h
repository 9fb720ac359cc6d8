#pragma once
#include "protocol/protocol.h"
#include "wire/recentanswers.h"
#include "wire/wirechannel.h"

namespace wire {

// The pendant's end: hands requests arriving on a channel to a pendant and sends back its replies and input.
class EndpointBridge : public QObject
{
    Q_OBJECT
public:
    EndpointBridge(WireChannel &channel, protocol::PendantEndpoint &endpoint, QObject *parent = nullptr);

private:
    void onReceived(const protocol::Message &message);

    WireChannel &m_channel;
    protocol::PendantEndpoint &m_endpoint;
    RecentAnswers m_answers;
    quint32 m_nextSequence;
};

} // namespace wire

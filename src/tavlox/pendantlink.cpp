#include "pendantlink.h"

#include "wire/wirechannel.h"

#include <QTimer>

namespace tavlox {

void PendantLink::reportDropped(const QString &what, const QString &reason)
{
    ++m_dropped;
    qCInfo(lcWire).noquote() << describe() << "dropped" << what << "-" << reason;
}

InProcessLink::InProcessLink(protocol::PendantEndpoint *endpoint) : m_endpoint(endpoint)
{
    if (endpoint) {
        connect(endpoint, &protocol::PendantEndpoint::replied, this, &PendantLink::replied);
        connect(endpoint, &protocol::PendantEndpoint::inputOccurred, this, &PendantLink::inputOccurred);
    }
}

void InProcessLink::send(const protocol::Request &request)
{
    // A pendant in this process answers after the sender's call has returned, as one across a line does.
    QTimer::singleShot(0, this, [endpoint = m_endpoint, request] {
        if (endpoint)
            endpoint->submit(request); // a pendant that is gone simply never answers
    });
}

} // namespace tavlox

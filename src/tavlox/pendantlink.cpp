#include "pendantlink.h"

namespace tavlox {

InProcessLink::InProcessLink(PendantEndpoint *endpoint) : m_endpoint(endpoint)
{
    if (endpoint) {
        connect(endpoint, &PendantEndpoint::replied, this, &PendantLink::replied);
        connect(endpoint, &PendantEndpoint::inputOccurred, this, &PendantLink::inputOccurred);
    }
}

void InProcessLink::send(const Request &request)
{
    if (m_endpoint)
        m_endpoint->submit(request); // a pendant that is gone simply never answers
}

} // namespace tavlox

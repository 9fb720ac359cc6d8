#pragma once
// The provider's side of the conversation with a pendant: numbers each request, sends it and waits for the reply
// with that number. Waits may nest (a timer or a script asks while another request waits): each waits for its
// own id, a reply is never taken for another request, and a reply nobody waits for is dropped through the link,
// which traces and counts it. A reply that breaks the protocol's rules for its request is dropped too, and its
// request learns why at once.
#include "protocol/protocol.h"

#include <QObject>
#include <optional>
#include <vector>

namespace tavlox {

class PendantLink;

class Conversation : public QObject
{
    Q_OBJECT
public:
    struct Answer
    {
        std::optional<protocol::Reply> reply; // the reply, when one that keeps the rules came in time
        QString brokenRule;         // else, when a reply came that broke a rule: which
    };

    explicit Conversation(PendantLink &link, QObject *parent = nullptr);
    ~Conversation() override;

    // Sends the request under a new id and waits at most timeoutMs for its reply, delivering every other event but
    // user input meanwhile. Throws what the link's send throws.
    [[nodiscard]] Answer ask(protocol::Request request, int timeoutMs);

Q_SIGNALS:
    // A reply arrived, awaited or not: the pendant is there.
    void heard();

private:
    class Wait;
    void onReplied(const protocol::Reply &reply);

    PendantLink &m_link;
    std::vector<Wait *> m_waits; // the waits under way, innermost last
    quint32 m_nextId;
};

} // namespace tavlox

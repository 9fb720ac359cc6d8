#pragma once
// The provider's side of the conversation with a pendant: numbers each request, sends it and waits for the reply
// with that number. Waits may nest (a timer or a script asks while another request waits): each waits for its
// own id, a reply is never taken for another request, and a reply nobody waits for is traced as dropped.
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
    explicit Conversation(PendantLink &link, QObject *parent = nullptr);
    ~Conversation() override;

    // Sends the request under a new id and waits at most timeoutMs for its reply, delivering every other event but
    // user input meanwhile. Empty when no reply came in time; throws what the link's send throws.
    [[nodiscard]] std::optional<Reply> ask(Request request, int timeoutMs);

Q_SIGNALS:
    // Any reply arrived, awaited or not: the pendant is there.
    void heard();

private:
    class Wait;
    void onReplied(const Reply &reply);

    PendantLink &m_link;
    std::vector<Wait *> m_waits; // the waits under way, innermost last
    quint32 m_nextId;
};

} // namespace tavlox

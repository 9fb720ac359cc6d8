#include "conversation.h"

#include "protocol/fieldrules.h"
#include "protocol/wireformat.h"
#include "tavlox/pendantlink.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QScopeGuard>

namespace tavlox {

// One request waiting, until its reply comes or its time is up. The timer belongs to the wait itself, so a wait
// costs one object and no connections.
class Conversation::Wait : public QObject
{
public:
    Wait(quint32 id, protocol::RequestKind kind) : id(id), kind(kind) {}

    [[nodiscard]] bool over() const { return answered || expired; }

    const quint32 id;
    const protocol::RequestKind kind;
    Answer answer;
    bool answered = false;
    bool expired = false;

protected:
    void timerEvent(QTimerEvent *) override { expired = true; }
};

Conversation::Conversation(PendantLink &link, QObject *parent)
    : QObject(parent), m_link(link),
      // Ids start anywhere, so that a late reply meant for an earlier connection on the same port matches nothing.
      m_nextId(QRandomGenerator::global()->generate())
{
    connect(&m_link, &PendantLink::replied, this, &Conversation::onReplied);
}

Conversation::~Conversation() = default;

Conversation::Answer Conversation::ask(protocol::Request request, int timeoutMs)
{
    request.id = ++m_nextId;
    if (request.id == 0) // 0 never names a request
        request.id = ++m_nextId;
    Wait wait(request.id, request.kind);
    m_waits.push_back(&wait);
    const auto done = qScopeGuard([this, &wait] { std::erase(m_waits, &wait); });
    m_link.send(request);
    if (!wait.answered) {
        wait.startTimer(timeoutMs, Qt::PreciseTimer);
        // Each turn blocks until something happens, then looks again; unlike a nested event loop this needs no
        // wake-up call when the reply comes. The operator cannot start another command while this one waits.
        while (!wait.over())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
    }
    return wait.answer;
}

void Conversation::onReplied(const protocol::Reply &reply)
{
    Q_EMIT heard();
    const auto waiting = std::find_if(m_waits.begin(), m_waits.end(), [&reply](const Wait *wait) { return wait->id == reply.id; });
    const QString what = protocol::describe(reply);
    if (waiting == m_waits.end()) {
        m_link.reportDropped(what, QStringLiteral("no request of that id is waiting"));
        return;
    }
    Wait &wait = **waiting;
    if (wait.answered) {
        m_link.reportDropped(what, QStringLiteral("a second copy of a reply already taken"));
        return;
    }
    wait.answered = true;
    if (std::optional<QString> broken = replyProblem(wait.kind, reply)) {
        m_link.reportDropped(what, *broken);
        wait.answer.brokenRule = *broken;
        return;
    }
    wait.answer.reply = reply;
}

} // namespace tavlox

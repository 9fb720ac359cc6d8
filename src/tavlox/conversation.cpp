#include "conversation.h"

#include "tavlox/pendantlink.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QScopeGuard>

Q_DECLARE_LOGGING_CATEGORY(lcTavlox)

namespace tavlox {

// One request waiting, until its reply comes or its time is up. The timer belongs to the wait itself, so a wait
// costs one object and no connections.
class Conversation::Wait : public QObject
{
public:
    explicit Wait(quint32 id) : id(id) {}

    [[nodiscard]] bool over() const { return reply || expired; }

    const quint32 id;
    std::optional<Reply> reply;
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

std::optional<Reply> Conversation::ask(Request request, int timeoutMs)
{
    request.id = ++m_nextId;
    if (request.id == 0) // 0 never names a request
        request.id = ++m_nextId;
    Wait wait(request.id);
    m_waits.push_back(&wait);
    const auto done = qScopeGuard([this, &wait] { std::erase(m_waits, &wait); });
    m_link.send(request);
    if (!wait.reply) {
        wait.startTimer(timeoutMs, Qt::PreciseTimer);
        // Each turn blocks until something happens, then looks again; unlike a nested event loop this needs no
        // wake-up call when the reply comes. The operator cannot start another command while this one waits.
        while (!wait.over())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
    }
    return wait.reply;
}

void Conversation::onReplied(const Reply &reply)
{
    const auto waiting = std::find_if(m_waits.begin(), m_waits.end(), [&reply](const Wait *wait) { return wait->id == reply.id; });
    if (waiting == m_waits.end())
        qCInfo(lcTavlox) << "dropped reply" << reply.id << "- no request of that id is waiting";
    else if ((*waiting)->reply)
        qCInfo(lcTavlox) << "dropped reply" << reply.id << "- a second copy of a reply already taken";
    else
        (*waiting)->reply = reply;
    Q_EMIT heard();
}

} // namespace tavlox

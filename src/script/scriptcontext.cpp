#include "scriptcontext.h"

#include "script/results.h"
#include "script/uiagent.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QScopeGuard>
#include <QThread>
#include <QTimerEvent>
#include <chrono>
#include <thread>
#include <deque>
#include <mutex>

namespace script {

// Work for the script's thread, posted from any thread. It outlives the context, so that an action still under
// way in the user-interface thread when the script has ended hands its outcome to nobody, safely.
struct ScriptContext::Inbox
{
    void post(std::function<void()> work)
    {
        std::lock_guard lock(mutex);
        if (!dispatcher)
            return;
        pending.push_back(std::move(work));
        hasWork = true;
        if (!lookingOut)
            dispatcher->wakeUp();
    }
    void wake()
    {
        std::lock_guard lock(mutex);
        if (dispatcher)
            dispatcher->wakeUp();
    }
    std::deque<std::function<void()>> take()
    {
        std::deque<std::function<void()>> taken;
        if (!hasWork) // the common case, without a lock
            return taken;
        std::lock_guard lock(mutex);
        hasWork = false;
        taken.swap(pending);
        return taken;
    }
    // An action's outcome usually comes within a round trip to the pendant; looking out for it that long before
    // sleeping saves a wake-up per call.
    void lookOut(std::chrono::microseconds most)
    {
        lookingOut = true;
        const auto until = std::chrono::steady_clock::now() + most;
        while (!hasWork && std::chrono::steady_clock::now() < until)
            std::this_thread::yield(); // a thread that has work on this core (the user-interface thread) goes first
        std::lock_guard lock(mutex); // a post that saw lookingOut set has its work in `pending` by now
        lookingOut = false;
    }

    std::mutex mutex;
    std::atomic<bool> hasWork = false;
    std::atomic<bool> lookingOut = false;
    std::deque<std::function<void()>> pending;
    QAbstractEventDispatcher *dispatcher = nullptr; // null once the script's thread is done
};

// Where an action's outcome lands: filled in the script's thread, from the inbox.
struct Slot
{
    bool finished = false;
    QVariant value;
    std::optional<ActionFailed> error;
};

struct UiReply::Outcome
{
    std::shared_ptr<ScriptContext::Inbox> inbox;
    std::shared_ptr<Slot> slot = std::make_shared<Slot>();
    std::atomic<bool> handedBack = false;

    void handBack(QVariant value, std::optional<ActionFailed> error)
    {
        if (handedBack.exchange(true))
            return;
        inbox->post([slot = slot, value = std::move(value), error = std::move(error)] {
            slot->value = value;
            slot->error = error;
            slot->finished = true;
        });
    }
};

void UiReply::done(QVariant value) const
{
    m_outcome->handBack(std::move(value), std::nullopt);
}

void UiReply::fail(const QString &message) const
{
    fail(ActionFailed{message});
}

void UiReply::fail(const ActionFailed &failure) const
{
    ActionFailed named = failure;
    if (named.message.isEmpty())
        named.message = QStringLiteral("failed");
    m_outcome->handBack({}, named);
}

ScriptContext::ScriptContext(UiAgent &ui, Results &results, const std::atomic<bool> &stopping)
    : m_ui(ui), m_results(results), m_stopping(stopping), m_inbox(std::make_shared<Inbox>())
{
    m_inbox->dispatcher = QAbstractEventDispatcher::instance(QThread::currentThread());
}

ScriptContext::~ScriptContext()
{
    std::lock_guard lock(m_inbox->mutex);
    m_inbox->dispatcher = nullptr;
    m_inbox->pending.clear();
}

void ScriptContext::post(std::function<void()> work)
{
    m_inbox->post(std::move(work));
}

std::function<void(std::function<void()>)> ScriptContext::poster() const
{
    return [inbox = m_inbox](std::function<void()> work) { inbox->post(std::move(work)); };
}

void ScriptContext::wake()
{
    m_inbox->wake();
}

bool ScriptContext::drain()
{
    std::deque<std::function<void()>> work = m_inbox->take();
    for (std::function<void()> &each : work)
        each();
    return !work.empty();
}

void ScriptContext::finishing()
{
    m_finishing = true;
}

void ScriptContext::timerEvent(QTimerEvent *)
{
    // Only wakes a wait at its deadline.
}

bool ScriptContext::wait(int ms, const std::function<bool()> &done)
{
    const QDeadlineTimer deadline = ms < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(ms, Qt::PreciseTimer);
    const int timer = ms <= 0 ? 0 : startTimer(ms, Qt::PreciseTimer); // a wait of 0 only runs what was posted
    const auto stopTimer = qScopeGuard([this, timer] {
        if (timer)
            killTimer(timer);
    });
    for (;;) {
        const bool worked = drain();
        if (done && done())
            return true;
        if (stopping())
            throw Stopped{};
        if (deadline.hasExpired())
            return done ? done() : true;
        // An action's outcome, or the next of a stream of requests for a handler, usually comes within a round
        // trip; a sleep with nothing to do sleeps at once.
        if ((done && ms < 0) || worked) {
            m_inbox->lookOut(std::chrono::microseconds(300));
            if (m_inbox->hasWork)
                continue;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

QJSValue ScriptContext::answer(const std::function<QJSValue()> &call)
{
    try {
        return call();
    } catch (const ActionFailed &failed) {
        throwFailure(failed);
    } catch (const Stopped &) {
        m_engine.setInterrupted(true);
    }
    return {};
}

void ScriptContext::throwFailure(const ActionFailed &failure)
{
    QJSValue error = m_engine.newErrorObject(QJSValue::GenericError, failure.message);
    if (failure.status)
        error.setProperty(QStringLiteral("status"), double(*failure.status));
    if (failure.timedOut)
        error.setProperty(QStringLiteral("timedOut"), true);
    if (!failure.detail.isEmpty())
        error.setProperty(QStringLiteral("detail"), failure.detail);
    m_engine.throwError(error);
}

QVariant ScriptContext::onUi(std::function<void(const UiReply &reply)> action, bool gated)
{
    if (stopping())
        throw Stopped{};
    UiReply reply;
    reply.m_outcome = std::make_shared<UiReply::Outcome>();
    reply.m_outcome->inbox = m_inbox;
    const std::shared_ptr<Slot> slot = reply.m_outcome->slot;
    m_ui.run(
        [action = std::move(action), reply] {
            try {
                action(reply);
            } catch (const ActionFailed &failed) {
                reply.fail(failed);
            } catch (const std::exception &unexpected) {
                reply.fail(QString::fromLocal8Bit(unexpected.what()));
            }
        },
        gated);
    // Once the run is finishing, a window that does not answer within a second is not waited for.
    if (!wait(m_finishing ? 1000 : -1, [&slot] { return slot->finished; }))
        throw Stopped{};
    if (slot->error)
        throw *slot->error;
    return slot->value;
}

QVariant ScriptContext::onUi(std::function<QVariant()> action, bool gated)
{
    return onUi([action = std::move(action)](const UiReply &reply) { reply.done(action()); }, gated);
}

Thrown ScriptContext::describeThrown(const QJSValue &value)
{
    if (value.isError())
        return Results::fromError(value);
    if (m_describe.isUndefined())
        m_describe = m_engine.evaluate(QStringLiteral(
                                           "(function (e) { try { return e !== null && typeof e === 'object' && "
                                           "Object.getPrototypeOf(e) === Object.prototype ? JSON.stringify(e) : String(e); } "
                                           "catch (x) { return Object.prototype.toString.call(e); } })"),
                                       QStringLiteral("<zandorex>"));
    return {m_describe.call({value}).toString(), {}, {}, {}, false};
}

QJSValue ScriptContext::call(const QJSValue &function, const QJSValueList &arguments, std::optional<Thrown> &thrown)
{
    // QJSValue::call hands back a thrown value as if it had been returned; only a catch in the script itself
    // tells `throw "x"` from `return "x"`.
    if (m_trampoline.isUndefined())
        m_trampoline = m_engine.evaluate(
            QStringLiteral("(function (f, args) { try { return { value: f.apply(undefined, args) }; } catch (e) { return { thrown: e }; } })"),
            QStringLiteral("<zandorex>"));
    QJSValue list = m_engine.newArray(quint32(arguments.size()));
    for (qsizetype k = 0; k < arguments.size(); ++k)
        list.setProperty(quint32(k), arguments[k]);
    const QJSValue outcome = m_trampoline.call({function, list});
    thrown.reset();
    if (outcome.isError()) { // the engine's own (an interruption)
        thrown = Results::fromError(outcome);
        return {};
    }
    if (outcome.hasOwnProperty(QStringLiteral("thrown"))) {
        thrown = describeThrown(outcome.property(QStringLiteral("thrown")));
        return {};
    }
    return outcome.property(QStringLiteral("value"));
}

QJSValue ScriptContext::callHandler(const QJSValue &function, const QJSValueList &arguments, const QString &what)
{
    std::optional<Thrown> thrown;
    QJSValue result = call(function, arguments, thrown);
    if (thrown && !stopping())
        m_results.handlerFailed(what, *thrown);
    return result;
}

} // namespace script

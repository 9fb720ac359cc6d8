#include "uiagent.h"

#include "script/inputgate.h"

#include <chrono>
#include <thread>

namespace script {

namespace {
constexpr auto LookOut = std::chrono::microseconds(150);
constexpr auto ExpectedActionWithin = std::chrono::microseconds(300);
} // namespace

void UiAgent::run(std::function<void()> action, bool gated, bool final)
{
    {
        std::lock_guard lock(m_incomingMutex);
        m_incoming.push_back({std::move(action), gated, final});
    }
    m_hasIncoming = true;
    // Either the user-interface thread, looking out, sees the action, or it has stopped looking and gets a call
    // (one call takes every action queued by then).
    if (!m_lookingOut && !m_takeCalled.exchange(true))
        QMetaObject::invokeMethod(this, &UiAgent::takeIncoming, Qt::QueuedConnection);
}

void UiAgent::takeIncoming()
{
    for (;;) {
        std::deque<Action> taken;
        {
            std::lock_guard lock(m_incomingMutex);
            m_takeCalled = false; // from here on, a new action needs a new call
            taken.swap(m_incoming);
            m_hasIncoming = false;
        }
        for (Action &action : taken) {
            if (action.gated) {
                m_waiting.push_back(std::move(action.run));
                flush();
            } else {
                action.run();
            }
        }
        // Back to the event loop at once when what came next is input of its own (a control client's next call).
        if (taken.empty() || !m_waiting.empty() || taken.back().final)
            return;
        m_lookingOut = true;
        const auto until = std::chrono::steady_clock::now() + LookOut;
        while (!m_hasIncoming && std::chrono::steady_clock::now() < until)
            std::this_thread::yield();
        m_lookingOut = false;
        if (!m_hasIncoming)
            return;
    }
}

void UiAgent::expectAction()
{
    m_lookingOut = true;
    const auto until = std::chrono::steady_clock::now() + ExpectedActionWithin;
    while (!m_hasIncoming && std::chrono::steady_clock::now() < until)
        std::this_thread::yield();
    m_lookingOut = false;
    if (m_hasIncoming)
        takeIncoming();
}

void UiAgent::setGate(InputGate *gate)
{
    m_gate = gate;
}

void UiAgent::flush()
{
    while (!m_waiting.empty() && !(m_gate && m_gate->busy())) {
        std::function<void()> action = std::move(m_waiting.front());
        m_waiting.pop_front();
        action(); // may enter an event loop of its own (a modal dialog, a repetition); later actions run in it
    }
    if (m_waiting.empty() || m_waitingForIdle)
        return;
    // Queued, not direct: the call ends inside its handler, and the action must wait for the handler to return
    // or to turn the event loop itself.
    m_waitingForIdle = true;
    connect(
        m_gate, &InputGate::idle, this,
        [this] {
            m_waitingForIdle = false;
            flush();
        },
        static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
}

} // namespace script

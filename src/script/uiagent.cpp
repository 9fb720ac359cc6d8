#include "uiagent.h"

#include "cao/engine.h"

namespace script {

void UiAgent::run(std::function<void()> action, bool gated)
{
    QMetaObject::invokeMethod(
        this,
        [this, action = std::move(action), gated]() mutable {
            if (!gated) {
                action();
                return;
            }
            m_waiting.push_back(std::move(action));
            flush();
        },
        Qt::QueuedConnection);
}

void UiAgent::flush()
{
    cao::CallActivity &calls = cao::CallActivity::instance();
    while (!m_waiting.empty() && !calls.busy()) {
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
        &calls, &cao::CallActivity::idle, this,
        [this] {
            m_waitingForIdle = false;
            flush();
        },
        static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
}

} // namespace script

#pragma once
// Runs a script's actions in the user-interface thread the way an operator's input is taken: one at a time, from
// the event loop, and never while the program takes no input (its gate is busy: the console waits for the
// pendant), so that no handler is re-entered in a way an operator could not cause.
#include <QObject>
#include <atomic>
#include <deque>
#include <functional>
#include <mutex>

namespace script {

class InputGate;

class UiAgent : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Any thread. A gated action waits for the end of the engine call under way, if any; an ungated one (a read)
    // runs at the next turn of the event loop. After an action this thread looks out for the script's next one a
    // moment; `final` says none will follow soon (an answer to a control client, whose next call comes as input).
    void run(std::function<void()> action, bool gated, bool final = false);
    // Without a gate, gated actions wait for nothing but each other.
    void setGate(InputGate *gate);
    // The user-interface thread, having handed the script work that soon asks for an action (a control call):
    // looks out for that action a moment and runs it, instead of going back to sleep and being woken for it.
    void expectAction();

private:
    struct Action
    {
        std::function<void()> run;
        bool gated;
        bool final;
    };
    void takeIncoming();
    void flush();

    // From the script's thread. A script in a loop sends its next action a few microseconds after the last one
    // ended; the user-interface thread looks out for it that long before it goes back to its event loop, which
    // saves waking it up again (most of a call's cost on a busy machine).
    std::mutex m_incomingMutex;
    std::deque<Action> m_incoming;
    std::atomic<bool> m_hasIncoming = false;
    std::atomic<bool> m_lookingOut = false;
    std::atomic<bool> m_takeCalled = false;

    std::deque<std::function<void()>> m_waiting; // gated, until no engine call is under way
    bool m_waitingForIdle = false;
    InputGate *m_gate = nullptr;
};

} // namespace script

#pragma once
// Runs a script's actions in the user-interface thread the way an operator's input is taken: one at a time, from
// the event loop, and never while an engine call waits (the event loop then takes no user input), so that no
// handler is re-entered in a way an operator could not cause.
#include <QObject>
#include <deque>
#include <functional>

namespace script {

class UiAgent : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Any thread. A gated action waits for the end of the engine call under way, if any; an ungated one (a read)
    // runs at the next turn of the event loop.
    void run(std::function<void()> action, bool gated);

private:
    void flush();

    std::deque<std::function<void()>> m_waiting;
    bool m_waitingForIdle = false;
};

} // namespace script

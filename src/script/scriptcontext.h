#pragma once
// The script's side of a run. The script runs in a thread of its own, so that the windows stay alive whatever it
// does (a loop that never ends included); its objects act on the windows through the user-interface thread and
// wait for the outcome here, running meanwhile what was posted for the script (message handlers).
#include <QJSEngine>
#include <QVariant>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QAbstractEventDispatcher;

namespace script {

class Results;
class UiAgent;
struct Thrown;

// Thrown out of a wait when the run is being stopped (time-out, signal, closed window).
struct Stopped
{
};

// An action that could not be done; its message becomes a JavaScript error naming what was wrong, with the
// engine's status (`status`), whether it ran out of time (`timedOut`) and a detail for the report alone (`detail`)
// as properties where they apply.
struct ActionFailed
{
    QString message;
    std::optional<quint32> status = {};
    bool timedOut = false;
    QString detail = {};
};

// Hands an action's outcome back to the script, possibly before the action returns (a press whose handler goes
// on turning the event loop). Only the first outcome counts.
class UiReply
{
public:
    void done(QVariant value = {}) const;
    void fail(const QString &message) const;
    void fail(const ActionFailed &failure) const;

private:
    friend class ScriptContext;
    struct Outcome;
    std::shared_ptr<Outcome> m_outcome;
};

class ScriptContext : public QObject
{
    Q_OBJECT
public:
    struct Inbox;

    ScriptContext(UiAgent &ui, Results &results, const std::atomic<bool> &stopping);
    ~ScriptContext() override;

    [[nodiscard]] QJSEngine &engine() { return m_engine; }
    [[nodiscard]] Results &results() { return m_results; }
    [[nodiscard]] UiAgent &ui() { return m_ui; }
    [[nodiscard]] bool stopping() const { return m_stopping && !m_finishing; }
    // After a stop: lets the run read what it reports (a log's lines) for at most a second more.
    void finishing();

    // Runs the action in the user-interface thread and waits for its outcome. Gated actions run as an operator's
    // input would (uiagent.h); reads need not wait. Throws ActionFailed or Stopped.
    QVariant onUi(std::function<void(const UiReply &reply)> action, bool gated = true);
    QVariant onUi(std::function<QVariant()> action, bool gated = true);

    // Waits ms milliseconds (-1: without end) or until done() holds, running what was posted meanwhile; returns
    // whether done() holds. Throws Stopped.
    bool wait(int ms, const std::function<bool()> &done = {});
    // Any thread: runs the work in the script's thread while the script waits.
    void post(std::function<void()> work);
    // The same as a function that stays safe to call after the script has ended (the work is dropped then): for
    // what the user-interface thread keeps, such as a connection to a signal.
    [[nodiscard]] std::function<void(std::function<void()>)> poster() const;
    // Any thread: makes a wait look again (at the stop flag, say).
    void wake();

    // Carries out a script's call to an object of ours: what `call` returns goes back to the script; an
    // ActionFailed becomes the script's error and a stop ends the script (both return undefined).
    QJSValue answer(const std::function<QJSValue()> &call);

    // Calls a JavaScript function the script handed over. Whatever it throws (an Error, a text, a number, any
    // value) comes back in `thrown`; else its result is returned.
    QJSValue call(const QJSValue &function, const QJSValueList &arguments, std::optional<Thrown> &thrown);
    // A thrown value as the report shows it: an Error's message, a plain object as JSON, anything else as the
    // script would print it.
    [[nodiscard]] Thrown describeThrown(const QJSValue &value);
    // The same for a handler: what it throws is recorded against the test under way. Returns its result, or
    // undefined when it threw.
    QJSValue callHandler(const QJSValue &function, const QJSValueList &arguments, const QString &what);

    // The number of log lines now and the lines from a row on, when the run has a log (for the report).
    std::function<qsizetype()> logCount;
    std::function<QStringList(qsizetype from)> logLinesFrom;

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    bool drain(); // true when it ran something
    // Throws the failure into the script as an Error, with its properties.
    void throwFailure(const ActionFailed &failure);

    UiAgent &m_ui;
    Results &m_results;
    const std::atomic<bool> &m_stopping;
    bool m_finishing = false;
    QJSEngine m_engine;
    QJSValue m_trampoline; // calls a function and catches what it throws
    QJSValue m_describe;   // a thrown value's text
    std::shared_ptr<Inbox> m_inbox;
};

} // namespace script

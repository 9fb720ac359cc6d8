#pragma once
// The scripts a program runs (a console script, a pendant scenario): they start together, stop together on a
// signal or a closed window, and the program ends with the worst of their statuses when the last has ended.
// Without scripts, a signal ends the program through its event loop (status 128 + the signal), so that the files
// it writes are complete. Whichever way the program ends, it ends within a second: a handler that keeps the event
// loop turning (a repetition, a command waiting for a silent pendant) is not waited for.
#include "script/scriptrunner.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

class ScriptRuns : public QObject
{
    Q_OBJECT
public:
    // keepRunning: the program goes on when the scripts have ended.
    explicit ScriptRuns(bool keepRunning);
    script::ScriptRunner &add(const script::ScriptOptions &options);
    // A service (the control socket's calls): it starts with the scripts and is stopped when the program ends, but
    // the program does not wait for it to end, nor does its end decide the status.
    script::ScriptRunner &addService(std::function<void(script::ScriptContext &context)> serve);

    void start();
    // The main window has closed: stop what runs; without scripts, the program ends.
    void windowClosed();
    // SIGINT and SIGTERM from now on stop the scripts (their reports are still written) and end the program.
    void endOnSignals();
    // A warning the program raised by itself: into the reports of the runs under way.
    void warn(const QString &text);

Q_SIGNALS:
    // The program is about to end: what goes on by itself (a repetition) is to stop, as an operator would stop it.
    void ending();
    // The program ends at once, without going back to its event loop: what it writes is to be flushed now.
    void endingNow();

private:
    void finished(int status);
    void signalled(int number);
    void endProgram(int status);
    // From here on the program ends within a second, with this status unless a later one is known.
    void armDeadline(int status);

    bool m_keepRunning;
    std::vector<std::unique_ptr<script::ScriptRunner>> m_runners;
    std::unique_ptr<script::ScriptRunner> m_service;
    int m_running = 0;
    int m_worst = 0;
    bool m_endsOnSignals = false;
    QTimer m_deadline;
};

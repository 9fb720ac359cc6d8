#pragma once
// The scripts a program runs (a console script, a pendant scenario): they start together, stop together on a
// signal or a closed window, and the program ends with the worst of their statuses when the last has ended.
// Without scripts, it ends the program on a signal when asked (files being written must be closed properly).
#include "script/scriptrunner.h"

#include <QObject>
#include <memory>
#include <vector>

class ScriptRuns : public QObject
{
    Q_OBJECT
public:
    // keepRunning: the program goes on when the scripts have ended.
    explicit ScriptRuns(bool keepRunning);
    script::ScriptRunner &add(const script::ScriptOptions &options);

    void start();
    // The main window has closed: stop what runs; without scripts, the program ends.
    void windowClosed();
    // From now on SIGINT and SIGTERM stop the scripts (their reports are still written), or, with none running,
    // end the program through its event loop (status 128 + the signal), so that the files it writes are complete.
    void endOnSignals();

private:
    void finished(int status);
    void signalled(int number);

    bool m_keepRunning;
    std::vector<std::unique_ptr<script::ScriptRunner>> m_runners;
    int m_running = 0;
    int m_worst = 0;
    bool m_endsOnSignals = false;
};

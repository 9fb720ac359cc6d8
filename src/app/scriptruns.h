#pragma once
// The scripts a program runs (a console script, a pendant scenario): they start together, stop together on a
// signal or a closed window, and the program ends with the worst of their statuses when the last has ended.
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

private:
    void finished(int status);

    bool m_keepRunning;
    std::vector<std::unique_ptr<script::ScriptRunner>> m_runners;
    int m_running = 0;
    int m_worst = 0;
};

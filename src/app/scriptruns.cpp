#include "scriptruns.h"

#include <QCoreApplication>
#include <cstdio>

ScriptRuns::ScriptRuns(bool keepRunning) : m_keepRunning(keepRunning) {}

script::ScriptRunner &ScriptRuns::add(const script::ScriptOptions &options)
{
    m_runners.push_back(std::make_unique<script::ScriptRunner>(options));
    script::ScriptRunner &runner = *m_runners.back();
    connect(&runner, &script::ScriptRunner::finished, this, &ScriptRuns::finished);
    script::stopOnSignals(runner);
    return runner;
}

void ScriptRuns::start()
{
    m_running = static_cast<int>(m_runners.size());
    for (const auto &runner : m_runners)
        runner->start();
}

void ScriptRuns::windowClosed()
{
    if (m_running == 0) {
        QCoreApplication::exit(m_worst);
        return;
    }
    for (const auto &runner : m_runners)
        runner->stop(QStringLiteral("the window was closed"));
    m_keepRunning = false;
}

void ScriptRuns::finished(int status)
{
    m_worst = std::max(m_worst, status);
    if (--m_running > 0)
        return;
    if (m_keepRunning) {
        std::fprintf(stderr, "the scripts have ended (status %d); the program goes on\n", m_worst);
        return;
    }
    QCoreApplication::exit(m_worst);
}

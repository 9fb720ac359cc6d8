#include "scriptruns.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};

void onSignal(int number)
{
    const char byte = static_cast<char>(number);
    (void)!::write(signalPipe[1], &byte, 1); // all a signal handler may do
}
} // namespace

ScriptRuns::ScriptRuns(bool keepRunning) : m_keepRunning(keepRunning) {}

script::ScriptRunner &ScriptRuns::add(const script::ScriptOptions &options)
{
    m_runners.push_back(std::make_unique<script::ScriptRunner>(options));
    script::ScriptRunner &runner = *m_runners.back();
    connect(&runner, &script::ScriptRunner::finished, this, &ScriptRuns::finished);
    endOnSignals();
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

void ScriptRuns::endOnSignals()
{
    if (m_endsOnSignals || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    m_endsOnSignals = true;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(signalPipe[0], &byte, 1) == 1)
            signalled(byte);
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

void ScriptRuns::signalled(int number)
{
    if (m_running == 0) {
        QCoreApplication::exit(128 + number);
        return;
    }
    m_keepRunning = false;
    for (const auto &runner : m_runners)
        runner->stop(number == SIGINT ? QStringLiteral("interrupted (SIGINT)") : QStringLiteral("terminated (SIGTERM)"));
}

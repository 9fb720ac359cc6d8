#include "scriptruns.h"

#include "script/results.h"
#include "script/scriptcontext.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};

// The event loop gets this long to end the program by itself; then the program ends from where it is, files
// flushed. Should the user-interface thread not even turn (a blocking call), a thread of its own ends it.
constexpr auto EventLoopGrace = std::chrono::milliseconds(600);
constexpr auto LastResort = std::chrono::milliseconds(900);
std::atomic<int> deadlineStatus = 0; // the status the program ends with, should the deadline come

void onSignal(int number)
{
    const char byte = static_cast<char>(number);
    (void)!::write(signalPipe[1], &byte, 1); // all a signal handler may do
}

[[noreturn]] void endNow(int status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(status);
}
} // namespace

ScriptRuns::ScriptRuns(bool keepRunning) : m_keepRunning(keepRunning)
{
    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::PreciseTimer);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        Q_EMIT endingNow();
        endNow(deadlineStatus);
    });
}

script::ScriptRunner &ScriptRuns::add(const script::ScriptOptions &options)
{
    m_runners.push_back(std::make_unique<script::ScriptRunner>(options));
    script::ScriptRunner &runner = *m_runners.back();
    connect(&runner, &script::ScriptRunner::finished, this, &ScriptRuns::finished);
    connect(&runner, &script::ScriptRunner::stopping, this, [this] {
        if (!m_keepRunning)
            armDeadline(script::StoppedEarly);
    });
    endOnSignals();
    return runner;
}

script::ScriptRunner &ScriptRuns::addService(std::function<void(script::ScriptContext &context)> serve)
{
    script::ScriptOptions options;
    options.serve = std::move(serve);
    m_service = std::make_unique<script::ScriptRunner>(options);
    endOnSignals();
    return *m_service;
}

void ScriptRuns::start()
{
    m_running = static_cast<int>(m_runners.size());
    if (m_service)
        m_service->start();
    for (const auto &runner : m_runners)
        runner->start();
}

void ScriptRuns::windowClosed()
{
    if (m_running == 0) {
        endProgram(m_worst);
        return;
    }
    m_keepRunning = false;
    for (const auto &runner : m_runners)
        runner->stop(QStringLiteral("the window was closed"));
}

void ScriptRuns::warn(const QString &text)
{
    for (const auto &runner : m_runners)
        runner->warn(text);
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
    endProgram(m_worst);
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
        endProgram(128 + number);
        return;
    }
    m_keepRunning = false;
    armDeadline(script::StoppedEarly);
    for (const auto &runner : m_runners)
        runner->stop(number == SIGINT ? QStringLiteral("interrupted (SIGINT)") : QStringLiteral("terminated (SIGTERM)"));
}

void ScriptRuns::endProgram(int status)
{
    armDeadline(status);
    if (m_service)
        m_service->stop(QStringLiteral("the program is ending"));
    Q_EMIT ending();
    QCoreApplication::exit(status);
}

void ScriptRuns::armDeadline(int status)
{
    deadlineStatus = status;
    if (m_deadline.isActive())
        return;
    m_deadline.start(EventLoopGrace);
    std::thread([] {
        std::this_thread::sleep_for(LastResort);
        endNow(deadlineStatus);
    }).detach();
}

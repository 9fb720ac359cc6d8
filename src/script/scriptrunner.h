#pragma once
// Runs a JavaScript file against the program: the script in a thread of its own, its objects (hosts) acting in
// the user-interface thread, a watchdog that stops it on its time-out or when asked (a signal, a closed window),
// result lines on standard output, and a JUnit report. finished() gives the exit status (results.h).
#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QThread;

namespace script {

class Results;
class ScriptContext;
class ScriptHost;
class UiAgent;

struct ScriptOptions
{
    QString file;
    QString junit;           // empty: no report
    int timeoutSeconds = 600;
    // Instead of a file: a service that takes calls from outside with the same objects (the control socket). It
    // runs until stopped, has no time-out and reports no tests.
    std::function<void(ScriptContext &context)> serve;
    // Not empty: run this text instead of reading the file, which still names it in the report (a replay).
    QString source;
};

class ScriptRunner : public QObject
{
    Q_OBJECT
public:
    explicit ScriptRunner(ScriptOptions options, QObject *parent = nullptr);
    ~ScriptRunner() override;

    void addHost(std::shared_ptr<ScriptHost> host);
    // Where the hosts run their actions.
    [[nodiscard]] UiAgent &ui() const { return *m_ui; }
    void start();
    // Stops a script under way within a second, whatever it does; its report is still written. Any reason
    // given first is the one reported.
    void stop(const QString &why);
    [[nodiscard]] bool running() const { return m_thread != nullptr; }
    // A warning the program raised by itself (a recording or a capture that stopped): it goes into the report
    // with the test under way.
    void warn(const QString &text);

Q_SIGNALS:
    // stop() was called: the run ends within a second.
    void stopping();
    void finished(int exitStatus);

private:
    void runScript();
    void runFile(ScriptContext &context, const QString &source);
    void conclude();

    ScriptOptions m_options;
    std::unique_ptr<UiAgent> m_ui;
    std::unique_ptr<Results> m_results;
    std::vector<std::shared_ptr<ScriptHost>> m_hosts;
    QThread *m_thread = nullptr;
    QTimer m_timeout;
    std::atomic<bool> m_stopping = false;
    QString m_stopReason;
    std::mutex m_contextMutex;
    ScriptContext *m_context = nullptr; // while the script's thread runs it
    int m_status = 0;
};

} // namespace script

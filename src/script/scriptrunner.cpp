#include "scriptrunner.h"

#include "script/results.h"
#include "script/runobject.h"
#include "script/scriptcontext.h"
#include "script/scripthost.h"
#include "script/syntaxcheck.h"
#include "script/uiagent.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cstdio>

namespace script {

ScriptRunner::ScriptRunner(ScriptOptions options, QObject *parent)
    : QObject(parent), m_options(std::move(options)), m_ui(std::make_unique<UiAgent>()),
      m_results(std::make_unique<Results>(QFileInfo(m_options.file).completeBaseName()))
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this,
            [this] { stop(QStringLiteral("the time-out of %1 s was reached").arg(m_options.timeoutSeconds)); });
}

ScriptRunner::~ScriptRunner()
{
    if (m_thread) {
        stop(QStringLiteral("the program is ending"));
        m_thread->wait();
        delete m_thread;
    }
}

void ScriptRunner::addHost(std::shared_ptr<ScriptHost> host)
{
    m_hosts.push_back(std::move(host));
}

void ScriptRunner::start()
{
    m_thread = QThread::create([this] { runScript(); });
    m_thread->setObjectName(QStringLiteral("script"));
    connect(m_thread, &QThread::finished, this, &ScriptRunner::conclude);
    if (m_options.timeoutSeconds > 0 && !m_options.serve)
        m_timeout.start(std::chrono::seconds(m_options.timeoutSeconds));
    m_thread->start();
}

void ScriptRunner::stop(const QString &why)
{
    {
        std::lock_guard lock(m_contextMutex);
        if (m_stopping.exchange(true))
            return;
        m_stopReason = why;
        if (m_context) {
            m_context->engine().setInterrupted(true); // a loop that never waits is stopped here
            m_context->wake();                         // a wait is stopped here
        }
    }
    Q_EMIT stopping();
}

void ScriptRunner::warn(const QString &text)
{
    std::lock_guard lock(m_contextMutex);
    if (m_context)
        m_context->post([results = m_results.get(), text] { results->warning(text); });
}

// The script's thread: make the objects, then run the file (or serve calls), and report.
void ScriptRunner::runScript()
{
    QString source = m_options.source;
    if (!m_options.serve && source.isEmpty()) {
        QFile file(m_options.file);
        if (!file.open(QIODevice::ReadOnly)) {
            m_results->scriptError(QStringLiteral("cannot read the script: %1").arg(file.errorString()), m_options.file);
            return;
        }
        source = QString::fromUtf8(file.readAll());
    }
    ScriptContext context(*m_ui, *m_results, m_stopping);
    {
        std::lock_guard lock(m_contextMutex);
        m_context = &context;
        if (m_stopping)
            context.engine().setInterrupted(true);
    }
    RunObject run(context);
    run.install();
    for (const std::shared_ptr<ScriptHost> &host : m_hosts)
        host->install(context);
    if (m_options.serve) {
        try {
            m_options.serve(context);
        } catch (const Stopped &) {
        }
    } else {
        runFile(context, source);
    }
    for (const std::shared_ptr<ScriptHost> &host : m_hosts)
        host->uninstall();
    std::lock_guard lock(m_contextMutex);
    m_context = nullptr;
}

void ScriptRunner::runFile(ScriptContext &context, const QString &source)
{
    // A file a person wrote is checked whole before any of it runs; a text the program wrote (a replay) parses,
    // and checking it would compile it twice, seconds for a long capture.
    if (const QString problem = m_options.source.isEmpty() ? syntaxProblem(context.engine(), source, m_options.file) : QString();
        !problem.isEmpty()) {
        m_results->scriptError(problem, {});
    } else {
        QStringList thrownAt; // frames "function:line:column:file" when the script threw, whatever it threw
        const QJSValue outcome = context.engine().evaluate(source, m_options.file, 1, &thrownAt);
        if ((outcome.isError() || !thrownAt.isEmpty()) && !m_stopping) {
            Thrown thrown = context.describeThrown(outcome);
            if (thrown.where.isEmpty() && !thrownAt.isEmpty()) {
                const QStringList frame = thrownAt.first().split(QLatin1Char(':'));
                if (frame.size() >= 4)
                    thrown.where = Results::where(frame.mid(3).join(QLatin1Char(':')), frame[1].toInt());
            }
            m_results->scriptError(thrown.message, thrown.where);
        }
    }
    if (!m_stopping)
        return;
    QStringList lines;
    if (context.logLinesFrom && m_results->inTest()) {
        // The windows still answer: the lines the stopped test produced go into its report.
        context.finishing();
        try {
            lines = context.logLinesFrom(m_results->logLinesBefore());
        } catch (const Stopped &) {
        } catch (const ActionFailed &) {
        }
    }
    std::lock_guard lock(m_contextMutex);
    m_results->stopped(m_stopReason, lines);
}

// The user-interface thread, once the script's thread has ended.
void ScriptRunner::conclude()
{
    m_timeout.stop();
    m_thread->deleteLater();
    m_thread = nullptr;
    if (m_options.serve) { // a service reports no tests
        Q_EMIT finished(0);
        return;
    }
    m_results->printSummary();
    int status = m_results->exitStatus();
    QString problem;
    if (!m_options.junit.isEmpty() && !m_results->writeJUnit(m_options.junit, &problem)) {
        std::fprintf(stderr, "cannot write the JUnit report %s: %s\n", qPrintable(m_options.junit), qPrintable(problem));
        status = std::max(status, int(ScriptError));
    }
    Q_EMIT finished(status);
}

} // namespace script

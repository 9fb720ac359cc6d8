#include "runobject.h"

#include "script/results.h"
#include "script/scriptcontext.h"

#include <chrono>
#include <cstdio>

namespace script {

RunObject::RunObject(ScriptContext &context) : m_context(context) {}

void RunObject::install()
{
    QJSEngine &engine = m_context.engine();
    QJSEngine::setObjectOwnership(this, QJSEngine::CppOwnership);
    QJSValue self = engine.newQObject(this);
    QJSValue global = engine.globalObject();
    for (const char *name : {"test", "check", "fail", "sleep", "env", "now"})
        global.setProperty(QLatin1String(name), self.property(QLatin1String(name)));
    global.setProperty(QStringLiteral("__run"), self);
    // print takes any number of values, as a console's print does.
    engine.evaluate(QStringLiteral("function print() { __run.printLine(Array.prototype.map.call(arguments, String).join(' ')); }"),
                    QStringLiteral("<zandorex>"));
}

void RunObject::test(const QJSValue &name, const QJSValue &function)
{
    Results &results = m_context.results();
    if (results.inTest()) {
        m_context.engine().throwError(QStringLiteral("test() runs a test; it cannot run inside another"));
        return;
    }
    if (!function.isCallable()) {
        m_context.engine().throwError(QStringLiteral("test(%1, …): the second argument must be a function").arg(name.toString()));
        return;
    }
    results.beginTest(name.toString(), m_context.logCount ? m_context.logCount() : 0);
    std::optional<Thrown> thrown;
    (void)m_context.call(function, {}, thrown);
    if (m_context.stopping())
        return; // the run ends; the test is reported as stopped
    if (thrown) // any value thrown fails the test, an Error or not
        results.failWith(*thrown);
    QStringList lines;
    try {
        if (m_context.logLinesFrom)
            lines = m_context.logLinesFrom(results.logLinesBefore());
    } catch (const Stopped &) {
        return;
    } catch (const ActionFailed &) {
        // No log to read: the report goes without its lines.
    }
    results.endTest(lines);
}

void RunObject::check(const QJSValue &condition, const QJSValue &message)
{
    if (condition.toBool())
        return;
    m_context.engine().throwError(message.isUndefined() ? QStringLiteral("check failed") : message.toString());
}

void RunObject::fail(const QJSValue &message)
{
    m_context.engine().throwError(message.isUndefined() ? QStringLiteral("failed") : message.toString());
}

void RunObject::sleep(const QJSValue &milliseconds)
{
    if (!milliseconds.isNumber() || milliseconds.toNumber() < 0) {
        m_context.engine().throwError(QStringLiteral("sleep(%1): a number of milliseconds is needed").arg(milliseconds.toString()));
        return;
    }
    try {
        m_context.wait(static_cast<int>(std::min(milliseconds.toNumber(), 2147483647.0)));
    } catch (const Stopped &) {
        m_context.engine().setInterrupted(true);
    }
}

void RunObject::printLine(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QJSValue RunObject::env(const QString &name, const QJSValue &fallback)
{
    if (!qEnvironmentVariableIsSet(qPrintable(name)))
        return fallback;
    return QJSValue(qEnvironmentVariable(qPrintable(name)));
}

double monotonicMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double RunObject::now() const
{
    return monotonicMs();
}

} // namespace script

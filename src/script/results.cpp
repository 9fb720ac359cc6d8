#include "results.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamWriter>
#include <cstdio>

namespace script {

Results::Results(QString suiteName) : m_suite(std::move(suiteName))
{
    m_clock.start();
}

QString Results::where(QString file, int line)
{
    for (const char *scheme : {"file://", "file:"})
        if (file.startsWith(QLatin1String(scheme)))
            file = file.mid(int(qstrlen(scheme)));
    return line < 0 ? file : QStringLiteral("%1:%2").arg(file).arg(line);
}

QString Results::whereOf(const QJSValue &error)
{
    const QJSValue line = error.property(QStringLiteral("lineNumber"));
    return where(error.property(QStringLiteral("fileName")).toString(), line.isUndefined() ? -1 : line.toInt());
}

Thrown Results::fromError(const QJSValue &error)
{
    const QJSValue detail = error.property(QStringLiteral("detail"));
    const QJSValue status = error.property(QStringLiteral("status"));
    return {error.property(QStringLiteral("message")).toString(), whereOf(error), detail.isString() ? detail.toString() : QString(),
            status.isNumber() ? std::optional<quint32>(quint32(status.toNumber())) : std::nullopt,
            error.property(QStringLiteral("timedOut")).toBool()};
}

void Results::print(const QString &line) const
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void Results::beginTest(const QString &name, qsizetype logLinesBefore)
{
    m_current = Test{};
    m_current->name = name;
    m_current->logLinesBefore = logLinesBefore;
    m_current->clock.start();
}

void Results::fail(const QString &message, const QString &where, const QString &detail)
{
    if (!m_current) {
        scriptError(message, where);
        return;
    }
    if (m_current->failure.isEmpty()) { // the first failure tells what went wrong
        m_current->failure = message.isEmpty() ? QStringLiteral("failed") : message;
        m_current->where = where;
        m_current->detail = detail;
    }
}

void Results::failWith(const Thrown &thrown)
{
    fail(thrown.message, thrown.where, thrown.detail);
}

void Results::warning(const QString &text)
{
    if (m_current)
        m_current->warnings << text;
    else
        m_warnings << text;
}

void Results::endTest(QStringList logLines)
{
    if (!m_current)
        return;
    Test test = std::move(*m_current);
    m_current.reset();
    test.seconds = test.clock.nsecsElapsed() / 1e9;
    test.logLines = std::move(logLines);
    // One line per test: a break inside a message is shown as the script writes it; the report keeps it.
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\n|\\r"));
    const QString failure = QString(test.failure).replace(lineBreak, QStringLiteral("\\n"));
    if (test.failure.isEmpty())
        print(QStringLiteral("ok %1").arg(test.name));
    else if (test.where.isEmpty())
        print(QStringLiteral("FAIL %1: %2").arg(test.name, failure));
    else
        print(QStringLiteral("FAIL %1: %2 (%3)").arg(test.name, failure, test.where));
    m_tests << std::move(test);
}

void Results::handlerFailed(const QString &what, const Thrown &thrown)
{
    fail(QStringLiteral("%1 threw: %2").arg(what, thrown.message), thrown.where, thrown.detail);
}

void Results::scriptError(const QString &message, const QString &where)
{
    const QString line = where.isEmpty() ? message : QStringLiteral("%1: %2").arg(where, message);
    m_scriptErrors << line;
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

void Results::stopped(const QString &why, QStringList logLines)
{
    m_stopped = why;
    if (m_current) {
        m_current->stopped = true;
        m_current->failure = why;
        endTest(std::move(logLines));
    }
    std::fprintf(stderr, "%s\n", qPrintable(QStringLiteral("stopped: ") + why));
}

void Results::printSummary() const
{
    const auto failed = std::count_if(m_tests.begin(), m_tests.end(), [](const Test &t) { return !t.failure.isEmpty(); });
    QString summary = QStringLiteral("%1 passed, %2 failed").arg(m_tests.size() - failed).arg(failed);
    // A run that did not reach its end says so on the same line, so that its counts are not taken for the whole.
    if (!m_stopped.isEmpty())
        summary += QStringLiteral("; the run was stopped: ") + m_stopped;
    else if (!m_scriptErrors.isEmpty())
        summary += QStringLiteral("; the script stopped on an error: ") + m_scriptErrors.first();
    print(summary);
}

ExitStatus Results::exitStatus() const
{
    if (!m_stopped.isEmpty())
        return StoppedEarly;
    if (!m_scriptErrors.isEmpty())
        return ScriptError;
    const bool anyFailed = std::any_of(m_tests.begin(), m_tests.end(), [](const Test &t) { return !t.failure.isEmpty(); });
    return anyFailed ? TestFailed : AllPassed;
}

bool Results::writeJUnit(const QString &path, QString *problem) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *problem = file.errorString();
        return false;
    }
    const auto failures = std::count_if(m_tests.begin(), m_tests.end(), [](const Test &t) { return !t.failure.isEmpty() && !t.stopped; });
    const auto errors = m_scriptErrors.size() + std::count_if(m_tests.begin(), m_tests.end(), [](const Test &t) { return t.stopped; });
    const QString seconds = QString::number(m_clock.nsecsElapsed() / 1e9, 'f', 3);
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("testsuites"));
    xml.writeAttribute(QStringLiteral("name"), m_suite);
    xml.writeAttribute(QStringLiteral("tests"), QString::number(m_tests.size()));
    xml.writeAttribute(QStringLiteral("failures"), QString::number(failures));
    xml.writeAttribute(QStringLiteral("errors"), QString::number(errors));
    xml.writeAttribute(QStringLiteral("time"), seconds);
    xml.writeStartElement(QStringLiteral("testsuite"));
    xml.writeAttribute(QStringLiteral("name"), m_suite);
    xml.writeAttribute(QStringLiteral("tests"), QString::number(m_tests.size()));
    xml.writeAttribute(QStringLiteral("failures"), QString::number(failures));
    xml.writeAttribute(QStringLiteral("errors"), QString::number(errors));
    xml.writeAttribute(QStringLiteral("time"), seconds);
    xml.writeAttribute(QStringLiteral("timestamp"), QDateTime::currentDateTime().toString(Qt::ISODate));
    for (const Test &test : m_tests) {
        xml.writeStartElement(QStringLiteral("testcase"));
        xml.writeAttribute(QStringLiteral("name"), test.name);
        xml.writeAttribute(QStringLiteral("classname"), m_suite);
        xml.writeAttribute(QStringLiteral("time"), QString::number(test.seconds, 'f', 3));
        if (!test.failure.isEmpty()) {
            xml.writeStartElement(test.stopped ? QStringLiteral("error") : QStringLiteral("failure"));
            xml.writeAttribute(QStringLiteral("message"), test.failure);
            QString body = test.where.isEmpty() ? test.failure : QStringLiteral("%1 (%2)").arg(test.failure, test.where);
            if (!test.detail.isEmpty())
                body += QLatin1Char('\n') + test.detail;
            xml.writeCharacters(body);
            xml.writeEndElement();
        }
        if (!test.logLines.isEmpty())
            xml.writeTextElement(QStringLiteral("system-out"), test.logLines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        if (!test.warnings.isEmpty())
            xml.writeTextElement(QStringLiteral("system-err"), test.warnings.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        xml.writeEndElement();
    }
    if (!m_scriptErrors.isEmpty() || !m_warnings.isEmpty())
        xml.writeTextElement(QStringLiteral("system-err"), (m_scriptErrors + m_warnings).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    if (xml.hasError() || !file.commit()) {
        *problem = file.errorString();
        return false;
    }
    return true;
}

} // namespace script

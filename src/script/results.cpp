#include "results.h"

#include <QDateTime>
#include <QSaveFile>
#include <QXmlStreamWriter>
#include <cstdio>

namespace script {

Results::Results(QString suiteName) : m_suite(std::move(suiteName))
{
    m_clock.start();
}

QString Results::whereOf(const QJSValue &error)
{
    QString file = error.property(QStringLiteral("fileName")).toString();
    for (const char *scheme : {"file://", "file:"})
        if (file.startsWith(QLatin1String(scheme)))
            file = file.mid(int(qstrlen(scheme)));
    const QJSValue line = error.property(QStringLiteral("lineNumber"));
    return line.isUndefined() ? file : QStringLiteral("%1:%2").arg(file).arg(line.toInt());
}

void Results::print(const QString &line) const
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void Results::beginTest(const QString &name, qsizetype logLinesBefore)
{
    m_current = Test{name, logLinesBefore, {}, 0, {}, {}, false, {}};
    m_current->clock.start();
}

void Results::fail(const QString &message, const QString &where)
{
    if (!m_current) {
        scriptError(message, where);
        return;
    }
    if (m_current->failure.isEmpty()) { // the first failure tells what went wrong
        m_current->failure = message.isEmpty() ? QStringLiteral("failed") : message;
        m_current->where = where;
    }
}

void Results::failWith(const QJSValue &error)
{
    fail(error.property(QStringLiteral("message")).toString(), whereOf(error));
}

void Results::endTest(QStringList logLines)
{
    if (!m_current)
        return;
    Test test = std::move(*m_current);
    m_current.reset();
    test.seconds = test.clock.nsecsElapsed() / 1e9;
    test.logLines = std::move(logLines);
    if (test.failure.isEmpty())
        print(QStringLiteral("ok %1").arg(test.name));
    else if (test.where.isEmpty())
        print(QStringLiteral("FAIL %1: %2").arg(test.name, test.failure));
    else
        print(QStringLiteral("FAIL %1: %2 (%3)").arg(test.name, test.failure, test.where));
    m_tests << std::move(test);
}

void Results::handlerFailed(const QString &what, const QJSValue &error)
{
    fail(QStringLiteral("%1 threw: %2").arg(what, error.property(QStringLiteral("message")).toString()), whereOf(error));
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
    print(QStringLiteral("%1 passed, %2 failed").arg(m_tests.size() - failed).arg(failed));
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
            xml.writeCharacters(test.where.isEmpty() ? test.failure : QStringLiteral("%1 (%2)").arg(test.failure, test.where));
            xml.writeEndElement();
        }
        if (!test.logLines.isEmpty())
            xml.writeTextElement(QStringLiteral("system-out"), test.logLines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        xml.writeEndElement();
    }
    if (!m_scriptErrors.isEmpty())
        xml.writeTextElement(QStringLiteral("system-err"), m_scriptErrors.join(QLatin1Char('\n')) + QLatin1Char('\n'));
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

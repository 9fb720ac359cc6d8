#pragma once
// What a script run found: a line per test as it ends ("ok NAME", "FAIL NAME: message (file:line)"), the summary
// line, the exit status, and the JUnit report.
#include <QElapsedTimer>
#include <QJSValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace script {

enum ExitStatus { AllPassed = 0, TestFailed = 1, ScriptError = 2, StoppedEarly = 3 };

class Results
{
public:
    explicit Results(QString suiteName);

    // Failures go to the test under way; outside one they are script errors.
    void beginTest(const QString &name, qsizetype logLinesBefore);
    void fail(const QString &message, const QString &where);
    void failWith(const QJSValue &error);
    void endTest(QStringList logLines);
    [[nodiscard]] bool inTest() const { return m_current.has_value(); }

    // A handler the script handed over (a message handler) threw.
    void handlerFailed(const QString &what, const QJSValue &error);
    void scriptError(const QString &message, const QString &where);
    // The run was stopped; the test under way, if any, ends as stopped.
    void stopped(const QString &why, QStringList logLines);

    void printSummary() const;
    [[nodiscard]] ExitStatus exitStatus() const;
    [[nodiscard]] qsizetype logLinesBefore() const { return m_current ? m_current->logLinesBefore : 0; }
    // Writes the JUnit report; false and why when it cannot.
    bool writeJUnit(const QString &path, QString *problem) const;

    // "file:line" of a JavaScript error, the script's file as the command line named it.
    [[nodiscard]] static QString whereOf(const QJSValue &error);

private:
    struct Test
    {
        QString name;
        qsizetype logLinesBefore = 0;
        QElapsedTimer clock;
        double seconds = 0;
        QString failure; // empty: passed
        QString where;
        bool stopped = false;
        QStringList logLines;
    };
    void print(const QString &line) const;

    QString m_suite;
    QElapsedTimer m_clock;
    QList<Test> m_tests;
    std::optional<Test> m_current;
    QStringList m_scriptErrors;
    QString m_stopped;
};

} // namespace script

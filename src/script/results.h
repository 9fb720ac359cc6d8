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

// What a script threw, as its report shows it: the message (an Error's message, or the value as the script would
// print it), where it was thrown when that is known, and any detail for the report alone (a log's last lines).
struct Thrown
{
    QString message;
    QString where;
    QString detail;
    std::optional<quint32> status = {}; // the engine's, for a failed engine call
    bool timedOut = false;              // a wait that ran out of time
};

class Results
{
public:
    explicit Results(QString suiteName);

    // Failures go to the test under way; outside one they are script errors.
    void beginTest(const QString &name, qsizetype logLinesBefore);
    void fail(const QString &message, const QString &where, const QString &detail = {});
    void failWith(const Thrown &thrown);
    void endTest(QStringList logLines);
    [[nodiscard]] bool inTest() const { return m_current.has_value(); }

    // A handler the script handed over (a message handler) threw.
    void handlerFailed(const QString &what, const Thrown &thrown);
    // A warning the program raised by itself (a recording that stopped): it goes with the test under way.
    void warning(const QString &text);
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
    [[nodiscard]] static QString where(QString file, int line);
    // An Error's message, where it was made, and its detail.
    [[nodiscard]] static Thrown fromError(const QJSValue &error);

private:
    struct Test
    {
        QString name;
        qsizetype logLinesBefore = 0;
        QElapsedTimer clock;
        double seconds = 0;
        QString failure; // empty: passed
        QString where;
        QString detail;
        QStringList warnings;
        bool stopped = false;
        QStringList logLines;
    };
    void print(const QString &line) const;

    QString m_suite;
    QElapsedTimer m_clock;
    QList<Test> m_tests;
    std::optional<Test> m_current;
    QStringList m_scriptErrors;
    QStringList m_warnings; // outside any test
    QString m_stopped;
};

} // namespace script

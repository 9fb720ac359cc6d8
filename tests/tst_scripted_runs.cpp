// zandorex --headless --script as CI runs it: the examples against zandorex-pendant on 127.0.0.1, the pendant
// gone in the middle of a run, and a run stopped by SIGTERM; exit status, result lines and JUnit report.
#include "linkrig.h"
#include "pendantprocess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <csignal>

using namespace testing;

namespace {
struct JUnit
{
    bool parsed = false;
    int tests = -1;
    int failures = -1;
    int errors = -1;
    QStringList names;
};

JUnit readJUnit(const QString &path)
{
    JUnit report;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return report;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("testsuite")) {
            report.tests = xml.attributes().value(QLatin1String("tests")).toInt();
            report.failures = xml.attributes().value(QLatin1String("failures")).toInt();
            report.errors = xml.attributes().value(QLatin1String("errors")).toInt();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("testcase")) {
            report.names << xml.attributes().value(QLatin1String("name")).toString();
        }
    }
    report.parsed = !xml.hasError();
    return report;
}
} // namespace

class TestScriptedRuns : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void examplesPassAgainstThePendantProgram_data();
    void examplesPassAgainstThePendantProgram();
    void pendantGoneFailsTestsWithoutHanging();
    void sigtermStopsTheRunAndKeepsTheReport();
    void examplePairsPass_data();
    void examplePairsPass();
    void scenarioWhoseRequestNeverComesFailsOnTime();
    void everyEndEndsTheProgramPromptly_data();
    void everyEndEndsTheProgramPromptly();
    void pendantEndsOnSignals_data();
    void pendantEndsOnSignals();
    void unwritableReportEndsBeforeTheRun();
    void killedRecordingEndsOnAWholeLine_data();
    void killedRecordingEndsOnAWholeLine();

private:
    QString writeScript(const QString &name, const QByteArray &source);
    // Starts the console headless on the script; the pendant is on m_pendantPort.
    void startConsole(const QString &script, const QStringList &more = {}, const QStringList &environment = {});

    QTemporaryDir m_folder;
    QProcess m_pendant;
    QProcess m_console;
    quint16 m_pendantPort = 0;
    quint16 m_consolePort = 0;
};

void TestScriptedRuns::init()
{
    m_consolePort = freeUdpPort();
    // The pairs start a pendant of their own, with its scenario.
    const QByteArray function = QTest::currentTestFunction();
    if (function != "examplePairsPass" && function != "scenarioWhoseRequestNeverComesFailsOnTime" &&
        function != "everyEndEndsTheProgramPromptly" && function != "pendantEndsOnSignals") {
        m_pendantPort = startUdpPendant(m_pendant, 0, m_consolePort);
        QVERIFY(m_pendantPort != 0);
    }
}

void TestScriptedRuns::cleanup()
{
    for (QProcess *process : {&m_console, &m_pendant}) {
        process->kill();
        process->waitForFinished(5000);
    }
}

void TestScriptedRuns::startConsole(const QString &script, const QStringList &more, const QStringList &environment)
{
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert(QStringLiteral("PENDANT_PORT"), QString::number(m_pendantPort));
    variables.insert(QStringLiteral("CONSOLE_PORT"), QString::number(m_consolePort));
    for (const QString &setting : environment)
        variables.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    m_console.setProcessEnvironment(variables);
    m_console.start(QStringLiteral(ZANDOREX), QStringList{QStringLiteral("--headless"), QStringLiteral("--script"), script,
                                                         QStringLiteral("--junit"), m_folder.filePath(QStringLiteral("report.xml"))} +
                                                 more);
    QVERIFY(m_console.waitForStarted(10000));
}

void TestScriptedRuns::examplesPassAgainstThePendantProgram_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<int>("tests");
    QTest::newRow("smoke") << "smoke.js" << 9;
    QTest::newRow("log rules") << "log-rules.js" << 4;
    QTest::newRow("soak, briefly") << "soak.js" << 3;
}

void TestScriptedRuns::examplesPassAgainstThePendantProgram()
{
    QFETCH(QString, example);
    QFETCH(int, tests);
    startConsole(QStringLiteral(EXAMPLES "/") + example, {}, {QStringLiteral("SOAK_MINUTES=0.03")});
    QVERIFY(m_console.waitForFinished(60000));
    const QString output = QString::fromUtf8(m_console.readAllStandardOutput());
    QVERIFY2(m_console.exitCode() == 0, qPrintable(output + QString::fromUtf8(m_console.readAllStandardError())));
    QVERIFY2(output.endsWith(QStringLiteral("%1 passed, 0 failed\n").arg(tests)), qPrintable(output));
    const JUnit report = readJUnit(m_folder.filePath(QStringLiteral("report.xml")));
    QVERIFY(report.parsed);
    QCOMPARE(report.tests, tests);
    QCOMPARE(report.names.size(), tests);
    QCOMPARE(report.failures, 0);
    QCOMPARE(report.errors, 0);
}

// The pendant is killed while a soak test runs: its calls fail, the run ends on time with exit status 1.
void TestScriptedRuns::pendantGoneFailsTestsWithoutHanging()
{
    startConsole(QStringLiteral(EXAMPLES "/soak.js"), {QStringLiteral("--timeout"), QStringLiteral("60")},
                 {QStringLiteral("SOAK_MINUTES=0.05")});
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += m_console.readAllStandardOutput()).contains("ok open the connection"), 20000);
    m_pendant.kill();
    QVERIFY(m_console.waitForFinished(30000));
    QCOMPARE(m_console.exitCode(), 1);
    const JUnit report = readJUnit(m_folder.filePath(QStringLiteral("report.xml")));
    QVERIFY(report.parsed);
    QCOMPARE(report.tests, 3);
    QCOMPARE(report.failures, 1);
}

void TestScriptedRuns::sigtermStopsTheRunAndKeepsTheReport()
{
    const QString script = m_folder.filePath(QStringLiteral("forever.js"));
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("test('first', function () { check(true); });\ntest('forever', function () { while (true) {} });\n");
    file.close();
    startConsole(script);
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += m_console.readAllStandardOutput()).contains("ok first"), 20000);
    m_console.terminate();
    QVERIFY(m_console.waitForFinished(5000));
    QCOMPARE(m_console.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_console.exitCode(), 3);
    const JUnit report = readJUnit(m_folder.filePath(QStringLiteral("report.xml")));
    QVERIFY(report.parsed);
    QCOMPARE(report.names, (QStringList{"first", "forever"}));
    QCOMPARE(report.errors, 1);
}

void TestScriptedRuns::examplePairsPass_data()
{
    QTest::addColumn<QString>("pair");
    QTest::addColumn<int>("consoleTests");
    QTest::addColumn<int>("pendantTests");
    QTest::newRow("outputs") << "outputs" << 2 << 4;
    QTest::newRow("input") << "input" << 2 << 1;
    QTest::newRow("silence") << "silence" << 3 << 1;
    QTest::newRow("refusals") << "refusals" << 4 << 1;
}

// Both halves of a pair, each headless, each with its own report.
void TestScriptedRuns::examplePairsPass()
{
    QFETCH(QString, pair);
    QFETCH(int, consoleTests);
    QFETCH(int, pendantTests);
    const QString pendantReport = m_folder.filePath(QStringLiteral("pendant.xml"));
    m_pendantPort = startUdpPendant(m_pendant, 0, m_consolePort,
                                    {QStringLiteral("--script"), QStringLiteral(EXAMPLES "/pair-%1-pendant.js").arg(pair),
                                     QStringLiteral("--junit"), pendantReport, QStringLiteral("--timeout"), QStringLiteral("60")});
    QVERIFY(m_pendantPort != 0);
    startConsole(QStringLiteral(EXAMPLES "/pair-%1-console.js").arg(pair));
    QVERIFY(m_console.waitForFinished(60000));
    QVERIFY(m_pendant.waitForFinished(60000));
    QVERIFY2(m_console.exitCode() == 0, m_console.readAllStandardOutput() + m_console.readAllStandardError());
    QVERIFY2(m_pendant.exitCode() == 0, m_pendant.readAllStandardOutput() + m_pendant.readAllStandardError());
    for (const auto &[report, tests] : {std::pair{m_folder.filePath(QStringLiteral("report.xml")), consoleTests}, std::pair{pendantReport, pendantTests}}) {
        const JUnit junit = readJUnit(report);
        QVERIFY(junit.parsed);
        QCOMPARE(junit.tests, tests);
        QCOMPARE(junit.failures + junit.errors, 0);
    }
}

void TestScriptedRuns::scenarioWhoseRequestNeverComesFailsOnTime()
{
    const QString script = m_folder.filePath(QStringLiteral("waits.js"));
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("test('a beep', function () { pendant.expectRequest('Beep', 500); });\n");
    file.close();
    QElapsedTimer clock;
    clock.start();
    QVERIFY(startUdpPendant(m_pendant, 0, m_consolePort, {QStringLiteral("--script"), script}) != 0);
    QVERIFY(m_pendant.waitForFinished(10000));
    QCOMPARE(m_pendant.exitCode(), 1);
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(m_pendant.readAllStandardOutput().contains("FAIL a beep: pendant.expectRequest(\"Beep\"): none came within 500 ms"));
}

QString TestScriptedRuns::writeScript(const QString &name, const QByteArray &source)
{
    const QString path = m_folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(source) != source.size())
        qWarning() << "cannot write" << path;
    return path;
}

namespace {
constexpr char OpenAndRepeat[] = R"(
test("open", function () {
    window.tab("UDP");
    window.set("Dest IP", "127.0.0.1");
    window.set("Dest Port", env("PENDANT_PORT"));
    window.set("Src IP", "127.0.0.1");
    window.set("Src Port", env("CONSOLE_PORT"));
    window.press("Open");
});
test("repeat", function () { window.check("Infinite"); window.press("Beep"); sleep(Number(env("SLEEP_MS"))); });
)";
} // namespace

// However the program is ended, and whatever runs then (a repetition whose command waits for a pendant that does
// not answer, a modal dialog), it ends within about a second with the documented status, the record on a whole
// line and nothing sent after.
void TestScriptedRuns::everyEndEndsTheProgramPromptly_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("sleepMs");
    QTest::addColumn<int>("signal"); // 0: none; the end comes by itself
    QTest::addColumn<QByteArray>("cue"); // the output after which the signal goes, or the clock starts
    QTest::addColumn<int>("status");
    QTest::newRow("the script ends while Infinite repeats") << QByteArray(OpenAndRepeat) << QStringList() << 300 << 0 << QByteArray("passed,") << 0;
    QTest::newRow("--timeout while Infinite repeats")
        << QByteArray(OpenAndRepeat) << QStringList{"--timeout", "3"} << 600000 << 0 << QByteArray("stopped") << 3;
    QTest::newRow("SIGINT while a script waits and Infinite repeats")
        << QByteArray(OpenAndRepeat) << QStringList() << 600000 << SIGINT << QByteArray("ok open") << 3;
    QTest::newRow("SIGTERM while Infinite repeats after the script")
        << QByteArray(OpenAndRepeat) << QStringList{"--keep-running"} << 0 << SIGTERM << QByteArray("passed,") << 128 + SIGTERM;
    QTest::newRow("SIGTERM while a modal dialog is up")
        << QByteArray("test('dialog', function () { window.press('KeyConfig'); print('up', window.title()); sleep(600000); });") << QStringList() << 0
        << SIGTERM << QByteArray("up") << 3;
}

void TestScriptedRuns::everyEndEndsTheProgramPromptly()
{
    QFETCH(QByteArray, script);
    QFETCH(QStringList, options);
    QFETCH(int, sleepMs);
    QFETCH(int, signal);
    QFETCH(int, status);
    QFETCH(QByteArray, cue);
    // The pendant takes Beep and never answers it: each repeated command waits out its time-out.
    const QString silentBeeps = writeScript(QStringLiteral("silent.js"),
                                            "pendant.on('Beep', function () { return {ignore: true}; });\nsleep(600000);\n");
    m_pendantPort = startUdpPendant(m_pendant, 0, m_consolePort, {QStringLiteral("--script"), silentBeeps, QStringLiteral("--timeout"), QStringLiteral("900")});
    QVERIFY(m_pendantPort != 0);
    const QString record = m_folder.filePath(QStringLiteral("record.log"));
    startConsole(writeScript(QStringLiteral("ends.js"), script),
                 options + QStringList{QStringLiteral("--record"), record, QStringLiteral("--record-timestamps")},
                 {QStringLiteral("SLEEP_MS=%1").arg(sleepMs)});
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += m_console.readAllStandardOutput() + m_console.readAllStandardError()).contains(cue), 20000);
    QElapsedTimer clock;
    clock.start();
    if (signal != 0) {
        QTest::qWait(500); // the repetition, or the dialog, is under way
        clock.start();
        ::kill(pid_t(m_console.processId()), signal);
    }
    QVERIFY(m_console.waitForFinished(10000));
    // Within the second the program allows itself, and some slack for a busy machine.
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_console.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_console.exitCode(), status);
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray recorded = file.readAll();
    QVERIFY(recorded.isEmpty() || recorded.endsWith('\n'));
    QTest::qWait(300);
    QCOMPARE(QFileInfo(record).size(), recorded.size()); // nothing written after the end
}

// The pendant ends on a signal as the console does: 3 with a scenario under way, 128 + the signal without.
void TestScriptedRuns::pendantEndsOnSignals_data()
{
    QTest::addColumn<bool>("scenario");
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("status");
    QTest::newRow("SIGTERM during a scenario") << true << SIGTERM << 3;
    QTest::newRow("SIGINT without one") << false << SIGINT << 128 + SIGINT;
    QTest::newRow("SIGTERM without one") << false << SIGTERM << 128 + SIGTERM;
}

void TestScriptedRuns::pendantEndsOnSignals()
{
    QFETCH(bool, scenario);
    QFETCH(int, signal);
    QFETCH(int, status);
    QStringList more;
    if (scenario)
        more << QStringLiteral("--script") << writeScript(QStringLiteral("waits.js"), "test('wait', function () { sleep(600000); });\n");
    QVERIFY(startUdpPendant(m_pendant, 0, m_consolePort, more) != 0);
    ::kill(pid_t(m_pendant.processId()), signal);
    QVERIFY(m_pendant.waitForFinished(5000));
    QCOMPARE(m_pendant.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_pendant.exitCode(), status);
}

// A report that cannot be written is found before the first statement, not after a night's run.
void TestScriptedRuns::unwritableReportEndsBeforeTheRun()
{
    const QString script = writeScript(QStringLiteral("first.js"), "print('ran');\n");
    m_console.start(QStringLiteral(ZANDOREX), {QStringLiteral("--headless"), QStringLiteral("--script"), script, QStringLiteral("--junit"),
                                               m_folder.filePath(QStringLiteral("missing/report.xml"))});
    QVERIFY(m_console.waitForFinished(10000));
    QCOMPARE(m_console.exitCode(), 2);
    QVERIFY(!m_console.readAllStandardOutput().contains("ran"));
    QVERIFY(m_console.readAllStandardError().contains("cannot write the JUnit report"));
}

// The built-in pendant reports LCD texts as fast as it can while the console records them; the console is killed
// at a random point. Whatever it had written is the log's lines from the first on, each whole, in every file.
void TestScriptedRuns::killedRecordingEndsOnAWholeLine_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("plain") << QStringList();
    QTest::newRow("time-stamped") << QStringList{"--record-timestamps"};
    QTest::newRow("across a rotation") << QStringList{"--record-timestamps", "--record-max-mb", "1", "--record-keep", "100"};
}

void TestScriptedRuns::killedRecordingEndsOnAWholeLine()
{
    QFETCH(QStringList, options);
    const QString console = writeScript(QStringLiteral("open.js"), "window.press('Open');\nsleep(600000);\n");
    const QString burst = writeScript(QStringLiteral("burst.js"),
                                      "sleep(200);\nfor (var k = 0; ; ++k) pendant.lcdText('burst ' + k + ' ' + 'x'.repeat(k % 97));\n");
    static const QRegularExpression stamp(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}[+-]\\d\\d:\\d\\d\\t"));
    static const QRegularExpression burstLine(QStringLiteral("^LCD : burst (\\d+) (x*)$"));
    int cutByTheKernel = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        QTemporaryDir folder;
        const QString record = folder.filePath(QStringLiteral("b.log"));
        QProcess process;
        process.start(QStringLiteral(ZANDOREX), QStringList{QStringLiteral("--headless"), QStringLiteral("--simulated-pendant"),
                                                             QStringLiteral("--script"), console, QStringLiteral("--pendant-script"), burst,
                                                             QStringLiteral("--record"), record} +
                                                     options);
        QVERIFY(process.waitForStarted(10000));
        // Once the burst is under way, a random point of it.
        QTRY_VERIFY_WITH_TIMEOUT(QDir(folder.path()).entryList({QStringLiteral("b.log*")}, QDir::Files).size() > 1 ||
                                     QFileInfo(record).size() > 50'000,
                                 20000);
        QTest::qWait(QRandomGenerator::global()->bounded(1000));
        process.kill();
        QVERIFY(process.waitForFinished(5000));
        // Oldest first: b.log.N, …, b.log.1, b.log.
        QStringList files = QDir(folder.path()).entryList({QStringLiteral("b.log*")}, QDir::Files);
        std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
            return a.section(QLatin1Char('.'), 2).toInt() > b.section(QLatin1Char('.'), 2).toInt();
        });
        QVERIFY(!files.isEmpty());
        int next = 0;
        for (const QString &name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QByteArray bytes = file.readAll();
            if (!bytes.isEmpty() && !bytes.endsWith('\n')) {
                // The program writes only whole lines, but the kernel stops a write between two pages of the file
                // when the writer is killed in the middle of it: rarely, the newest file ends on a page boundary.
                // A cut anywhere else, in an older file, or at more than one kill of four is the program's.
                QVERIFY2(name == files.last() && bytes.size() % 4096 == 0 && ++cutByTheKernel <= 1,
                         qPrintable(QStringLiteral("%1 (%2 bytes) ends in half a line: %3")
                                        .arg(name)
                                        .arg(bytes.size())
                                        .arg(QString::fromUtf8(bytes.right(60)))));
                bytes.truncate(bytes.lastIndexOf('\n') + 1);
            }
            for (const QByteArray &raw : bytes.split('\n')) {
                QString line = QString::fromUtf8(raw);
                if (line.isEmpty())
                    continue;
                if (options.contains(QStringLiteral("--record-timestamps"))) {
                    QVERIFY2(stamp.match(line).hasMatch(), qPrintable(line));
                    line.remove(stamp);
                }
                const QRegularExpressionMatch match = burstLine.match(line);
                if (!match.hasMatch())
                    continue; // the lines Open logs
                QCOMPARE(match.captured(1).toInt(), next);
                QCOMPARE(match.captured(2).size(), next % 97);
                ++next;
            }
        }
        QVERIFY2(next > 100, qPrintable(QString::number(next))); // the burst was under way
    }
}

QTEST_GUILESS_MAIN(TestScriptedRuns)
#include "tst_scripted_runs.moc"

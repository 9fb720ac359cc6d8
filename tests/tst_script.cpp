// Scripts through the real window: each object a script sees, what a scripted press sends, and how errors and
// stops are reported (result lines, JUnit report, exit status).
#include "console/frmMain.h"
#include "controls/warningbox.h"
#include "pendant/pendantdevice.h"
#include "recordingprovider.h"
#include "consolescript/consolehosts.h"
#include "script/results.h"
#include "script/scriptrunner.h"
#include "tavlox/tavloxprovider.h"
#include "widgetdriver.h"

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace testing;

namespace {
struct Report
{
    int status = -1;
    QStringList tests;    // "NAME" or "NAME: failure message"
    QString scriptErrors; // what the report says besides its tests
};

// Runs the script against the window; the report as the JUnit file tells it.
Report run(frmMain &window, const QString &source, int timeoutSeconds = 20)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("test.js"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(source.toUtf8());
    file.close();
    const QString junit = folder.filePath(QStringLiteral("report.xml"));
    script::ScriptRunner runner({path, junit, timeoutSeconds, {}, {}});
    consolescript::addConsoleHosts(runner, window, [&window] { return window.controller(); });
    QSignalSpy finished(&runner, &script::ScriptRunner::finished);
    runner.start();
    Report report;
    if (!finished.wait((timeoutSeconds + 10) * 1000))
        return report;
    report.status = finished.first().first().toInt();
    QFile xml(junit);
    xml.open(QIODevice::ReadOnly);
    QXmlStreamReader reader(&xml);
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (reader.isStartElement() && reader.name() == QLatin1String("testcase"))
            report.tests << reader.attributes().value(QLatin1String("name")).toString();
        else if (reader.isStartElement() && (reader.name() == QLatin1String("failure") || reader.name() == QLatin1String("error")))
            report.tests.last() += QStringLiteral(": ") + reader.attributes().value(QLatin1String("message")).toString();
        else if (reader.isStartElement() && reader.name() == QLatin1String("system-err"))
            report.scriptErrors = reader.readElementText();
        else if (!reader.isStartElement())
            reader.readNext();
    }
    return report;
}
} // namespace

class TestScript : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void objectsThroughTheWindow();
    void errorsAreReported_data();
    void errorsAreReported();
    void scriptedPressSendsWhatAClickSends();
    void endlessLoopStopsAtItsTimeOut();
    void warningRaisedByTheProgramTakesNoInput();

private:
    std::unique_ptr<pendant::PendantDevice> m_device;
    std::unique_ptr<cao::ScopedProviderRegistration> m_registration;
    std::unique_ptr<frmMain> m_window;
};

void TestScript::init()
{
    m_device = std::make_unique<pendant::PendantDevice>();
    m_registration = std::make_unique<cao::ScopedProviderRegistration>(
        QString::fromLatin1(tavlox::ProgrammaticId), std::make_shared<tavlox::TavloxProvider>([this](const tavlox::ConnectionOptions &) {
            return std::make_unique<tavlox::InProcessLink>(m_device.get());
        }));
    m_window = std::make_unique<frmMain>();
    m_window->show();
}

void TestScript::cleanup()
{
    m_window.reset();
    m_registration.reset();
    m_device.reset();
}

// Every function of window, log and controller on the simulated pendant, each checked from inside the script.
void TestScript::objectsThroughTheWindow()
{
    const Report report = run(*m_window, QStringLiteral(R"(
test("window", function () {
    check(controller === null, "no connection before Open");
    window.tab("COM");
    check(window.text("tabDevice") === "COM", "the tab is COM");
    window.tab("UDP");
    window.set("Dest IP", "127.0.0.1");
    check(window.text("utlDestIP") === "127.0.0.1", "the address control took the address");
    window.choose("Mouse", "OnMessage Event");
    window.choose("Keyboard", "OnMessage Event");
    check(window.text("cmbKeyboardMode") === "OnMessage Event", "the list shows the item");
    window.check("Log", false);
    check(!window.checked("chkLog"), "Log is clear");
    window.check("Log", true);
    check(!window.enabled("LED On") && window.enabled("Open"), "closed state");
    check(window.controls().indexOf("cmdTp(3) \"Flash, LED\"") >= 0, "the list of controls names them");
    check(window.title() === "Omnivar Zandorex", "the console takes input");
    window.press("Open");
    check(controller !== null && window.enabled("LED On"), "open state");
});
test("log", function () {
    var before = log.mark();
    window.set("LED No.", "2");
    window.press("LED Flash");
    check(log.expect("LED : 2, 2", 2000) === "LED : 2, 2", "a whole line");
    check(/^LED/.test(log.expect(/: 2, 2$/, 2000, before)), "a part of a line");
    log.expectNone("LED : 2, 1", 100);
    check(log.count === before + 1 && log.lines(before)[0] === "LED : 2, 2", "count and lines");
});
test("controller", function () {
    var messages = [];
    controller.onMessage(function (number, value) { messages.push(number + " " + value); });
    controller.execute("Beep", "50");
    controller.execute("LED", ["4", i2(1)]);
    controller.setVariable("@DblClickSpeed", i4(300));
    check(controller.execute("GetKeyState").length === 8, "eight words");
    sleep(100);
    check(messages.join(" | ") === "256 50 | 257 4,1", "messages: " + messages.join(" | "));
    log.expect("Beep : 50", 2000, 0);
});
)"));
    QCOMPARE(report.status, int(script::AllPassed));
    QCOMPARE(report.tests, (QStringList{"window", "log", "controller"}));
    QCOMPARE(m_device->led(2), protocol::LedMode::Flash);
    QCOMPARE(m_device->led(4), protocol::LedMode::On);
}

void TestScript::errorsAreReported_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("tests");
    QTest::addColumn<QString>("scriptErrors");
    QTest::newRow("a throw fails its test, the next runs")
        << "test('a', function () { throw new Error('boom'); });\ntest('b', function () { check(true); });"
        << int(script::TestFailed) << QStringList{"a: boom", "b"} << QString();
    QTest::newRow("check and fail") << "test('c', function () { check(1 === 2, 'one is two'); });\ntest('f', function () { fail('no'); });"
                                    << int(script::TestFailed) << QStringList{"c: one is two", "f: no"} << QString();
    QTest::newRow("expect times out, naming its pattern")
        << "test('e', function () { log.expect('nope', 50); });" << int(script::TestFailed)
        << QStringList{"e: log.expect(\"nope\"): no line matched within 50 ms"} << QString();
    QTest::newRow("an unknown control") << "test('u', function () { window.press('Opne'); });" << int(script::TestFailed)
                                        << QStringList{"u: no control named \"Opne\" in \"Omnivar Zandorex\" (window.controls() lists them)"}
                                        << QString();
    QTest::newRow("a disabled control") << "test('d', function () { window.press('Close'); });" << int(script::TestFailed)
                                        << QStringList{"d: \"Close\" (cmdEng(1)) is disabled"} << QString();
    QTest::newRow("a name for two controls") << "test('n', function () { window.press('On'); });" << int(script::TestFailed)
                                             << QStringList{"n: \"On\" names 2 controls in \"Omnivar Zandorex\": cmdTp(1) \"On, LED\", "
                                                            "cmdTp(6) \"On, Backlight\"; use one of their names"}
                                             << QString();
    QTest::newRow("any value thrown fails its test")
        << "test('s', function () { throw 'x'; });\ntest('n', function () { throw 42; });\n"
           "test('o', function () { throw {a: 1}; });\ntest('u', function () { throw undefined; });\n"
           "test('z', function () { throw null; });\ntest('p', function () {});"
        << int(script::TestFailed) << QStringList{"s: x", "n: 42", "o: {\"a\":1}", "u: undefined", "z: null", "p"} << QString();
    QTest::newRow("a value thrown outside any test") << "test('t', function () {});\nthrow 'late';" << int(script::ScriptError)
                                                     << QStringList{"t"} << "test.js:2: late";
    QTest::newRow("an objectName two controls share")
        << "test('f', function () { window.text('field(0)'); });" << int(script::TestFailed)
        << QStringList{"f: \"field(0)\" names 2 controls in \"Omnivar Zandorex\": field(0) \"Dest IP, field 1 of 4\" (in utlDestIP), "
                       "field(0) \"Src IP, field 1 of 4\" (in uclSrcIP); use one of their names"}
        << QString();
    QTest::newRow("a word two controls share") << "test('w', function () { window.press('Set'); });" << int(script::TestFailed)
                                               << QStringList{"w: \"Set\" names 2 controls in \"Omnivar Zandorex\": cmdTp(4) \"Set KeyState\", "
                                                              "cmdTp(5) \"Set PanelState\"; use one of their names"}
                                               << QString();
    QTest::newRow("a whole caption wins over the words in other names")
        << "test('k', function () { window.press('KeyConfig'); window.press('Cancel'); check(window.title() !== 'KeyConfig'); });\n"
           "test('c', function () { window.check('Infinite'); check(window.checked('chkInfi')); window.check('Infinite', false); });\n"
           "test('l', function () { var c = window.controls(); check(c.indexOf('cmdEng(0) \"Open\"') >= 0 && c.indexOf('chkLog \"Log\"') >= 0); });"
        << int(script::AllPassed) << QStringList{"k", "c", "l"} << QString();
    // A mark taken before "Clear" names a line that is gone; and a press returns with the lines it caused logged.
    QTest::newRow("the log after Clear, and after each press")
        << "window.press('Open');\nwindow.set('Time (ms)', '182');\n"
           "test('m', function () { window.press('Beep'); window.press('Beep'); log.mark(); window.press('Clear');\n"
           "  window.press('Beep'); log.expect('Beep : 182', 2000); });\n"
           "test('o', function () { for (var k = 0; k < 30; ++k) { var at = log.count; window.press('LED On'); window.press('GetKeyState');\n"
           "  var l = log.lines(at); check(l.length === 2 && l[0] === 'LED : 1, 1', l.join(' | ')); } });"
        << int(script::AllPassed) << QStringList{"m", "o"} << QString();
    QTest::newRow("a value the engine has no form for")
        << "window.press('Open');\ntest('v', function () { controller.execute('Beep', 1.5); });" << int(script::TestFailed)
        << QStringList{"v: 1.5 is not a whole number from -2147483648 to 2147483647 (pass a text for anything else)"} << QString();
    QTest::newRow("an error outside any test") << "test('t', function () {});\nwindow.press('Opne');" << int(script::ScriptError)
                                               << QStringList{"t"} << "test.js:2: no control named \"Opne\"";
    QTest::newRow("a syntax error: nothing runs") << "window.press('Open');\ntest('s', function () {\n  var q = {a: 1,, b: 2};\n});"
                                                  << int(script::ScriptError) << QStringList() << "test.js:3:17: SyntaxError: Unexpected token ,";
}

void TestScript::errorsAreReported()
{
    QFETCH(QString, source);
    QFETCH(int, status);
    QFETCH(QStringList, tests);
    QFETCH(QString, scriptErrors);
    const Report report = run(*m_window, source);
    QCOMPARE(report.status, status);
    QCOMPARE(report.tests, tests);
    QVERIFY2(report.scriptErrors.contains(scriptErrors), qPrintable(report.scriptErrors));
    if (status == int(script::ScriptError) && tests.isEmpty())
        QVERIFY2(!m_window->controller(), "a script that does not parse runs nothing");
}

// The same steps, once as a script and once by an operator's clicks and typing: the provider hears the same calls,
// down to the types of the values.
void TestScript::scriptedPressSendsWhatAClickSends()
{
    m_registration.reset();
    auto callsOf = [](const RecordingProvider &provider) {
        QStringList calls;
        for (const RecordedCall &call : provider.calls)
            calls << QStringLiteral("%1 %2 %3 %4").arg(call.operation, call.name, call.text, call.value.describe());
        return calls;
    };
    QStringList scripted;
    {
        RecordingProviderScope provider;
        frmMain window;
        window.show();
        const Report report = run(window, QStringLiteral(R"(
window.press("ClientMode");
window.press("Open");
window.set("KeyState 3", "x7");
window.press("Set KeyState");
window.press("Touch");
window.press("Set PanelState");
window.press("ClientMode");
window.set("LED No.", "abc");
window.press("LED Flash");
window.press("Backlight Off");
window.press("GetKeyState");
window.press("Enabled");
window.press("Close");
)"));
        QCOMPARE(report.status, int(script::AllPassed));
        scripted = callsOf(*provider);
    }
    RecordingProviderScope provider;
    frmMain window;
    window.show();
    click(&window, QStringLiteral("chkClient"));
    click(&window, QStringLiteral("cmdEng(0)"));
    typeInto(&window, QStringLiteral("txtKeyState(3)"), QStringLiteral("x7"));
    click(&window, QStringLiteral("cmdTp(4)"));
    click(&window, QStringLiteral("chkTouch"));
    click(&window, QStringLiteral("cmdTp(5)"));
    click(&window, QStringLiteral("chkClient"));
    typeInto(&window, QStringLiteral("txtLED"), QStringLiteral("abc"));
    click(&window, QStringLiteral("cmdTp(3)"));
    click(&window, QStringLiteral("cmdTp(7)"));
    click(&window, QStringLiteral("cmdGetKeyState"));
    click(&window, QStringLiteral("chkEnable"));
    click(&window, QStringLiteral("cmdEng(1)"));
    QCOMPARE(scripted, callsOf(*provider));
    QVERIFY(scripted.size() > 12);
}

// A loop that never waits cannot be stopped from inside; the time-out stops it within a second, and the report
// says so.
void TestScript::endlessLoopStopsAtItsTimeOut()
{
    QElapsedTimer clock;
    clock.start();
    const Report report = run(*m_window, QStringLiteral("test('loop', function () { while (true) {} });"), 1);
    QCOMPARE(report.status, int(script::StoppedEarly));
    QCOMPARE(report.tests, QStringList{"loop: the time-out of 1 s was reached"});
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    click(m_window.get(), QStringLiteral("cmdEng(0)")); // the console is left as after any handler
    QVERIFY(m_window->controller());
}

// A recording that stops raises its warning over the console; the script's next calls still act on the console.
void TestScript::warningRaisedByTheProgramTakesNoInput()
{
    controls::openWarning(m_window.get(), QStringLiteral("Record to File"), QStringLiteral("Recording stopped."),
                          QStringLiteral("recordFailed"), true);
    QTRY_VERIFY(QApplication::activeModalWidget());
    const Report report = run(*m_window, QStringLiteral("test('w', function () { check(window.title() === 'Omnivar Zandorex', window.title()); "
                                                        "window.press('Open'); });"));
    QCOMPARE(report.tests, QStringList{"w"});
    QVERIFY(m_window->controller());
}

QTEST_MAIN(TestScript)
#include "tst_script.moc"

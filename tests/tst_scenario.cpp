// Pendant scenarios on the device itself, with the provider listening in the same process: input as the window's
// own gestures give it, each kind of answer, silence, the state readers, and scenarios that misbehave.
#include "cao/engine.h"
#include "pendant/pendantdevice.h"
#include "pendantwindow/pendantwindow.h"
#include "scenario/pendanthost.h"
#include "script/results.h"
#include "script/scriptrunner.h"
#include "tavlox/tavloxprovider.h"
#include "values.h"
#include "widgetdriver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

using cao::Value;
using namespace testing;

class TestScenario : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void gesturesComeOutAsTheWindowsOwn_data();
    void gesturesComeOutAsTheWindowsOwn();
    void handlersAnswer_data();
    void handlersAnswer();
    void silenceEndsOnTime();
    void stateAfterEachRequest();
    void handlerSeesARequestBeforeExpectRequestReturnsIt();
    void misbehavingScenarioLeavesThePendantAnswering_data();
    void misbehavingScenarioLeavesThePendantAnswering();

private:
    // Starts the scenario; it runs while the test goes on. Finished() on the runner tells the status.
    script::ScriptRunner &play(const QString &source, int timeoutSeconds = 20);
    [[nodiscard]] QStringList messages() const { return m_messages; }
    // Runs a command; "ok", or the failure's status and description.
    QString execute(const QString &command, const Value &parameter);

    QTemporaryDir m_folder;
    std::unique_ptr<pendant::PendantDevice> m_device;
    std::unique_ptr<scenario::PendantHost> m_host;
    std::unique_ptr<script::ScriptRunner> m_runner;
    std::unique_ptr<cao::ScopedProviderRegistration> m_registration;
    cao::Engine m_engine;
    std::shared_ptr<cao::Controller> m_controller;
    QStringList m_messages;
};

void TestScenario::init()
{
    m_messages.clear();
    m_device = std::make_unique<pendant::PendantDevice>();
    m_host = std::make_unique<scenario::PendantHost>(*m_device);
    m_registration = std::make_unique<cao::ScopedProviderRegistration>(
        QString::fromLatin1(tavlox::ProgrammaticId), std::make_shared<tavlox::TavloxProvider>([this](const tavlox::ConnectionOptions &) {
            return std::make_unique<tavlox::InProcessLink>(m_device.get());
        }));
    m_controller = m_engine.Workspaces().Item(0)->AddController(
        QStringLiteral("Tavlox"), QString::fromLatin1(tavlox::ProgrammaticId), QString(),
        QStringLiteral("Port=1,KeyboardMode=0,MouseMode=0,TPInitWait=600000,ExecuteTimeout=300"));
    for (const char *name : {"@Enabled", "@DblClickSpeed", "@PressHoldTime", "@DeadRangeX1", "@DeadRangeY1", "@DeadRangeX2", "@DeadRangeY2"})
        (void)m_controller->AddVariable(QString::fromLatin1(name), QString());
    // Two clicks one after the other at the same place stay two clicks.
    m_controller->Variables().Item(QStringLiteral("@DblClickSpeed"))->setValue(Value::i4(0));
    connect(m_controller.get(), &cao::Controller::OnMessage, this, [this](const std::shared_ptr<cao::Message> &message) {
        m_messages << QStringLiteral("%1 %2").arg(message->Number()).arg(message->Value().describe());
    });
}

void TestScenario::cleanup()
{
    if (m_runner && m_runner->running()) {
        QSignalSpy finished(m_runner.get(), &script::ScriptRunner::finished);
        m_runner->stop(QStringLiteral("the test ended"));
        finished.wait(5000);
    }
    m_runner.reset();
    m_host.reset();
    m_controller.reset();
    m_registration.reset();
    m_device.reset();
}

script::ScriptRunner &TestScenario::play(const QString &source, int timeoutSeconds)
{
    const QString path = m_folder.filePath(QStringLiteral("scenario.js"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(source.toUtf8());
    file.close();
    m_runner = std::make_unique<script::ScriptRunner>(script::ScriptOptions{path, QString(), timeoutSeconds, {}, {}});
    m_runner->addHost(std::shared_ptr<script::ScriptHost>(m_host.get(), [](script::ScriptHost *) {}));
    m_runner->start();
    return *m_runner;
}

QString TestScenario::execute(const QString &command, const Value &parameter)
{
    const auto failure = failureOf([&] { (void)m_controller->Execute(command, parameter); });
    return failure ? QStringLiteral("%1 %2").arg(failure->status(), 0, 16).arg(failure->description()) : QStringLiteral("ok");
}

void TestScenario::gesturesComeOutAsTheWindowsOwn_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<std::function<void(pendantwindow::PendantWindow &)>>("byHand");
    QTest::newRow("a key") << "pendant.press('F1', 30);" << std::function<void(pendantwindow::PendantWindow &)>([](pendantwindow::PendantWindow &window) {
        click(child<QPushButton>(&window, QStringLiteral("key(21)")));
    });
    QTest::newRow("a miniTP key") << "pendant.press('miniTP Stop', 30);"
                                  << std::function<void(pendantwindow::PendantWindow &)>([](pendantwindow::PendantWindow &window) {
                                         click(child<QPushButton>(&window, QStringLiteral("key(66)")));
                                     });
    const auto clickF1F2 = std::function<void(pendantwindow::PendantWindow &)>([](pendantwindow::PendantWindow &window) {
        click(child<QPushButton>(&window, QStringLiteral("key(21)")));
        click(child<QPushButton>(&window, QStringLiteral("key(22)")));
    });
    QTest::newRow("a list of keys, held") << "pendant.press(['F1', 'F2'], 20);" << clickF1F2;
    QTest::newRow("a list of keys, in one go") << "pendant.press(['F1', 'F2'], 0);" << clickF1F2;
    QTest::newRow("a touch") << "pendant.touch(40, 30, 30);" << std::function<void(pendantwindow::PendantWindow &)>([](pendantwindow::PendantWindow &window) {
        QTest::mouseClick(child<QWidget>(&window, QStringLiteral("lcd")), Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
    });
    QTest::newRow("a drag") << "pendant.drag([[10, 10], [60, 40], [120, 90]], 40);"
                            << std::function<void(pendantwindow::PendantWindow &)>([](pendantwindow::PendantWindow &window) {
                                   QWidget *lcd = child<QWidget>(&window, QStringLiteral("lcd"));
                                   QTest::mousePress(lcd, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
                                   for (const QPoint point : {QPoint(60, 40), QPoint(120, 90)}) {
                                       QMouseEvent move(QEvent::MouseMove, point, lcd->mapToGlobal(point), Qt::NoButton,
                                                        Qt::LeftButton, Qt::NoModifier);
                                       QApplication::sendEvent(lcd, &move);
                                   }
                                   QTest::mouseRelease(lcd, Qt::LeftButton, Qt::NoModifier, QPoint(120, 90));
                               });
    QTest::newRow("an LCD text") << "pendant.lcdText('日本語 ok');"
                                 << std::function<void(pendantwindow::PendantWindow &)>([](pendantwindow::PendantWindow &window) {
                                        typeInto(&window, QStringLiteral("lcdText"), QStringLiteral("日本語 ok"));
                                        click(&window, QStringLiteral("reportLcdText"));
                                    });
}

void TestScenario::gesturesComeOutAsTheWindowsOwn()
{
    QFETCH(QString, scenario);
    QFETCH(std::function<void(pendantwindow::PendantWindow &)>, byHand);
    QSignalSpy finished(&play(scenario), &script::ScriptRunner::finished);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().first().toInt(), int(script::AllPassed));
    // A text reported after the gesture comes after all its messages.
    m_device->sendLcdText(QStringLiteral("end"));
    const QString end = QStringLiteral("258 VT_BSTR \"end\"");
    QTRY_VERIFY(messages().contains(end));
    const QStringList played = messages().mid(0, messages().indexOf(end));
    QVERIFY(!played.isEmpty());
    m_messages.clear();
    pendantwindow::PendantWindow window(*m_device);
    window.show();
    byHand(window);
    QTRY_COMPARE(messages(), played);
}

void TestScenario::handlersAnswer_data()
{
    QTest::addColumn<QString>("handler");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<bool>("carriedOut");
    QTest::newRow("nothing: as usual") << "function () {}" << "ok" << true;
    QTest::newRow("refuse") << "function (r) { return {refuse: 'not LED ' + r.numbers[0]}; }"
                            << "80070057 The pendant refused \"LED\": not LED 3" << false;
    QTest::newRow("answer late, in time") << "function () { return {delayMs: 100}; }" << "ok" << true;
    QTest::newRow("answer too late") << "function () { return {delayMs: 600}; }"
                                     << "800705b4 The pendant did not answer \"LED\" within 300 ms" << false;
    QTest::newRow("refuse late, in time") << "function () { return {refuse: 'late', delayMs: 100}; }"
                                          << "80070057 The pendant refused \"LED\": late" << false;
    QTest::newRow("refuse too late") << "function () { return {refuse: 'late', delayMs: 600}; }"
                                     << "800705b4 The pendant did not answer \"LED\" within 300 ms" << false;
    QTest::newRow("ignore") << "function () { return {ignore: true}; }"
                            << "800705b4 The pendant did not answer \"LED\" within 300 ms" << false;
    QTest::newRow("a throw: as usual") << "function () { throw new Error('oops'); }" << "ok" << true;
    QTest::newRow("the request as the handler sees it")
        << "function (r) { if (r.kind !== 'LED' || r.numbers.join() !== '3,1' || r.items.length !== 0) return {refuse: JSON.stringify(r)}; }"
        << "ok" << true;
}

void TestScenario::handlersAnswer()
{
    QFETCH(QString, handler);
    QFETCH(QString, outcome);
    QFETCH(bool, carriedOut);
    play(QStringLiteral("pendant.on('LED', %1);\nsleep(60000);").arg(handler));
    QTRY_VERIFY(m_host->decides(protocol::RequestKind::Led));
    QCOMPARE(execute(QStringLiteral("LED"), Value::array({Value::text(QStringLiteral("3")), Value::i2(1)})), outcome);
    QTRY_COMPARE_WITH_TIMEOUT(m_device->led(3) == protocol::LedMode::On, carriedOut, 1000);
    QCOMPARE(execute(QStringLiteral("Beep"), Value::text(QStringLiteral("5"))), QStringLiteral("ok")); // no handler: at once
}

void TestScenario::silenceEndsOnTime()
{
    QSignalSpy finished(&play(QStringLiteral("pendant.silent(400);")), &script::ScriptRunner::finished);
    QTRY_VERIFY(!m_device->isConnected());
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(execute(QStringLiteral("Beep"), Value::text(QStringLiteral("5"))).left(8), QStringLiteral("800705b4"));
    QTRY_VERIFY_WITH_TIMEOUT(m_device->isConnected(), 2000);
    QVERIFY2(clock.elapsed() >= 250 && clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(execute(QStringLiteral("Beep"), Value::text(QStringLiteral("5"))), QStringLiteral("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000);
}

// Each request kind, then the readers that tell what it did; the scenario itself checks and reports.
void TestScenario::stateAfterEachRequest()
{
    const QString png = m_folder.filePath(QStringLiteral("lcd.png"));
    QSignalSpy finished(&play(QStringLiteral(R"(
pendant.on('Beep', function () {}); // the test begins once this is in place
test('state', function () {
    var kinds = ['Beep', 'LED', 'LED', 'Backlight', 'SetKeyState', 'DrawMiniTP'];
    kinds.forEach(function (kind) { pendant.expectRequest(kind, 5000); });
    check(pendant.beeps.join() === '120', 'beeps: ' + pendant.beeps);
    check(pendant.led(2) === 1 && pendant.led(7) === 2 && pendant.led(1) === 0, 'LEDs');
    check(pendant.backlight === false, 'backlight');
    check(pendant.keyState().join() === '0,0,0,0,0,0,0,32768', 'key state: ' + pendant.keyState());
    check(pendant.lcdPixel(50, 20) === '#ff0000' && pendant.lcdPixel(50, 21) !== '#ff0000', 'the red line: ' + pendant.lcdPixel(50, 20));
    pendant.saveLcd('%1');
});
)")
                                               .arg(png)),
                             &script::ScriptRunner::finished);
    QTRY_VERIFY(m_host->decides(protocol::RequestKind::Beep));
    QCOMPARE(execute(QStringLiteral("Beep"), Value::text(QStringLiteral("120"))), QStringLiteral("ok"));
    QCOMPARE(execute(QStringLiteral("LED"), Value::array({Value::text(QStringLiteral("2")), Value::i2(1)})), QStringLiteral("ok"));
    QCOMPARE(execute(QStringLiteral("LED"), Value::array({Value::text(QStringLiteral("7")), Value::i2(2)})), QStringLiteral("ok"));
    QCOMPARE(execute(QStringLiteral("Backlight"), Value::boolean(false)), QStringLiteral("ok"));
    QCOMPARE(execute(QStringLiteral("SetKeyState"), texts({"0", "0", "0", "0", "0", "0", "0", "32768"})), QStringLiteral("ok"));
    const Value drawing = Value::array({Value::array({Value::i4(16), texts({"#FF0000", "", "", "", ""})}),
                                        Value::array({Value::i4(48), texts({"10", "20", "100", "20", ""})})});
    QCOMPARE(execute(QStringLiteral("DrawMiniTP"), drawing), QStringLiteral("ok"));
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().first().toInt(), int(script::AllPassed));
    QCOMPARE(QImage(png).pixel(50, 20), QColor(Qt::red).rgb());
}

void TestScenario::handlerSeesARequestBeforeExpectRequestReturnsIt()
{
    QSignalSpy finished(&play(QStringLiteral(R"(
var seen = 0;
pendant.on('*', function () { ++seen; });
test('order', function () {
    for (var k = 1; k <= 30; ++k) {
        pendant.expectRequest('GetKeyState', 5000);
        check(seen === k, 'request ' + k + ' returned before its handler ran');
    }
});
)")),
                             &script::ScriptRunner::finished);
    QTRY_VERIFY(m_host->decides(protocol::RequestKind::GetKeyState));
    for (int k = 0; k < 30; ++k)
        QCOMPARE(execute(QStringLiteral("GetKeyState"), Value::missing()), QStringLiteral("ok"));
    QVERIFY(!finished.isEmpty() || finished.wait(10000));
    QCOMPARE(finished.first().first().toInt(), int(script::AllPassed));
}

void TestScenario::misbehavingScenarioLeavesThePendantAnswering_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("status");
    QTest::newRow("a handler that never returns") << "pendant.on('LED', function () { while (true) {} });\nsleep(60000);"
                                                  << int(script::StoppedEarly);
    QTest::newRow("a loop that never waits") << "pendant.on('LED', function () {});\nwhile (true) {}" << int(script::StoppedEarly);
    QTest::newRow("a handler that throws") << "pendant.on('LED', function () { throw new Error('x'); });\nsleep(500);"
                                           << int(script::ScriptError);
}

// The handled kind waits for the scenario (as it asked), the others are answered at once; the time-out ends the
// scenario, and then the pendant answers everything as usual.
void TestScenario::misbehavingScenarioLeavesThePendantAnswering()
{
    QFETCH(QString, source);
    QFETCH(int, status);
    QSignalSpy finished(&play(source, 1), &script::ScriptRunner::finished);
    QTRY_VERIFY(m_host->decides(protocol::RequestKind::Led));
    (void)execute(QStringLiteral("LED"), Value::array({Value::text(QStringLiteral("1")), Value::i2(1)}));
    QCOMPARE(execute(QStringLiteral("GetKeyState"), Value::missing()), QStringLiteral("ok"));
    QCOMPARE(execute(QStringLiteral("Beep"), Value::text(QStringLiteral("5"))), QStringLiteral("ok"));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().first().toInt(), status);
    QCOMPARE(execute(QStringLiteral("LED"), Value::array({Value::text(QStringLiteral("2")), Value::i2(1)})), QStringLiteral("ok"));
    QCOMPARE(m_device->led(2), protocol::LedMode::On);
}

QTEST_MAIN(TestScenario)
#include "tst_scenario.moc"

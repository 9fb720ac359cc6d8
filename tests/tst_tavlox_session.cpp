// The provider against the simulated pendant: commands, their checks and echoes, input, variables, wiring checks.
#include "cao/engine.h"
#include "cao/failure.h"
#include "cao/status.h"
#include "pendant/pendantdevice.h"
#include "tavlox/tavloxprovider.h"
#include "values.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using cao::Value;
using testing::failureOf;
using testing::texts;

namespace {
struct Raised
{
    qint32 number;
    QString value;
};

class RecordingInjector : public tavlox::InputInjector
{
public:
    QStringList events;
    void key(int virtualKey, int modifierMask, bool down) override
    {
        events << QStringLiteral("key %1 %2 %3").arg(virtualKey).arg(modifierMask).arg(down ? "down" : "up");
    }
    void mouse(int x, int y, tavlox::MouseAction action) override
    {
        events << QStringLiteral("mouse %1 %2 %3").arg(x).arg(y).arg(int(action));
    }
};

Value drawing(std::initializer_list<std::pair<int, QStringList>> items)
{
    Value::Array array;
    for (const auto &[code, parameters] : items)
        array << Value::array({Value::i4(code), texts(parameters)});
    return Value::array(array);
}
} // namespace

// One provider, one pendant, one controller on the given options.
class ProviderRig : public QObject
{
public:
    explicit ProviderRig(const QString &options = QStringLiteral("Port=1,TPInitWait=60000,ExecuteTimeout=200"))
        : registration(QString::fromLatin1(tavlox::ProgrammaticId),
                       std::make_shared<tavlox::TavloxProvider>(
                           [this](const tavlox::ConnectionOptions &) { return std::make_unique<tavlox::InProcessLink>(&device); },
                           &injector))
    {
        controller = engine.Workspaces().Item(0)->AddController(QStringLiteral("Tavlox"),
                                                                QString::fromLatin1(tavlox::ProgrammaticId), QString(), options);
        connect(controller.get(), &cao::Controller::OnMessage, this, [this](const std::shared_ptr<cao::Message> &message) {
            const Value value = message->Value();
            raised << Raised{message->Number(), value.describe()};
            if (message->Number() == 0 && answerWiringChecks)
                message->Answer(Value());
        });
        for (const char *name : {"@Enabled", "@DblClickSpeed", "@PressHoldTime", "@DeadRangeX1", "@DeadRangeY1",
                                 "@DeadRangeX2", "@DeadRangeY2"})
            (void)controller->AddVariable(QString::fromLatin1(name), QString());
    }
    QStringList messages() const
    {
        QStringList lines;
        for (const Raised &r : raised)
            lines << QStringLiteral("%1 %2").arg(r.number).arg(r.value);
        return lines;
    }

    pendant::PendantDevice device;
    RecordingInjector injector;
    cao::ScopedProviderRegistration registration;
    cao::Engine engine;
    std::shared_ptr<cao::Controller> controller;
    QList<Raised> raised;
    bool answerWiringChecks = true;
};

class TestTavloxSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void commandEchoes_data();
    void commandEchoes();
    void refusedParameters_data();
    void refusedParameters();
    void silentPendantTimesOut();
    void longDrawingIsDrawnWithinTheTimeout();
    void keyStateRoundTrip();
    void keysAsMessages();
    void keysAsKeyPresses_data();
    void keysAsKeyPresses();
    void keyMapThatIsAFifoFailsOpen();
    void touchesAsMouseInput();
    void panelMessagesFollowEnabled();
    void variables_data();
    void variables();
    void clientModeRefusesTuningAndDrawing();
    void wiringCheckAfterInitWaitAndSilence();
};

void TestTavloxSession::commandEchoes_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<Value>("parameter");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Beep") << "Beep" << Value::text(QStringLiteral("1000")) << QStringList{"256 VT_I4 1000"};
    QTest::newRow("LED on") << "LED" << Value::array({Value::text(QStringLiteral("1")), Value::i2(1)})
                            << QStringList{"257 [VT_I4 1, VT_I2 1]"};
    QTest::newRow("LED flash 8") << "LED" << Value::array({Value::text(QStringLiteral(" 8 ")), Value::i2(2)})
                                 << QStringList{"257 [VT_I4 8, VT_I2 2]"};
    QTest::newRow("Backlight off") << "Backlight" << Value::boolean(false) << QStringList{"260 VT_BOOL False"};
    QTest::newRow("DrawMiniTP")
        << "DrawMiniTP"
        << drawing({{16, {"#FF0000", "", "", "", ""}}, {48, {"0", "0", "10", "20", ""}}, {32, {"1", "2", "OK", "", ""}},
                    {56, {"2", "", "", "", ""}}})
        << QStringList{"259 [[VT_I4 16, VT_BSTR \"#FF0000\"], "
                       "[VT_I4 48, [VT_BSTR \"0\", VT_BSTR \"0\", VT_BSTR \"10\", VT_BSTR \"20\"]], "
                       "[VT_I4 32, [VT_BSTR \"1\", VT_BSTR \"2\", VT_BSTR \"OK\", VT_BSTR \"\", VT_BSTR \"\"]], "
                       "[VT_I4 56, VT_BSTR \"2\"]]"};
    QTest::newRow("empty drawing") << "DrawMiniTP" << Value::array({}) << QStringList{"259 []"};
    QTest::newRow("SetPanelState no echo") << "SetPanelState"
                                           << Value::array({Value::i2(1), Value::text(QStringLiteral("5")),
                                                            Value::text(QStringLiteral("6"))})
                                           << QStringList();
}

void TestTavloxSession::commandEchoes()
{
    QFETCH(QString, command);
    QFETCH(Value, parameter);
    QFETCH(QStringList, messages);
    ProviderRig rig;
    const Value result = rig.controller->Execute(command, parameter);
    QCOMPARE(result.vt(), quint16(cao::VT_EMPTY));
    QTRY_COMPARE(rig.messages(), messages);
}

void TestTavloxSession::refusedParameters_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<Value>("parameter");
    QTest::addColumn<QString>("named");
    QTest::newRow("drawing recall of an empty store") << "DrawMiniTP" << drawing({{114, {"3"}}}) << "store 3";
    QTest::newRow("unknown command") << "Dance" << Value() << "Unknown command";
}

void TestTavloxSession::refusedParameters()
{
    QFETCH(QString, command);
    QFETCH(Value, parameter);
    QFETCH(QString, named);
    ProviderRig rig;
    const QImage before = rig.device.lcd();
    const auto failure = failureOf([&] { (void)rig.controller->Execute(command, parameter); });
    QVERIFY2(failure, "a bad parameter was accepted");
    QVERIFY2(failure->status() == 0x80070057u || (command == QLatin1String("Dance") && failure->status() == 0x80020006u),
             qPrintable(QString::number(failure->status(), 16)));
    QVERIFY2(failure->description().contains(named), qPrintable(failure->description()));
    QTest::qWait(20);
    QCOMPARE(rig.messages(), QStringList());
    QCOMPARE(rig.device.lcd(), before);
}

// Ten thousand lines are drawn with time to spare: the pendant answers before the provider gives up.
void TestTavloxSession::longDrawingIsDrawnWithinTheTimeout()
{
    ProviderRig rig(QStringLiteral("Port=1,TPInitWait=60000,ExecuteTimeout=500"));
    Value::Array items;
    for (int i = 0; i < 10000; ++i) {
        const QString x = QString::number(i % 320), y = QString::number(i % 240);
        items << Value::array({Value::i4(48), texts({x, y, QStringLiteral("319"), QStringLiteral("239"), QString()})});
    }
    (void)rig.controller->Execute(QStringLiteral("DrawMiniTP"), Value::array(items));
    QCOMPARE(rig.device.lcd().pixel(319, 239), 0xFFFFFFFFu);
}

void TestTavloxSession::silentPendantTimesOut()
{
    ProviderRig rig(QStringLiteral("Port=1,TPInitWait=60000,ExecuteTimeout=80"));
    rig.device.setConnected(false);
    QElapsedTimer clock;
    clock.start();
    const auto failure = failureOf([&] { (void)rig.controller->Execute(QStringLiteral("Beep"), Value::text(QStringLiteral("10"))); });
    QVERIFY2(failure, "a silent pendant acknowledged");
    QCOMPARE(failure->status(), cao::status::Timeout);
    QVERIFY2(failure->description().contains(QStringLiteral("80 ms")), qPrintable(failure->description()));
    QVERIFY(clock.elapsed() >= 70);
    QVERIFY(clock.elapsed() < 2000);
    rig.device.setConnected(true);
    (void)rig.controller->Execute(QStringLiteral("Beep"), Value::text(QStringLiteral("10")));
    QTRY_COMPARE(rig.messages(), QStringList{"256 VT_I4 10"});
}

void TestTavloxSession::keyStateRoundTrip()
{
    ProviderRig rig;
    (void)rig.controller->Execute(QStringLiteral("SetKeyState"), texts({"1", "0", "0", "0", "32768", "0", "0", "3"}));
    QVERIFY(rig.device.isKeyDown(0));
    QVERIFY(rig.device.isKeyDown(79));
    QVERIFY(rig.device.isKeyDown(113));
    rig.device.pressKey(20);
    const Value state = rig.controller->Execute(QStringLiteral("GetKeyState"), Value::missing());
    QCOMPARE(state.describe(), QStringLiteral("[VT_I4 1, VT_I4 16, VT_I4 0, VT_I4 0, VT_I4 32768, VT_I4 0, VT_I4 0, VT_I4 3]"));
}

void TestTavloxSession::keysAsMessages()
{
    ProviderRig rig(QStringLiteral("Port=1,KeyboardMode=0,TPInitWait=60000"));
    rig.device.pressKey(14);
    rig.device.releaseKey(14);
    QTRY_COMPARE(rig.messages(), (QStringList{"1 VT_I4 14", "3 VT_I4 14", "2 VT_I4 14"}));
    QVERIFY(rig.injector.events.isEmpty());
}

void TestTavloxSession::keysAsKeyPresses_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("default map: OK is Enter, J1- is Ctrl+keypad 1")
        << 1 << QByteArray() << QStringList{"key 13 0 down", "key 13 0 up", "key 97 2 down", "key 97 2 up"};
    QByteArray file(256, '\0');
    file[28] = 'A'; // slot 14 (OK): 65
    file[82] = 'B';
    file[83] = '\x01'; // slot 41 (J1 -): Shift + 66
    QTest::newRow("vkey.dat") << 2 << file << QStringList{"key 65 0 down", "key 65 0 up", "key 66 1 down", "key 66 1 up"};
    QTest::newRow("short vkey.dat: unbound keys do nothing")
        << 2 << QByteArray("\0\0", 2) << QStringList();
}

void TestTavloxSession::keysAsKeyPresses()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, events);
    const QString previous = QDir::currentPath();
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    if (!file.isEmpty()) {
        QFile out(QStringLiteral("vkey.dat"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    {
        ProviderRig rig(QStringLiteral("Port=1,KeyboardMode=%1,TPInitWait=60000").arg(mode));
        for (int key : {14, 41}) {
            rig.device.pressKey(key);
            rig.device.releaseKey(key);
        }
        QTest::qWait(20);
        QCOMPARE(rig.injector.events, events);
        QCOMPARE(rig.messages(), QStringList());
    }
    QDir::setCurrent(previous);
}

void TestTavloxSession::keyMapThatIsAFifoFailsOpen()
{
    const QString previous = QDir::currentPath();
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QCOMPARE(mkfifo("vkey.dat", 0600), 0); // nobody writes it: opening it the plain way would wait for ever
    const auto failure = failureOf([] { ProviderRig rig(QStringLiteral("Port=1,KeyboardMode=2,TPInitWait=60000")); });
    const QString why = failure ? failure->description() : QString();
    QDir::setCurrent(previous);
    QVERIFY2(why.contains(QLatin1String("\"vkey.dat\"")) && why.contains(QLatin1String("not a regular file")), qPrintable(why));
}

void TestTavloxSession::touchesAsMouseInput()
{
    ProviderRig rig(QStringLiteral("Port=1,MouseMode=1,TPInitWait=60000"));
    rig.device.touchDown(10, 20);
    rig.device.touchMove(30, 40);
    rig.device.touchUp(30, 40);
    QCOMPARE(rig.injector.events, (QStringList{"mouse 10 20 1", "mouse 30 40 0", "mouse 30 40 2"}));
    QTest::qWait(20);
    QCOMPARE(rig.messages(), QStringList());
}

void TestTavloxSession::panelMessagesFollowEnabled()
{
    ProviderRig rig;
    rig.device.touchDown(10, 20);
    rig.device.touchUp(11, 20);
    QTRY_COMPARE(rig.messages(), (QStringList{"4 [VT_I4 10, VT_I4 20]", "5 [VT_I4 11, VT_I4 20]", "6 [VT_I4 10, VT_I4 20]"}));
    rig.raised.clear();
    rig.controller->Variables().Item(QStringLiteral("@Enabled"))->setValue(Value::boolean(false));
    rig.device.touchDown(10, 20);
    rig.device.touchUp(10, 20);
    QTest::qWait(20);
    QCOMPARE(rig.messages(), QStringList());
}

void TestTavloxSession::variables_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Value>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("Enabled false") << "@Enabled" << Value::boolean(false) << true;
    QTest::newRow("Enabled as integer") << "@Enabled" << Value::i4(0) << false;
    QTest::newRow("DblClickSpeed 250") << "@DblClickSpeed" << Value::i4(250) << true;
    QTest::newRow("PressHoldTime as 16-bit") << "@PressHoldTime" << Value::i2(700) << true;
    QTest::newRow("negative time") << "@PressHoldTime" << Value::i4(-1) << false;
    QTest::newRow("time as text") << "@DblClickSpeed" << Value::text(QStringLiteral("250")) << false;
    QTest::newRow("dead range 10") << "@DeadRangeY2" << Value::i4(10) << true;
}

void TestTavloxSession::variables()
{
    QFETCH(QString, name);
    QFETCH(Value, value);
    QFETCH(bool, accepted);
    ProviderRig rig;
    auto variable = rig.controller->Variables().Item(name);
    const Value before = variable->Value();
    const auto failure = failureOf([&] { variable->setValue(value); });
    if (accepted) {
        if (failure)
            QFAIL(qPrintable(failure->description()));
        QCOMPARE(variable->Value().toText(), value.toText());
    } else {
        QVERIFY2(failure, "the write was accepted");
        QVERIFY(failure->description().contains(name));
        QCOMPARE(variable->Value(), before);
    }
    QVERIFY_THROWS_EXCEPTION(cao::Failure, rig.controller->AddVariable(QStringLiteral("@Speed"), QString()));
}

void TestTavloxSession::clientModeRefusesTuningAndDrawing()
{
    ProviderRig rig(QStringLiteral("Port=1,TPInitWait=60000, TPClient"));
    QVERIFY_THROWS_EXCEPTION(cao::Failure,
                             rig.controller->Variables().Item(QStringLiteral("@DblClickSpeed"))->setValue(Value::i4(100)));
    QVERIFY_THROWS_EXCEPTION(cao::Failure, rig.controller->Execute(QStringLiteral("DrawMiniTP"), Value::array({})));
    rig.controller->Variables().Item(QStringLiteral("@Enabled"))->setValue(Value::boolean(true));
    (void)rig.controller->Execute(QStringLiteral("SetPanelState"),
                                    Value::array({Value::i2(1), Value::text(QStringLiteral("1")), Value::text(QStringLiteral("2"))}));
    QVERIFY(rig.device.panelForced());
    QCOMPARE(rig.device.forcedTouch(), QPoint(1, 2));
}

void TestTavloxSession::wiringCheckAfterInitWaitAndSilence()
{
    ProviderRig rig(QStringLiteral("Port=1,TPInitWait=30,TPLessInterval=500"));
    rig.device.setHeartbeatInterval(20);
    QTest::ignoreMessage(QtInfoMsg, "CheckWired 1 answered"); // the trace records the application's answer
    QTRY_COMPARE_WITH_TIMEOUT(rig.messages(), QStringList{"0 VT_I4 1"}, 2000);
    // the pendant's heartbeat keeps it from being silent; a disconnected pendant goes silent
    QTest::qWait(800);
    QCOMPARE(rig.messages().size(), 1);
    rig.device.setConnected(false);
    rig.answerWiringChecks = false;
    QTRY_COMPARE_WITH_TIMEOUT(rig.messages().size(), 2, 3000);
    QCOMPARE(rig.messages().last(), QStringLiteral("0 VT_I4 2"));
}

QTEST_MAIN(TestTavloxSession)
#include "tst_tavlox_session.moc"

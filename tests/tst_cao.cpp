// The engine stand-in: value types, failures, the controller's life and how messages travel.
#include "cao/engine.h"
#include "cao/status.h"
#include "recordingprovider.h"
#include "values.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

using cao::Value;

class TestCao : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void valueTypesAndText_data();
    void valueTypesAndText();
    void valuesWithoutTextForm_data();
    void valuesWithoutTextForm();
    void arrayIndexOutsideBoundsFails();
    void unknownProviderFailsClearly();
    void refusedOpenLeavesNothingBehind();
    void messagesWaitForTheEndOfAnEngineCall();
    void messagesAreNotRaisedInsideAHandler();
    void messageRaisedWhileOpeningIsDelivered();
    void removedControllerIsStoppedForGood();
    void removeWithBadIndexFails();
    void callsAreTraced();

private:
    static std::shared_ptr<cao::Controller> addController(cao::Engine &engine)
    {
        return engine.Workspaces().Item(0)->AddController(QStringLiteral("Tavlox"),
                                                          QStringLiteral("CaoProv.KAVRO.Tavlox"), QString(),
                                                          QStringLiteral("Port=1"));
    }
};

void TestCao::valueTypesAndText_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<int>("vt");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << Value() << 0 << QString();
    QTest::newRow("i2") << Value::i2(-7) << 2 << QStringLiteral("-7");
    QTest::newRow("i4") << Value::i4(2147483647) << 3 << QStringLiteral("2147483647");
    QTest::newRow("true") << Value::boolean(true) << 11 << QStringLiteral("True");
    QTest::newRow("false") << Value::boolean(false) << 11 << QStringLiteral("False");
    QTest::newRow("text unchanged") << Value::text(QStringLiteral(" a,b ")) << 8 << QStringLiteral(" a,b ");
}

void TestCao::valueTypesAndText()
{
    QFETCH(Value, value);
    QFETCH(int, vt);
    QFETCH(QString, text);
    QCOMPARE(value.vt(), vt);
    QCOMPARE(value.toText(), text);
}

void TestCao::valuesWithoutTextForm_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<int>("vt");
    QTest::newRow("array") << Value::array({Value::i2(1)}) << 0x200C;
    QTest::newRow("missing argument") << Value::missing() << 10;
}

void TestCao::valuesWithoutTextForm()
{
    QFETCH(Value, value);
    QFETCH(int, vt);
    QCOMPARE(value.vt(), vt);
    const auto failure = testing::failureOf([&] { (void)value.toText(); });
    QVERIFY2(failure, "a value without text form was converted");
    QCOMPARE(failure->status(), cao::status::TypeMismatch);
}

void TestCao::arrayIndexOutsideBoundsFails()
{
    const Value array = Value::array({Value::i2(1), Value::i2(2)});
    QCOMPARE(array.at(1), Value::i2(2));
    QVERIFY_THROWS_EXCEPTION(cao::Failure, (void)array.at(2));
    QVERIFY_THROWS_EXCEPTION(cao::Failure, (void)array.at(-1));
    QVERIFY_THROWS_EXCEPTION(cao::Failure, (void)Value::text(QStringLiteral("x")).at(0));
    QCOMPARE(Value::missing().errorCode(), 0x80020004u);

    // Indexes follow the lower bound; the trace shows a bound that is not 0.
    const Value fromOne = Value::array({Value::i2(1), Value::i2(2)}, 1);
    QCOMPARE(fromOne.at(1), Value::i2(1));
    QCOMPARE(fromOne.at(2), Value::i2(2));
    QVERIFY_THROWS_EXCEPTION(cao::Failure, (void)fromOne.at(0));
    QVERIFY_THROWS_EXCEPTION(cao::Failure, (void)fromOne.at(3));
    QCOMPARE(fromOne.upperBound(), 2);
    QCOMPARE(fromOne.describe(), QStringLiteral("[lower bound 1: VT_I2 1, VT_I2 2]"));
    QCOMPARE(array.describe(), QStringLiteral("[VT_I2 1, VT_I2 2]"));
    QVERIFY(fromOne != Value::array({Value::i2(1), Value::i2(2)}));
}

void TestCao::unknownProviderFailsClearly()
{
    cao::Engine engine;
    const auto failure = testing::failureOf([&] {
        (void)engine.Workspaces().Item(0)->AddController(QStringLiteral("Tavlox"), QStringLiteral("No.Such.Provider"),
                                                         QString(), QString());
    });
    QVERIFY2(failure, "AddController succeeded without a provider");
    QCOMPARE(failure->status(), cao::status::UnknownProvider);
    QVERIFY2(failure->description().contains(QStringLiteral("No.Such.Provider")), qPrintable(failure->description()));
    QCOMPARE(engine.Workspaces().Item(0)->Controllers().Count(), 0);
}

void TestCao::refusedOpenLeavesNothingBehind()
{
    testing::RecordingProviderScope provider;
    provider->openFailure = cao::Failure(cao::status::InvalidArgument, QStringLiteral("bad option"));
    cao::Engine engine;
    QVERIFY_THROWS_EXCEPTION(cao::Failure, addController(engine));
    QCOMPARE(engine.Workspaces().Item(0)->Controllers().Count(), 0);
    QCOMPARE(provider->sessionsOpen, 0);
}

void TestCao::messagesWaitForTheEndOfAnEngineCall()
{
    testing::RecordingProviderScope provider;
    cao::Engine engine;
    auto controller = addController(engine);
    QList<qint32> received;
    bool insideExecute = false;
    bool deliveredInsideExecute = false;
    connect(controller.get(), &cao::Controller::OnMessage, this, [&](const std::shared_ptr<cao::Message> &message) {
        received << message->Number();
        deliveredInsideExecute |= insideExecute;
    });
    provider->executeResult = [&](const QString &, const Value &) {
        provider->sink->raise(256, Value::text(QStringLiteral("1000")));
        QCoreApplication::processEvents(); // a provider waiting for its device runs the event loop
        return Value();
    };
    insideExecute = true;
    (void)controller->Execute(QStringLiteral("Beep"), Value::text(QStringLiteral("1000")));
    insideExecute = false;
    QVERIFY(received.isEmpty());
    QTRY_COMPARE(received, QList<qint32>{256});
    QVERIFY(!deliveredInsideExecute);
}

void TestCao::messagesAreNotRaisedInsideAHandler()
{
    testing::RecordingProviderScope provider;
    cao::Engine engine;
    auto controller = addController(engine);
    int depth = 0;
    int deepest = 0;
    QList<qint32> order;
    connect(controller.get(), &cao::Controller::OnMessage, this, [&](const std::shared_ptr<cao::Message> &message) {
        ++depth;
        deepest = std::max(deepest, depth);
        order << message->Number();
        if (message->Number() == 1) {
            provider->sink->raise(2, Value::i4(5));
            QCoreApplication::processEvents();
        }
        --depth;
    });
    provider->sink->raise(1, Value::i4(5));
    provider->sink->raise(3, Value::i4(5));
    QTRY_COMPARE(order.size(), 3);
    QCOMPARE(order, (QList<qint32>{1, 3, 2}));
    QCOMPARE(deepest, 1);
}

void TestCao::messageRaisedWhileOpeningIsDelivered()
{
    testing::RecordingProviderScope provider;
    provider->onOpen = [](cao::MessageSink &sink) { sink.raise(0, Value::i4(1)); };
    cao::Engine engine;
    auto controller = addController(engine);
    QSignalSpy messages(controller.get(), &cao::Controller::OnMessage);
    QVERIFY(messages.wait(1000));
    QCOMPARE(messages.first().first().value<std::shared_ptr<cao::Message>>()->Number(), 0);
}

void TestCao::removedControllerIsStoppedForGood()
{
    testing::RecordingProviderScope provider;
    cao::Engine engine;
    auto controller = addController(engine);
    QSignalSpy messages(controller.get(), &cao::Controller::OnMessage);
    auto variable = controller->AddVariable(QStringLiteral("@Enabled"), QString());
    cao::MessageSink *sink = provider->sink;
    sink->raise(1, Value::i4(1)); // pending when the controller goes
    auto &controllers = engine.Workspaces().Item(0)->Controllers();
    controllers.Remove(controller->Index());
    QCOMPARE(controllers.Count(), 0);
    QCOMPARE(provider->sessionsOpen, 0);
    QVERIFY(controller->isStopped());
    const auto failure = testing::failureOf([&] { (void)controller->Execute(QStringLiteral("Beep"), Value::text(QStringLiteral("1"))); });
    QVERIFY2(failure, "a removed controller executed a command");
    QCOMPARE(failure->status(), cao::status::Disconnected);
    QVERIFY_THROWS_EXCEPTION(cao::Failure, variable->setValue(Value::boolean(true)));
    QVERIFY_THROWS_EXCEPTION(cao::Failure, (void)controller->Index());
    controller->raise(2, Value::i4(2));
    QTest::qWait(20);
    QCOMPARE(messages.count(), 0);
}

void TestCao::removeWithBadIndexFails()
{
    testing::RecordingProviderScope provider;
    cao::Engine engine;
    auto controller = addController(engine);
    auto &controllers = engine.Workspaces().Item(0)->Controllers();
    QVERIFY_THROWS_EXCEPTION(cao::Failure, controllers.Remove(1));
    QVERIFY_THROWS_EXCEPTION(cao::Failure, (void)engine.Workspaces().Item(1));
    QCOMPARE(controllers.Count(), 1);
    QVERIFY(!controller->isStopped());
}

namespace {
QStringList *capturedTrace = nullptr;
void captureTrace(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (capturedTrace && QLatin1String(context.category) == QLatin1String("zandorex.cao"))
        capturedTrace->append(message);
}
} // namespace

void TestCao::callsAreTraced()
{
    testing::RecordingProviderScope provider;
    cao::Engine engine;
    auto controller = addController(engine);
    QStringList trace;
    capturedTrace = &trace;
    QLoggingCategory::setFilterRules(QStringLiteral("zandorex.cao.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(captureTrace);
    (void)controller->Execute(QStringLiteral("LED"), Value::array({Value::text(QStringLiteral("1")), Value::i2(1)}));
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    capturedTrace = nullptr;
    const QString joined = trace.join(QLatin1Char('\n'));
    QVERIFY2(joined.contains(QStringLiteral("Controller.Execute Tavlox \"LED\" [VT_BSTR \"1\", VT_I2 1]")),
             qPrintable(joined));
}

QTEST_GUILESS_MAIN(TestCao)
#include "tst_cao.moc"

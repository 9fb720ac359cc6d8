// What every pendant link must do, run unchanged against each link: the link is named on the command line.
#include "cao/engine.h"
#include "cao/failure.h"
#include "cao/status.h"
#include "linkrig.h"
#include "values.h"
#include "tavlox/tavloxprovider.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>

using cao::Value;
using testing::LinkRig;

using testing::failureOf;
using testing::texts;

class TestLinkContract : public QObject
{
    Q_OBJECT
public:
    explicit TestLinkContract(QString kind) : m_kind(std::move(kind)) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void everyRequestKindIsAnswered_data();
    void everyRequestKindIsAnswered();
    void keyStateRoundTrip();
    void inputArrivesInOrder();
    void silentPendantTimesOutOnTime();
    void lateReplyIsNotTakenForTheNext();
    void repeatedReplyIsNotTakenForTheNext();
    void wiringCheckAfterSilenceAndRecovery();

private:
    void open(const QString &settings);
    QStringList messages() const { return m_messages; }

    QString m_kind;
    std::unique_ptr<LinkRig> m_rig;
    std::unique_ptr<cao::ScopedProviderRegistration> m_registration;
    std::unique_ptr<cao::Engine> m_engine;
    std::shared_ptr<cao::Controller> m_controller;
    QStringList m_messages;
    QObject m_context;
};

void TestLinkContract::init()
{
    m_rig = testing::makeLinkRig(m_kind);
    QVERIFY2(m_rig->problem().isEmpty(), qPrintable(m_rig->problem()));
    m_rig->pendant.device.setHeartbeatInterval(50);
    m_registration = std::make_unique<cao::ScopedProviderRegistration>(
        QString::fromLatin1(tavlox::ProgrammaticId),
        std::make_shared<tavlox::TavloxProvider>(
            [this](const tavlox::ConnectionOptions &options) { return m_rig->makeLink(options); }));
    m_engine = std::make_unique<cao::Engine>();
    m_messages.clear();
}

void TestLinkContract::cleanup()
{
    m_controller.reset();
    m_engine.reset();
    m_registration.reset();
    m_rig.reset();
}

void TestLinkContract::open(const QString &settings)
{
    m_controller = m_engine->Workspaces().Item(0)->AddController(
        QStringLiteral("Tavlox"), QString::fromLatin1(tavlox::ProgrammaticId), QString(),
        m_rig->linkOption() + QStringLiteral(",KeyboardMode=0,MouseMode=0,") + settings);
    connect(m_controller.get(), &cao::Controller::OnMessage, &m_context,
            [this](const std::shared_ptr<cao::Message> &message) {
                m_messages << QStringLiteral("%1 %2").arg(message->Number()).arg(message->Value().describe());
                if (message->Number() == 0)
                    message->Answer(Value());
            });
}

void TestLinkContract::everyRequestKindIsAnswered_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<Value>("parameter");
    QTest::addColumn<QString>("echo");
    QTest::newRow("Beep") << "Beep" << Value::text(QStringLiteral("250")) << "256 VT_I4 250";
    QTest::newRow("LED") << "LED" << Value::array({Value::text(QStringLiteral("8")), Value::i2(2)})
                         << "257 [VT_I4 8, VT_I2 2]";
    QTest::newRow("Backlight") << "Backlight" << Value::boolean(false) << "260 VT_BOOL False";
    QTest::newRow("SetKeyState") << "SetKeyState" << texts({"1", "0", "0", "0", "0", "0", "0", "32768"}) << "";
    QTest::newRow("SetPanelState") << "SetPanelState"
                                   << Value::array({Value::i2(1), Value::text(QStringLiteral("319")),
                                                    Value::text(QStringLiteral("239"))})
                                   << "";
    QTest::newRow("GetKeyState") << "GetKeyState" << Value::missing() << "";
    // Every byte that framing must escape, and text beyond Latin-1.
    QTest::newRow("DrawMiniTP") << "DrawMiniTP"
                                << Value::array({Value::array({Value::i4(32), texts({"1", "2", "~}\x7e\x7d 文字", "12", ""})})})
                                << R"(259 [[VT_I4 32, [VT_BSTR "1", VT_BSTR "2", VT_BSTR "~}~} 文字", VT_BSTR "12", VT_BSTR ""]]])";
}

void TestLinkContract::everyRequestKindIsAnswered()
{
    QFETCH(QString, command);
    QFETCH(Value, parameter);
    QFETCH(QString, echo);
    open(QStringLiteral("TPInitWait=60000,ExecuteTimeout=2000"));
    const auto failure = failureOf([&] { (void)m_controller->Execute(command, parameter); });
    const QString why = failure ? failure->description() : QString();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QTRY_COMPARE(messages(), echo.isEmpty() ? QStringList() : QStringList{echo});
    QCOMPARE(m_rig->pendant.repliesSent, 1);
}

void TestLinkContract::keyStateRoundTrip()
{
    open(QStringLiteral("TPInitWait=60000,ExecuteTimeout=2000"));
    (void)m_controller->Execute(QStringLiteral("SetKeyState"), texts({"1", "2", "4", "8", "16", "32", "64", "65535"}));
    m_rig->pendant.device.pressKey(16 + 3);
    const Value words = m_controller->Execute(QStringLiteral("GetKeyState"), Value::missing());
    QCOMPARE(words.describe(),
             QStringLiteral("[VT_I4 1, VT_I4 10, VT_I4 4, VT_I4 8, VT_I4 16, VT_I4 32, VT_I4 64, VT_I4 65535]"));
}

void TestLinkContract::inputArrivesInOrder()
{
    open(QStringLiteral("TPInitWait=60000,ExecuteTimeout=2000"));
    QStringList expected;
    for (int key = 0; key < 40; ++key) {
        m_rig->pendant.device.pressKey(key);
        m_rig->pendant.device.releaseKey(key);
        expected << QStringLiteral("1 VT_I4 %1").arg(key) << QStringLiteral("3 VT_I4 %1").arg(key)
                 << QStringLiteral("2 VT_I4 %1").arg(key);
    }
    m_rig->pendant.device.sendLcdText(QStringLiteral("ready ✓"));
    expected << QStringLiteral("258 VT_BSTR \"ready ✓\"");
    QTRY_COMPARE(messages(), expected);
}

void TestLinkContract::silentPendantTimesOutOnTime()
{
    open(QStringLiteral("TPInitWait=60000,ExecuteTimeout=150"));
    m_rig->pendant.device.setConnected(false);
    QElapsedTimer clock;
    clock.start();
    const auto failure = failureOf([&] { (void)m_controller->Execute(QStringLiteral("Beep"), Value::text(QStringLiteral("5"))); });
    const qint64 waited = clock.elapsed();
    QVERIFY(failure);
    QCOMPARE(failure->status(), cao::status::Timeout);
    QVERIFY2(failure->description().contains(QLatin1String("150 ms")), qPrintable(failure->description()));
    QVERIFY2(waited >= 149 && waited < 400, qPrintable(QString::number(waited)));
    QVERIFY(messages().isEmpty());
}

// A reply that comes after its request gave up arrives while the next request waits: it must not answer that one.
void TestLinkContract::lateReplyIsNotTakenForTheNext()
{
    open(QStringLiteral("TPInitWait=60000,ExecuteTimeout=300"));
    m_rig->pendant.replyDelaysMs = {400, 250};
    const auto failure = failureOf([&] { (void)m_controller->Execute(QStringLiteral("GetKeyState"), Value::missing()); });
    QVERIFY(failure);
    QCOMPARE(failure->status(), cao::status::Timeout);
    m_rig->pendant.device.pressKey(5);
    const Value words = m_controller->Execute(QStringLiteral("GetKeyState"), Value::missing());
    QCOMPARE(words.at(0).toInt(), 1 << 5);
    QCOMPARE(m_rig->pendant.repliesSent, 2);
}

void TestLinkContract::repeatedReplyIsNotTakenForTheNext()
{
    open(QStringLiteral("TPInitWait=60000,ExecuteTimeout=1000"));
    m_rig->pendant.repeatAfterMs = 60;
    QCOMPARE(m_controller->Execute(QStringLiteral("GetKeyState"), Value::missing()).at(0).toInt(), 0);
    m_rig->pendant.repeatAfterMs = -1;
    m_rig->pendant.device.pressKey(2);
    m_rig->pendant.replyDelaysMs = {200};
    QCOMPARE(m_controller->Execute(QStringLiteral("GetKeyState"), Value::missing()).at(0).toInt(), 1 << 2);
    QCOMPARE(m_rig->pendant.repliesSent, 3);
    (void)m_controller->Execute(QStringLiteral("Beep"), Value::text(QStringLiteral("1")));
    QTRY_COMPARE(messages().count(QStringLiteral("256 VT_I4 1")), 1);
}

void TestLinkContract::wiringCheckAfterSilenceAndRecovery()
{
    open(QStringLiteral("TPInitWait=0,TPLessInterval=300,ExecuteTimeout=300"));
    QTRY_COMPARE(messages(), QStringList{QStringLiteral("0 VT_I4 1")});
    m_rig->pendant.device.setConnected(false);
    QElapsedTimer clock;
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(messages().size(), 2, 5000);
    QCOMPARE(messages().last(), QStringLiteral("0 VT_I4 2"));
    QVERIFY2(clock.elapsed() >= 250, qPrintable(QString::number(clock.elapsed())));
    m_rig->pendant.device.setConnected(true);
    (void)m_controller->Execute(QStringLiteral("LED"), Value::array({Value::text(QStringLiteral("4")), Value::i2(1)}));
    QTRY_VERIFY(messages().contains(QStringLiteral("257 [VT_I4 4, VT_I2 1]")));
    QCOMPARE(m_rig->pendant.device.led(4), protocol::LedMode::On);
}

int main(int argc, char *argv[])
{
    // The first argument names the link; QtTest gets the rest.
    const QString kind = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("inprocess");
    QGuiApplication app(argc, argv);
    TestLinkContract test(kind);
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        arguments.removeAt(1);
    return QTest::qExec(&test, arguments);
}

#include "tst_link_contract.moc"

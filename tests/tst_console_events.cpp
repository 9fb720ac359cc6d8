// Provider messages as event-log lines.
#include "console/frmMain.h"
#include "recordingprovider.h"
#include "values.h"
#include "widgetdriver.h"

using namespace testing;
using cao::Value;

namespace {
Value drawingItem(qint32 code, Value parameters)
{
    return Value::array({Value::i4(code), std::move(parameters)});
}

} // namespace

class TestConsoleEvents : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void messageLines_data();
    void messageLines();
    void checkWiredIsAnswered_data();
    void checkWiredIsAnswered();
    void logSwitchOffHidesMessagesNotFailures();

private:
    std::unique_ptr<RecordingProviderScope> m_provider;
    std::unique_ptr<frmMain> m_window;
    QStringList raiseAndRead(qint32 number, const Value &value);
};

void TestConsoleEvents::init()
{
    m_provider = std::make_unique<RecordingProviderScope>();
    m_window = std::make_unique<frmMain>();
    m_window->show();
    click(m_window.get(), QStringLiteral("cmdEng(0)"));
    QVERIFY(m_window->controller());
}

void TestConsoleEvents::cleanup()
{
    m_window.reset();
    m_provider.reset();
}

QStringList TestConsoleEvents::raiseAndRead(qint32 number, const Value &value)
{
    (*m_provider)->sink->raise(number, value);
    // A marker message after it shows when the first one has been handled.
    (*m_provider)->sink->raise(258, Value::text(QStringLiteral("end")));
    QTest::qWaitFor([this] { return listLines(m_window.get(), QStringLiteral("lstLog")).contains(QStringLiteral("LCD : end")); });
    QStringList lines = listLines(m_window.get(), QStringLiteral("lstLog"));
    if (lines.isEmpty() || lines.last() != QStringLiteral("LCD : end"))
        return {QStringLiteral("<marker line missing>")};
    lines.removeLast();
    return lines;
}

void TestConsoleEvents::messageLines_data()
{
    QTest::addColumn<qint32>("number");
    QTest::addColumn<Value>("value");
    QTest::addColumn<QStringList>("lines");
    // the table of messages, each with a typical value
    QTest::newRow("0 CheckWired") << 0 << Value::i4(1) << QStringList{QStringLiteral("CheckWired: 1")};
    QTest::newRow("1 KeyDown") << 1 << Value::i4(14) << QStringList{QStringLiteral("KeyDown : 14")};
    QTest::newRow("2 KeyUp") << 2 << Value::i4(14) << QStringList{QStringLiteral("KeyUp : 14")};
    QTest::newRow("3 KeyPress") << 3 << Value::i4(70) << QStringList{QStringLiteral("KeyPress : 70")};
    QTest::newRow("4 PanelDown") << 4 << Value::array({Value::i4(10), Value::i4(20)})
                                 << QStringList{QStringLiteral("PanelDown : 10, 20")};
    QTest::newRow("5 PanelUp") << 5 << Value::array({Value::i4(10), Value::i4(20)})
                               << QStringList{QStringLiteral("PanelUp : 10, 20")};
    QTest::newRow("6 PanelClick") << 6 << Value::array({Value::i2(1), Value::i2(2)})
                                  << QStringList{QStringLiteral("PanelClick : 1, 2")};
    QTest::newRow("7 PanelDblClick") << 7 << Value::array({Value::i4(0), Value::i4(239)})
                                     << QStringList{QStringLiteral("PanelDblClick : 0, 239")};
    QTest::newRow("8 with a value") << 8 << Value::array({Value::i4(5)}) << QStringList{QStringLiteral("PanelPressAndHold")};
    QTest::newRow("8 empty") << 8 << Value() << QStringList{QStringLiteral("PanelPressAndHold")};
    QTest::newRow("256 Beep") << 256 << Value::i4(1000) << QStringList{QStringLiteral("Beep : 1000")};
    QTest::newRow("257 LED") << 257 << Value::array({Value::i4(1), Value::i2(2)}) << QStringList{QStringLiteral("LED : 1, 2")};
    QTest::newRow("258 LCD") << 258 << Value::text(QStringLiteral("READY")) << QStringList{QStringLiteral("LCD : READY")};
    QTest::newRow("260 Backlight") << 260 << Value::boolean(false) << QStringList{QStringLiteral("Backlight : False")};
    // numbers outside the table
    QTest::newRow("9") << 9 << Value::i4(1) << QStringList();
    QTest::newRow("255") << 255 << Value::i4(1) << QStringList();
    QTest::newRow("261") << 261 << Value::i4(1) << QStringList();
    QTest::newRow("-1") << -1 << Value::i4(1) << QStringList();
    // drawings
    QTest::newRow("empty drawing") << 259 << Value::array({}) << QStringList{QStringLiteral("DrawMiniTP : ")};
    QTest::newRow("drawing 32 49 16")
        << 259
        << Value::array({drawingItem(32, texts({"1", "2", "3", "4", "文字"})), drawingItem(49, texts({"0", "0", "10", "20", "x"})),
                         drawingItem(16, Value::text(QStringLiteral("255")))})
        << QStringList{QStringLiteral("DrawMiniTP : "), QStringLiteral("32 : 1, 2, 3, 4, 文字\t"),
                       QStringLiteral("49 : 0, 0, 10, 20\t"), QStringLiteral("16 : 255\t")};
    QTest::newRow("drawing 48") << 259 << Value::array({drawingItem(48, texts({"0", "0", "10", "20", ""}))})
                                << QStringList{QStringLiteral("DrawMiniTP : "), QStringLiteral("48 : 0, 0, 10, 20\t")};
    // wrongly shaped values: nothing false, nothing after the fault
    QTest::newRow("4 not an array") << 4 << Value::i4(3) << QStringList();
    QTest::newRow("4 one element") << 4 << Value::array({Value::i4(3)}) << QStringList();
    QTest::newRow("4 lower bound 1") << 4 << Value::array({Value::i4(3), Value::i4(4), Value::i4(5)}, 1) << QStringList();
    QTest::newRow("257 nested array") << 257 << Value::array({Value::array({}), Value::i2(1)}) << QStringList();
    QTest::newRow("1 array") << 1 << Value::array({Value::i4(3)}) << QStringList();
    QTest::newRow("259 not an array") << 259 << Value::i4(3) << QStringList{QStringLiteral("DrawMiniTP : ")};
    QTest::newRow("259 item without parameters")
        << 259 << Value::array({drawingItem(16, Value::text(QStringLiteral("1"))), Value::array({Value::i4(48)}),
                                drawingItem(17, Value::text(QStringLiteral("2")))})
        << QStringList{QStringLiteral("DrawMiniTP : "), QStringLiteral("16 : 1\t")};
    QTest::newRow("259 code 32 with three parameters")
        << 259 << Value::array({drawingItem(32, texts({"1", "2", "3"}))}) << QStringList{QStringLiteral("DrawMiniTP : ")};
    QTest::newRow("259 item is text") << 259 << Value::array({Value::text(QStringLiteral("x"))})
                                      << QStringList{QStringLiteral("DrawMiniTP : ")};
}

void TestConsoleEvents::messageLines()
{
    QFETCH(qint32, number);
    QFETCH(Value, value);
    QFETCH(QStringList, lines);
    QCOMPARE(raiseAndRead(number, value), lines);
}

void TestConsoleEvents::checkWiredIsAnswered_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << Value() << QStringLiteral("CheckWired: ");
    QTest::newRow("number") << Value::i4(7) << QStringLiteral("CheckWired: 7");
}

void TestConsoleEvents::checkWiredIsAnswered()
{
    QFETCH(Value, value);
    QFETCH(QString, line);
    QList<Value> answers;
    (*m_provider)->sink->raise(0, value, [&answers](const Value &answer) { answers << answer; });
    QTRY_COMPARE(answers.size(), 1);
    QCOMPARE(answers.first().vt(), quint16(cao::VT_EMPTY));
    QCOMPARE(listLines(m_window.get(), QStringLiteral("lstLog")), QStringList{line});
}

void TestConsoleEvents::logSwitchOffHidesMessagesNotFailures()
{
    click(m_window.get(), QStringLiteral("chkLog"));
    (*m_provider)->sink->raise(1, Value::i4(14));
    QTest::qWait(30);
    QVERIFY(listLines(m_window.get(), QStringLiteral("lstLog")).isEmpty());
    (*m_provider)->openFailure = cao::Failure(0x80004005, QStringLiteral("no"));
    click(m_window.get(), QStringLiteral("cmdEng(1)"));
    click(m_window.get(), QStringLiteral("cmdEng(0)"));
    QCOMPARE(listLines(m_window.get(), QStringLiteral("lstLog")), QStringList{QStringLiteral("Failed : Open")});
}

QTEST_MAIN(TestConsoleEvents)
#include "tst_console_events.moc"

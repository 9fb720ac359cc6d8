// Provider messages as event-log lines.
#include "console/frmMain.h"
#include "recordingprovider.h"
#include "values.h"
#include "widgetdriver.h"

using namespace testing;
using cao::Value;

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
    (void)QTest::qWaitFor([this] { return listLines(m_window.get(), QStringLiteral("lstLog")).contains(QStringLiteral("LCD : end")); });
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
    // The table is tst_message_lines'; here, that its lines reach the log in order, and a fault keeps the lines
    // before it.
    QTest::newRow("1 KeyDown") << 1 << Value::i4(14) << QStringList{QStringLiteral("KeyDown : 14")};
    QTest::newRow("drawing 48") << 259 << Value::array({drawingItem(48, texts({"0", "0", "10", "20", ""}))})
                                << QStringList{QStringLiteral("DrawMiniTP : "), QStringLiteral("48 : 0, 0, 10, 20\t")};
    QTest::newRow("259 item without parameters")
        << 259 << Value::array({drawingItem(16, Value::text(QStringLiteral("1"))), Value::array({Value::i4(48)}),
                                drawingItem(17, Value::text(QStringLiteral("2")))})
        << QStringList{QStringLiteral("DrawMiniTP : "), QStringLiteral("16 : 1\t")};
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

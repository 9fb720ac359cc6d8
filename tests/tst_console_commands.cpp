// The pendant output commands, "Infinite", the key state query and the touch-panel settings.
#include "console/frmMain.h"
#include "recordingprovider.h"
#include "widgetdriver.h"

#include <QPointer>

using namespace testing;
using cao::Value;

using Preparation = std::function<void(frmMain &)>;
Q_DECLARE_METATYPE(Preparation)

class TestConsoleCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void buttonSendsItsCommand_data();
    void buttonSendsItsCommand();
    void failureLogsLabelEvenWithLogOff_data();
    void failureLogsLabelEvenWithLogOff();
    void commandWithoutConnectionFails();
    void indexOutsideTableDoesNothing();
    void infiniteRepeatsUntilCleared();
    void infiniteCheckedAfterPressStartsNothing();
    void nestedRepetitionsEndTogether();
    void closingWindowEndsRepetition();
    void getKeyState_data();
    void getKeyState();
    void getKeyStateWithLogOff();
    void timeConversion_data();
    void timeConversion();
    void timeFollowsTheLocale();
    void enabledWritesBoth();
    void enabledWithoutConnectionReports();

private:
    [[nodiscard]] QStringList log() const { return listLines(m_window.get(), QStringLiteral("lstLog")); }
    std::unique_ptr<RecordingProviderScope> m_provider;
    std::unique_ptr<frmMain> m_window;
};

void TestConsoleCommands::init()
{
    m_provider = std::make_unique<RecordingProviderScope>();
    m_window = std::make_unique<frmMain>();
    m_window->show();
    click(m_window.get(), QStringLiteral("cmdEng(0)"));
    QVERIFY(m_window->controller());
    (*m_provider)->calls.clear();
}

void TestConsoleCommands::cleanup()
{
    m_window.reset();
    m_provider.reset();
}

void TestConsoleCommands::buttonSendsItsCommand_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<Preparation>("prepare");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("parameter");
    const Preparation none = [](frmMain &) {};
    QTest::newRow("Beep") << "cmdTp(0)" << none << "Beep" << "VT_BSTR \"1000\"";
    QTest::newRow("Beep typed")
        << "cmdTp(0)" << Preparation([](frmMain &w) { typeInto(&w, QStringLiteral("txtTime"), QStringLiteral(" 25x")); })
        << "Beep" << "VT_BSTR \" 25x\"";
    QTest::newRow("LED On") << "cmdTp(1)" << none << "LED" << "[VT_BSTR \"1\", VT_I2 1]";
    QTest::newRow("LED Off abc")
        << "cmdTp(2)" << Preparation([](frmMain &w) { typeInto(&w, QStringLiteral("txtLED"), QStringLiteral("abc")); })
        << "LED" << "[VT_BSTR \"abc\", VT_I2 0]";
    QTest::newRow("LED Flash empty")
        << "cmdTp(3)" << Preparation([](frmMain &w) { typeInto(&w, QStringLiteral("txtLED"), QString()); }) << "LED"
        << "[VT_BSTR \"\", VT_I2 2]";
    QTest::newRow("Set key state")
        << "cmdTp(4)" << Preparation([](frmMain &w) {
               click(&w, QStringLiteral("chkClient"));
               typeInto(&w, QStringLiteral("txtKeyState(7)"), QStringLiteral("65535"));
           })
        << "SetKeyState"
        << "[VT_BSTR \"0\", VT_BSTR \"0\", VT_BSTR \"0\", VT_BSTR \"0\", VT_BSTR \"0\", VT_BSTR \"0\", VT_BSTR \"0\", "
           "VT_BSTR \"65535\"]";
    QTest::newRow("Set panel state untouched")
        << "cmdTp(5)" << Preparation([](frmMain &w) { click(&w, QStringLiteral("chkClient")); }) << "SetPanelState"
        << "[VT_I2 0, VT_BSTR \"1\", VT_BSTR \"1\"]";
    QTest::newRow("Set panel state touched")
        << "cmdTp(5)" << Preparation([](frmMain &w) {
               click(&w, QStringLiteral("chkClient"));
               click(&w, QStringLiteral("chkTouch"));
               typeInto(&w, QStringLiteral("txtPanelX"), QStringLiteral("120"));
           })
        << "SetPanelState" << "[VT_I2 1, VT_BSTR \"120\", VT_BSTR \"1\"]";
    QTest::newRow("Backlight On") << "cmdTp(6)" << none << "Backlight" << "VT_BOOL True";
    QTest::newRow("Backlight Off") << "cmdTp(7)" << none << "Backlight" << "VT_BOOL False";
}

void TestConsoleCommands::buttonSendsItsCommand()
{
    QFETCH(QString, button);
    QFETCH(Preparation, prepare);
    QFETCH(QString, command);
    QFETCH(QString, parameter);
    prepare(*m_window);
    click(m_window.get(), button);
    const auto sent = (*m_provider)->callsOf(QStringLiteral("execute"));
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().name, command);
    QCOMPARE(sent.first().value.describe(), parameter);
    QVERIFY(log().isEmpty());
}

void TestConsoleCommands::failureLogsLabelEvenWithLogOff_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("line");
    const char *labels[] = {"Beep", "LED On", "LED Off", "LED Flash", "Set Key State", "Set Panel State", "Backlight On",
                            "Backlight Off"};
    for (int i = 0; i < 8; ++i)
        QTest::newRow(labels[i]) << i << QStringLiteral("Failed : %1").arg(QLatin1String(labels[i]));
}

void TestConsoleCommands::failureLogsLabelEvenWithLogOff()
{
    QFETCH(int, index);
    QFETCH(QString, line);
    (*m_provider)->executeFailure = cao::Failure(0x80070057, QStringLiteral("refused"));
    click(m_window.get(), QStringLiteral("chkLog"));
    if (index == 4 || index == 5)
        click(m_window.get(), QStringLiteral("chkClient"));
    click(m_window.get(), QStringLiteral("cmdTp(%1)").arg(index));
    QCOMPARE(log(), QStringList{line});
}

void TestConsoleCommands::commandWithoutConnectionFails()
{
    click(m_window.get(), QStringLiteral("cmdEng(1)"));
    (*m_provider)->calls.clear();
    m_window->cmdTp_Click(1);
    m_window->cmdGetKeyState_Click();
    QCOMPARE(log(), (QStringList{QStringLiteral("Failed : LED On"), QStringLiteral("Failed : GetKeyState")}));
    QVERIFY((*m_provider)->calls.isEmpty());
}

void TestConsoleCommands::indexOutsideTableDoesNothing()
{
    for (qint16 index : {qint16(-1), qint16(8), qint16(32767)}) {
        m_window->ExecPendantCommand(index);
        m_window->cmdTp_Click(index);
    }
    QVERIFY((*m_provider)->calls.isEmpty());
    QVERIFY(log().isEmpty());
}

void TestConsoleCommands::infiniteRepeatsUntilCleared()
{
    auto *infinite = child<QCheckBox>(m_window.get(), QStringLiteral("chkInfi"));
    click(infinite);
    QElapsedTimer clock;
    clock.start();
    qint64 clearedAt = 0;
    QTimer::singleShot(450, m_window.get(), [&] {
        click(infinite);
        clearedAt = clock.elapsed();
    });
    click(m_window.get(), QStringLiteral("cmdTp(0)"));
    QVERIFY(clearedAt > 0);
    const int sends = (*m_provider)->callsOf(QStringLiteral("execute")).size();
    // about one send per 100 ms pause
    QVERIFY2(sends >= 3 && sends <= 6, qPrintable(QString::number(sends)));
    QTest::qWait(250);
    QCOMPARE((*m_provider)->callsOf(QStringLiteral("execute")).size(), sends);
    QVERIFY(log().isEmpty());
}

void TestConsoleCommands::infiniteCheckedAfterPressStartsNothing()
{
    click(m_window.get(), QStringLiteral("cmdTp(6)"));
    click(m_window.get(), QStringLiteral("chkInfi"));
    QTest::qWait(250);
    QCOMPARE((*m_provider)->callsOf(QStringLiteral("execute")).size(), 1);
}

void TestConsoleCommands::nestedRepetitionsEndTogether()
{
    click(m_window.get(), QStringLiteral("chkInfi"));
    QTimer::singleShot(250, m_window.get(), [this] { click(m_window.get(), QStringLiteral("cmdTp(6)")); });
    QTimer::singleShot(600, m_window.get(), [this] { click(m_window.get(), QStringLiteral("chkInfi")); });
    click(m_window.get(), QStringLiteral("cmdTp(0)"));
    QStringList order;
    for (const RecordedCall &call : (*m_provider)->callsOf(QStringLiteral("execute")))
        order << call.name;
    // the outer repetition pauses while the inner one runs, and both end at the clearing
    const qsizetype firstBacklight = order.indexOf(QStringLiteral("Backlight"));
    QVERIFY2(firstBacklight > 0, qPrintable(order.join(QLatin1Char(' '))));
    QVERIFY(order.mid(firstBacklight).count(QStringLiteral("Backlight")) >= 2);
    QVERIFY2(!order.mid(firstBacklight).contains(QStringLiteral("Beep")), qPrintable(order.join(QLatin1Char(' '))));
    const qsizetype sends = order.size();
    QTest::qWait(250);
    QCOMPARE((*m_provider)->callsOf(QStringLiteral("execute")).size(), sends);
}

void TestConsoleCommands::closingWindowEndsRepetition()
{
    click(m_window.get(), QStringLiteral("chkInfi"));
    QTimer::singleShot(250, m_window.get(), [this] { m_window->close(); });
    click(m_window.get(), QStringLiteral("cmdTp(0)")); // returns once the window has closed
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_window->controller());
    const int sends = (*m_provider)->callsOf(QStringLiteral("execute")).size();
    QVERIFY(sends >= 1);
    QTest::qWait(250);
    QCOMPARE((*m_provider)->callsOf(QStringLiteral("execute")).size(), sends);
    QVERIFY(!log().contains(QStringLiteral("Failed : Beep")));
}

void TestConsoleCommands::getKeyState_data()
{
    QTest::addColumn<Value>("answer");
    QTest::addColumn<QString>("line");
    Value::Array eight;
    for (int i = 0; i < 8; ++i)
        eight << Value::i4(0);
    QTest::newRow("eight zeros") << Value::array(eight) << QStringLiteral("0, 0, 0, 0, 0, 0, 0, 0");
    Value::Array nine = eight;
    nine[7] = Value::i4(65535);
    nine << Value::i4(9);
    QTest::newRow("more than eight") << Value::array(nine) << QStringLiteral("0, 0, 0, 0, 0, 0, 0, 65535");
    Value::Array mixed = eight;
    mixed[0] = Value::text(QStringLiteral("a"));
    mixed[1] = Value();
    mixed[2] = Value::boolean(true);
    QTest::newRow("mixed types") << Value::array(mixed) << QStringLiteral("a, , True, 0, 0, 0, 0, 0");
    Value::Array seven = eight;
    seven.removeLast();
    QTest::newRow("fewer than eight") << Value::array(seven) << QStringLiteral("Failed : GetKeyState");
    QTest::newRow("not an array") << Value::i4(0) << QStringLiteral("Failed : GetKeyState");
    QTest::newRow("lower bound 1") << Value::array(eight, 1) << QStringLiteral("Failed : GetKeyState");
    Value::Array nested = eight;
    nested[3] = Value::array({});
    QTest::newRow("element without text") << Value::array(nested) << QStringLiteral("Failed : GetKeyState");
}

void TestConsoleCommands::getKeyState()
{
    QFETCH(Value, answer);
    QFETCH(QString, line);
    (*m_provider)->executeResult = [answer](const QString &, const Value &) { return answer; };
    click(m_window.get(), QStringLiteral("cmdGetKeyState"));
    const auto sent = (*m_provider)->callsOf(QStringLiteral("execute"));
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().name, QStringLiteral("GetKeyState"));
    QCOMPARE(sent.first().value.vt(), quint16(cao::VT_ERROR));
    QCOMPARE(sent.first().value.errorCode(), 0x80020004u);
    QCOMPARE(log(), QStringList{line});
}

void TestConsoleCommands::getKeyStateWithLogOff()
{
    (*m_provider)->executeResult = [](const QString &, const Value &) {
        return Value::array(Value::Array(8, Value::i4(0)));
    };
    click(m_window.get(), QStringLiteral("chkLog"));
    click(m_window.get(), QStringLiteral("cmdGetKeyState"));
    QVERIFY(log().isEmpty());
    (*m_provider)->executeFailure = cao::Failure(0x800705B4, QStringLiteral("timeout"));
    click(m_window.get(), QStringLiteral("cmdGetKeyState"));
    QCOMPARE(log(), QStringList{QStringLiteral("Failed : GetKeyState")});
}

void TestConsoleCommands::timeConversion_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written"); // empty: a failure is logged instead
    const QString dbl = QStringLiteral("txtDbl"), putDbl = QStringLiteral("cmdSetDblClick"),
                  dblVar = QStringLiteral("@DblClickSpeed");
    const QString hold = QStringLiteral("txtPressHold"), putHold = QStringLiteral("cmdSetPressHold"),
                  holdVar = QStringLiteral("@PressHoldTime");
    QTest::newRow("default") << dbl << putDbl << dblVar << QStringLiteral("1000") << QStringLiteral("VT_I4 1000");
    QTest::newRow("blanks") << dbl << putDbl << dblVar << QStringLiteral(" 250 ") << QStringLiteral("VT_I4 250");
    QTest::newRow("2.5 to even") << hold << putHold << holdVar << QStringLiteral("2.5") << QStringLiteral("VT_I4 2");
    QTest::newRow("3.5 to even") << hold << putHold << holdVar << QStringLiteral("3.5") << QStringLiteral("VT_I4 4");
    QTest::newRow("lowest") << hold << putHold << holdVar << QStringLiteral("-2147483648")
                            << QStringLiteral("VT_I4 -2147483648");
    QTest::newRow("empty") << dbl << putDbl << dblVar << QString() << QString();
    QTest::newRow("abc") << dbl << putDbl << dblVar << QStringLiteral("abc") << QString();
    QTest::newRow("too big") << hold << putHold << holdVar << QStringLiteral("2147483648") << QString();
}

void TestConsoleCommands::timeConversion()
{
    QFETCH(QString, box);
    QFETCH(QString, button);
    QFETCH(QString, variable);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    typeInto(m_window.get(), box, typed);
    click(m_window.get(), button);
    click(m_window.get(), button); // every press writes
    const auto writes = (*m_provider)->callsOf(QStringLiteral("writeVariable"));
    if (written.isEmpty()) {
        QVERIFY(writes.isEmpty());
        const QString line = QStringLiteral("Failed : ") + variable.mid(1);
        QCOMPARE(log(), (QStringList{line, line}));
    } else {
        QCOMPARE(writes.size(), 2);
        QCOMPARE(writes.first().name, variable);
        QCOMPARE(writes.first().value.describe(), written);
        QVERIFY(log().isEmpty());
    }
}

void TestConsoleCommands::timeFollowsTheLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    typeInto(m_window.get(), QStringLiteral("txtDbl"), QStringLiteral("1.250,5"));
    click(m_window.get(), QStringLiteral("cmdSetDblClick"));
    QLocale::setDefault(previous);
    const auto writes = (*m_provider)->callsOf(QStringLiteral("writeVariable"));
    QCOMPARE(writes.size(), 1);
    QCOMPARE(writes.first().value.describe(), QStringLiteral("VT_I4 1250"));
}

void TestConsoleCommands::enabledWritesBoth()
{
    click(m_window.get(), QStringLiteral("chkEnable"));
    click(m_window.get(), QStringLiteral("chkEnable"));
    QStringList writes;
    for (const RecordedCall &call : (*m_provider)->callsOf(QStringLiteral("writeVariable")))
        writes << call.name + QLatin1Char(' ') + call.value.describe();
    QCOMPARE(writes, (QStringList{QStringLiteral("@Enabled VT_BOOL False"), QStringLiteral("@Enabled VT_BOOL True")}));
}

void TestConsoleCommands::enabledWithoutConnectionReports()
{
    click(m_window.get(), QStringLiteral("cmdEng(1)"));
    click(m_window.get(), QStringLiteral("chkEnable"));
    QCOMPARE(log(), QStringList{QStringLiteral("Failed : Enabled")});
    QVERIFY(child<QCheckBox>(m_window.get(), QStringLiteral("chkEnable"))->isEnabled());
}

QTEST_MAIN(TestConsoleCommands)
#include "tst_console_commands.moc"

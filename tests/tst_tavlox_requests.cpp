// A command's parameter turned into the pendant's request, without any pendant: what is sent, and what is refused.
#include "cao/status.h"
#include "tavlox/commandrequests.h"
#include "values.h"

#include <QTest>

using cao::Value;
using testing::failureOf;
using testing::texts;

namespace {
Value drawing(std::initializer_list<std::pair<int, QStringList>> items)
{
    Value::Array array;
    for (const auto &[code, parameters] : items)
        array << Value::array({Value::i4(code), texts(parameters)});
    return Value::array(array);
}

// The request as one line: kind, numbers, and each drawing item's code and parameters.
QString described(const protocol::Request &request)
{
    QStringList parts{QLatin1String(protocol::nameOf(request.kind))};
    for (int number : request.numbers)
        parts << QString::number(number);
    for (const protocol::DrawingItem &item : request.drawing)
        parts << QStringLiteral("%1(%2)").arg(item.code).arg(item.parameters.join(QLatin1Char('|')));
    return parts.join(QLatin1Char(' '));
}
} // namespace

class TestTavloxRequests : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void commandNames_data();
    void commandNames();
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void keyStateResult();
};

void TestTavloxRequests::commandNames_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("kind"); // -1: no such command
    QTest::newRow("Beep") << "Beep" << int(protocol::RequestKind::Beep);
    QTest::newRow("any case") << "getkeystate" << int(protocol::RequestKind::GetKeyState);
    QTest::newRow("DrawMiniTP") << "DRAWMINITP" << int(protocol::RequestKind::DrawMiniTP);
    QTest::newRow("unknown") << "Dance" << -1;
    QTest::newRow("prefix is not enough") << "Beeps" << -1;
}

void TestTavloxRequests::commandNames()
{
    QFETCH(QString, command);
    QFETCH(int, kind);
    const auto found = tavlox::commandKind(command);
    QCOMPARE(found ? int(*found) : -1, kind);
}

void TestTavloxRequests::accepted_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<Value>("parameter");
    QTest::addColumn<QString>("request");
    QTest::newRow("Beep as text") << "Beep" << Value::text(QStringLiteral("1000")) << "Beep 1000";
    QTest::newRow("Beep as 16-bit, at the limit") << "Beep" << Value::i2(30000) << "Beep 30000";
    QTest::newRow("Beep 0 and 60000") << "Beep" << Value::text(QStringLiteral("60000")) << "Beep 60000";
    QTest::newRow("LED with blanks") << "LED" << Value::array({Value::text(QStringLiteral(" 8 ")), Value::i2(2)}) << "LED 8 2";
    QTest::newRow("LED mode as 32-bit") << "LED" << Value::array({Value::i4(1), Value::i4(0)}) << "LED 1 0";
    QTest::newRow("Backlight") << "Backlight" << Value::boolean(true) << "Backlight 1";
    QTest::newRow("SetKeyState") << "SetKeyState" << texts({"1", "0", "0", "0", "32768", "0", "0", "65535"})
                                 << "SetKeyState 1 0 0 0 32768 0 0 65535";
    QTest::newRow("SetPanelState at the corner")
        << "SetPanelState" << Value::array({Value::i2(1), Value::text(QStringLiteral("319")), Value::text(QStringLiteral("239"))})
        << "SetPanelState 1 319 239";
    QTest::newRow("GetKeyState, argument missing") << "GetKeyState" << Value::missing() << "GetKeyState";
    QTest::newRow("GetKeyState, empty") << "GetKeyState" << Value() << "GetKeyState";
    QTest::newRow("DrawMiniTP") << "DrawMiniTP" << drawing({{16, {"#FF0000", "", "", "", ""}}, {48, {"0", "0", "10", "20", ""}}})
                                << "DrawMiniTP 16(#FF0000||||) 48(0|0|10|20|)";
    QTest::newRow("empty drawing") << "DrawMiniTP" << Value::array({}) << "DrawMiniTP";
}

void TestTavloxRequests::accepted()
{
    QFETCH(QString, command);
    QFETCH(Value, parameter);
    QFETCH(QString, request);
    QCOMPARE(described(tavlox::requestFor(*tavlox::commandKind(command), parameter)), request);
}

void TestTavloxRequests::refused_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<Value>("parameter");
    QTest::addColumn<QString>("named");
    QTest::newRow("Beep letters") << "Beep" << Value::text(QStringLiteral("abc")) << "\"abc\" is not a number";
    QTest::newRow("Beep empty") << "Beep" << Value::text(QString()) << "is not a number";
    QTest::newRow("Beep too long") << "Beep" << Value::text(QStringLiteral("60001")) << "60001";
    QTest::newRow("Beep array") << "Beep" << Value::array({}) << "Beep";
    QTest::newRow("LED number abc") << "LED" << Value::array({Value::text(QStringLiteral("abc")), Value::i2(1)})
                                    << "LED number";
    QTest::newRow("LED 9") << "LED" << Value::array({Value::text(QStringLiteral("9")), Value::i2(1)}) << "9 is outside 1 to 8";
    QTest::newRow("LED 0") << "LED" << Value::array({Value::text(QStringLiteral("0")), Value::i2(1)}) << "outside";
    QTest::newRow("LED mode 3") << "LED" << Value::array({Value::text(QStringLiteral("1")), Value::i2(3)}) << "LED mode";
    QTest::newRow("LED mode text") << "LED" << Value::array({Value::text(QStringLiteral("1")), Value::text(QStringLiteral("1"))})
                                   << "LED mode";
    QTest::newRow("LED one element") << "LED" << Value::array({Value::text(QStringLiteral("1"))}) << "array of 2";
    QTest::newRow("Backlight as integer") << "Backlight" << Value::i2(1) << "boolean";
    QTest::newRow("key state 65536")
        << "SetKeyState" << texts({"0", "0", "0", "0", "0", "0", "0", "65536"}) << "word 7";
    QTest::newRow("key state seven words") << "SetKeyState" << texts({"0", "0", "0", "0", "0", "0", "0"}) << "array of 8";
    QTest::newRow("panel x outside")
        << "SetPanelState" << Value::array({Value::i2(0), Value::text(QStringLiteral("320")), Value::text(QStringLiteral("1"))})
        << "X";
    QTest::newRow("panel y letters")
        << "SetPanelState" << Value::array({Value::i2(0), Value::text(QStringLiteral("1")), Value::text(QStringLiteral("y"))})
        << "Y";
    QTest::newRow("panel touch as bool")
        << "SetPanelState" << Value::array({Value::boolean(true), Value::text(QStringLiteral("1")), Value::text(QStringLiteral("1"))})
        << "touch";
    QTest::newRow("GetKeyState with parameter") << "GetKeyState" << Value::i4(1) << "no parameter";
    QTest::newRow("drawing not an array") << "DrawMiniTP" << Value::i4(1) << "array of drawing commands";
    QTest::newRow("drawing unknown code") << "DrawMiniTP" << drawing({{15, {"1"}}}) << "unknown drawing command code 15";
    QTest::newRow("drawing line outside") << "DrawMiniTP" << drawing({{48, {"0", "0", "400", "10"}}}) << "Para3 \"400\"";
    QTest::newRow("drawing bad colour") << "DrawMiniTP" << drawing({{16, {"red"}}}) << "colour";
    QTest::newRow("drawing width 0") << "DrawMiniTP" << drawing({{56, {"0"}}}) << "width";
    QTest::newRow("drawing code as text")
        << "DrawMiniTP" << Value::array({Value::array({Value::text(QStringLiteral("16")), texts({"1"})})}) << "code";
}

void TestTavloxRequests::refused()
{
    QFETCH(QString, command);
    QFETCH(Value, parameter);
    QFETCH(QString, named);
    const auto failure = failureOf([&] { (void)tavlox::requestFor(*tavlox::commandKind(command), parameter); });
    QVERIFY2(failure, "a bad parameter was accepted");
    QCOMPARE(failure->status(), cao::status::InvalidArgument);
    QVERIFY2(failure->description().contains(named), qPrintable(failure->description()));
}

void TestTavloxRequests::keyStateResult()
{
    const protocol::Request request = tavlox::requestFor(protocol::RequestKind::GetKeyState, Value::missing());
    const protocol::Reply reply{7, true, {}, {1, 16, 0, 0, 32768, 0, 0, 3}};
    QCOMPARE(tavlox::resultFor(request, reply).describe(),
             QStringLiteral("[VT_I4 1, VT_I4 16, VT_I4 0, VT_I4 0, VT_I4 32768, VT_I4 0, VT_I4 0, VT_I4 3]"));
    QCOMPARE(tavlox::resultFor(tavlox::requestFor(protocol::RequestKind::Backlight, Value::boolean(false)), reply), Value());
}

QTEST_GUILESS_MAIN(TestTavloxRequests)
#include "tst_tavlox_requests.moc"

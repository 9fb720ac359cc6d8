// Which event-log lines each provider message becomes: the table, without a window.
#include "console/messagelines.h"
#include "values.h"

#include <QTest>

using namespace testing;
using cao::Value;

class TestMessageLines : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lines_data();
    void lines();
};

void TestMessageLines::lines_data()
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

void TestMessageLines::lines()
{
    QFETCH(qint32, number);
    QFETCH(Value, value);
    QFETCH(QStringList, lines);
    const MessageLines shown = messageLines(number, value);
    QCOMPARE(shown.lines, lines);
}

QTEST_GUILESS_MAIN(TestMessageLines)
#include "tst_message_lines.moc"

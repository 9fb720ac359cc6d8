// Panel gestures from raw touches, on an explicit clock.
#include "tavlox/gestures.h"

#include <QTest>

using tavlox::GestureRecognizer;

namespace {
// A script of touches: "d x y t" down, "m x y t" move, "u x y t" up, "a t" advance the clock.
QStringList play(GestureRecognizer &recognizer, const QStringList &script)
{
    QStringList out;
    for (const QString &step : script) {
        const QStringList f = step.split(QLatin1Char(' '));
        QList<tavlox::PanelEvent> events;
        if (f[0] == QLatin1String("d"))
            events = recognizer.touchDown(f[1].toInt(), f[2].toInt(), f[3].toLongLong());
        else if (f[0] == QLatin1String("m"))
            events = recognizer.touchMove(f[1].toInt(), f[2].toInt(), f[3].toLongLong());
        else if (f[0] == QLatin1String("u"))
            events = recognizer.touchUp(f[1].toInt(), f[2].toInt(), f[3].toLongLong());
        else
            events = recognizer.advance(f[1].toLongLong());
        for (const auto &e : events)
            out << QStringLiteral("%1 %2,%3").arg(e.number).arg(e.x).arg(e.y);
    }
    return out;
}
} // namespace

class TestGestures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gestures_data();
    void gestures();
    void holdDeadline();
};

void TestGestures::gestures_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QStringList>("events");
    // settings: double click 300 ms, press-and-hold 800 ms, dead range 4 each way
    QTest::newRow("click") << QStringList{"d 10 10 0", "u 10 10 100"} << true
                           << QStringList{"4 10,10", "5 10,10", "6 10,10"};
    QTest::newRow("double click inside the speed")
        << QStringList{"d 10 10 0", "u 10 10 50", "d 11 10 250", "u 11 10 300"} << true
        << QStringList{"4 10,10", "5 10,10", "6 10,10", "4 11,10", "5 11,10", "7 11,10"};
    QTest::newRow("two clicks outside the speed")
        << QStringList{"d 10 10 0", "u 10 10 50", "d 10 10 301", "u 10 10 350"} << true
        << QStringList{"4 10,10", "5 10,10", "6 10,10", "4 10,10", "5 10,10", "6 10,10"};
    QTest::newRow("third click starts over")
        << QStringList{"d 5 5 0", "u 5 5 10", "d 5 5 20", "u 5 5 30", "d 5 5 40", "u 5 5 50"} << true
        << QStringList{"4 5,5", "5 5,5", "6 5,5", "4 5,5", "5 5,5", "7 5,5", "4 5,5", "5 5,5", "6 5,5"};
    QTest::newRow("press and hold") << QStringList{"d 20 30 0", "a 799", "a 800", "a 900", "u 20 30 1000"} << true
                                    << QStringList{"4 20,30", "8 20,30", "5 20,30"};
    QTest::newRow("released before the hold time") << QStringList{"d 20 30 0", "u 20 30 799", "a 900"} << true
                                                   << QStringList{"4 20,30", "5 20,30", "6 20,30"};
    QTest::newRow("movement inside the dead range")
        << QStringList{"d 50 50 0", "m 54 46 100", "m 46 54 200", "u 52 52 250"} << true
        << QStringList{"4 50,50", "5 52,52", "6 50,50"};
    QTest::newRow("movement outside the dead range cancels click and hold")
        << QStringList{"d 50 50 0", "m 55 50 100", "m 50 50 200", "a 900", "u 50 50 1000"} << true
        << QStringList{"4 50,50", "5 50,50"};
    QTest::newRow("double click far from the first is a click")
        << QStringList{"d 10 10 0", "u 10 10 50", "d 100 100 100", "u 100 100 150"} << true
        << QStringList{"4 10,10", "5 10,10", "6 10,10", "4 100,100", "5 100,100", "6 100,100"};
    QTest::newRow("disabled: nothing") << QStringList{"d 10 10 0", "a 900", "u 10 10 1000", "d 10 10 1100", "u 10 10 1150"}
                                       << false << QStringList();
}

void TestGestures::gestures()
{
    QFETCH(QStringList, script);
    QFETCH(bool, enabled);
    QFETCH(QStringList, events);
    GestureRecognizer recognizer;
    recognizer.settings = {enabled, 300, 800, 4, 4, 4, 4};
    QCOMPARE(play(recognizer, script), events);
}

void TestGestures::holdDeadline()
{
    GestureRecognizer recognizer;
    recognizer.settings.pressHoldMs = 700;
    QVERIFY(!recognizer.nextDeadline());
    (void)recognizer.touchDown(1, 1, 1000);
    QCOMPARE(recognizer.nextDeadline(), std::optional<qint64>(1700));
    (void)recognizer.advance(1700);
    QVERIFY(!recognizer.nextDeadline());
}

QTEST_GUILESS_MAIN(TestGestures)
#include "tst_gestures.moc"

// The simulated pendant's LCD, checked pixel by pixel.
#include "pendant/lcdrenderer.h"

#include <QTest>

using protocol::DrawingItem;

namespace {
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Green = 0xFF00FF00;

int countPixels(const QImage &image, QRgb colour, QRect area = QRect(0, 0, 320, 240))
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}
} // namespace

class TestLcd : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void redLine();
    void filledRectangle();
    void recordedDrawingRecalledElsewhere();
    void widthAndBackground();
    void stringIsDrawn();
    void badDrawingChangesNothing();
    void storesRecallingEachOther_data();
    void storesRecallingEachOther();
    void openRecordingStopsAtItsLimit();
};

void TestLcd::redLine()
{
    pendant::LcdRenderer lcd;
    QVERIFY(lcd.render({{16, {"#FF0000"}}, {48, {"10", "20", "50", "20"}}}).isEmpty());
    for (int x = 10; x <= 50; ++x)
        QCOMPARE(lcd.image().pixel(x, 20), Red);
    QCOMPARE(lcd.image().pixel(9, 20), Black);
    QCOMPARE(lcd.image().pixel(51, 20), Black);
    QCOMPARE(lcd.image().pixel(30, 21), Black);
    QCOMPARE(countPixels(lcd.image(), Red), 41);
}

void TestLcd::filledRectangle()
{
    pendant::LcdRenderer lcd;
    QVERIFY(lcd.render({{16, {"0xFFFFFF"}}, {18, {"#0000FF"}}, {49, {"30", "40", "10", "20"}}}).isEmpty());
    const QImage &image = lcd.image();
    // outline on x 10..30 and y 20..40, inside filled
    QCOMPARE(image.pixel(10, 20), White);
    QCOMPARE(image.pixel(30, 40), White);
    QCOMPARE(image.pixel(10, 40), White);
    QCOMPARE(image.pixel(20, 30), Blue);
    QCOMPARE(countPixels(image, Blue), 19 * 19);
    QCOMPARE(countPixels(image, White), 4 * 20);
    QCOMPARE(image.pixel(31, 30), Black);
    QCOMPARE(image.pixel(20, 41), Black);
}

void TestLcd::recordedDrawingRecalledElsewhere()
{
    pendant::LcdRenderer lcd;
    QVERIFY(lcd.render({{112, {"3"}}, {16, {"65280"}}, {48, {"0", "0", "4", "0"}}, {113, {}}}).isEmpty());
    QVERIFY(lcd.hasStore(3));
    QCOMPARE(countPixels(lcd.image(), Green), 5);
    QVERIFY(lcd.render({{114, {"3", "100", "200"}}}).isEmpty());
    for (int x = 100; x <= 104; ++x)
        QCOMPARE(lcd.image().pixel(x, 200), Green);
    QCOMPARE(countPixels(lcd.image(), Green), 10);
}

void TestLcd::widthAndBackground()
{
    pendant::LcdRenderer lcd;
    QVERIFY(lcd.render({{17, {"#FFFFFF"}}, {16, {"#FF0000"}}, {56, {"3"}}, {48, {"100", "100", "100", "150"}}}).isEmpty());
    QCOMPARE(lcd.image().pixel(0, 0), White);
    QCOMPARE(lcd.image().pixel(99, 120), Red);
    QCOMPARE(lcd.image().pixel(101, 120), Red);
    QCOMPARE(lcd.image().pixel(103, 120), White);
}

void TestLcd::stringIsDrawn()
{
    pendant::LcdRenderer lcd;
    QVERIFY(lcd.render({{16, {"#FFFFFF"}}, {32, {"10", "10", "描画 OK", "24", ""}}}).isEmpty());
    QVERIFY(countPixels(lcd.image(), White, QRect(10, 10, 150, 40)) > 20);
    QCOMPARE(countPixels(lcd.image(), White, QRect(0, 100, 320, 140)), 0);
}

void TestLcd::badDrawingChangesNothing()
{
    pendant::LcdRenderer lcd;
    const QImage before = lcd.image();
    const QString why = lcd.render({{16, {"#FF0000"}}, {48, {"0", "0", "10", "10"}}, {49, {"0", "0", "10", "999"}}});
    QVERIFY2(why.contains(QStringLiteral("item 2")), qPrintable(why));
    QCOMPARE(lcd.image(), before);
    QVERIFY(!lcd.render({{113, {}}}).isEmpty());
    QVERIFY(!lcd.render({{112, {"1"}}, {112, {"2"}}}).isEmpty());
}

// Store 1 recalls store 0 k times and store 0 recalls store 1 k times: one more recall draws about k^4 operations.
void TestLcd::storesRecallingEachOther_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("k = 8: about 4,700 operations") << 8 << true;
    QTest::newRow("k = 35: 1.5 million, refused") << 35 << false;
}

void TestLcd::storesRecallingEachOther()
{
    QFETCH(int, k);
    QFETCH(bool, drawn);
    QList<DrawingItem> drawing{{112, {"0"}}, {113, {}}, {16, {"#FF0000"}}, {112, {"1"}}};
    for (int i = 0; i < k; ++i)
        drawing << DrawingItem{114, {"0", "", ""}};
    drawing << DrawingItem{48, {"1", "1", "1", "1"}} << DrawingItem{113, {}} << DrawingItem{112, {"0"}};
    for (int i = 0; i < k; ++i)
        drawing << DrawingItem{114, {"1", "", ""}};
    drawing << DrawingItem{113, {}} << DrawingItem{114, {"1", "", ""}};
    pendant::LcdRenderer lcd;
    const QImage before = lcd.image();
    const QString why = lcd.render(drawing);
    if (drawn) {
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QCOMPARE(lcd.image().pixel(1, 1), Red);
    } else {
        QVERIFY2(why.contains(QLatin1String("store 1")) && why.contains(QLatin1String("100000")), qPrintable(why));
        QCOMPARE(lcd.image(), before);
    }
}

// A recording left open goes on across drawings, up to what one store may hold.
void TestLcd::openRecordingStopsAtItsLimit()
{
    pendant::LcdRenderer lcd;
    QVERIFY(lcd.render({{112, {"3"}}}).isEmpty());
    const QList<DrawingItem> lines(1000, DrawingItem{48, {"0", "0", "5", "5"}});
    for (int drawing = 0; drawing < pendant::LcdRenderer::MaxRecordedOperations / 1000; ++drawing)
        QVERIFY(lcd.render(lines).isEmpty());
    const QString why = lcd.render({{48, {"0", "0", "5", "5"}}});
    QVERIFY2(why.contains(QLatin1String("store 3 is full")), qPrintable(why));
    QVERIFY(lcd.render({{113, {}}, {114, {"3", "10", "10"}}}).isEmpty());
}

QTEST_MAIN(TestLcd)
#include "tst_lcd.moc"

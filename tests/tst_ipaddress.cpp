// The IP address control: packing, ranges, blank fields, size, fonts and the keyboard.
#include "controls/propertybag.h"
#include "controls/uctIPAddressCtrl.h"

#include <QApplication>
#include <QClipboard>
#include <QMetaClassInfo>
#include <QSignalSpy>
#include <QTest>

using controls::IPAddressEdit;

namespace {
struct Address
{
    quint8 a = 0, b = 0, c = 0, d = 0;
    bool operator==(const Address &) const = default;
};

Address read(const uctIPAddressCtrl &control)
{
    Address address;
    control.GetIPAddress(address.a, address.b, address.c, address.d);
    return address;
}

QString fieldTexts(const uctIPAddressCtrl &control)
{
    QStringList texts;
    for (int i = 0; i < 4; ++i)
        texts << control.addressWindow()->field(i)->text();
    return texts.join(QLatin1Char('.'));
}
} // namespace

class TestIpAddress : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newControlShowsLoopback();
    void packsFirstFieldIntoTopByte_data();
    void packsFirstFieldIntoTopByte();
    void blankFieldsReadAsZero();
    void fieldRangeTakesMaximumFirst_data();
    void fieldRangeTakesMaximumFirst();
    void clearMakesBlank();
    void visibleTogglesOnlyTheVisibleBit();
    void sizeSnapsBack();
    void fontHeightRoundsHalfToEven_data();
    void fontHeightRoundsHalfToEven();
    void fontSettersMarkFontChanged();
    void fontPersistsInThePropertyBag();
    void classNameVisibleToHost();
    void keyboard_data();
    void keyboard();
    void pasteFillsAllFields();
    void focusEntersFirstField();
};

void TestIpAddress::newControlShowsLoopback()
{
    uctIPAddressCtrl control;
    QCOMPARE(fieldTexts(control), QStringLiteral("127.0.0.1"));
    quint32 packed = 0;
    QCOMPARE(control.addressWindow()->address(packed), 4);
    QCOMPARE(packed, 0x7F000001u);
}

void TestIpAddress::packsFirstFieldIntoTopByte_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("d");
    QTest::addColumn<quint32>("packed");
    QTest::newRow("private") << 192 << 168 << 0 << 1 << 0xC0A80001u;
    QTest::newRow("broadcast") << 255 << 255 << 255 << 255 << 0xFFFFFFFFu;
    QTest::newRow("first field 128") << 128 << 0 << 0 << 0 << 0x80000000u;
    QTest::newRow("zero") << 0 << 0 << 0 << 0 << 0u;
}

void TestIpAddress::packsFirstFieldIntoTopByte()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, d);
    QFETCH(quint32, packed);
    uctIPAddressCtrl control;
    control.SetIPAddress(quint8(a), quint8(b), quint8(c), quint8(d));
    quint32 shown = 0;
    (void)control.addressWindow()->address(shown);
    QCOMPARE(shown, packed);
    QCOMPARE(read(control), (Address{quint8(a), quint8(b), quint8(c), quint8(d)}));
}

void TestIpAddress::blankFieldsReadAsZero()
{
    uctIPAddressCtrl control;
    control.Clear();
    QCOMPARE(read(control), Address{});
    control.addressWindow()->field(0)->setText(QStringLiteral("10"));
    QCOMPARE(read(control), (Address{10, 0, 0, 0}));
    QVERIFY(!control.IsBlank());
}

void TestIpAddress::fieldRangeTakesMaximumFirst_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("index 4 ignored") << 4 << QStringLiteral("255") << QStringLiteral("255");
    QTest::newRow("index -1 ignored") << -1 << QStringLiteral("255") << QStringLiteral("255");
    QTest::newRow("above maximum") << 2 << QStringLiteral("255") << QStringLiteral("200");
    QTest::newRow("below minimum") << 2 << QStringLiteral("5") << QStringLiteral("10");
    QTest::newRow("inside") << 2 << QStringLiteral("123") << QStringLiteral("123");
}

void TestIpAddress::fieldRangeTakesMaximumFirst()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    uctIPAddressCtrl control;
    control.show();
    QVERIFY(QTest::qWaitForWindowActive(&control));
    control.SetFieldRange(index, 200, 10);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(control.addressWindow()->field(i)->minimum(), (i == index) ? 10 : 0);
        QCOMPARE(control.addressWindow()->field(i)->maximum(), (i == index) ? 200 : 255);
    }
    control.Clear();
    control.SetFieldFocus(2);
    QTest::keyClicks(control.addressWindow()->field(2), typed);
    control.SetFieldFocus(0); // leaving the field applies its minimum
    QCOMPARE(control.addressWindow()->field(2)->text(), shown);
}

void TestIpAddress::clearMakesBlank()
{
    uctIPAddressCtrl control;
    QVERIFY(!control.IsBlank());
    control.Clear();
    QVERIFY(control.IsBlank());
    QCOMPARE(fieldTexts(control), QStringLiteral("..."));
}

void TestIpAddress::visibleTogglesOnlyTheVisibleBit()
{
    uctIPAddressCtrl control;
    control.show();
    QCOMPARE(control.addressWindow()->styleWord(), 0x56000000u);
    QVERIFY(control.Visible());
    control.SetVisible(false);
    QCOMPARE(control.addressWindow()->styleWord(), 0x46000000u);
    QVERIFY(!control.Visible());
    QVERIFY(!control.addressWindow()->isVisible());
    control.SetVisible(true);
    QCOMPARE(control.addressWindow()->styleWord(), 0x56000000u);
    QVERIFY(control.addressWindow()->isVisible());
}

void TestIpAddress::sizeSnapsBack()
{
    QWidget host;
    auto *control = new uctIPAddressCtrl(&host);
    control->resize(500, 100);
    QCOMPARE(control->size(), QSize(160, 21));
    control->setGeometry(5, 5, 10, 10);
    QCOMPARE(control->size(), QSize(160, 21));
    QCOMPARE(control->addressWindow()->size(), QSize(160, 21));
}

void TestIpAddress::fontHeightRoundsHalfToEven_data()
{
    QTest::addColumn<float>("size");
    QTest::addColumn<int>("points");
    QTest::newRow("10.5 -> 10") << 10.5f << 10;
    QTest::newRow("11.5 -> 12") << 11.5f << 12;
    QTest::newRow("9 -> 9") << 9.0f << 9;
    QTest::newRow("9.4 -> 9") << 9.4f << 9;
}

void TestIpAddress::fontHeightRoundsHalfToEven()
{
    QFETCH(float, size);
    QFETCH(int, points);
    uctIPAddressCtrl control;
    control.SetFontSize(size);
    const int dpi = control.logicalDpiY();
    const int expected = -static_cast<int>((static_cast<qint64>(points) * dpi + 36) / 72);
    QCOMPARE(control.appliedFontHeight(), expected);
    QCOMPARE(control.addressWindow()->font().pixelSize(), -expected);
}

void TestIpAddress::fontSettersMarkFontChanged()
{
    uctIPAddressCtrl control;
    QSignalSpy changed(&control, &uctIPAddressCtrl::PropertyChanged);
    control.SetFontBold(true);
    control.SetFontItalic(true);
    control.SetFontName(QStringLiteral("Noto Sans"));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("Font"));
    QVERIFY(control.FontBold());
    QVERIFY(control.FontItalic());
    QCOMPARE(control.FontName(), QStringLiteral("Noto Sans"));
    QCOMPARE(control.addressWindow()->font().weight(), QFont::Bold);
    QVERIFY(control.addressWindow()->font().italic());
    // A change made on the shared font object itself is applied too.
    control.Font()->setBold(false);
    QCOMPARE(control.addressWindow()->font().weight(), QFont::Normal);
}

void TestIpAddress::fontPersistsInThePropertyBag()
{
    uctIPAddressCtrl original;
    original.SetFontSize(14.0f);
    original.SetFontItalic(true);
    controls::MemoryPropertyBag bag;
    original.UserControl_WriteProperties(bag);
    QVERIFY(bag.values().contains(QStringLiteral("IPAddrFont")));

    uctIPAddressCtrl restored;
    restored.UserControl_ReadProperties(bag);
    QCOMPARE(restored.FontSize(), 14.0f);
    QVERIFY(restored.FontItalic());
    QVERIFY(restored.appliedFontHeight() < 0);
}

void TestIpAddress::classNameVisibleToHost()
{
    const QMetaObject &meta = uctIPAddressCtrl::staticMetaObject;
    const int index = meta.indexOfClassInfo("ClassName");
    QVERIFY(index >= 0);
    QCOMPARE(QString::fromLatin1(meta.classInfo(index).value()), QStringLiteral("Zandorex.uctIPAddressCtrl"));
}

void TestIpAddress::keyboard_data()
{
    QTest::addColumn<QString>("keys");   // typed text; "<" Backspace, "{" Left, "}" Right
    QTest::addColumn<QString>("fields"); // the four fields afterwards
    QTest::addColumn<int>("focused");    // the field with the focus afterwards
    QTest::newRow("third digit moves on") << QStringLiteral("192168") << QStringLiteral("192.168..") << 2;
    QTest::newRow("dot moves on") << QStringLiteral("10.1.2.3") << QStringLiteral("10.1.2.3") << 3;
    QTest::newRow("letters ignored") << QStringLiteral("1a2") << QStringLiteral("12...") << 0;
    QTest::newRow("above 255 clamps") << QStringLiteral("999") << QStringLiteral("255...") << 1;
    QTest::newRow("dot in empty field stays") << QStringLiteral(".") << QStringLiteral("...") << 0;
    QTest::newRow("backspace in empty field goes back") << QStringLiteral("12.<") << QStringLiteral("12...") << 0;
    QTest::newRow("backspace deletes after going back") << QStringLiteral("12.<<") << QStringLiteral("1...") << 0;
    QTest::newRow("left at start goes back") << QStringLiteral("1.2{{") << QStringLiteral("1.2..") << 0;
    QTest::newRow("right at end goes on") << QStringLiteral("1}") << QStringLiteral("1...") << 1;
}

void TestIpAddress::keyboard()
{
    QFETCH(QString, keys);
    QFETCH(QString, fields);
    QFETCH(int, focused);
    uctIPAddressCtrl control;
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    control.Clear();
    control.SetFieldFocus(0);
    for (QChar key : keys) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        if (key == QLatin1Char('<'))
            QTest::keyClick(target, Qt::Key_Backspace);
        else if (key == QLatin1Char('{'))
            QTest::keyClick(target, Qt::Key_Left);
        else if (key == QLatin1Char('}'))
            QTest::keyClick(target, Qt::Key_Right);
        else
            QTest::keyClicks(target, QString(key));
    }
    QCOMPARE(fieldTexts(control), fields);
    QCOMPARE(QApplication::focusWidget(), control.addressWindow()->field(focused));
}

void TestIpAddress::pasteFillsAllFields()
{
    uctIPAddressCtrl control;
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    control.Clear();
    control.SetFieldFocus(0);
    QApplication::clipboard()->setText(QStringLiteral("10.20.300.4"));
    QTest::keyClick(control.addressWindow()->field(0), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(fieldTexts(control), QStringLiteral("10.20.255.4"));
}

void TestIpAddress::focusEntersFirstField()
{
    QWidget host;
    auto *before = new QLineEdit(&host);
    auto *control = new uctIPAddressCtrl(&host);
    control->move(0, 30);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control->addressWindow()->field(0));
}

QTEST_MAIN(TestIpAddress)
#include "tst_ipaddress.moc"

// The connection option grammar: what is accepted, and that every malformed string is refused by name.
#include "cao/engine.h"
#include "cao/status.h"
#include "pendant/pendantdevice.h"
#include "values.h"
#include "tavlox/options.h"
#include "tavlox/tavloxprovider.h"

#include <QTest>

using tavlox::ConnectionOptions;

class TestTavloxOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void refusedStringLeavesNoController();
};

void TestTavloxOptions::accepted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("summary"); // link|mouse|keyboard|less|init|timeout|client
    QTest::newRow("console UDP defaults")
        << "UDP=192.168.0.1:5006:192.168.0.1:5007,MouseMode=1,KeyboardMode=1,TPLessInterval=10000,TPInitWait=3000,ExecuteTimeout=500"
        << "udp 192.168.0.1:5006 192.168.0.1:5007|1|1|10000|3000|500|0";
    QTest::newRow("console COM with client mode")
        << "Port=2,MouseMode=1,KeyboardMode=1,TPLessInterval=10000,TPInitWait=3000,ExecuteTimeout=500, TPClient"
        << "serial /dev/ttyS1|1|1|10000|3000|500|1";
    QTest::newRow("device path, defaults") << "Port=/dev/ttyUSB0" << "serial /dev/ttyUSB0|0|0|10000|3000|500|0";
    QTest::newRow("keys any case, blanks around items")
        << "  udp=10.0.0.2:1:10.0.0.3:65535 ,  keyboardmode=2 ,EXECUTETIMEOUT=20"
        << "udp 10.0.0.2:1 10.0.0.3:65535|0|2|10000|3000|20|0";
    QTest::newRow("zero init wait") << "Port=1,TPInitWait=0" << "serial /dev/ttyS0|0|0|10000|0|500|0";
    QTest::newRow("leading zeros, however many")
        << "Port=000000000100,TPLessInterval=00000000000000010000" << "serial /dev/ttyS99|0|0|10000|3000|500|0";
    QTest::newRow("tabs around items") << "\tPort=1\t,\t TPClient" << "serial /dev/ttyS0|0|0|10000|3000|500|1";
}

void TestTavloxOptions::accepted()
{
    QFETCH(QString, text);
    QFETCH(QString, summary);
    const ConnectionOptions options = tavlox::parseConnectionOptions(text);
    const QString link = options.serialPort ? QStringLiteral("serial ") + *options.serialPort
                                            : QStringLiteral("udp %1:%2 %3:%4")
                                                  .arg(options.udp->destinationAddress)
                                                  .arg(options.udp->destinationPort)
                                                  .arg(options.udp->sourceAddress)
                                                  .arg(options.udp->sourcePort);
    QCOMPARE(QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                 .arg(link)
                 .arg(options.mouseMode)
                 .arg(options.keyboardMode)
                 .arg(options.lessIntervalMs)
                 .arg(options.initWaitMs)
                 .arg(options.executeTimeoutMs)
                 .arg(options.clientMode ? 1 : 0),
             summary);
}

void TestTavloxOptions::refused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named"); // what the description must name
    QTest::newRow("empty") << "" << "";
    QTest::newRow("no link") << "MouseMode=1" << "link";
    QTest::newRow("two links") << "Port=1,UDP=1.2.3.4:1:1.2.3.4:2" << "UDP=1.2.3.4:1:1.2.3.4:2";
    QTest::newRow("two ports") << "Port=1,Port=2" << "Port=2";
    QTest::newRow("unknown key") << "Port=1,Speed=3" << "Speed=3";
    QTest::newRow("smuggled item") << "UDP=1.2.3.4:5006,KeyboardMode=9:1.2.3.4:5007" << "UDP=1.2.3.4:5006";
    QTest::newRow("smuggled through a port")
        << "UDP=1.2.3.4:5006,KeyboardMode=9:1.2.3.4:5007,MouseMode=1,KeyboardMode=1" << "UDP=1.2.3.4:5006";
    QTest::newRow("port field with an item") << "Port=1,MouseMode=1,KeyboardMode=1,KeyboardMode=9" << "KeyboardMode=9";
    QTest::newRow("bad address") << "UDP=1.2.3:5006:1.2.3.4:5007" << "1.2.3";
    QTest::newRow("address byte too big") << "UDP=1.2.3.256:5006:1.2.3.4:5007" << "1.2.3.256";
    QTest::newRow("port 0") << "UDP=1.2.3.4:0:1.2.3.4:5007" << "UDP=1.2.3.4:0:1.2.3.4:5007";
    QTest::newRow("port 65536") << "UDP=1.2.3.4:5006:1.2.3.4:65536" << "65536";
    QTest::newRow("letters in a port") << "UDP=1.2.3.4:50x6:1.2.3.4:5007" << "50x6";
    QTest::newRow("empty serial port") << "Port=,MouseMode=1" << "Port=";
    QTest::newRow("serial port 0") << "Port=0" << "Port=0";
    QTest::newRow("mouse mode 2") << "Port=1,MouseMode=2" << "MouseMode=2";
    QTest::newRow("keyboard mode 3") << "Port=1,KeyboardMode=3" << "KeyboardMode=3";
    QTest::newRow("letters in a time") << "Port=1,TPLessInterval=10s" << "TPLessInterval=10s";
    QTest::newRow("negative time") << "Port=1,ExecuteTimeout=-5" << "ExecuteTimeout=-5";
    QTest::newRow("empty time") << "Port=1,TPInitWait=" << "TPInitWait=";
    QTest::newRow("flag with a value") << "Port=1,TPClient=1" << "TPClient=1";
    QTest::newRow("value missing") << "Port=1,MouseMode" << "MouseMode";
    QTest::newRow("trailing comma") << "Port=1," << "";
    // Only spaces and tabs around an item are blanks; nothing next to "=" or inside a value is trimmed.
    QTest::newRow("blanks inside a value") << "Port=1,TPLessInterval= \t10" << "TPLessInterval= \t10";
    QTest::newRow("newline inside a value") << "Port=1,MouseMode=\n1" << "MouseMode=\n1";
    QTest::newRow("newline after a value") << "Port=1,MouseMode=1\n" << "MouseMode=1\n";
    QTest::newRow("blank before =") << "Port =1" << "Port =1";
    QTest::newRow("no-break space around an item") << QString::fromUtf8("\u00A0Port=1") << "Port=1";
    QTest::newRow("Kelvin sign for K") << QString::fromUtf8("Port=1,\u212AeyboardMode=1") << "eyboardMode=1";
    QTest::newRow("tab in a device path") << "Port=/dev/tty\tS0" << "/dev/tty";
    QTest::newRow("NUL in a device path") << QString::fromUtf8("Port=/dev/tty\0S0", 16) << "/dev/tty";
    QTest::newRow("escape in a device path") << "Port=/dev/\x1b[2Jtty" << "/dev/";
    QTest::newRow("eleven significant digits") << "Port=1,TPInitWait=00099999999999" << "TPInitWait=";
}

void TestTavloxOptions::refused()
{
    QFETCH(QString, text);
    QFETCH(QString, named);
    const auto failure = testing::failureOf([&] { (void)tavlox::parseConnectionOptions(text); });
    QVERIFY2(failure, "a malformed option string was accepted");
    QCOMPARE(failure->status(), 0x80070057u);
    QVERIFY2(failure->description().contains(named), qPrintable(failure->description()));
}

void TestTavloxOptions::refusedStringLeavesNoController()
{
    pendant::PendantDevice device;
    int linksMade = 0;
    cao::ScopedProviderRegistration registration(
        QString::fromLatin1(tavlox::ProgrammaticId),
        std::make_shared<tavlox::TavloxProvider>([&](const ConnectionOptions &) {
            ++linksMade;
            return std::make_unique<tavlox::InProcessLink>(&device);
        }));
    cao::Engine engine;
    auto workspace = engine.Workspaces().Item(0);
    QVERIFY_THROWS_EXCEPTION(cao::Failure,
                             workspace->AddController(QStringLiteral("Tavlox"), QString::fromLatin1(tavlox::ProgrammaticId),
                                                      QString(), QStringLiteral("Port=1,KeyboardMode=9")));
    QCOMPARE(workspace->Controllers().Count(), 0);
    QCOMPARE(linksMade, 0);
    (void)workspace->AddController(QStringLiteral("Tavlox"), QString::fromLatin1(tavlox::ProgrammaticId), QString(),
                                   QStringLiteral("Port=1"));
    QCOMPARE(workspace->Controllers().Count(), 1);
    QCOMPARE(linksMade, 1);
}

QTEST_MAIN(TestTavloxOptions)
#include "tst_tavlox_options.moc"

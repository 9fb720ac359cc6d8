// The main window's start-up, option string, Open and Close, and the event log's own controls.
#include "console/frmMain.h"
#include "keyconfig/frmKeyConfig.h"
#include "minitp/frmMTP.h"
#include "controls/uctIPAddressCtrl.h"
#include "recordingprovider.h"
#include "widgetdriver.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace testing;
using Preparation = std::function<void(frmMain &)>;
Q_DECLARE_METATYPE(Preparation)

namespace {
const QString DefaultUdp = QStringLiteral(
    "UDP=192.0.2.10:5006:192.0.2.10:5007,MouseMode=1,KeyboardMode=1,TPLessInterval=10000,TPInitWait=3000,"
    "ExecuteTimeout=500");

void setBothAddresses(const frmMain &window, quint8 a, quint8 b, quint8 c, quint8 d)
{
    child<uctIPAddressCtrl>(&window, QStringLiteral("utlDestIP"))->SetIPAddress(a, b, c, d);
    child<uctIPAddressCtrl>(&window, QStringLiteral("uclSrcIP"))->SetIPAddress(a, b, c, d);
}

QStringList enabledButtons(const frmMain &window)
{
    QStringList names;
    for (const QString &name :
         {QStringLiteral("cmdEng(0)"), QStringLiteral("cmdEng(1)"), QStringLiteral("cmdEng(2)"), QStringLiteral("cmdTp(0)"),
          QStringLiteral("cmdTp(1)"), QStringLiteral("cmdTp(2)"), QStringLiteral("cmdTp(3)"), QStringLiteral("cmdTp(4)"),
          QStringLiteral("cmdTp(5)"), QStringLiteral("cmdTp(6)"), QStringLiteral("cmdTp(7)"),
          QStringLiteral("cmdGetKeyState"), QStringLiteral("cmdSetDblClick"), QStringLiteral("cmdSetPressHold"),
          QStringLiteral("cmdDrawMTP"), QStringLiteral("chkEnable"), QStringLiteral("chkClient"), QStringLiteral("chkLog"),
          QStringLiteral("cmdTester(0)"), QStringLiteral("cmdTester(1)")}) {
        if (child<QWidget>(&window, name)->isEnabled())
            names << name;
    }
    return names;
}

const QStringList AlwaysEnabled = {QStringLiteral("chkEnable"), QStringLiteral("chkClient"), QStringLiteral("chkLog"),
                                   QStringLiteral("cmdTester(0)"), QStringLiteral("cmdTester(1)")};
} // namespace

class TestConsoleConnection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsWithDefaults();
    void noCaptionIsCut();
    void optionString_data();
    void optionString();
    void openCallsEngineInOrder();
    void enabledStates_data();
    void enabledStates();
    void refusedOpenLogsAndCanRetry();
    void failedVariableKeepsController();
    void closeRemovesAndStopsController();
    void closingWindowWithoutConnection();
    void clientModeTwiceRestores();
    void logSwitchAndClear();
    void miniTpEditorIsFreshEachTime();
    void keyConfigIsModalAndFreshEachTime();
};

void TestConsoleConnection::startsWithDefaults()
{
    frmMain window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Omnivar Zandorex"));
    QCOMPARE(window.size(), QSize(495, 623));
    QCOMPARE(child<QTabWidget>(&window, QStringLiteral("tabDevice"))->currentIndex(), 1);
    QCOMPARE(child<QComboBox>(&window, QStringLiteral("cmbMouseMode"))->currentText(), QStringLiteral("Mouse Event"));
    QCOMPARE(child<QComboBox>(&window, QStringLiteral("cmbKeyboardMode"))->currentText(),
             QStringLiteral("Key Event [default]"));
    QCOMPARE(child<QLineEdit>(&window, QStringLiteral("txtDestPort"))->text(), QStringLiteral("5006"));
    QCOMPARE(child<QLineEdit>(&window, QStringLiteral("txtSrcPort"))->text(), QStringLiteral("5007"));
    quint8 d[4], s[4];
    child<uctIPAddressCtrl>(&window, QStringLiteral("utlDestIP"))->GetIPAddress(d[0], d[1], d[2], d[3]);
    child<uctIPAddressCtrl>(&window, QStringLiteral("uclSrcIP"))->GetIPAddress(s[0], s[1], s[2], s[3]);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(d), 4), QByteArray(reinterpret_cast<char *>(s), 4));
    QVERIFY2(d[0] == 10 || (d[0] == 172 && (d[1] & 0xF0) == 16) || (d[0] == 192 && d[1] == 168),
             "the default pendant address is a private address");
    QCOMPARE(enabledButtons(window), QStringList({QStringLiteral("cmdEng(0)"), QStringLiteral("cmdEng(2)")}) + AlwaysEnabled);
    QVERIFY(child<QCheckBox>(&window, QStringLiteral("chkLog"))->isChecked());
    QVERIFY(child<QCheckBox>(&window, QStringLiteral("chkEnable"))->isChecked());
    QCOMPARE(child<QLabel>(&window, QStringLiteral("Label1(15)"))->text(), QStringLiteral("Less Int : "));
}

void TestConsoleConnection::noCaptionIsCut()
{
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(clippedCaptions(&window).isEmpty(), qPrintable(clippedCaptions(&window).join(QLatin1Char('|'))));
    click(&window, QStringLiteral("chkClient")); // the input panel
    QVERIFY2(clippedCaptions(&window).isEmpty(), qPrintable(clippedCaptions(&window).join(QLatin1Char('|'))));
}

void TestConsoleConnection::optionString_data()
{
    QTest::addColumn<Preparation>("prepare");
    QTest::addColumn<QString>("options");
    QTest::newRow("UDP defaults") << Preparation([](frmMain &) {}) << DefaultUdp;
    QTest::newRow("ClientMode clicked once")
        << Preparation([](frmMain &w) { click(&w, QStringLiteral("chkClient")); })
        << QStringLiteral("UDP=192.0.2.10:5007:192.0.2.10:5006,MouseMode=1,KeyboardMode=1,TPLessInterval=10000,"
                          "TPInitWait=3000,ExecuteTimeout=500, TPClient");
    QTest::newRow("COM")
        << Preparation(
               [](frmMain &w) { child<QTabWidget>(&w, QStringLiteral("tabDevice"))->setCurrentIndex(0); })
        << QStringLiteral("Port=2,MouseMode=1,KeyboardMode=1,TPLessInterval=10000,TPInitWait=3000,ExecuteTimeout=500");
    QTest::newRow("COM with empty port")
        << Preparation([](frmMain &w) {
               child<QTabWidget>(&w, QStringLiteral("tabDevice"))->setCurrentIndex(0);
               typeInto(&w, QStringLiteral("txtEng"), QString());
           })
        << QStringLiteral("Port=,MouseMode=1,KeyboardMode=1,TPLessInterval=10000,TPInitWait=3000,ExecuteTimeout=500");
    QTest::newRow("letters in fields pass unchanged")
        << Preparation([](frmMain &w) {
               typeInto(&w, QStringLiteral("txtDestPort"), QStringLiteral("50x6"));
               typeInto(&w, QStringLiteral("txtInitWait"), QStringLiteral(" soon "));
           })
        << QStringLiteral("UDP=192.0.2.10:50x6:192.0.2.10:5007,MouseMode=1,KeyboardMode=1,TPLessInterval=10000,"
                          "TPInitWait= soon ,ExecuteTimeout=500");
    QTest::newRow("other modes")
        << Preparation([](frmMain &w) {
               child<QComboBox>(&w, QStringLiteral("cmbMouseMode"))->setCurrentIndex(0);
               child<QComboBox>(&w, QStringLiteral("cmbKeyboardMode"))->setCurrentIndex(2);
           })
        << QStringLiteral("UDP=192.0.2.10:5006:192.0.2.10:5007,MouseMode=0,KeyboardMode=2,TPLessInterval=10000,"
                          "TPInitWait=3000,ExecuteTimeout=500");
}

void TestConsoleConnection::optionString()
{
    QFETCH(Preparation, prepare);
    QFETCH(QString, options);
    RecordingProviderScope provider;
    frmMain window;
    window.show();
    setBothAddresses(window, 192, 0, 2, 10);
    prepare(window);
    click(&window, QStringLiteral("cmdEng(0)"));
    const auto opens = provider->callsOf(QStringLiteral("open"));
    QCOMPARE(opens.size(), 1);
    QCOMPARE(opens.first().text, options);
}

void TestConsoleConnection::openCallsEngineInOrder()
{
    RecordingProviderScope provider;
    frmMain window;
    setBothAddresses(window, 192, 0, 2, 10);
    click(&window, QStringLiteral("cmdEng(0)"));
    QStringList seen;
    for (const RecordedCall &call : provider->calls)
        seen << QStringLiteral("%1 %2 [%3] %4").arg(call.operation, call.name, call.text, call.value.describe());
    QCOMPARE(seen, QStringList({
                       QStringLiteral("open Tavlox [%1] VT_BSTR \"\"").arg(DefaultUdp),
                       QStringLiteral("addVariable @Enabled [] VT_EMPTY"),
                       QStringLiteral("addVariable @DblClickSpeed [] VT_EMPTY"),
                       QStringLiteral("addVariable @PressHoldTime [] VT_EMPTY"),
                       QStringLiteral("addVariable @DeadRangeX1 [] VT_EMPTY"),
                       QStringLiteral("addVariable @DeadRangeY1 [] VT_EMPTY"),
                       QStringLiteral("addVariable @DeadRangeX2 [] VT_EMPTY"),
                       QStringLiteral("addVariable @DeadRangeY2 [] VT_EMPTY"),
                       QStringLiteral("writeVariable @Enabled [] VT_BOOL True"),
                   }));
    QVERIFY(window.controller());
    QVERIFY(listLines(&window, QStringLiteral("lstLog")).isEmpty());
}

void TestConsoleConnection::enabledStates_data()
{
    QTest::addColumn<bool>("clientMode");
    QTest::addColumn<bool>("closeAfterwards");
    QTest::addColumn<QStringList>("enabled");
    const QStringList open = {QStringLiteral("cmdEng(1)"), QStringLiteral("cmdEng(2)"), QStringLiteral("cmdTp(0)"),
                              QStringLiteral("cmdTp(1)"),  QStringLiteral("cmdTp(2)"),  QStringLiteral("cmdTp(3)"),
                              QStringLiteral("cmdTp(4)"),  QStringLiteral("cmdTp(5)"),  QStringLiteral("cmdTp(6)"),
                              QStringLiteral("cmdTp(7)"),  QStringLiteral("cmdGetKeyState")};
    const QStringList puts = {QStringLiteral("cmdSetDblClick"), QStringLiteral("cmdSetPressHold"),
                              QStringLiteral("cmdDrawMTP")};
    const QStringList afterClose = {QStringLiteral("cmdEng(0)"), QStringLiteral("cmdEng(2)"), QStringLiteral("cmdTp(4)"),
                                    QStringLiteral("cmdTp(5)")};
    QTest::newRow("after Open") << false << false << open + puts + AlwaysEnabled;
    QTest::newRow("after Open with ClientMode") << true << false << open + AlwaysEnabled;
    QTest::newRow("after Open and Close") << false << true << afterClose + AlwaysEnabled;
}

void TestConsoleConnection::enabledStates()
{
    QFETCH(bool, clientMode);
    QFETCH(bool, closeAfterwards);
    QFETCH(QStringList, enabled);
    RecordingProviderScope provider;
    frmMain window;
    window.show();
    if (clientMode)
        click(&window, QStringLiteral("chkClient"));
    click(&window, QStringLiteral("cmdEng(0)"));
    if (closeAfterwards)
        click(&window, QStringLiteral("cmdEng(1)"));
    QCOMPARE(enabledButtons(window), enabled);
}

void TestConsoleConnection::refusedOpenLogsAndCanRetry()
{
    RecordingProviderScope provider;
    provider->openFailure = cao::Failure(0x80070057, QStringLiteral("refused"));
    frmMain window;
    window.show();
    click(&window, QStringLiteral("chkLog")); // forced lines show even with logging off
    click(&window, QStringLiteral("cmdEng(0)"));
    QCOMPARE(listLines(&window, QStringLiteral("lstLog")), QStringList{QStringLiteral("Failed : Open")});
    QVERIFY(!window.controller());
    QVERIFY(child<QPushButton>(&window, QStringLiteral("cmdEng(0)"))->isEnabled());
    QVERIFY(!child<QPushButton>(&window, QStringLiteral("cmdEng(1)"))->isEnabled());
    provider->openFailure.reset();
    click(&window, QStringLiteral("cmdEng(0)"));
    QVERIFY(window.controller());
    QVERIFY(!child<QPushButton>(&window, QStringLiteral("cmdEng(0)"))->isEnabled());
}

void TestConsoleConnection::failedVariableKeepsController()
{
    RecordingProviderScope provider;
    provider->failAddVariable = QStringLiteral("@DeadRangeX1");
    frmMain window;
    window.show();
    click(&window, QStringLiteral("cmdEng(0)"));
    QCOMPARE(listLines(&window, QStringLiteral("lstLog")), QStringList{QStringLiteral("Failed : Open")});
    QVERIFY(window.controller());
    QCOMPARE(provider->sessionsOpen, 1);
    QVERIFY(provider->callsOf(QStringLiteral("writeVariable")).isEmpty());
    QVERIFY(child<QPushButton>(&window, QStringLiteral("cmdEng(0)"))->isEnabled());
    QVERIFY(!child<QPushButton>(&window, QStringLiteral("cmdEng(1)"))->isEnabled());
    provider->sink->raise(1, cao::Value::i4(14));
    QTRY_COMPARE(listLines(&window, QStringLiteral("lstLog")).size(), 2);
    QCOMPARE(listLines(&window, QStringLiteral("lstLog")).last(), QStringLiteral("KeyDown : 14"));
}

void TestConsoleConnection::closeRemovesAndStopsController()
{
    RecordingProviderScope provider;
    frmMain window;
    window.show();
    click(&window, QStringLiteral("cmdEng(0)"));
    std::shared_ptr<cao::Controller> controller = window.controller();
    click(&window, QStringLiteral("cmdEng(1)"));
    QVERIFY(!window.controller());
    QVERIFY(controller->isStopped());
    QCOMPARE(provider->sessionsOpen, 0);
    QVERIFY(listLines(&window, QStringLiteral("lstLog")).isEmpty());
    click(&window, QStringLiteral("cmdEng(0)")); // a second Open works
    QVERIFY(window.controller());
    QCOMPARE(provider->sessionsOpen, 1);
}

void TestConsoleConnection::closingWindowWithoutConnection()
{
    RecordingProviderScope provider;
    frmMain window;
    window.show();
    QSignalSpy unloaded(&window, &frmMain::unloaded);
    click(&window, QStringLiteral("cmdTester(0)"));
    QVERIFY(!window.isVisible());
    QCOMPARE(unloaded.count(), 1);
    QCOMPARE(listLines(&window, QStringLiteral("lstLog")), QStringList{QStringLiteral("Failed : Close")});
}

void TestConsoleConnection::clientModeTwiceRestores()
{
    frmMain window;
    window.show();
    auto *dest = child<QLineEdit>(&window, QStringLiteral("txtDestPort"));
    auto *src = child<QLineEdit>(&window, QStringLiteral("txtSrcPort"));
    QCOMPARE(window.frontPanel(), 0);
    click(&window, QStringLiteral("chkClient"));
    QCOMPARE(window.frontPanel(), 1);
    QVERIFY(child<QFrame>(&window, QStringLiteral("picframe(1)"))->isVisible());
    QVERIFY(!child<QFrame>(&window, QStringLiteral("picframe(0)"))->isVisible());
    QCOMPARE(dest->text() + src->text(), QStringLiteral("50075006"));
    click(&window, QStringLiteral("chkClient"));
    QCOMPARE(window.frontPanel(), 0);
    QVERIFY(child<QFrame>(&window, QStringLiteral("picframe(0)"))->isVisible());
    QCOMPARE(dest->text() + src->text(), QStringLiteral("50065007"));
}

void TestConsoleConnection::logSwitchAndClear()
{
    RecordingProviderScope provider;
    frmMain window;
    window.show();
    click(&window, QStringLiteral("cmdEng(0)"));
    provider->sink->raise(1, cao::Value::i4(3));
    QTRY_COMPARE(listLines(&window, QStringLiteral("lstLog")), QStringList{QStringLiteral("KeyDown : 3")});
    click(&window, QStringLiteral("chkLog"));
    provider->sink->raise(2, cao::Value::i4(3));
    QTest::qWait(20);
    QCOMPARE(listLines(&window, QStringLiteral("lstLog")).size(), 1);
    click(&window, QStringLiteral("cmdTester(1)"));
    QVERIFY(listLines(&window, QStringLiteral("lstLog")).isEmpty());
}

void TestConsoleConnection::miniTpEditorIsFreshEachTime()
{
    RecordingProviderScope provider;
    frmMain window;
    window.show();
    click(&window, QStringLiteral("cmdEng(0)"));
    QList<int> linesSeen;
    QList<int> firstNumbers;
    QList<bool> sharedController;
    for (int opening = 0; opening < 2; ++opening) {
        whenModal<frmMTP>([&](frmMTP *editor) {
            linesSeen << child<QListWidget>(editor, QStringLiteral("lstCommands"))->count();
            sharedController << (editor->m_CaoCtrl == window.controller());
            click(editor, QStringLiteral("cmdAdd"));
            click(editor, QStringLiteral("cmdAdd"));
            firstNumbers << child<QListWidget>(editor, QStringLiteral("lstCommands"))->item(0)->data(Qt::UserRole).toInt();
            click(editor, QStringLiteral("cmdClose"));
        });
        click(&window, QStringLiteral("cmdDrawMTP"));
    }
    QCOMPARE(linesSeen, (QList<int>{1, 1}));
    QCOMPARE(firstNumbers, (QList<int>{1, 1}));
    QCOMPARE(sharedController, (QList<bool>{true, true}));
    QVERIFY(listLines(&window, QStringLiteral("lstLog")).isEmpty());
}

void TestConsoleConnection::keyConfigIsModalAndFreshEachTime()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    frmMain window;
    window.show();
    QStringList shown;
    for (int opening = 0; opening < 2; ++opening) {
        whenModal<frmKeyConfig>([&](frmKeyConfig *dialog) {
            auto *box = child<QLineEdit>(dialog, QStringLiteral("txtConfig(64)"));
            shown << box->text();
            box->setFocus();
            QTest::keyClick(box, Qt::Key_F9);
            click(dialog, QStringLiteral("cmdCancel"));
        });
        click(&window, QStringLiteral("cmdEng(2)"));
    }
    QDir::setCurrent(previous);
    QCOMPARE(shown, (QStringList{QStringLiteral("124"), QStringLiteral("124")}));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("vkey.dat"))));
}

QTEST_MAIN(TestConsoleConnection)
#include "tst_console_connection.moc"

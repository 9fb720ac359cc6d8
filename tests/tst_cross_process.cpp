// The console and zandorex-pendant as two processes on 127.0.0.1: Open, a command, the pendant killed in the
// middle of a repetition, and the pendant back again.
#include "console/frmMain.h"
#include "linkrig.h"
#include "pendantprocess.h"
#include "tavlox/tavloxprovider.h"
#include "udpconsole.h"

#include <QProcess>
#include <QRegularExpression>

using namespace testing;

class TestCrossProcess : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void consoleDrivesPendantProcess();

private:
    QStringList log() const { return listLines(m_window.get(), QStringLiteral("lstLog")); }
    // Starts the pendant on the given port (0: any) and returns the port it listens on, or 0.
    quint16 startPendant(quint16 port, quint16 consolePort);

    QProcess m_pendant;
    std::unique_ptr<cao::ScopedProviderRegistration> m_registration;
    std::unique_ptr<frmMain> m_window;
};

void TestCrossProcess::init()
{
    m_registration = std::make_unique<cao::ScopedProviderRegistration>(
        QString::fromLatin1(tavlox::ProgrammaticId), std::make_shared<tavlox::TavloxProvider>(&tavlox::makeWireLink));
    m_window = std::make_unique<frmMain>();
    m_window->show();
}

void TestCrossProcess::cleanup()
{
    m_window.reset();
    m_registration.reset();
    m_pendant.kill();
    m_pendant.waitForFinished(5000);
}

quint16 TestCrossProcess::startPendant(quint16 port, quint16 consolePort)
{
    return startUdpPendant(m_pendant, port, consolePort);
}

void TestCrossProcess::consoleDrivesPendantProcess()
{
    const quint16 consolePort = freeUdpPort();
    const quint16 pendantPort = startPendant(0, consolePort);
    QVERIFY(pendantPort != 0);
    pointConsoleAt(m_window.get(), pendantPort, consolePort);
    typeInto(m_window.get(), QStringLiteral("txtInitWait"), QStringLiteral("0"));
    typeInto(m_window.get(), QStringLiteral("txtTPLessInt"), QStringLiteral("2000"));
    typeInto(m_window.get(), QStringLiteral("txtExecTimeout"), QStringLiteral("300"));
    click(m_window.get(), QStringLiteral("cmdEng(0)"));
    QVERIFY(m_window->controller());
    click(m_window.get(), QStringLiteral("cmdTp(1)"));
    QTRY_VERIFY(log().contains(QStringLiteral("LED : 1, 1")));
    QVERIFY(!log().contains(QStringLiteral("Failed : LED On")));

    // Kill the pendant while "Infinite" repeats Beep; end the repetition once failures and a wiring check show.
    const qsizetype before = log().size();
    QTimer::singleShot(400, this, [this] { m_pendant.kill(); });
    auto *watch = new QTimer(this);
    QElapsedTimer repeating;
    repeating.start();
    connect(watch, &QTimer::timeout, this, [this, watch, before, &repeating] {
        const QStringList after = log().mid(before);
        const bool failed = after.contains(QStringLiteral("Failed : Beep"));
        const bool checked = after.filter(QRegularExpression(QStringLiteral("^CheckWired: ([2-9]|\\d\\d)"))).size() > 0;
        if ((failed && checked) || repeating.elapsed() > 30000) {
            watch->stop();
            watch->deleteLater();
            click(m_window.get(), QStringLiteral("chkInfi"));
        }
    });
    watch->start(50);
    click(m_window.get(), QStringLiteral("chkInfi"));
    click(m_window.get(), QStringLiteral("cmdTp(0)"));
    QVERIFY2(repeating.elapsed() < 30000, "the repetition never saw both a failure and a wiring check");
    const QStringList during = log().mid(before);
    QVERIFY(during.contains(QStringLiteral("Beep : 1000")));
    QVERIFY(during.contains(QStringLiteral("Failed : Beep")));

    // The pendant comes back on the same port: the next press works without a new Open.
    m_pendant.waitForFinished(5000);
    QCOMPARE(startPendant(pendantPort, consolePort), pendantPort);
    click(m_window.get(), QStringLiteral("cmdTp(2)"));
    QTRY_COMPARE(log().last(), QStringLiteral("LED : 1, 0"));
}

QTEST_MAIN(TestCrossProcess)
#include "tst_cross_process.moc"

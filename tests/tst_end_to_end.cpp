// The console, the real provider and the simulated pendant in one process, driven through the real widgets.
#include "console/frmMain.h"
#include "minitp/frmMTP.h"
#include "pendant/pendantdevice.h"
#include "pendantwindow/pendantwindow.h"
#include "tavlox/tavloxprovider.h"
#include "widgetdriver.h"

#include <QComboBox>
#include <QDir>

using namespace testing;

class TestEndToEnd : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void consoleDrivesThePendant();
    void pendantInputReachesTheLog();
    void silentPendantFailsCommand();

private:
    QStringList log() const { return listLines(m_window.get(), QStringLiteral("lstLog")); }
    void saveScreenshot(QWidget *widget, const QString &name) const;

    std::unique_ptr<pendant::PendantDevice> m_device;
    std::unique_ptr<cao::ScopedProviderRegistration> m_registration;
    std::unique_ptr<frmMain> m_window;
};

void TestEndToEnd::init()
{
    m_device = std::make_unique<pendant::PendantDevice>();
    m_registration = std::make_unique<cao::ScopedProviderRegistration>(
        QString::fromLatin1(tavlox::ProgrammaticId),
        std::make_shared<tavlox::TavloxProvider>(
            [this](const tavlox::ConnectionOptions &) { return std::make_unique<tavlox::InProcessLink>(m_device.get()); }));
    m_window = std::make_unique<frmMain>();
    m_window->show();
}

void TestEndToEnd::cleanup()
{
    m_window.reset();
    m_registration.reset();
    m_device.reset();
}

// With ZANDOREX_SCREENSHOTS set to a folder, the windows are saved there as a person would see them.
void TestEndToEnd::saveScreenshot(QWidget *widget, const QString &name) const
{
    const QString folder = qEnvironmentVariable("ZANDOREX_SCREENSHOTS");
    if (!folder.isEmpty())
        widget->grab().save(QDir(folder).filePath(name));
}

void TestEndToEnd::consoleDrivesThePendant()
{
    pendantwindow::PendantWindow pendantWindow(*m_device);
    pendantWindow.show();
    // Nothing in it grows, so it is not resizable (a window manager would add a resize strip).
    QCOMPARE(pendantWindow.minimumSize(), pendantWindow.maximumSize());
    click(m_window.get(), QStringLiteral("cmdEng(0)"));
    QVERIFY(m_window->controller());
    QVERIFY(log().isEmpty());

    click(m_window.get(), QStringLiteral("cmdTp(1)"));
    QTRY_COMPARE(log(), QStringList{QStringLiteral("LED : 1, 1")});
    QCOMPARE(m_device->led(1), protocol::LedMode::On);

    typeInto(m_window.get(), QStringLiteral("txtLED"), QStringLiteral("3"));
    click(m_window.get(), QStringLiteral("cmdTp(3)"));
    click(m_window.get(), QStringLiteral("cmdTp(0)"));
    click(m_window.get(), QStringLiteral("cmdTp(7)"));
    QTRY_COMPARE(log().mid(1), (QStringList{QStringLiteral("LED : 3, 2"), QStringLiteral("Beep : 1000"),
                                            QStringLiteral("Backlight : False")}));
    QCOMPARE(m_device->led(3), protocol::LedMode::Flash);
    QVERIFY(!m_device->backlight());
    click(m_window.get(), QStringLiteral("cmdTp(6)"));

    click(m_window.get(), QStringLiteral("chkClient"));
    typeInto(m_window.get(), QStringLiteral("txtKeyState(1)"), QStringLiteral("16"));
    click(m_window.get(), QStringLiteral("cmdTp(4)"));
    click(m_window.get(), QStringLiteral("chkClient"));
    click(m_window.get(), QStringLiteral("cmdGetKeyState"));
    QTRY_VERIFY(log().contains(QStringLiteral("0, 16, 0, 0, 0, 0, 0, 0")));
    QVERIFY(m_device->isKeyDown(20));

    whenModal<frmMTP>([this](frmMTP *editor) {
        child<QComboBox>(editor, QStringLiteral("cmbCommand"))->setCurrentIndex(0);
        typeInto(editor, QStringLiteral("txtPara(0)"), QStringLiteral("#00FF00"));
        click(editor, QStringLiteral("cmdAdd"));
        child<QComboBox>(editor, QStringLiteral("cmbCommand"))->setCurrentIndex(5);
        for (int k = 0; k < 4; ++k)
            typeInto(editor, QStringLiteral("txtPara(%1)").arg(k), QString::number(10 + 40 * k));
        click(editor, QStringLiteral("cmdAdd"));
        child<QComboBox>(editor, QStringLiteral("cmbCommand"))->setCurrentIndex(3);
        typeInto(editor, QStringLiteral("txtPara(2)"), QStringLiteral("文字列"));
        typeInto(editor, QStringLiteral("txtPara(3)"), QStringLiteral("20"));
        click(editor, QStringLiteral("cmdAdd"));
        click(editor, QStringLiteral("cmdSend"));
        saveScreenshot(editor, QStringLiteral("minitp.png"));
        click(editor, QStringLiteral("cmdClose"));
    });
    click(m_window.get(), QStringLiteral("cmdDrawMTP"));
    QTRY_VERIFY2(log().contains(QStringLiteral("49 : 10, 50, 90, 130\t")), qPrintable(log().join(QLatin1Char('|'))));
    QVERIFY(log().contains(QStringLiteral("16 : #00FF00\t")));
    QVERIFY(log().contains(QStringLiteral("32 : 10, 50, 文字列, 20, \t")));
    QCOMPARE(m_device->lcd().pixel(10, 50), 0xFF00FF00u);

    saveScreenshot(m_window.get(), QStringLiteral("console.png"));
    saveScreenshot(&pendantWindow, QStringLiteral("pendant.png"));

    std::shared_ptr<cao::Controller> controller = m_window->controller();
    click(m_window.get(), QStringLiteral("cmdEng(1)"));
    QVERIFY(controller->isStopped());
    QVERIFY(!log().contains(QStringLiteral("Failed : Close")));
}

void TestEndToEnd::pendantInputReachesTheLog()
{
    child<QComboBox>(m_window.get(), QStringLiteral("cmbKeyboardMode"))->setCurrentIndex(0);
    child<QComboBox>(m_window.get(), QStringLiteral("cmbMouseMode"))->setCurrentIndex(0);
    typeInto(m_window.get(), QStringLiteral("txtInitWait"), QStringLiteral("0"));
    click(m_window.get(), QStringLiteral("cmdEng(0)"));
    QTRY_COMPARE(log(), QStringList{QStringLiteral("CheckWired: 1")});
    m_device->pressKey(67);
    m_device->releaseKey(67);
    m_device->touchDown(100, 50);
    m_device->touchUp(100, 50);
    QTRY_COMPARE(log().mid(1), (QStringList{QStringLiteral("KeyDown : 67"), QStringLiteral("KeyPress : 67"),
                                            QStringLiteral("KeyUp : 67"), QStringLiteral("PanelDown : 100, 50"),
                                            QStringLiteral("PanelUp : 100, 50"), QStringLiteral("PanelClick : 100, 50")}));
    click(m_window.get(), QStringLiteral("cmdEng(1)"));
}

void TestEndToEnd::silentPendantFailsCommand()
{
    typeInto(m_window.get(), QStringLiteral("txtExecTimeout"), QStringLiteral("60"));
    click(m_window.get(), QStringLiteral("cmdEng(0)"));
    m_device->setConnected(false);
    click(m_window.get(), QStringLiteral("cmdTp(0)"));
    QCOMPARE(log(), QStringList{QStringLiteral("Failed : Beep")});
    typeInto(m_window.get(), QStringLiteral("txtLED"), QStringLiteral("abc"));
    m_device->setConnected(true);
    click(m_window.get(), QStringLiteral("cmdTp(2)"));
    QCOMPARE(log().last(), QStringLiteral("Failed : LED Off"));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"

// Start-up, the connection option string, Open and Close, the event log and the window's own buttons.
#include "frmMain.h"

#include "cao/failure.h"
#include "cao/status.h"
#include "controls/uctIPAddressCtrl.h"
#include "eventlog/logview.h"
#include "keyconfig/frmKeyConfig.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {
// The default pendant address written into both address controls at start-up (a private address).
constexpr quint8 DefaultPendantAddress[4] = {192, 168, 0, 1};

const QStringList &touchPanelVariables()
{
    static const QStringList names = {QStringLiteral("@Enabled"),     QStringLiteral("@DblClickSpeed"),
                                      QStringLiteral("@PressHoldTime"), QStringLiteral("@DeadRangeX1"),
                                      QStringLiteral("@DeadRangeY1"), QStringLiteral("@DeadRangeX2"),
                                      QStringLiteral("@DeadRangeY2")};
    return names;
}

} // namespace

frmMain::frmMain(QWidget *parent) : QWidget(parent)
{
    buildControls();
    wireHandlers();
    Form_Load();
}

frmMain::~frmMain()
{
    m_unloaded = true;
    QObject::disconnect(m_messageConnection);
}

void frmMain::wireHandlers()
{
    for (qint16 i = 0; i < static_cast<qint16>(cmdEng.size()); ++i)
        connect(cmdEng[static_cast<size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdEng_Click(i); });
    for (qint16 i = 0; i < static_cast<qint16>(cmdTester.size()); ++i)
        connect(cmdTester[static_cast<size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdTester_Click(i); });
    for (qint16 i = 0; i < static_cast<qint16>(cmdTp.size()); ++i)
        connect(cmdTp[static_cast<size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdTp_Click(i); });
    connect(chkClient, &QCheckBox::toggled, this, &frmMain::chkClient_Click);
    connect(chkEnable, &QCheckBox::toggled, this, &frmMain::chkEnable_Click);
    connect(cmdGetKeyState, &QPushButton::clicked, this, &frmMain::cmdGetKeyState_Click);
    connect(cmdSetDblClick, &QPushButton::clicked, this, &frmMain::cmdSetDblClick_Click);
    connect(cmdSetPressHold, &QPushButton::clicked, this, &frmMain::cmdSetPressHold_Click);
    connect(cmdDrawMTP, &QPushButton::clicked, this, &frmMain::cmdDrawMTP_Click);
}

void frmMain::Form_Load()
{
    m_CaoEng = std::make_unique<cao::Engine>();
    cmbMouseMode->setCurrentIndex(1);
    cmbKeyboardMode->setCurrentIndex(1);
    const auto &a = DefaultPendantAddress;
    utlDestIP->SetIPAddress(a[0], a[1], a[2], a[3]);
    txtDestPort->setText(QString::number(5006));
    uclSrcIP->SetIPAddress(a[0], a[1], a[2], a[3]);
}

void frmMain::AddLog(qint16 Force, const QString &Text)
{
    const bool logChecked = chkLog->isChecked();
    if (Force == 1 || logChecked)
        lstLog->append(Text);
}

QString frmMain::connectionOptions() const
{
    QString options;
    if (tabDevice->currentIndex() == 0) {
        options = QStringLiteral("Port=") + txtEng->text();
    } else {
        options = QStringLiteral("UDP=%1:%2:%3:%4")
                      .arg(utlDestIP->dottedAddress(), txtDestPort->text(), uclSrcIP->dottedAddress(), txtSrcPort->text());
    }
    options += QStringLiteral(",MouseMode=") + QString::number(cmbMouseMode->currentIndex());
    options += QStringLiteral(",KeyboardMode=") + QString::number(cmbKeyboardMode->currentIndex());
    options += QStringLiteral(",TPLessInterval=") + txtTPLessInt->text();
    options += QStringLiteral(",TPInitWait=") + txtInitWait->text();
    options += QStringLiteral(",ExecuteTimeout=") + txtExecTimeout->text();
    if (chkClient->isChecked())
        options += QStringLiteral(", TPClient");
    return options;
}

void frmMain::runReportingFailure(const std::function<void(QString &label)> &operation)
{
    QString label;
    try {
        operation(label);
    } catch (const cao::Failure &failure) {
        // The log keeps its one line; the trace tells why (QT_LOGGING_RULES="zandorex.console.info=true").
        qCInfo(lcConsole).noquote() << "Failed :" << label
                                    << QStringLiteral("- 0x%1 %2").arg(failure.status(), 8, 16, QLatin1Char('0')).arg(failure.description());
        AddLog(1, QStringLiteral("Failed : ") + label);
    } catch (const std::exception &failure) {
        qCInfo(lcConsole).noquote() << "Failed :" << label << "-" << failure.what();
        AddLog(1, QStringLiteral("Failed : ") + label);
    }
}

cao::Controller &frmMain::connectedController() const
{
    if (!m_CaoCtrl)
        throw cao::Failure(cao::status::Unspecified, QStringLiteral("No pendant connection is open"));
    return *m_CaoCtrl;
}

void frmMain::setConnectedController(std::shared_ptr<cao::Controller> controller)
{
    QObject::disconnect(m_messageConnection);
    m_CaoCtrl = std::move(controller);
    if (m_CaoCtrl)
        m_messageConnection = connect(m_CaoCtrl.get(), &cao::Controller::OnMessage, this, &frmMain::m_CaoCtrl_OnMessage);
}

void frmMain::cmdEng_Click(qint16 Index)
{
    switch (Index) {
    case 0:
        openConnection();
        break;
    case 1:
        closeConnection();
        break;
    case 2:
        showKeyConfig();
        break;
    default:
        break;
    }
}

void frmMain::openConnection()
{
    runReportingFailure([this](QString &label) {
        const QString options = connectionOptions();
        label = QStringLiteral("Open");
        std::shared_ptr<cao::Workspace> workspace = m_CaoEng->Workspaces().Item(0);
        setConnectedController(workspace->AddController(QString::fromLatin1(ControllerName),
                                                        QString::fromLatin1(ProviderId), QString(), options));
        for (const QString &name : touchPanelVariables())
            (void)m_CaoCtrl->AddVariable(name, QString());
        m_CaoCtrl->Variables().Item(QStringLiteral("@Enabled"))->setValue(cao::Value::boolean(true));
        setOpenState();
    });
}

void frmMain::closeConnection()
{
    runReportingFailure([this](QString &label) {
        label = QStringLiteral("Close");
        std::shared_ptr<cao::Workspace> workspace = m_CaoEng->Workspaces().Item(0);
        cao::ControllerCollection &controllers = workspace->Controllers();
        const qint32 index = connectedController().Index();
        controllers.Remove(index);
        setConnectedController(nullptr);
        setClosedState();
    });
}

void frmMain::showKeyConfig()
{
    runReportingFailure([this](QString &) {
        frmKeyConfig dialog(this);
        dialog.exec();
    });
}

void frmMain::setOpenState()
{
    cmdEng[0]->setEnabled(false);
    cmdEng[1]->setEnabled(true);
    for (QPushButton *button : cmdTp)
        button->setEnabled(true);
    cmdGetKeyState->setEnabled(true);
    if (!chkClient->isChecked()) {
        cmdSetDblClick->setEnabled(true);
        cmdSetPressHold->setEnabled(true);
        cmdDrawMTP->setEnabled(true);
    }
}

void frmMain::setClosedState()
{
    cmdEng[0]->setEnabled(true);
    cmdEng[1]->setEnabled(false);
    for (size_t i : {0u, 1u, 2u, 3u, 6u, 7u})
        cmdTp[i]->setEnabled(false);
    cmdGetKeyState->setEnabled(false);
    cmdSetDblClick->setEnabled(false);
    cmdSetPressHold->setEnabled(false);
    cmdDrawMTP->setEnabled(false);
}

void frmMain::chkClient_Click()
{
    bringPanelToFront(chkClient->isChecked() ? 1 : 0);
    const QString destination = txtDestPort->text();
    txtDestPort->setText(txtSrcPort->text());
    txtSrcPort->setText(destination);
}

void frmMain::cmdTester_Click(qint16 Index)
{
    switch (Index) {
    case 0:
        close();
        break;
    case 1:
        lstLog->clear();
        break;
    default:
        break;
    }
}

void frmMain::Form_Unload(bool &Cancel)
{
    cmdEng_Click(1);
    Cancel = false;
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!m_unloaded) {
        bool cancel = false;
        Form_Unload(cancel);
        m_unloaded = true; // ends a running repetition at its next check
        Q_EMIT unloaded();
    }
    event->accept();
}

#pragma once
// The console's main window: connection settings, the pendant connection, the event log and the pendant commands.
#include "cao/engine.h"

#include <QLoggingCategory>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

// The console's trace: why a command failed, a message that could not be shown.
Q_DECLARE_LOGGING_CATEGORY(lcConsole)

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class uctIPAddressCtrl;
namespace eventlog {
class LogView;
}

class frmMain : public QWidget
{
    Q_OBJECT
public:
    static constexpr auto ProviderId = "CaoProv.KAVRO.Tavlox";
    static constexpr auto ControllerName = "Tavlox";

    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // The connection option string from the current settings (the first half of Open).
    [[nodiscard]] QString connectionOptions() const;
    [[nodiscard]] const std::shared_ptr<cao::Controller> &controller() const { return m_CaoCtrl; }
    // The panel of the "Tavlox" frame that is in front: 0 output, 1 input.
    [[nodiscard]] int frontPanel() const { return m_frontPanel; }

    void cmdEng_Click(qint16 Index);
    void chkClient_Click();
    void cmdTester_Click(qint16 Index);
    void cmdTp_Click(qint16 index);
    void ExecPendantCommand(qint16 index);
    void cmdGetKeyState_Click();
    void chkEnable_Click();
    void cmdSetDblClick_Click();
    void cmdSetPressHold_Click();
    void cmdDrawMTP_Click();
    void AddLog(qint16 Force, const QString &Text);

Q_SIGNALS:
    // The window has unloaded (closed); the program ends with it.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QWidget *buildEngineFrame();
    QWidget *buildConfigFrame();
    QWidget *buildTavloxFrame();
    QWidget *buildOutputPanel();
    QWidget *buildInputPanel();
    QLabel *makeLabel(int index, const QString &caption, QWidget *buddy, const QString &explanation = {});
    QLineEdit *makeTextBox(const QString &name, const QString &text);
    // Tab moves down each frame and left to right within a row, as the controls are laid out.
    void setTabOrderByLayout();
    QPushButton *makeButton(const QString &name, const QString &caption);
    void wireHandlers();

    void Form_Load();
    void Form_Unload(bool &Cancel);
    void openConnection();
    void closeConnection();
    void showKeyConfig();
    void m_CaoCtrl_OnMessage(const std::shared_ptr<cao::Message> &pICaoMess);
    void setConnectedController(std::shared_ptr<cao::Controller> controller);
    void setOpenState();
    void setClosedState();
    void bringPanelToFront(int panel);
    void writeVariable(const QString &label, const QString &name, const std::function<cao::Value()> &readControl);
    // Runs one operation; any failure becomes the forced line "Failed : " and the label current at that moment.
    void runReportingFailure(const std::function<void(QString &label)> &operation);
    [[nodiscard]] cao::Controller &connectedController() const;

    std::unique_ptr<cao::Engine> m_CaoEng;
    std::shared_ptr<cao::Controller> m_CaoCtrl;
    QMetaObject::Connection m_messageConnection;
    int m_frontPanel = 0;
    bool m_unloaded = false;

    // Frame "CaoEngine"
    QTabWidget *tabDevice = nullptr;
    QLineEdit *txtEng = nullptr;
    uctIPAddressCtrl *utlDestIP = nullptr;
    QLineEdit *txtDestPort = nullptr;
    uctIPAddressCtrl *uclSrcIP = nullptr;
    QLineEdit *txtSrcPort = nullptr;
    QComboBox *cmbMouseMode = nullptr;
    QComboBox *cmbKeyboardMode = nullptr;
    QLineEdit *txtTPLessInt = nullptr;
    QLineEdit *txtInitWait = nullptr;
    QLineEdit *txtExecTimeout = nullptr;
    QCheckBox *chkClient = nullptr;
    std::array<QPushButton *, 3> cmdEng{};
    // Frame "Tavlox Config"
    QCheckBox *chkEnable = nullptr;
    QLineEdit *txtDbl = nullptr;
    QPushButton *cmdSetDblClick = nullptr;
    QLineEdit *txtPressHold = nullptr;
    QPushButton *cmdSetPressHold = nullptr;
    // Frame "Tavlox"
    std::array<QFrame *, 2> picframe{};
    QLineEdit *txtTime = nullptr;
    QCheckBox *chkInfi = nullptr;
    QLineEdit *txtLED = nullptr;
    std::array<QPushButton *, 8> cmdTp{};
    QPushButton *cmdGetKeyState = nullptr;
    std::array<QLineEdit *, 8> txtKeyState{};
    QCheckBox *chkTouch = nullptr;
    QLineEdit *txtPanelX = nullptr;
    QLineEdit *txtPanelY = nullptr;
    // On the window
    QPushButton *cmdDrawMTP = nullptr;
    eventlog::LogView *lstLog = nullptr;
    QCheckBox *chkLog = nullptr;
    std::array<QPushButton *, 2> cmdTester{};
};

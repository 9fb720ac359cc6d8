// Builds the main window's controls: captions, default texts, containers and start states.
#include "frmMain.h"

#include "controls/captionfit.h"
#include "controls/propertybag.h"
#include "controls/twips.h"
#include "controls/uctIPAddressCtrl.h"
#include "eventlog/logview.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QTabWidget>
#include <QVBoxLayout>
#include <vector>

namespace {
constexpr int ClientWidthTwips = 7425;
constexpr int ClientHeightTwips = 9345;

// The font the window's two address controls were stored with: 9 points, Shift-JIS, "ＭＳ Ｐゴシック".
controls::MemoryPropertyBag storedAddressControlProperties()
{
    controls::MemoryPropertyBag bag;
    bag.WriteProperty(QStringLiteral("IPAddrFont"),
                      QVariantMap{{QStringLiteral("Name"), QStringLiteral("ＭＳ Ｐゴシック")},
                                  {QStringLiteral("Size"), 9.0f},
                                  {QStringLiteral("Bold"), false},
                                  {QStringLiteral("Italic"), false},
                                  {QStringLiteral("Underline"), false},
                                  {QStringLiteral("Strikethrough"), false},
                                  {QStringLiteral("Charset"), 128}},
                      QVariant());
    return bag;
}

void compact(QLayout *layout)
{
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
}
} // namespace

QLabel *frmMain::makeLabel(int index, const QString &caption, QWidget *buddy, const QString &explanation)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("Label1(%1)").arg(index));
    if (!buddy)
        return label;
    label->setBuddy(buddy);
    // A field is named by the caption beside it, its words first (what voice control users say), then what the
    // abbreviation stands for. A button keeps its own caption as its name, a field already named its name.
    const QString words = controls::captionWords(caption);
    if (auto *address = qobject_cast<uctIPAddressCtrl *>(buddy))
        address->setCaption(words, explanation);
    else if (!qobject_cast<QAbstractButton *>(buddy) && buddy->accessibleName().isEmpty())
        buddy->setAccessibleName(explanation.isEmpty() ? words : words + QStringLiteral(", ") + explanation);
    return label;
}

QLineEdit *frmMain::makeTextBox(const QString &name, const QString &text)
{
    auto *box = new QLineEdit(text, this);
    box->setObjectName(name);
    return box;
}

QPushButton *frmMain::makeButton(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    // As narrow as the caption allows: the window is fixed and its captions come first.
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(caption) + 16);
    return button;
}

void frmMain::buildControls()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Omnivar Zandorex"));
    setFixedSize(controls::twipsSize(ClientWidthTwips, ClientHeightTwips));

    auto *leftColumn = new QVBoxLayout;
    leftColumn->setSpacing(4);
    // Wide enough for every caption of the command panels; the log takes the rest.
    constexpr int LeftColumnWidth = 272;
    for (QWidget *frame : {buildEngineFrame(), buildConfigFrame(), buildTavloxFrame()}) {
        frame->setFixedWidth(LeftColumnWidth);
        leftColumn->addWidget(frame);
    }
    cmdDrawMTP = makeButton(QStringLiteral("cmdDrawMTP"), QStringLiteral("MiniTP"));
    cmdDrawMTP->setEnabled(false);
    cmdDrawMTP->setFixedWidth(LeftColumnWidth);
    leftColumn->addWidget(cmdDrawMTP);
    leftColumn->addStretch(1);

    lstLog = new eventlog::LogView(this);
    lstLog->setObjectName(QStringLiteral("lstLog"));
    lstLog->setAccessibleName(QStringLiteral("Event log"));
    lstLog->setMinimumWidth(120); // the left column's frames come first in a fixed-size window
    chkLog = new QCheckBox(QStringLiteral("Log"), this);
    chkLog->setObjectName(QStringLiteral("chkLog"));
    chkLog->setChecked(true);
    cmdTester[1] = makeButton(QStringLiteral("cmdTester(1)"), QStringLiteral("Clear"));
    cmdTester[0] = makeButton(QStringLiteral("cmdTester(0)"), QStringLiteral("Exit"));
    auto *logButtons = new QHBoxLayout;
    logButtons->addWidget(chkLog);
    logButtons->addStretch(1);
    logButtons->addWidget(cmdTester[1]);
    logButtons->addWidget(cmdTester[0]);
    auto *rightColumn = new QVBoxLayout;
    rightColumn->setSpacing(4);
    rightColumn->addWidget(lstLog, 1);
    rightColumn->addLayout(logButtons);

    auto *columns = new QHBoxLayout(this);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(6);
    columns->addLayout(leftColumn, 0);
    columns->addLayout(rightColumn, 1);
    setTabOrderByLayout();
}

void frmMain::setTabOrderByLayout()
{
    std::vector<QWidget *> order = {tabDevice,    txtEng,         utlDestIP,      txtDestPort,  uclSrcIP,
                                    txtSrcPort,   cmbMouseMode,   cmbKeyboardMode, txtTPLessInt, txtInitWait,
                                    txtExecTimeout, chkClient,    cmdEng[2],      cmdEng[0],    cmdEng[1],
                                    chkEnable,    txtDbl,         cmdSetDblClick, txtPressHold, cmdSetPressHold,
                                    chkInfi,      cmdGetKeyState, txtTime,        cmdTp[0],     txtLED,
                                    cmdTp[1],     cmdTp[2],       cmdTp[3],       cmdTp[6],     cmdTp[7]};
    order.insert(order.end(), txtKeyState.begin(), txtKeyState.end());
    order.insert(order.end(), {cmdTp[4], chkTouch, txtPanelX, txtPanelY, cmdTp[5], cmdDrawMTP, lstLog, chkLog,
                               cmdTester[1], cmdTester[0]});
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QWidget *frmMain::buildEngineFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("CaoEngine"), this);
    frame->setObjectName(QStringLiteral("CaoEngine"));

    tabDevice = new QTabWidget(frame);
    tabDevice->setObjectName(QStringLiteral("tabDevice"));
    auto *comTab = new QWidget;
    comTab->setObjectName(QStringLiteral("tabCOM"));
    txtEng = makeTextBox(QStringLiteral("txtEng"), QStringLiteral("2"));
    auto *comLayout = new QGridLayout(comTab);
    compact(comLayout);
    comLayout->addWidget(makeLabel(0, QStringLiteral("Port : "), txtEng, QStringLiteral("serial port number or device")), 0, 0);
    comLayout->addWidget(txtEng, 0, 1);
    comLayout->setRowStretch(1, 1);

    auto *udpTab = new QWidget;
    udpTab->setObjectName(QStringLiteral("tabUDP"));
    const controls::MemoryPropertyBag storedFont = storedAddressControlProperties();
    utlDestIP = new uctIPAddressCtrl(udpTab);
    utlDestIP->setObjectName(QStringLiteral("utlDestIP"));
    utlDestIP->UserControl_ReadProperties(storedFont);
    txtDestPort = makeTextBox(QStringLiteral("txtDestPort"), QStringLiteral("5007"));
    uclSrcIP = new uctIPAddressCtrl(udpTab);
    uclSrcIP->setObjectName(QStringLiteral("uclSrcIP"));
    uclSrcIP->UserControl_ReadProperties(storedFont);
    txtSrcPort = makeTextBox(QStringLiteral("txtSrcPort"), QStringLiteral("5007"));
    auto *udpLayout = new QGridLayout(udpTab);
    compact(udpLayout);
    udpLayout->addWidget(makeLabel(7, QStringLiteral("Dest IP : "), utlDestIP, QStringLiteral("destination IP address")), 0, 0);
    udpLayout->addWidget(utlDestIP, 0, 1);
    udpLayout->addWidget(makeLabel(8, QStringLiteral("Dest Port : "), txtDestPort, QStringLiteral("destination port")), 1, 0);
    udpLayout->addWidget(txtDestPort, 1, 1);
    udpLayout->addWidget(makeLabel(9, QStringLiteral("Src IP : "), uclSrcIP, QStringLiteral("source IP address")), 2, 0);
    udpLayout->addWidget(uclSrcIP, 2, 1);
    udpLayout->addWidget(makeLabel(10, QStringLiteral("Src Port : "), txtSrcPort, QStringLiteral("source port")), 3, 0);
    udpLayout->addWidget(txtSrcPort, 3, 1);
    tabDevice->addTab(comTab, QStringLiteral("COM"));
    tabDevice->addTab(udpTab, QStringLiteral("UDP"));
    tabDevice->setCurrentIndex(1);

    cmbMouseMode = new QComboBox(frame);
    cmbMouseMode->setObjectName(QStringLiteral("cmbMouseMode"));
    cmbMouseMode->addItems({QStringLiteral("OnMessage Event"), QStringLiteral("Mouse Event")});
    cmbKeyboardMode = new QComboBox(frame);
    cmbKeyboardMode->setObjectName(QStringLiteral("cmbKeyboardMode"));
    cmbKeyboardMode->addItems(
        {QStringLiteral("OnMessage Event"), QStringLiteral("Key Event [default]"), QStringLiteral("Key Event [vkey.dat]")});
    txtTPLessInt = makeTextBox(QStringLiteral("txtTPLessInt"), QStringLiteral("10000"));
    txtInitWait = makeTextBox(QStringLiteral("txtInitWait"), QStringLiteral("3000"));
    txtExecTimeout = makeTextBox(QStringLiteral("txtExecTimeout"), QStringLiteral("500"));
    chkClient = new QCheckBox(QStringLiteral("ClientMode"), frame);
    chkClient->setObjectName(QStringLiteral("chkClient"));
    cmdEng[0] = makeButton(QStringLiteral("cmdEng(0)"), QStringLiteral("Open"));
    cmdEng[1] = makeButton(QStringLiteral("cmdEng(1)"), QStringLiteral("Close"));
    cmdEng[1]->setEnabled(false);
    cmdEng[2] = makeButton(QStringLiteral("cmdEng(2)"), QStringLiteral("KeyConfig"));

    auto *grid = new QGridLayout;
    grid->setSpacing(3);
    grid->addWidget(makeLabel(5, QStringLiteral("Mouse : "), cmbMouseMode), 0, 0);
    grid->addWidget(cmbMouseMode, 0, 1, 1, 3);
    grid->addWidget(makeLabel(6, QStringLiteral("Keyboard : "), cmbKeyboardMode), 1, 0);
    grid->addWidget(cmbKeyboardMode, 1, 1, 1, 3);
    grid->addWidget(makeLabel(15, QStringLiteral("Less Int : "), txtTPLessInt, QStringLiteral("wiring check interval in ms")), 2, 0);
    grid->addWidget(txtTPLessInt, 2, 1);
    grid->addWidget(makeLabel(16, QStringLiteral("Init Wait : "), txtInitWait, QStringLiteral("initial wait in ms")), 2, 2);
    grid->addWidget(txtInitWait, 2, 3);
    grid->addWidget(makeLabel(17, QStringLiteral("Exec TO : "), txtExecTimeout, QStringLiteral("execute timeout in ms")), 3, 0);
    grid->addWidget(txtExecTimeout, 3, 1);
    grid->addWidget(chkClient, 4, 0, 1, 4);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(3);
    for (int index : {2, 0, 1})
        buttons->addWidget(cmdEng[static_cast<size_t>(index)]);

    auto *layout = new QVBoxLayout(frame);
    compact(layout);
    layout->addWidget(tabDevice);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    return frame;
}

QWidget *frmMain::buildConfigFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Tavlox Config"), this);
    frame->setObjectName(QStringLiteral("TavloxConfig"));
    chkEnable = new QCheckBox(QStringLiteral("Enabled"), frame);
    chkEnable->setObjectName(QStringLiteral("chkEnable"));
    chkEnable->setChecked(true);
    txtDbl = makeTextBox(QStringLiteral("txtDbl"), QStringLiteral("1000"));
    cmdSetDblClick = makeButton(QStringLiteral("cmdSetDblClick"), QStringLiteral("Put"));
    cmdSetDblClick->setAccessibleName(QStringLiteral("Put double-click speed"));
    cmdSetDblClick->setEnabled(false);
    txtPressHold = makeTextBox(QStringLiteral("txtPressHold"), QStringLiteral("1000"));
    cmdSetPressHold = makeButton(QStringLiteral("cmdSetPressHold"), QStringLiteral("Put"));
    cmdSetPressHold->setAccessibleName(QStringLiteral("Put press-and-hold time"));
    cmdSetPressHold->setEnabled(false);

    auto *grid = new QGridLayout(frame);
    compact(grid);
    grid->addWidget(chkEnable, 0, 0, 1, 3);
    grid->addWidget(makeLabel(4, QStringLiteral("DblClick : "), txtDbl, QStringLiteral("double-click speed in ms")), 1, 0);
    grid->addWidget(txtDbl, 1, 1);
    grid->addWidget(cmdSetDblClick, 1, 2);
    grid->addWidget(makeLabel(3, QStringLiteral("PressHold : "), txtPressHold, QStringLiteral("press-and-hold time in ms")), 2, 0);
    grid->addWidget(txtPressHold, 2, 1);
    grid->addWidget(cmdSetPressHold, 2, 2);
    return frame;
}

QWidget *frmMain::buildTavloxFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Tavlox"), this);
    frame->setObjectName(QStringLiteral("Tavlox"));
    auto *stack = new QStackedLayout(frame);
    stack->setStackingMode(QStackedLayout::StackAll);
    picframe[0] = static_cast<QFrame *>(buildOutputPanel());
    picframe[1] = static_cast<QFrame *>(buildInputPanel());
    for (QFrame *panel : picframe) {
        panel->setParent(frame);
        panel->setAutoFillBackground(true);
        stack->addWidget(panel);
    }
    bringPanelToFront(0);
    return frame;
}

QWidget *frmMain::buildOutputPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("picframe(0)"));
    chkInfi = new QCheckBox(QStringLiteral("Infinite"), panel);
    chkInfi->setObjectName(QStringLiteral("chkInfi"));
    cmdGetKeyState = makeButton(QStringLiteral("cmdGetKeyState"), QStringLiteral("GetKeyState"));
    txtTime = makeTextBox(QStringLiteral("txtTime"), QStringLiteral("1000"));
    txtLED = makeTextBox(QStringLiteral("txtLED"), QStringLiteral("1"));
    const std::array<QString, 8> captions = {QStringLiteral("Beep"), QStringLiteral("On"),  QStringLiteral("Off"),
                                             QStringLiteral("Flash"), QStringLiteral("Set"), QStringLiteral("Set"),
                                             QStringLiteral("On"),   QStringLiteral("Off")};
    for (size_t i = 0; i < cmdTp.size(); ++i)
        cmdTp[i] = makeButton(QStringLiteral("cmdTp(%1)").arg(i), captions[i]);
    // Captions that repeat across groups get their group in the name, after the caption.
    cmdTp[1]->setAccessibleName(QStringLiteral("On, LED"));
    cmdTp[2]->setAccessibleName(QStringLiteral("Off, LED"));
    cmdTp[3]->setAccessibleName(QStringLiteral("Flash, LED"));
    cmdTp[4]->setAccessibleName(QStringLiteral("Set KeyState"));
    cmdTp[5]->setAccessibleName(QStringLiteral("Set PanelState"));
    cmdTp[6]->setAccessibleName(QStringLiteral("On, Backlight"));
    cmdTp[7]->setAccessibleName(QStringLiteral("Off, Backlight"));

    txtTime->setMaximumWidth(90);
    txtLED->setMaximumWidth(90);
    auto *grid = new QGridLayout(panel);
    compact(grid);
    grid->addWidget(chkInfi, 0, 0, 1, 2);
    grid->addWidget(cmdGetKeyState, 0, 2, 1, 2);
    grid->addWidget(makeLabel(1, QStringLiteral("Time (ms) : "), txtTime, QStringLiteral("beep time")), 1, 0);
    grid->addWidget(txtTime, 1, 1, 1, 2);
    grid->addWidget(cmdTp[0], 1, 3);
    grid->addWidget(makeLabel(2, QStringLiteral("LED No. : "), txtLED, QStringLiteral("LED number")), 2, 0);
    grid->addWidget(txtLED, 2, 1, 1, 2);
    grid->addWidget(cmdTp[1], 3, 1);
    grid->addWidget(cmdTp[2], 3, 2);
    grid->addWidget(cmdTp[3], 3, 3);
    grid->addWidget(makeLabel(18, QStringLiteral("Backlight : "), cmdTp[6]), 4, 0);
    grid->addWidget(cmdTp[6], 4, 1);
    grid->addWidget(cmdTp[7], 4, 2);
    for (QPushButton *button : cmdTp)
        button->setEnabled(false);
    cmdGetKeyState->setEnabled(false);
    return panel;
}

QWidget *frmMain::buildInputPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("picframe(1)"));
    auto *keyRow = new QHBoxLayout;
    keyRow->setSpacing(2);
    for (size_t k = 0; k < txtKeyState.size(); ++k) {
        txtKeyState[k] = makeTextBox(QStringLiteral("txtKeyState(%1)").arg(k), QStringLiteral("0"));
        txtKeyState[k]->setAccessibleName(QStringLiteral("KeyState %1").arg(k));
        txtKeyState[k]->setMinimumWidth(10);
        keyRow->addWidget(txtKeyState[k]);
    }
    chkTouch = new QCheckBox(QStringLiteral("Touch"), panel);
    chkTouch->setObjectName(QStringLiteral("chkTouch"));
    txtPanelX = makeTextBox(QStringLiteral("txtPanelX"), QStringLiteral("1"));
    txtPanelY = makeTextBox(QStringLiteral("txtPanelY"), QStringLiteral("1"));

    auto *layout = new QGridLayout(panel);
    compact(layout);
    layout->addWidget(makeLabel(11, QStringLiteral("KeyState : "), txtKeyState[0]), 0, 0, 1, 6);
    layout->addLayout(keyRow, 1, 0, 1, 6);
    layout->addWidget(cmdTp[4], 2, 4, 1, 2);
    layout->addWidget(makeLabel(12, QStringLiteral("PanelState : "), chkTouch), 3, 0, 1, 6);
    layout->addWidget(chkTouch, 4, 0);
    layout->addWidget(makeLabel(13, QStringLiteral("X : "), txtPanelX, QStringLiteral("touch panel position")), 4, 1);
    layout->addWidget(txtPanelX, 4, 2);
    layout->addWidget(makeLabel(14, QStringLiteral("Y : "), txtPanelY, QStringLiteral("touch panel position")), 4, 3);
    layout->addWidget(txtPanelY, 4, 4, 1, 2);
    layout->addWidget(cmdTp[5], 5, 4, 1, 2);
    return panel;
}

void frmMain::bringPanelToFront(int panel)
{
    m_frontPanel = panel;
    QFrame *front = picframe[static_cast<size_t>(panel)];
    QFrame *back = picframe[static_cast<size_t>(1 - panel)];
    back->lower();
    back->hide();
    front->show();
    front->raise();
}

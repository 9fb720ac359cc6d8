#include "pendantwindow.h"

#include "pendant/pendantdevice.h"
#include "pendant/pendantkeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace pendantwindow {

using namespace pendant;

using protocol::LedMode;

namespace {
constexpr int FlashPeriodMs = 300;
constexpr int LongestBeepShownMs = 3000;

} // namespace

LedLamp::LedLamp(QWidget *parent) : QWidget(parent)
{
    setFixedSize(14, 14);
}

void LedLamp::setLit(bool lit)
{
    if (lit == m_lit)
        return;
    m_lit = lit;
    update();
}

void LedLamp::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x44, 0x44, 0x44), 1));
    painter.setBrush(m_lit ? QColor(0x2e, 0xcc, 0x40) : QColor(0x2b, 0x2b, 0x2b));
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

LcdView::LcdView(PendantDevice &device, QWidget *parent) : QWidget(parent), m_device(device)
{
    setFixedSize(protocol::LcdWidth, protocol::LcdHeight);
    setCursor(Qt::CrossCursor);
    setAccessibleName(QStringLiteral("LCD and touch panel"));
}

void LcdView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_device.lcd());
    if (!m_device.backlight())
        painter.fillRect(rect(), QColor(0, 0, 0, 190)); // backlight off: the picture is barely visible
    if (m_device.panelForced()) {
        const QPoint p = m_device.forcedTouch();
        painter.setPen(QPen(Qt::red, 1));
        painter.drawEllipse(p, 6, 6);
        painter.drawLine(p.x() - 9, p.y(), p.x() + 9, p.y());
        painter.drawLine(p.x(), p.y() - 9, p.x(), p.y() + 9);
    }
}

void LcdView::mousePressEvent(QMouseEvent *event)
{
    m_device.touchDown(event->position().toPoint().x(), event->position().toPoint().y());
}

void LcdView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        m_device.touchMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void LcdView::mouseReleaseEvent(QMouseEvent *event)
{
    m_device.touchUp(event->position().toPoint().x(), event->position().toPoint().y());
}

PendantWindow::PendantWindow(PendantDevice &device, QWidget *parent) : QWidget(parent), m_device(device)
{
    setObjectName(QStringLiteral("PendantWindow"));
    setWindowTitle(QStringLiteral("Simulated pendant"));

    auto *indicators = new QHBoxLayout;
    indicators->addWidget(new QLabel(QStringLiteral("LED"), this));
    for (size_t i = 0; i < m_leds.size(); ++i) {
        auto *led = new LedLamp(this);
        led->setObjectName(QStringLiteral("led(%1)").arg(i + 1));
        led->setToolTip(QStringLiteral("LED %1").arg(i + 1));
        led->setAccessibleName(QStringLiteral("LED %1").arg(i + 1));
        m_leds[i] = led;
        indicators->addWidget(led);
    }
    indicators->addStretch(1);
    m_beep = new QLabel(QStringLiteral("♪ BEEP"), this);
    m_beep->setObjectName(QStringLiteral("beep"));
    m_backlight = new QLabel(this);
    m_backlight->setObjectName(QStringLiteral("backlight"));
    indicators->addWidget(m_beep);
    indicators->addWidget(m_backlight);

    m_lcd = new LcdView(device, this);
    m_lcd->setObjectName(QStringLiteral("lcd"));

    m_lcdText = new QLineEdit(this);
    m_lcdText->setObjectName(QStringLiteral("lcdText"));
    m_lcdText->setPlaceholderText(QStringLiteral("LCD text to report"));
    m_lcdText->setAccessibleName(QStringLiteral("LCD text"));
    auto *report = new QPushButton(QStringLiteral("Report"), this);
    report->setObjectName(QStringLiteral("reportLcdText"));
    m_disconnect = new QCheckBox(QStringLiteral("Disconnected"), this);
    m_disconnect->setObjectName(QStringLiteral("disconnect"));
    m_disconnect->setToolTip(QStringLiteral("A disconnected pendant neither answers nor reports input"));
    auto *lcdRow = new QHBoxLayout;
    lcdRow->addWidget(m_lcdText, 1);
    lcdRow->addWidget(report);
    lcdRow->addWidget(m_disconnect);

    auto *pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("keyPages"));
    pages->addTab(buildKeyPage(TpKeys), QStringLiteral("TP"));
    pages->addTab(buildKeyPage(MiniTpKeys), QStringLiteral("miniTP"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(indicators);
    layout->addWidget(m_lcd, 0, Qt::AlignHCenter);
    layout->addLayout(lcdRow);
    layout->addWidget(pages);
    // Nothing in the window grows (the LCD is 320 × 240 pixels), so it keeps the size it needs: a resizable window
    // would only show empty space, and window managers draw a resize strip along its bottom edge.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(&device, &PendantDevice::stateChanged, this, &PendantWindow::refresh);
    connect(&device, &PendantDevice::beeped, this, &PendantWindow::showBeep);
    connect(m_disconnect, &QCheckBox::toggled, this, [this](bool off) { m_device.setConnected(!off); });
    auto sendText = [this] { m_device.sendLcdText(m_lcdText->text()); };
    connect(report, &QPushButton::clicked, this, sendText);
    connect(m_lcdText, &QLineEdit::returnPressed, this, sendText);
    auto *flash = new QTimer(this);
    connect(flash, &QTimer::timeout, this, [this] {
        m_flashPhase = !m_flashPhase;
        refreshLeds();
    });
    flash->start(FlashPeriodMs);
    m_beep->setVisible(false);
    refresh();
}

QWidget *PendantWindow::buildKeyPage(const auto &keys)
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setSpacing(3);
    int index = 0;
    for (const PendantKey &key : keys) {
        const int position = index++;
        if (key.number < 0)
            continue;
        auto *button = new QPushButton(QString::fromUtf8(key.caption), page);
        button->setObjectName(QStringLiteral("key(%1)").arg(key.number));
        button->setFocusPolicy(Qt::NoFocus);
        button->setCheckable(false);
        m_keys[static_cast<size_t>(key.number)] = button;
        connect(button, &QPushButton::pressed, this, [this, number = key.number] { m_device.pressKey(number); });
        connect(button, &QPushButton::released, this, [this, number = key.number] { m_device.releaseKey(number); });
        grid->addWidget(button, position / KeyColumns, position % KeyColumns);
    }
    return page;
}

void PendantWindow::refreshLeds()
{
    for (size_t i = 0; i < m_leds.size(); ++i) {
        const LedMode mode = m_device.led(static_cast<int>(i + 1));
        m_leds[i]->setLit(mode == LedMode::On || (mode == LedMode::Flash && m_flashPhase));
    }
}

void PendantWindow::refresh()
{
    refreshLeds();
    m_backlight->setText(m_device.backlight() ? QStringLiteral("Backlight on") : QStringLiteral("Backlight off"));
    for (size_t key = 0; key < m_keys.size(); ++key) {
        if (!m_keys[key])
            continue;
        // A forced key shows pressed and amber; so does a key held down with the mouse (pressed only).
        const bool forced = m_device.isKeyForced(static_cast<int>(key));
        if (forced == m_forcedShown[key])
            continue;
        m_forcedShown[key] = forced;
        QPalette palette = m_keys[key]->palette();
        palette.setColor(QPalette::Button, forced ? QColor(0xf5, 0xb0, 0x41) : this->palette().color(QPalette::Button));
        m_keys[key]->setPalette(palette);
        m_keys[key]->setDown(forced);
    }
    m_lcd->update();
}

void PendantWindow::showBeep(int milliseconds)
{
    QApplication::beep();
    m_beep->setVisible(true);
    QTimer::singleShot(std::clamp(milliseconds, 100, LongestBeepShownMs), m_beep, [this] { m_beep->setVisible(false); });
}

} // namespace pendantwindow

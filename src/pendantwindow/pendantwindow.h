#pragma once
// The simulated pendant's window: shows what the console makes the pendant do and gives it keys and a touch panel.
#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pendant {
class PendantDevice;
}

namespace pendantwindow {


// One LED: a lit or dark round lamp, painted (a style sheet per lamp would slow the window's start and every flash).
class LedLamp : public QWidget
{
    Q_OBJECT
public:
    explicit LedLamp(QWidget *parent = nullptr);
    void setLit(bool lit);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_lit = false;
};

// The LCD, which is also the touch panel.
class LcdView : public QWidget
{
    Q_OBJECT
public:
    explicit LcdView(pendant::PendantDevice &device, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    pendant::PendantDevice &m_device;
};

class PendantWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PendantWindow(pendant::PendantDevice &device, QWidget *parent = nullptr);

private:
    QWidget *buildKeyPage(const auto &keys);
    void refresh();
    void refreshLeds();
    void showBeep(int milliseconds);

    pendant::PendantDevice &m_device;
    std::array<LedLamp *, 8> m_leds{};
    QLabel *m_backlight = nullptr;
    QLabel *m_beep = nullptr;
    LcdView *m_lcd = nullptr;
    QCheckBox *m_disconnect = nullptr;
    QLineEdit *m_lcdText = nullptr;
    std::array<QPushButton *, 128> m_keys{};
    std::array<bool, 128> m_forcedShown{};
    bool m_flashPhase = false;
};

} // namespace pendantwindow

#pragma once
// The built-in simulated pendant beside the console: its device and its window are made once the console has
// painted, so that the console, which the operator came for, appears first. The two windows stand side by side,
// centred on the screen, the console on the left.
#include <QObject>
#include <memory>

class QWidget;

namespace pendant {
class PendantDevice;
}

namespace pendantwindow {

class PendantWindow;

class SimulatedPendant : public QObject
{
    Q_OBJECT
public:
    // Call before the console is shown.
    explicit SimulatedPendant(QWidget &console);
    ~SimulatedPendant() override;

    // Null until ready().
    [[nodiscard]] pendant::PendantDevice *device() const { return m_device.get(); }
    [[nodiscard]] PendantWindow *window() const { return m_window.get(); }

Q_SIGNALS:
    void ready();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();

    QWidget &m_console;
    std::unique_ptr<pendant::PendantDevice> m_device;
    std::unique_ptr<PendantWindow> m_window;
};

} // namespace pendantwindow

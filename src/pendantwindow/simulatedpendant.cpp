#include "simulatedpendant.h"

#include "pendant/pendantdevice.h"
#include "pendantwindow/pendantwindow.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace pendantwindow {

using namespace pendant;

SimulatedPendant::SimulatedPendant(QWidget &console) : m_console(console)
{
    m_console.installEventFilter(this);
}

SimulatedPendant::~SimulatedPendant() = default;

bool SimulatedPendant::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_console && event->type() == QEvent::Paint) {
        m_console.removeEventFilter(this);
        QMetaObject::invokeMethod(this, &SimulatedPendant::build, Qt::QueuedConnection);
    }
    return false;
}

void SimulatedPendant::build()
{
    m_device = std::make_unique<PendantDevice>();
    m_window = std::make_unique<PendantWindow>(*m_device);
    const QRect screen = m_console.screen()->availableGeometry();
    constexpr int gap = 12;
    const int width = m_console.width() + gap + m_window->sizeHint().width();
    const int left = std::max(screen.left(), screen.center().x() - width / 2);
    const int top = std::max(screen.top(), screen.center().y() - m_console.height() / 2);
    m_console.move(left, top);
    m_window->move(left + m_console.width() + gap, top);
    m_window->setAttribute(Qt::WA_ShowWithoutActivating); // the keyboard stays with the console
    m_window->show();
    Q_EMIT ready();
}

} // namespace pendantwindow

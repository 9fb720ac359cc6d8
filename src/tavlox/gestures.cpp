#include "gestures.h"

#include "protocol/messages.h"

namespace tavlox {

bool GestureRecognizer::insideDeadRange(int x, int y) const
{
    return x >= m_downX - settings.deadLeft && x <= m_downX + settings.deadRight && y >= m_downY - settings.deadUp &&
           y <= m_downY + settings.deadDown;
}

QList<PanelEvent> GestureRecognizer::touchDown(int x, int y, qint64 now)
{
    m_pressed = true;
    m_moved = false;
    m_held = false;
    m_downX = x;
    m_downY = y;
    m_downAt = now;
    if (!settings.enabled)
        return {};
    return {{protocol::PanelDown, x, y}};
}

QList<PanelEvent> GestureRecognizer::touchMove(int x, int y, qint64 now)
{
    QList<PanelEvent> events = advance(now);
    if (m_pressed && !insideDeadRange(x, y))
        m_moved = true; // too far for a click or a hold
    return events;
}

QList<PanelEvent> GestureRecognizer::touchUp(int x, int y, qint64 now)
{
    QList<PanelEvent> events = advance(now);
    if (!m_pressed)
        return events;
    m_pressed = false;
    if (!insideDeadRange(x, y))
        m_moved = true;
    if (!settings.enabled) {
        m_lastClickDownAt.reset();
        return events;
    }
    events << PanelEvent{protocol::PanelUp, x, y};
    if (m_moved || m_held) {
        m_lastClickDownAt.reset();
        return events;
    }
    const bool secondClick = m_lastClickDownAt && m_downAt - *m_lastClickDownAt <= settings.doubleClickMs &&
                             std::abs(m_downX - m_lastClickX) <= std::max(settings.deadLeft, settings.deadRight) &&
                             std::abs(m_downY - m_lastClickY) <= std::max(settings.deadUp, settings.deadDown);
    if (secondClick) {
        events << PanelEvent{protocol::PanelDblClick, m_downX, m_downY};
        m_lastClickDownAt.reset();
    } else {
        events << PanelEvent{protocol::PanelClick, m_downX, m_downY};
        m_lastClickDownAt = m_downAt;
        m_lastClickX = m_downX;
        m_lastClickY = m_downY;
    }
    return events;
}

QList<PanelEvent> GestureRecognizer::advance(qint64 now)
{
    if (m_pressed && !m_moved && !m_held && now - m_downAt >= settings.pressHoldMs) {
        m_held = true;
        if (settings.enabled)
            return {{protocol::PanelPressAndHold, m_downX, m_downY}};
    }
    return {};
}

std::optional<qint64> GestureRecognizer::nextDeadline() const
{
    if (m_pressed && !m_moved && !m_held)
        return m_downAt + settings.pressHoldMs;
    return std::nullopt;
}

} // namespace tavlox

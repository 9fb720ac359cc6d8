#pragma once
// Turns raw touches of the pendant's panel into the panel messages: down, up, click, double click, press-and-hold.
#include <QList>
#include <optional>

namespace tavlox {

struct TouchSettings
{
    bool enabled = true;
    int doubleClickMs = 500;
    int pressHoldMs = 1000;
    // How far a touch may wander from where it went down (left, up, right, down) and still click or hold.
    int deadLeft = 4;
    int deadUp = 4;
    int deadRight = 4;
    int deadDown = 4;
};

struct PanelEvent
{
    int number = 0; // protocol::PanelDown … PanelPressAndHold
    int x = 0;
    int y = 0;
    bool operator==(const PanelEvent &) const = default;
};

// Times are milliseconds on any monotonic clock; the caller supplies them, so tests need no sleeping.
class GestureRecognizer
{
public:
    TouchSettings settings;

    [[nodiscard]] QList<PanelEvent> touchDown(int x, int y, qint64 now);
    [[nodiscard]] QList<PanelEvent> touchMove(int x, int y, qint64 now);
    [[nodiscard]] QList<PanelEvent> touchUp(int x, int y, qint64 now);
    // Raises a press-and-hold that has come due.
    [[nodiscard]] QList<PanelEvent> advance(qint64 now);
    // When advance() has something to do next, if anything.
    [[nodiscard]] std::optional<qint64> nextDeadline() const;

private:
    [[nodiscard]] bool insideDeadRange(int x, int y) const;

    bool m_pressed = false;
    bool m_moved = false;
    bool m_held = false;
    int m_downX = 0;
    int m_downY = 0;
    qint64 m_downAt = 0;
    std::optional<qint64> m_lastClickDownAt;
    int m_lastClickX = 0;
    int m_lastClickY = 0;
};

} // namespace tavlox

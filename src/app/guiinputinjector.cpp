#include "guiinputinjector.h"

#include "keymap/keymap.h"
#include "keymap/virtualkeys.h"
#include "protocol/protocol.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

GuiInputInjector::GuiInputInjector(QWidget *target) : m_target(target) {}

void GuiInputInjector::key(int virtualKey, int modifierMask, bool down)
{
    const int qtKey = keymap::qtKeyFor(virtualKey);
    QWidget *receiver = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    if (!qtKey || !receiver)
        return;
    Qt::KeyboardModifiers modifiers;
    if (modifierMask & keymap::ShiftMask)
        modifiers |= Qt::ShiftModifier;
    if (modifierMask & keymap::CtrlMask)
        modifiers |= Qt::ControlModifier;
    if (modifierMask & keymap::AltMask)
        modifiers |= Qt::AltModifier;
    QString text;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z && !(modifierMask & (keymap::CtrlMask | keymap::AltMask)))
        text = QChar(modifierMask & keymap::ShiftMask ? qtKey : qtKey - Qt::Key_A + 'a');
    else if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9 && modifierMask == 0)
        text = QChar(qtKey);
    QApplication::postEvent(receiver, new QKeyEvent(down ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, modifiers, text));
}

void GuiInputInjector::mouse(int x, int y, tavlox::MouseAction action)
{
    if (!m_target || !m_target->isVisible())
        return;
    const QPoint inWindow(x * m_target->width() / protocol::LcdWidth, y * m_target->height() / protocol::LcdHeight);
    QWidget *receiver = m_target->childAt(inWindow);
    if (!receiver)
        receiver = m_target;
    const QPointF local = receiver->mapFrom(m_target, inWindow);
    const QPointF global = m_target->mapToGlobal(inWindow);
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    if (action == tavlox::MouseAction::Press) {
        type = QEvent::MouseButtonPress;
        button = Qt::LeftButton;
        m_buttons = Qt::LeftButton;
    } else if (action == tavlox::MouseAction::Release) {
        type = QEvent::MouseButtonRelease;
        button = Qt::LeftButton;
        m_buttons = Qt::NoButton;
    }
    QApplication::postEvent(receiver, new QMouseEvent(type, local, global, button, m_buttons, Qt::NoModifier));
}

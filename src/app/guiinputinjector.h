#pragma once
// Delivers the pendant's input, in the event modes, as key presses and mouse input to the console's windows.
#include "tavlox/inputinjector.h"

#include <QPointer>
#include <QWidget>

class GuiInputInjector : public tavlox::InputInjector
{
public:
    // Mouse input lands on target, the LCD's area scaled onto the window.
    explicit GuiInputInjector(QWidget *target);
    void key(int virtualKey, int modifierMask, bool down) override;
    void mouse(int x, int y, tavlox::MouseAction action) override;

private:
    QPointer<QWidget> m_target;
    Qt::MouseButtons m_buttons = Qt::NoButton;
};

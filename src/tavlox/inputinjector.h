#pragma once
// Where pendant input goes in the event modes: key presses and mouse input for the application on the PC.
namespace tavlox {

enum class MouseAction { Move, Press, Release };

class InputInjector
{
public:
    virtual ~InputInjector() = default;
    // A Windows virtual-key code with the 1/2/4 Shift/Ctrl/Alt mask.
    virtual void key(int virtualKey, int modifierMask, bool down) = 0;
    // A position on the pendant's LCD (0-319, 0-239).
    virtual void mouse(int x, int y, MouseAction action) = 0;
};

} // namespace tavlox
